#include "canvas/ui/tela_pagina.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "document/ui/texto_qt.h"

namespace mobrix {
namespace {

constexpr int IntervaloMagica = 100;  // ms between checks that the mouse is still over the frame

QRect RetanguloQt(const Retangulo& r) { return QRect(r.esquerda, r.topo, r.largura, r.altura); }

QPen CanetaContorno(const QColor& cor) { return QPen(cor, 1, Qt::DotLine); }

}  // namespace

std::optional<TeclaEditor> TeclaDoEvento(int tecla, Qt::KeyboardModifiers modificadores) {
    const bool teclado_numerico = modificadores & Qt::KeypadModifier;
    switch (tecla) {
        case Qt::Key_Left: return TeclaEditor::Esquerda;
        case Qt::Key_Right: return TeclaEditor::Direita;
        case Qt::Key_Up: return TeclaEditor::Cima;
        case Qt::Key_Down: return TeclaEditor::Baixo;
        case Qt::Key_PageUp: return TeclaEditor::PageUp;
        case Qt::Key_PageDown: return TeclaEditor::PageDown;
        case Qt::Key_Home: return TeclaEditor::Home;
        case Qt::Key_End: return TeclaEditor::End;
        case Qt::Key_Delete: return TeclaEditor::Delete;
        case Qt::Key_Escape: return TeclaEditor::Escape;
        case Qt::Key_Minus: return teclado_numerico ? std::optional(TeclaEditor::Menos) : std::nullopt;
        case Qt::Key_Plus: return teclado_numerico ? std::optional(TeclaEditor::Mais) : std::nullopt;
        case Qt::Key_Asterisk: return teclado_numerico ? std::optional(TeclaEditor::Vezes) : std::nullopt;
        default: return std::nullopt;
    }
}

TelaPagina::TelaPagina(Editor& editor, QWidget* pai) : QWidget(pai), editor_(editor) {
    setObjectName("picPagina");
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    // Every pixel comes from the page picture: no background fill first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    CriarDecoracoes();
    AjustarTamanho();
}

void TelaPagina::CriarDecoracoes() {
    // Created bottom to top: the range under the marker lines, the outline,
    // the handles, and the creation frame above everything.
    faixa_ = new ContornoPagina(QPen(CorAlcaAtiva, 1, Qt::DashLine), QColor(0, 0, 144, 24), this);
    faixa_->setObjectName("shpSelectedRange");
    cabecalho_ = new MarcaPagina(MarcaPagina::Forma::Faixa, QColor(0, 0, 255), this);
    cabecalho_->setObjectName("linCabecalho");
    rodape_ = new MarcaPagina(MarcaPagina::Forma::Faixa, QColor(255, 0, 0), this);
    rodape_->setObjectName("linRodape");
    bandaSelecionada_ = new MarcaPagina(MarcaPagina::Forma::Seta, CorAlcaAtiva, this);
    bandaSelecionada_->setObjectName("picBandaSelecionada");
    bandaSelecionada_->resize(6, AlturaMarcadorBanda);
    contorno_ = new ContornoPagina(CanetaContorno(CorAlcaAtiva), Qt::transparent, this);
    contorno_->setObjectName("shpSize");
    for (int i = 0; i < static_cast<int>(alcas_.size()); ++i) {
        auto* alca = new AlcaSelecao(i, this);
        connect(alca, &AlcaSelecao::arrastoIniciado, this, &TelaPagina::IniciarArrasto);
        alcas_[static_cast<size_t>(i)] = alca;
    }
    magica_ = new QuadroMagico(this);
    connect(magica_, &QuadroMagico::clicado, this, [this] {
        setFocus(Qt::MouseFocusReason);
        editor_.ClicarMagica();
    });
    connect(magica_, &QuadroMagico::botaoDireito, this,
            [this](QPoint p) { Pressionar(p, Qt::RightButton, Qt::NoModifier); });
    connect(magica_, &QuadroMagico::mouseMovido, this, &TelaPagina::Mover);
    tmrMagic_ = new QTimer(this);
    tmrMagic_->setObjectName("tmrMagic");
    tmrMagic_->setInterval(IntervaloMagica);
    connect(tmrMagic_, &QTimer::timeout, this, &TelaPagina::VerificarMagica);
}

void TelaPagina::AjustarTamanho() {
    const QSize tamanho = superficie_.imagem().size();
    if (size() != tamanho) resize(tamanho);
}

void TelaPagina::MostrarSelecao(const GeometriaSelecao& g, bool arrastando) {
    alturaAutomatica_ = g.alturaAutomatica;
    PintarSelection(hasFocus());
    contorno_->setVisible(g.itemSelecionado);
    if (g.itemSelecionado) contorno_->setGeometry(RetanguloQt(g.contorno));
    for (size_t i = 0; i < alcas_.size(); ++i) {
        AlcaSelecao* alca = alcas_[i];
        if (!g.itemSelecionado || arrastando) {
            alca->hide();
            continue;
        }
        alca->move(g.alcas[i].x, g.alcas[i].y);
        alca->DefinirHabilitada(g.alcas[i].habilitada);
        alca->show();
        alca->raise();
    }
    faixa_->setVisible(g.faixaVisivel);
    if (g.faixaVisivel) faixa_->setGeometry(RetanguloQt(g.faixa));
    bandaSelecionada_->move(0, g.topoMarcadorBanda);
    bandaSelecionada_->show();
}

void TelaPagina::PosicionarMarcas(const ResultadoPagina& r) {
    cabecalho_->setGeometry(0, r.yCabecalho, r.largura, 1);
    cabecalho_->setVisible(r.cabecalhoVisivel);
    rodape_->setGeometry(0, r.yRodape, r.largura, 1);
    rodape_->setVisible(r.rodapeVisivel);
}

void TelaPagina::MostrarMagica(const std::optional<PropostaMagica>& proposta) {
    if (!proposta) {
        tmrMagic_->stop();
        magica_->hide();
        return;
    }
    magica_->setGeometry(RetanguloQt(proposta->quadro));
    magica_->setToolTip(DeCp1252(proposta->dica));
    magica_->show();
    magica_->raise();
    tmrMagic_->start();
}

void TelaPagina::PintarSelection(bool ativo) {
    const QColor cor = !ativo ? CorAlcaInativa : alturaAutomatica_ ? CorAlcaAutomatica : CorAlcaAtiva;
    for (AlcaSelecao* alca : alcas_) alca->DefinirCor(cor);
    contorno_->DefinirCaneta(CanetaContorno(cor));
}

// The frame goes as soon as the mouse has left it.
void TelaPagina::VerificarMagica() {
    if (QApplication::widgetAt(QCursor::pos()) != magica_) editor_.OcultarMagica();
}

void TelaPagina::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    const QImage& imagem = superficie_.imagem();
    const QRect area = e->rect() & imagem.rect();
    if (!area.isEmpty()) p.drawImage(area.topLeft(), imagem, area);
    // Between a resize and the next redraw the widget may be larger.
    const QRegion resto = QRegion(e->rect()) - QRegion(imagem.rect());
    for (const QRect& r : resto) p.fillRect(r, Qt::white);
}

void TelaPagina::mousePressEvent(QMouseEvent* e) {
    setFocus(Qt::MouseFocusReason);
    Pressionar(e->position().toPoint(), e->button(), e->modifiers());
}

void TelaPagina::mouseMoveEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    if (editor_.Arrastando()) {
        contorno_->setGeometry(RetanguloQt(editor_.MoverArrasto(p.x(), p.y())));
        return;
    }
    Mover(p, e->buttons(), e->modifiers());
}

void TelaPagina::mouseReleaseEvent(QMouseEvent* e) {
    if (!editor_.Arrastando() || e->button() != Qt::LeftButton) return;
    releaseMouse();
    editor_.TerminarArrasto();
}

void TelaPagina::mouseDoubleClickEvent(QMouseEvent* e) {
    // The second press of a double click still selects, then the text box
    // takes over.
    Pressionar(e->position().toPoint(), e->button(), e->modifiers());
    if (e->button() == Qt::LeftButton) emit focoParaCaixaTexto();
}

void TelaPagina::Pressionar(QPoint p, Qt::MouseButton botao, Qt::KeyboardModifiers modificadores) {
    if (botao != Qt::LeftButton && botao != Qt::RightButton) return;
    editor_.PressionarMouse(p.x(), p.y(), botao == Qt::LeftButton ? BotaoMouse::Esquerdo : BotaoMouse::Direito,
                            modificadores & Qt::ShiftModifier);
}

void TelaPagina::Mover(QPoint p, Qt::MouseButtons botoes, Qt::KeyboardModifiers modificadores) {
    if (botoes & Qt::LeftButton) editor_.ArrastarMouse(p.x(), p.y());
    editor_.PassarMouse(p.x(), p.y(), botoes != Qt::NoButton || (modificadores & Qt::ShiftModifier));
}

// The canvas follows the rest of the drag: the handle that started it is
// hidden while the outline moves.
void TelaPagina::IniciarArrasto(int alca, QPoint p) {
    setFocus(Qt::MouseFocusReason);
    const std::optional<Retangulo> contorno = editor_.IniciarArrasto(alca, p.x(), p.y());
    if (!contorno) return;
    for (AlcaSelecao* a : alcas_) a->hide();
    contorno_->setGeometry(RetanguloQt(*contorno));
    contorno_->show();
    grabMouse();
}

void TelaPagina::keyPressEvent(QKeyEvent* e) {
    const Qt::KeyboardModifiers m = e->modifiers();
    if (const std::optional<TeclaEditor> tecla = TeclaDoEvento(e->key(), m)) {
        editor_.PressionarTecla(*tecla, m & Qt::ShiftModifier, m & Qt::ControlModifier);
        return;
    }
    switch (e->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: emit focoParaCaixaTexto(); return;
        case Qt::Key_Backspace: emit textoParaCaixaTexto(QString()); return;
        default: break;
    }
    const QString texto = e->text();
    const bool caractere = !(m & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) && texto.size() == 1 &&
                           texto.front().isPrint();
    // "-", "+" and "*" belong to the keypad commands, typed or not.
    if (caractere && !QStringLiteral("-+*").contains(texto)) {
        emit textoParaCaixaTexto(texto);
        return;
    }
    QWidget::keyPressEvent(e);
}

void TelaPagina::focusInEvent(QFocusEvent* e) {
    PintarSelection(true);
    QWidget::focusInEvent(e);
}

void TelaPagina::focusOutEvent(QFocusEvent* e) {
    PintarSelection(false);
    QWidget::focusOutEvent(e);
}

}  // namespace mobrix
