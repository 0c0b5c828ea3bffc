#include "janela_principal.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStandardPaths>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>

#include "document/atalhos.h"
#include "document/caminhos.h"
#include "document/identidade.h"
#include "document/recentes.h"
#include "document/registro_tipo.h"
#include "document/ui/texto_qt.h"
#include "icones.h"
#include "output/comandos.h"

namespace mobrix {
namespace {

QToolButton* Botao(QWidget* pai, const char* nome, const QIcon& icone, const QString& dica) {
    auto* b = new QToolButton(pai);
    b->setObjectName(nome);
    b->setIcon(icone);
    b->setIconSize(QSize(20, 20));
    b->setToolTip(dica);
    b->setAutoRaise(true);
    // The canvas keeps the focus, so its keys go on working after a click.
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

bool EhCaixaTexto(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QTextEdit*>(w) ||
           qobject_cast<const QPlainTextEdit*>(w);
}

}  // namespace

JanelaPrincipal::JanelaPrincipal(const PortasJanela& portas, QWidget* pai)
    : QMainWindow(pai),
      dialogos_(portas.dialogos),
      sistema_(portas.sistema),
      portas_{portas.dialogos, portas.configuracoes, portas.areaTransferencia, portas.sistema, *this},
      editor_(portas_) {
    setObjectName("frmPrincipal");
    setWindowTitle(DeUtf8(NomeProduto));
    setMinimumSize(LarguraMinima, AlturaMinima);
    CriarMenus(menuBar(), menus_);
    MontarJanela();
    LigarMenus();
    ConectarAcoesSaida(menus_, Saida());
    LigarGanchos();
    LigarPainel();
    LigarAtalhosLinhas();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* agora) {
        if (agora && agora->window() == this && !qobject_cast<QMenuBar*>(agora) && !qobject_cast<QMenu*>(agora))
            ultimoFoco_ = agora;
    });
    // The mouse wheel over any part of the window scrolls the page while the
    // canvas has the focus; a click on the window's background closes the
    // extended palette.
    qApp->installEventFilter(this);
    TamanhoInicialJanela();
}

// Most of the screen, so that the page and the panel both have room.
void JanelaPrincipal::TamanhoInicialJanela() {
    const QScreen* tela = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect area = tela ? tela->availableGeometry() : QRect(0, 0, 1024, 768);
    resize(std::max(LarguraMinima, area.width() * 9 / 10), std::max(AlturaMinima, area.height() * 9 / 10));
}

// The widgets and menus go first, while the editor and the state their
// handlers use are still there (a text box losing the focus stores its text).
JanelaPrincipal::~JanelaPrincipal() {
    disconnect(qApp, nullptr, this, nullptr);
    qApp->removeEventFilter(this);
    delete takeCentralWidget();
    delete menuWidget();
}

void JanelaPrincipal::MontarJanela() {
    auto* central = new QWidget(this);
    auto* linha = new QHBoxLayout(central);
    linha->setContentsMargins(4, 4, 4, 4);
    linha->setSpacing(4);

    // The property panel, left of the canvas; it scrolls so that it never
    // holds the window above its minimum height.
    auto* area = new QScrollArea(central);
    area->setObjectName("fraPropriedades");
    area->setWidgetResizable(true);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setFrameShape(QFrame::NoFrame);
    painel_ = new PainelPropriedades(editor_, dialogos_, area);
    area->setWidget(painel_);
    area->setFixedWidth(painel_->sizeHint().width() + area->verticalScrollBar()->sizeHint().width());
    linha->addWidget(area);

    auto* direita = new QWidget(central);
    auto* coluna = new QVBoxLayout(direita);
    coluna->setContentsMargins(0, 0, 0, 0);
    coluna->setSpacing(2);
    coluna->addWidget(CriarBotoes());
    visor_ = new VisorPagina(editor_, sistema_, dialogos_, direita);
    resultado_ = new CaixaResultado(direita);
    connect(resultado_, &CaixaResultado::copiarPedido, this,
            [this](const std::string& texto) { editor_.CopiarTextoComandos(texto); });
    divisor_ = new QSplitter(Qt::Vertical, direita);
    divisor_->addWidget(visor_);
    divisor_->addWidget(resultado_);
    divisor_->setStretchFactor(0, 3);
    divisor_->setStretchFactor(1, 1);
    divisor_->setSizes({520, 160});
    divisor_->setChildrenCollapsible(false);
    coluna->addWidget(divisor_, 1);
    linha->addWidget(direita, 1);
    setCentralWidget(central);
}

QWidget* JanelaPrincipal::CriarBotoes() {
    auto* barra = new QWidget(this);
    auto* l = new QHBoxLayout(barra);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(2);
    btnRemove_ = Botao(barra, "btnRemove", IconeRemover(), "Remover o item selecionado - [DEL]");
    btnLeft_ = Botao(barra, "btnLeft", IconeEsquerda(),
                     "Mover o item selecionado para a esquerda - [CTRL + Seta para esquerda]");
    btnRight_ = Botao(barra, "btnRight", IconeDireita(),
                      "Mover o item selecionado para a direita - [CTRL + Seta para direita]");
    btnMagic_ = Botao(barra, "btnMagic", IconeMagica(), "Criar itens com um clique");
    btnMagic_->setCheckable(true);
    btnMagic_->setChecked(editor_.Preferencias().MagicItem);
    imgResultado_ = Botao(barra, "imgResultado", IconeResultado(), "Exibir o arquivo texto");
    lblSelecionado_ = new QLabel(barra);
    lblSelecionado_->setObjectName("lblSelecionado");
    lblSelecionado_->setMinimumWidth(80);
    connect(btnRemove_, &QToolButton::clicked, this, [this] { editor_.ItemRemover(); });
    connect(btnLeft_, &QToolButton::clicked, this, [this] { editor_.ItemEsquerda(); });
    connect(btnRight_, &QToolButton::clicked, this, [this] { editor_.ItemDireita(); });
    connect(btnMagic_, &QToolButton::toggled, this, [this](bool ligado) { editor_.DefinirCriacaoRapida(ligado); });
    connect(imgResultado_, &QToolButton::clicked, this, &JanelaPrincipal::AlternarResultado);
    for (QWidget* w : {static_cast<QWidget*>(btnRemove_), static_cast<QWidget*>(btnLeft_),
                       static_cast<QWidget*>(btnRight_)})
        l->addWidget(w);
    l->addSpacing(12);
    l->addWidget(btnMagic_);
    l->addSpacing(12);
    l->addWidget(lblSelecionado_);
    l->addStretch(1);
    l->addWidget(imgResultado_);
    return barra;
}

void JanelaPrincipal::LigarGanchos() {
    editor_.ganchos.RegistrarTipoArquivo = [this](const TipoArquivo& tipo) {
        RegistrarExtensao(tipo, ParaUtf8(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)),
                          dialogos_);
    };
}

void JanelaPrincipal::LigarPainel() {
    TelaPagina* tela = visor_->tela();
    connect(tela, &TelaPagina::focoParaCaixaTexto, this, [this] {
        if (painel_->CaixaTexto()->isEnabled()) painel_->CaixaTexto()->setFocus(Qt::OtherFocusReason);
    });
    connect(tela, &TelaPagina::textoParaCaixaTexto, painel_, &PainelPropriedades::ComecarTexto);
    connect(painel_, &PainelPropriedades::PedirFocoCanvas, tela, [tela] { tela->setFocus(Qt::OtherFocusReason); });
    connect(painel_, &PainelPropriedades::AlterarCodigoBarras, this, [this] { AlterarCodigoBarras(Saida()); });
    connect(painel_, &PainelPropriedades::AbrirMenuTipo, this, &JanelaPrincipal::AbrirMenuTipo);
}

// Frame lines of the selected item from anywhere in the window: Alt + 1..6
// (not while the item text is being typed) and Ctrl + a digit of the keypad.
void JanelaPrincipal::LigarAtalhosLinhas() {
    for (int digito = 1; digito <= 9; ++digito) {
        const auto tecla = static_cast<Qt::Key>(Qt::Key_0 + digito);
        if (LinhaDoAtalho(digito, false)) {
            auto* alt = new QShortcut(QKeySequence(Qt::ALT | tecla), this);
            connect(alt, &QShortcut::activated, this, [this, digito] {
                if (!painel_->CaixaTexto()->hasFocus()) painel_->AlternarLinha(LinhaDoAtalho(digito, false));
            });
        }
        if (LinhaDoAtalho(digito, true)) {
            auto* ctrl = new QShortcut(QKeySequence(Qt::CTRL | tecla), this);
            connect(ctrl, &QShortcut::activated, this,
                    [this, digito] { painel_->AlternarLinha(LinhaDoAtalho(digito, true)); });
        }
    }
}

void JanelaPrincipal::Iniciar(const std::vector<std::string>& argumentos) {
    editor_.Iniciar(argumentos);
    btnMagic_->setChecked(editor_.Preferencias().MagicItem);
    AplicarResultadoVisivel();
    visor_->tela()->setFocus(Qt::OtherFocusReason);
}

Foco JanelaPrincipal::FocoAtual() const {
    const QWidget* w = ultimoFoco_ ? ultimoFoco_.data() : QApplication::focusWidget();
    if (w == visor_->tela()) return Foco::Pagina;
    return EhCaixaTexto(w) ? Foco::CaixaTexto : Foco::Outro;
}

// ---- Vista -------------------------------------------------------------------

void JanelaPrincipal::Redesenhar(Documento& doc) {
    painel_->OcultarPaleta();
    resultado_->DefinirComandos(visor_->Redesenhar(doc));
}

void JanelaPrincipal::AtualizarComandos(const Documento& doc) { resultado_->DefinirComandos(GerarComandos(doc)); }

void JanelaPrincipal::AtualizarSelecao() {
    const GeometriaSelecao g = editor_.Selecao();
    visor_->tela()->MostrarSelecao(g, editor_.Arrastando());
    lblSelecionado_->setText(DeUtf8(g.rotulo));
    AtualizarBotoesItem();
}

void JanelaPrincipal::Validar() {
    AtualizarBotoesItem();
    painel_->Validar();
}

bool JanelaPrincipal::ConfirmarEdicoesPendentes() { return painel_->ConfirmarEdicoesPendentes(); }

EstadoPagina JanelaPrincipal::Pagina() const { return visor_->Estado(); }

void JanelaPrincipal::Rolar(int32_t h, int32_t v) { visor_->Rolar(h, v); }

void JanelaPrincipal::ReiniciarPagina() { visor_->Reiniciar(); }

void JanelaPrincipal::MostrarMagica(const std::optional<PropostaMagica>& proposta) {
    visor_->tela()->MostrarMagica(proposta);
}

void JanelaPrincipal::AbrirMenuEditar() { menus_.mnuEditar->popup(QCursor::pos()); }

void JanelaPrincipal::DefinirTitulo(const std::string& titulo) { setWindowTitle(DeUtf8(titulo)); }

void JanelaPrincipal::AtualizarRecentes(const std::vector<std::string>& caminhos) {
    for (size_t i = 0; i < menus_.mnuArquivoRecente.size(); ++i) {
        QAction* entrada = menus_.mnuArquivoRecente[i];
        const bool existe = i < caminhos.size() && !caminhos[i].empty();
        entrada->setVisible(existe);
        if (!existe) continue;
        entrada->setText(DeUtf8(NomeNoMenu(caminhos[i])).replace('&', "&&"));
        entrada->setToolTip(DeUtf8(caminhos[i]));
    }
    const bool algum = !caminhos.empty() && !caminhos.front().empty();
    menus_.mnuSeparaRecente2->setVisible(algum);
    menus_.mnuArquivoExcluirRecentes->setVisible(algum);
}

ContextoSaida JanelaPrincipal::Saida() { return ContextoSaida{editor_, portas_, visor_->pdf417(), this}; }

void JanelaPrincipal::AtualizarMenuConfiguracao() {
    AtualizarMenuSaida(menus_, editor_);
    const Documento& d = editor_.doc();
    const Menus& m = menus_;
    m.mnuConfigResultado->setChecked(editor_.Preferencias().ExibirResultado);
    m.mnuConfigMedidaPixels->setChecked(d.Medida == MedidaPixels);
    m.mnuConfigMedidaMilimetros->setChecked(d.Medida == MedidaMilimetros);
    m.mnuConfigMedidaCentimetros->setChecked(d.Medida == MedidaCentimetros);
    m.mnuConfigMedidaPolegadas->setChecked(d.Medida == MedidaPolegadas);
}

// ---- Window ------------------------------------------------------------------

void JanelaPrincipal::AtualizarBotoesItem() {
    const bool item = editor_.doc().TemItemSelecionado();
    for (QToolButton* b : {btnRemove_, btnLeft_, btnRight_}) b->setEnabled(item);
}

void JanelaPrincipal::AlternarResultado() {
    PreferenciasEditor& p = editor_.Preferencias();
    p.ExibirResultado = !p.ExibirResultado;
    AplicarResultadoVisivel();
    AtualizarMenuConfiguracao();
}

void JanelaPrincipal::AplicarResultadoVisivel() { resultado_->setVisible(editor_.Preferencias().ExibirResultado); }

void JanelaPrincipal::closeEvent(QCloseEvent* e) {
    if (!ConfirmarEdicoesPendentes() || !editor_.Encerrar()) {
        e->ignore();
        return;
    }
    e->accept();
}

bool JanelaPrincipal::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == centralWidget() && evento->type() == QEvent::MouseButtonPress) painel_->OcultarPaleta();
    if (evento->type() != QEvent::Wheel) return QMainWindow::eventFilter(objeto, evento);
    const auto* w = qobject_cast<QWidget*>(objeto);
    if (!w || w->window() != this || !visor_->tela()->hasFocus()) return false;
    const int delta = static_cast<QWheelEvent*>(evento)->angleDelta().y();
    if (delta == 0) return false;  // a sideways wheel
    editor_.RodaMouse(DirecaoDaRoda(delta));
    return true;
}

}  // namespace mobrix
