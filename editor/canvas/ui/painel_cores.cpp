#include "canvas/ui/painel_cores.h"

#include <QKeyEvent>
#include <algorithm>
#include <QMouseEvent>
#include <QPainter>

#include "canvas/propriedades_cores.h"
#include "document/paleta.h"

namespace mobrix {

QColor CorQt(Cor cor) { return QColor::fromRgb(static_cast<QRgb>(cor & 0xFFFFFFu)); }

namespace {

constexpr int AlturaBarra = 16;
constexpr int LarguraSemFundo = 12;  // the no-background place right of the swatches
constexpr int LadoMarcaRotulo = 10;
constexpr int PrimeiroCodigoExtendido = 16;

// A cell outlined, with a frame inside it when it is marked.
void PintarCelula(QPainter& p, const QRect& r, const QColor& cor, bool marcada) {
    p.fillRect(r, cor);
    p.setPen(Qt::gray);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    if (!marcada) return;
    p.setPen(QPen(cor.lightness() < 128 ? Qt::white : Qt::black, 1));
    p.drawRect(r.adjusted(2, 2, -3, -3));
}

// The "no background" look: white with a red diagonal.
void PintarSemFundo(QPainter& p, const QRect& r) {
    p.fillRect(r, Qt::white);
    p.setPen(Qt::red);
    p.drawLine(r.bottomLeft(), r.topRight());
    p.setPen(Qt::gray);
    p.drawRect(r.adjusted(0, 0, -1, -1));
}

}  // namespace

RotuloClicavel::RotuloClicavel(const QString& texto, QWidget* parent) : QLabel(texto, parent) {
    setCursor(Qt::PointingHandCursor);
}

void RotuloClicavel::mouseReleaseEvent(QMouseEvent* e) {
    QLabel::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit Clicado();
}

void RotuloCor::DefinirCor(Cor cor) {
    if (cor == cor_) return;
    cor_ = cor;
    update();
}

QSize RotuloCor::sizeHint() const {
    const QSize texto = QLabel::sizeHint();
    return {texto.width() + LadoMarcaRotulo + 4, std::max(texto.height(), LadoMarcaRotulo + 2)};
}

void RotuloCor::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect marca(0, (height() - LadoMarcaRotulo) / 2, LadoMarcaRotulo, LadoMarcaRotulo);
    PintarCelula(p, marca, CorQt(cor_), false);
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.drawText(rect().adjusted(LadoMarcaRotulo + 4, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, text());
}

BarraCoresCtl::BarraCoresCtl(QWidget* parent) : QWidget(parent) {
    setFixedSize(NumAmostras * LarguraAmostra + LarguraSemFundo, AlturaBarra);
    setCursor(Qt::PointingHandCursor);
}

void BarraCoresCtl::DefinirCores(int principal, int fundo) {
    if (principal == principal_ && fundo == fundo_) return;
    principal_ = principal;
    fundo_ = fundo;
    update();
}

void BarraCoresCtl::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int meio = AlturaBarra / 2;
    for (int i = 0; i < NumAmostras; ++i) {
        const QRect r(i * LarguraAmostra, 0, LarguraAmostra, AlturaBarra);
        PintarCelula(p, r, CorQt(PaletaBasica[static_cast<size_t>(i)]), i == principal_);
        // The background colour: a small square in the lower half of its swatch.
        if (i == fundo_) PintarCelula(p, QRect(r.left() + 3, meio + 1, LarguraAmostra - 6, meio - 3), Qt::white, false);
    }
    const QRect semFundo(NumAmostras * LarguraAmostra + 1, 0, LarguraSemFundo - 1, AlturaBarra);
    PintarSemFundo(p, semFundo);
    if (fundo_ == SemFundo) {
        p.setPen(Qt::black);
        p.drawRect(semFundo.adjusted(2, 2, -3, -3));
    }
}

void BarraCoresCtl::mousePressEvent(QMouseEvent* e) {
    emit Clicada(static_cast<int>(e->position().x()), e->button() == Qt::LeftButton);
}

AmostraCorCtl::AmostraCorCtl(QWidget* parent) : QWidget(parent) {
    setFixedSize(28, 18);
    setCursor(Qt::PointingHandCursor);
}

void AmostraCorCtl::DefinirCores(Cor frente, bool temFundo, Cor fundo) {
    frente_ = frente;
    temFundo_ = temFundo;
    fundo_ = fundo;
    update();
}

void AmostraCorCtl::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (temFundo_)
        PintarCelula(p, rect(), CorQt(fundo_), false);
    else
        PintarSemFundo(p, rect());
    PintarCelula(p, rect().adjusted(6, 4, -6, -4), CorQt(frente_), false);
}

void AmostraCorCtl::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) emit Clicada();
}

PaletaExtendidaCtl::PaletaExtendidaCtl(QWidget* parent) : QWidget(parent) {
    setFixedSize(CelulasPorLado * LadoCelulaPaleta, CelulasPorLado * LadoCelulaPaleta);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void PaletaExtendidaCtl::MarcarCodigo(int codigo) {
    marcado_ = codigo;
    update();
}

void PaletaExtendidaCtl::paintEvent(QPaintEvent*) {
    QPainter p(this);
    for (int i = 0; i < CelulasPorLado * CelulasPorLado; ++i) {
        const QRect r((i % CelulasPorLado) * LadoCelulaPaleta, (i / CelulasPorLado) * LadoCelulaPaleta,
                      LadoCelulaPaleta, LadoCelulaPaleta);
        PintarCelula(p, r, CorQt(PaletaExtendida[static_cast<size_t>(i)]), i + PrimeiroCodigoExtendido == marcado_);
    }
}

void PaletaExtendidaCtl::mousePressEvent(QMouseEvent* e) {
    const QPoint pt = e->position().toPoint();
    emit Escolhida(pt.x(), pt.y(), e->button() == Qt::LeftButton);
}

void PaletaExtendidaCtl::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    hide();
}

void PaletaExtendidaCtl::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape)
        hide();
    else
        QWidget::keyPressEvent(e);
}

}  // namespace mobrix
