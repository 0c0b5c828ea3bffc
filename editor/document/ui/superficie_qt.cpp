#include "document/ui/superficie_qt.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImageReader>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "document/ui/metarquivos.h"
#include "document/ui/texto_qt.h"

namespace mobrix {
namespace {

constexpr int LadoMaximoMetarquivo = 4096;

QColor ParaQColor(Cor c) { return QColor((c >> 16) & 255, (c >> 8) & 255, c & 255); }

bool TamanhoAceitavel(int largura, int altura) {
    return largura >= 0 && altura >= 0 && largura <= SuperficieQt::LadoMaximo && altura <= SuperficieQt::LadoMaximo &&
           int64_t{largura} * altura <= SuperficieQt::PixelsMaximos;
}

QImage NovaImagem(int largura, int altura) {
    if (largura == 0 || altura == 0) return QImage();
    QImage img(largura, altura, QImage::Format_RGB32);
    if (!img.isNull()) img.fill(Qt::white);
    return img;
}

// A white 32 x 32 picture in a one-pixel frame: both stand-in pictures start so.
QImage QuadroPadrao(QColor moldura) {
    QImage img(32, 32, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setPen(moldura);
    p.drawRect(0, 0, 31, 31);
    return img;
}

}  // namespace

SuperficieQt::SuperficieQt(int largura, int altura) {
    Redimensionar(largura, altura);
    DefinirFonte(FonteSuperficie{});
}

QFont SuperficieQt::FonteQt(const FonteSuperficie& f) {
    QFont q(QString::fromStdString(f.Nome));
    q.setPixelSize(std::max(1, static_cast<int>(std::lround(f.Tamanho * 4.0 / 3.0))));
    q.setBold(f.Negrito);
    q.setItalic(f.Italico);
    q.setUnderline(f.Sublinhado);
    q.setStrikeOut(f.Riscado);
    return q;
}

bool SuperficieQt::Redimensionar(int largura, int altura) {
    if (!TamanhoAceitavel(largura, altura)) {
        imagem_ = QImage();
        return false;
    }
    imagem_ = NovaImagem(largura, altura);
    return largura == 0 || altura == 0 || !imagem_.isNull();
}

void SuperficieQt::Limpar(Cor cor) {
    if (!imagem_.isNull()) imagem_.fill(ParaQColor(cor));
}

void SuperficieQt::Linha(int x1, int y1, int x2, int y2, Cor cor) {
    if (imagem_.isNull()) return;
    if (x1 == x2) {  // the common case of barcodes: a vertical run of pixels
        if (x1 < 0 || x1 >= imagem_.width()) return;
        int a = std::max(0, std::min(y1, y2)), b = std::min(imagem_.height() - 1, std::max(y1, y2));
        QRgb rgb = 0xFF000000u | cor;
        for (int y = a; y <= b; ++y) reinterpret_cast<QRgb*>(imagem_.scanLine(y))[x1] = rgb;
        return;
    }
    if (y1 == y2) {  // cell outlines and frame rules: a horizontal run
        if (y1 < 0 || y1 >= imagem_.height()) return;
        int a = std::max(0, std::min(x1, x2)), b = std::min(imagem_.width() - 1, std::max(x1, x2));
        if (a > b) return;
        QRgb* linha = reinterpret_cast<QRgb*>(imagem_.scanLine(y1));
        std::fill(linha + a, linha + b + 1, 0xFF000000u | cor);
        return;
    }
    QPainter p(&imagem_);
    p.setPen(QPen(ParaQColor(cor), 0));
    p.drawLine(x1, y1, x2, y2);
    p.drawPoint(x2, y2);
}

void SuperficieQt::Pixel(int x, int y, Cor cor) {
    if (x >= 0 && y >= 0 && x < imagem_.width() && y < imagem_.height())
        reinterpret_cast<QRgb*>(imagem_.scanLine(y))[x] = 0xFF000000u | cor;
}

Cor SuperficieQt::LerPixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= imagem_.width() || y >= imagem_.height()) return Branco;
    return reinterpret_cast<const QRgb*>(imagem_.constScanLine(y))[x] & 0xFFFFFFu;
}

void SuperficieQt::Retangulo(int x1, int y1, int x2, int y2, Cor cor) {
    if (imagem_.isNull()) return;
    QRect r(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2) - 1, std::max(y1, y2) - 1));
    r = r.intersected(imagem_.rect());
    if (r.isEmpty()) return;
    QPainter p(&imagem_);
    p.fillRect(r, ParaQColor(cor));
}

void SuperficieQt::DefinirFonte(const FonteSuperficie& fonte) {
    FonteSuperficie nova = fonte;
    if (nova.Nome.empty()) nova.Nome = fonte_.Nome.empty() ? "Arial" : fonte_.Nome;
    if (!(nova.Tamanho >= 1 && nova.Tamanho <= 1638)) nova.Tamanho = fonte_.Tamanho >= 1 ? fonte_.Tamanho : 8;
    fonte_ = nova;
    // A QFont that was used before keeps its resolved font engine: reusing it
    // spares a font lookup on every change between a few fonts (styled words).
    auto usada = std::find_if(fontesUsadas_.begin(), fontesUsadas_.end(),
                              [&](const auto& par) { return par.first == fonte_; });
    if (usada != fontesUsadas_.end()) {
        fonteQt_ = usada->second;
        return;
    }
    fonteQt_ = FonteQt(fonte_);
    if (fontesUsadas_.size() >= FontesGuardadas) fontesUsadas_.erase(fontesUsadas_.begin());
    fontesUsadas_.emplace_back(fonte_, fonteQt_);
}

double SuperficieQt::LarguraTexto(std::string_view texto) {
    return QFontMetrics(fonteQt_).horizontalAdvance(DeCp1252(texto));
}

double SuperficieQt::AlturaTexto(std::string_view) { return QFontMetrics(fonteQt_).height(); }

void SuperficieQt::EscreverTexto(double x, double y, std::string_view texto, Cor cor, int angulo,
                                 const Recorte* recorte) {
    if (imagem_.isNull() || texto.empty()) return;
    // Qt clips through per-row data the height of the whole picture, which is
    // slow on a tall page: text that must be clipped is drawn into a window
    // onto just the clipped pixels instead.
    QImage janela;
    QRect area = imagem_.rect();
    if (recorte) {
        const int x1 = qRound(recorte->x), y1 = qRound(recorte->y);
        area &= QRect(x1, y1, qRound(recorte->x + recorte->largura) - x1, qRound(recorte->y + recorte->altura) - y1);
        if (area.isEmpty()) return;
        janela = QImage(imagem_.scanLine(area.top()) + area.left() * 4, area.width(), area.height(),
                        imagem_.bytesPerLine(), imagem_.format());
    }
    QPainter p(recorte ? &janela : &imagem_);
    p.translate(-area.left(), -area.top());
    p.setFont(fonteQt_);
    p.setPen(ParaQColor(cor));
    p.translate(x, y);
    p.rotate(-angulo);
    p.drawText(QPointF(0, QFontMetrics(fonteQt_).ascent()), DeCp1252(texto));
}

bool SuperficieQt::CarregarFigura(const std::string& caminho) {
    QImageReader leitor(QString::fromStdString(caminho));
    leitor.setAutoTransform(true);
    QSize tamanho = leitor.size();
    if (tamanho.isValid() && !TamanhoAceitavel(tamanho.width(), tamanho.height())) return false;
    QImage img = leitor.read();
    // Metafiles are vector drawings: drawn at their own size, bounded.
    if (img.isNull()) img = LerMetarquivo(caminho, LadoMaximoMetarquivo);
    if (img.isNull() || !TamanhoAceitavel(img.width(), img.height())) return false;
    QImage fundo(img.size(), QImage::Format_RGB32);
    fundo.fill(Qt::white);
    QPainter(&fundo).drawImage(0, 0, img);
    imagem_ = fundo;
    return true;
}

void SuperficieQt::CarregarImagemPadrao(ImagemPadrao imagem) {
    imagem_ = (imagem == ImagemPadrao::Erro ? ImagemErro() : ImagemFigura()).convertToFormat(QImage::Format_RGB32);
}

void SuperficieQt::Escalar(int largura, int altura) {
    if (imagem_.isNull() || !TamanhoAceitavel(largura, altura) || largura < 1 || altura < 1) return;
    imagem_ = imagem_.scaled(largura, altura, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void SuperficieQt::Copiar(const Superficie& origem, int x, int y, int largura, int altura) {
    if (imagem_.isNull() || largura <= 0 || altura <= 0) return;
    QPainter p(&imagem_);
    if (auto* qt = dynamic_cast<const SuperficieQt*>(&origem)) {
        if (qt->imagem_.isNull()) return;
        p.drawImage(QRect(x, y, largura, altura), qt->imagem_);
        return;
    }
    QImage copia(origem.Largura(), origem.Altura(), QImage::Format_RGB32);
    if (copia.isNull()) return;
    for (int j = 0; j < copia.height(); ++j)
        for (int i = 0; i < copia.width(); ++i) copia.setPixel(i, j, 0xFF000000u | origem.LerPixel(i, j));
    p.drawImage(QRect(x, y, largura, altura), copia);
}

QImage ImagemErro() {
    // A small white page with a red cross: "this picture cannot be shown".
    QImage img = QuadroPadrao(QColor(128, 128, 128));
    QPainter p(&img);
    p.setPen(QPen(QColor(200, 0, 0), 3));
    p.drawLine(8, 8, 23, 23);
    p.drawLine(23, 8, 8, 23);
    return img;
}

QImage ImagemFigura() {
    // A framed landscape: "a picture goes here".
    QImage img = QuadroPadrao(QColor(96, 96, 96));
    QPainter p(&img);
    p.fillRect(QRect(3, 3, 26, 26), QColor(200, 225, 255));
    p.setBrush(QColor(255, 210, 0));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPoint(22, 9), 3, 3);
    p.setBrush(QColor(60, 150, 60));
    const QPoint morro[] = {QPoint(3, 28), QPoint(12, 14), QPoint(19, 22), QPoint(23, 18), QPoint(28, 28)};
    p.drawPolygon(morro, 5);
    return img;
}

}  // namespace mobrix
