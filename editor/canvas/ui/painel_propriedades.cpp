#include "canvas/ui/painel_propriedades.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "canvas/propriedades.h"
#include "canvas/propriedades_dialogos.h"
#include "canvas/propriedades_exibicao.h"
#include "canvas/ui/painel_cores.h"
#include "canvas/ui/painel_linhas.h"
#include "controls/ui/numero_ctl.h"
#include "document/ui/texto_qt.h"

namespace mobrix {
namespace {

// Longest text a layout file can hold.
constexpr int TamanhoMaximoTexto = 65535;
constexpr int LarguraCampo = 72;

QLabel* Legenda(const QString& texto, QWidget* parceiro) {
    auto* l = new QLabel(texto);
    l->setBuddy(parceiro);
    return l;
}

// picAuto: a check mark beside "Auto".
QPixmap MarcaAutomatica() {
    QPixmap marca(12, 12);
    marca.fill(Qt::transparent);
    QPainter p(&marca);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 128, 0), 2));
    p.drawPolyline(QPolygon({QPoint(2, 6), QPoint(5, 9), QPoint(10, 2)}));
    return marca;
}

// Focus that leaves for a popup or another window is not the user leaving a field.
bool SaiuDoCampo(const QEvent* evento) {
    if (evento->type() != QEvent::FocusOut) return false;
    const Qt::FocusReason r = static_cast<const QFocusEvent*>(evento)->reason();
    return r != Qt::PopupFocusReason && r != Qt::ActiveWindowFocusReason;
}

bool EhTecla(const QEvent* evento, std::initializer_list<int> teclas) {
    if (evento->type() != QEvent::KeyPress) return false;
    const int k = static_cast<const QKeyEvent*>(evento)->key();
    return std::find(teclas.begin(), teclas.end(), k) != teclas.end();
}
bool EhEnter(const QEvent* evento) { return EhTecla(evento, {Qt::Key_Return, Qt::Key_Enter}); }
bool EhEscape(const QEvent* evento) { return EhTecla(evento, {Qt::Key_Escape}); }

}  // namespace

PainelPropriedades::PainelPropriedades(Editor& ed, Dialogos& dialogos, QWidget* parent)
    : QWidget(parent), ed_(ed), dialogos_(dialogos) {
    setObjectName("PainelPropriedades");
    coluna_ = new QVBoxLayout(this);
    coluna_->setContentsMargins(4, 4, 4, 4);
    coluna_->setSpacing(4);
    // Built top to bottom: the order of construction is the Tab order.
    CriarTexto();
    CriarGeometria();
    CriarMarcas();
    CriarAlinhamento();
    CriarCores();
    CriarLinhas();
    coluna_->addStretch(1);

    picPaletaExtendida_ = new PaletaExtendidaCtl(this);
    picPaletaExtendida_->setObjectName("picPaletaExtendida");
    picPaletaExtendida_->hide();
    connect(picPaletaExtendida_, &PaletaExtendidaCtl::Escolhida, this, [this](int x, int y, bool esquerdo) {
        const AlvoPaleta alvo = alvoPaleta_;
        Editar([&] { ClicarPaleta(ed_, alvo, x, y, esquerdo); });
    });

    AtualizarMedidas();
}

// ---- Construction -----------------------------------------------------------

void PainelPropriedades::CriarTexto() {
    txtTexto_ = new QLineEdit;
    txtTexto_->setObjectName("txtTexto");
    txtTexto_->setMaxLength(TamanhoMaximoTexto);
    txtTexto_->installEventFilter(this);
    coluna_->addWidget(txtTexto_);

    cmbTipo_ = new QComboBox;
    cmbTipo_->setObjectName("cmbTipo");
    cmbTipo_->addItems({"Texto", "Figura", "Comando", "Cód. Barras"});
    // `activated` comes from the user only: showing the kind does nothing.
    connect(cmbTipo_, &QComboBox::activated, this,
            [this](int i) { Editar([&] { ed_.MudarTipo(static_cast<TipoEscolhido>(i)); }); });
    btnFonte_ = new QPushButton("&Fonte");
    btnFonte_->setObjectName("btnFonte");
    btnFonte_->installEventFilter(this);
    connect(btnFonte_, &QPushButton::clicked, this, [this] { ClicarBotaoFonte(); });
    auto* linha = new QHBoxLayout;
    linha->addWidget(cmbTipo_, 1);
    linha->addWidget(btnFonte_);
    coluna_->addLayout(linha);
}

NumeroCtl* PainelPropriedades::NovoCampo(const char* nome, bool editavel) {
    auto* ctl = new NumeroCtl;
    ctl->setObjectName(nome);
    ctl->SetAlignment(1);
    ctl->setMaximumWidth(LarguraCampo);
    if (!editavel) {
        ctl->SetLocked(true);
        ctl->txtNumero()->setFocusPolicy(Qt::NoFocus);
    }
    return ctl;
}

void PainelPropriedades::LigarCampo(Campo& campo, std::function<double(double)> aplicar) {
    campo.aplicar = std::move(aplicar);
    campo.ctl->txtNumero()->installEventFilter(this);
}

void PainelPropriedades::CriarGeometria() {
    numTop_ = NovoCampo("numTop", false);
    numLeft_ = NovoCampo("numLeft", false);
    largura_.ctl = NovoCampo("numWidth", true);
    altura_.ctl = NovoCampo("numHeight", true);
    deslocamento_.ctl = NovoCampo("numDeslocamento", true);
    deslocamento_.ctl->SetAllowSignal(true);
    LigarCampo(largura_, [this](double v) { return AlterarLargura(ed_, v); });
    LigarCampo(altura_, [this](double v) { return AlterarAltura(ed_, v); });
    LigarCampo(deslocamento_, [this](double v) { return AlterarDeslocamento(ed_, v); });

    auto* pic = new RotuloClicavel(QString(), nullptr);
    pic->setObjectName("picAuto");
    pic->setPixmap(MarcaAutomatica());
    picAuto_ = pic;
    lblAuto_ = new RotuloClicavel("Auto", nullptr);
    lblAuto_->setObjectName("lblAuto");
    for (RotuloClicavel* r : {pic, lblAuto_}) {
        r->setToolTip("Clique para alterar a altura da banda");
        connect(r, &RotuloClicavel::Clicado, this, [this] { Editar([this] { ed_.BandaAlturaAutomatica(); }); });
    }
    auto* auto_ = new QHBoxLayout;
    auto_->setSpacing(2);
    auto_->addWidget(picAuto_);
    auto_->addWidget(lblAuto_);
    auto_->addStretch(1);

    auto* grade = new QGridLayout;
    grade->setVerticalSpacing(2);
    grade->addWidget(Legenda("Topo:", numTop_), 0, 0);
    grade->addWidget(numTop_, 0, 1);
    grade->addWidget(Legenda("Esquerda:", numLeft_), 0, 2);
    grade->addWidget(numLeft_, 0, 3);
    grade->addWidget(Legenda("Lar&gura:", largura_.ctl), 1, 0);
    grade->addWidget(largura_.ctl, 1, 1);
    grade->addWidget(Legenda("Altura:", altura_.ctl), 1, 2);
    grade->addWidget(altura_.ctl, 1, 3);
    grade->addWidget(Legenda("Deslocamen&to:", deslocamento_.ctl), 2, 0);
    grade->addWidget(deslocamento_.ctl, 2, 1);
    grade->addLayout(auto_, 2, 3);
    coluna_->addLayout(grade);
}

void PainelPropriedades::CriarMarcas() {
    chkCabecalho_ = new QCheckBox("Final do ca&beçalho");
    chkCabecalho_->setObjectName("chkCabecalho");
    chkCabecalho_->setToolTip("Indica onde termina o cabeçalho");
    chkRodape_ = new QCheckBox("&Inicio do rodapé");
    chkRodape_->setObjectName("chkRodape");
    chkRodape_->setToolTip("Indica onde inicia o rodapé");
    // `clicked` comes from the user only: showing the band's state does nothing.
    connect(chkCabecalho_, &QCheckBox::clicked, this,
            [this](bool on) { Editar([&] { ed_.MarcarCabecalho(on); }); });
    connect(chkRodape_, &QCheckBox::clicked, this, [this](bool on) { Editar([&] { ed_.MarcarRodape(on); }); });
    auto* linha = new QHBoxLayout;
    linha->addWidget(chkCabecalho_);
    linha->addWidget(chkRodape_);
    coluna_->addLayout(linha);
}

QGroupBox* PainelPropriedades::Quadro(const char* nome, const QString& titulo) {
    auto* q = new QGroupBox(titulo);
    q->setObjectName(nome);
    q->installEventFilter(this);
    return q;
}

void PainelPropriedades::CriarAlinhamento() {
    fraAlinhamentoTexto_ = Quadro("fraAlinhamentoTexto", "Alinhamento:");
    auto* grade = new QGridLayout(fraAlinhamentoTexto_);
    grade->setVerticalSpacing(0);
    int celula = 0;
    for (int posicao = 1; posicao <= 10; ++posicao) {
        if (posicao == 9) continue;  // position 9 is the zoom list
        auto* chk = new QCheckBox;
        chk->setObjectName(QString("chkAlinhamento%1").arg(posicao));
        connect(chk, &QCheckBox::clicked, this,
                [this, posicao](bool on) { Editar([&] { AlterarAlinhamento(ed_, posicao, on); }); });
        chkAlinhamento_[static_cast<size_t>(posicao - 1)] = chk;
        grade->addWidget(chk, celula / 2, celula % 2);
        ++celula;
    }

    cmbAngulo_ = new QComboBox;
    cmbAngulo_->setObjectName("cmbAngulo");
    cmbAngulo_->addItems({"0°", "90°", "180°", "270°"});
    connect(cmbAngulo_, &QComboBox::activated, this, [this](int i) { Editar([&] { AlterarAngulo(ed_, i); }); });
    // The zoom frame: its caption and list beside the angle list.
    fraZoom_ = new QWidget;
    fraZoom_->setObjectName("fraZoom");
    cmbTamanho_ = new QComboBox;
    cmbTamanho_->setObjectName("cmbTamanho");
    cmbTamanho_->addItems({" 1 ×", " 2 ×", " 3 ×", " 4 ×"});
    connect(cmbTamanho_, &QComboBox::activated, this, [this](int i) { Editar([&] { AlterarZoom(ed_, i); }); });
    auto* zoom = new QHBoxLayout(fraZoom_);
    zoom->setContentsMargins(0, 0, 0, 0);
    zoom->addWidget(Legenda("Zoom:", cmbTamanho_));
    zoom->addWidget(cmbTamanho_);

    auto* linha = new QHBoxLayout;
    linha->addWidget(Legenda("Â&ngulo:", cmbAngulo_));
    linha->addWidget(cmbAngulo_);
    linha->addWidget(fraZoom_);
    linha->addStretch(1);
    grade->addLayout(linha, (celula + 1) / 2, 0, 1, 2);
    coluna_->addWidget(fraAlinhamentoTexto_);
}

// Each colour control is named, tipped and wired the same way.
AmostraCorCtl* PainelPropriedades::NovaAmostra(QWidget* quadro, const char* nome, AlvoPaleta alvo) {
    auto* amostra = new AmostraCorCtl(quadro);
    amostra->setObjectName(nome);
    amostra->setToolTip("Clique aqui para selecionar outra cor");
    connect(amostra, &AmostraCorCtl::Clicada, this, [this, alvo, amostra] { AbrirPaleta(alvo, amostra); });
    return amostra;
}

RotuloCor* PainelPropriedades::NovoRotuloCor(QWidget* quadro, const char* nome, const char* legenda,
                                              const char* dica, char tipo) {
    auto* rotulo = new RotuloCor(legenda, quadro);
    rotulo->setObjectName(nome);
    rotulo->setToolTip(dica);
    connect(rotulo, &RotuloClicavel::Clicado, this,
            [this, tipo] { Editar([&] { InserirMacroCor(ed_, dialogos_, tipo); }); });
    return rotulo;
}

BarraCoresCtl* PainelPropriedades::NovaBarra(QWidget* quadro, const char* nome, const char* dica, BarraCores barra) {
    auto* cores = new BarraCoresCtl(quadro);
    cores->setObjectName(nome);
    cores->setToolTip(dica);
    connect(cores, &BarraCoresCtl::Clicada, this, [this, barra](int x, bool esquerdo) {
        Editar([&] { ClicarBarraCores(ed_, barra, x, esquerdo); });
    });
    return cores;
}

void PainelPropriedades::CriarCores() {
    fraCor_ = Quadro("fraCor", "Cor do item:");
    picCorItem_ = NovaAmostra(fraCor_, "PicCorItem", AlvoPaleta::Item);
    lblTexto_ = NovoRotuloCor(fraCor_, "lblTexto", "Texto", "Cor do Texto (Somente para itens de Texto)", 'T');
    lblFundo_ = NovoRotuloCor(fraCor_, "lblFundo", "Fundo", "Cor do Fundo (Somente para itens de Texto)", 'F');
    picCores_ = NovaBarra(fraCor_, "picCores", "Clique com o botão direito para mudar a cor do fundo",
                          BarraCores::Item);

    auto* coluna = new QVBoxLayout(fraCor_);
    auto* linha = new QHBoxLayout;
    linha->addWidget(picCorItem_);
    linha->addWidget(lblTexto_);
    linha->addWidget(lblFundo_);
    linha->addStretch(1);
    coluna->addLayout(linha);
    coluna->addWidget(picCores_);
    coluna_->addWidget(fraCor_);
}

void PainelPropriedades::CriarLinhas() {
    fraLinhas_ = Quadro("fraLinhas", "Linhas:");
    diagramaLinhas_ = new DiagramaLinhasCtl(fraLinhas_);
    connect(diagramaLinhas_, &DiagramaLinhasCtl::LinhaClicada, this, [this](int linha) { AlternarLinha(linha); });

    espessura_.ctl = NovoCampo("numThickness", true);
    espessura_.ctl->setToolTip("Espessura das linhas do item selecionado");
    LigarCampo(espessura_, [this](double v) { return static_cast<double>(AlterarEspessura(ed_, v)); });
    picCorLinha_ = NovaAmostra(fraLinhas_, "picCorLinha", AlvoPaleta::Linha);
    lblLinhas_ =
        NovoRotuloCor(fraLinhas_, "lblLinhas", "Linhas", "Cor das Linhas (Somente para itens de Texto)", 'L');
    picCoresLinhas_ = NovaBarra(fraLinhas_, "picCoresLinhas",
                                "Clique aqui para mudar a cor das linhas do item selecionado", BarraCores::Linhas);

    auto* direita = new QGridLayout;
    direita->addWidget(Legenda("Es&pessura:", espessura_.ctl), 0, 0);
    direita->addWidget(espessura_.ctl, 0, 1);
    direita->addWidget(picCorLinha_, 1, 0);
    direita->addWidget(lblLinhas_, 1, 1);
    auto* linha = new QHBoxLayout;
    linha->addWidget(diagramaLinhas_);
    linha->addLayout(direita);
    auto* coluna = new QVBoxLayout(fraLinhas_);
    coluna->addLayout(linha);
    coluna->addWidget(picCoresLinhas_);
    coluna_->addWidget(fraLinhas_);
}

// ---- Showing the selection --------------------------------------------------

void PainelPropriedades::AtualizarMedidas() {
    const int medida = ed_.doc().Medida;
    medidaMostrada_ = medida;
    for (NumeroCtl* posicao : {numTop_, numLeft_}) posicao->SetNumberFormat(FormatoCampoPosicao(medida));
    const bool decimais = FormatoCampoMedida(medida) != std::trunc(FormatoCampoMedida(medida));
    for (Campo* c : {&largura_, &altura_, &deslocamento_}) {
        c->ctl->SetNumberFormat(FormatoCampoMedida(medida));
        c->ctl->SetHoldDecimal(decimais);
    }
    espessura_.ctl->SetNumberFormat(3.0);  // 3 digits: 200 is typed and becomes 64
    Validar();
}

void PainelPropriedades::Validar() {
    if (medidaMostrada_ != ed_.doc().Medida) {
        AtualizarMedidas();
        return;
    }
    atualizando_ = true;
    const EstadoPainel e = EstadoDoPainel(ed_);
    const PosicaoItem selecao{ed_.doc().BandaSel, ed_.doc().ItemSel};
    const bool mesmaSelecao = selecao == selecaoMostrada_;
    selecaoMostrada_ = selecao;
    const bool item = e.itemSelecionado;

    chkCabecalho_->setEnabled(item);
    chkCabecalho_->setChecked(e.cabecalho);
    chkRodape_->setEnabled(item);
    chkRodape_->setChecked(e.rodape);
    txtTexto_->setEnabled(item);
    btnFonte_->setEnabled(item);
    MostrarTexto(e, mesmaSelecao);
    cmbTipo_->setEnabled(item);
    if (!cmbTipo_->hasFocus()) cmbTipo_->setCurrentIndex(e.tipo);

    for (NumeroCtl* ctl : {numTop_, numLeft_, largura_.ctl, altura_.ctl, espessura_.ctl}) ctl->setEnabled(item);
    deslocamento_.ctl->setEnabled(e.deslocamentoHabilitado);
    numTop_->SetValue(e.medidas.topo);
    numLeft_->SetValue(e.medidas.esquerda);
    MostrarCampo(largura_, e.medidas.largura, mesmaSelecao);
    MostrarCampo(altura_, e.medidas.altura, mesmaSelecao);
    MostrarCampo(deslocamento_, e.medidas.deslocamento, mesmaSelecao);
    MostrarCampo(espessura_, e.espessura, mesmaSelecao);
    picAuto_->setVisible(e.alturaAutomatica);

    for (QGroupBox* quadro : {fraAlinhamentoTexto_, fraCor_, fraLinhas_}) quadro->setEnabled(item);
    for (size_t i = 0; i < chkAlinhamento_.size(); ++i)
        if (chkAlinhamento_[i]) chkAlinhamento_[i]->setChecked(e.opcoes[i]);
    cmbAngulo_->setCurrentIndex(e.angulo);
    cmbTamanho_->setCurrentIndex(e.zoom);
    diagramaLinhas_->MostrarLinhas(e.linhas);
    PintarCores(e);
    MostrarTipo(e);
    atualizando_ = false;
}

void PainelPropriedades::MostrarTexto(const EstadoPainel& e, bool mesmaSelecao) {
    const bool digitando = txtTexto_->text() != textoMostrado_;
    if (mesmaSelecao && digitando && e.texto == textoDoModelo_) return;
    textoDoModelo_ = e.texto;
    const QString texto = DeCp1252(e.texto);
    if (txtTexto_->text() != texto) txtTexto_->setText(texto);  // keeps the caret where it is
    textoMostrado_ = txtTexto_->text();
}

void PainelPropriedades::MostrarCampo(Campo& campo, double valor, bool mesmaSelecao) {
    if (mesmaSelecao && CampoAlterado(campo) && valor == campo.mostrado) return;
    campo.ctl->SetValue(valor);
    // What the field really shows: a size beyond its digits must not look
    // like a change the user made.
    campo.mostrado = campo.ctl->valor();
}

void PainelPropriedades::MostrarTipo(const EstadoPainel& e) {
    const ApresentacaoTipo& a = e.apresentacao;
    for (size_t i = 0; i < chkAlinhamento_.size(); ++i) {
        QCheckBox* chk = chkAlinhamento_[i];
        if (!chk) continue;
        chk->setVisible(a.caixas[i].visivel);
        chk->setText(QString::fromUtf8(a.caixas[i].legenda));
        chk->setToolTip(QString::fromUtf8(a.caixas[i].dica));
    }
    cmbAngulo_->setEnabled(e.itemSelecionado && a.anguloHabilitado);
    fraZoom_->setVisible(a.zoomVisivel);
    btnFonte_->setText(QString::fromUtf8(a.legendaFonte));
    btnFonte_->setToolTip(QString::fromUtf8(a.dicaFonte));
    fraCor_->setTitle(QString::fromUtf8(a.legendaCor));
    fraLinhas_->setVisible(a.linhasVisiveis);
}

// The current colours on the bars, swatches and colour labels.
void PainelPropriedades::PintarCores(const EstadoPainel& e) {
    picCores_->DefinirCores(e.corTexto, e.corFundo);
    picCoresLinhas_->DefinirCores(e.corLinhas, e.corFundo);
    picCorItem_->DefinirCores(e.rotuloTexto, e.temFundo, e.rotuloFundo);
    picCorLinha_->DefinirCores(e.rotuloLinhas, e.temFundo, e.rotuloFundo);
    lblTexto_->DefinirCor(e.rotuloTexto);
    lblFundo_->DefinirCor(e.rotuloFundo);
    lblLinhas_->DefinirCor(e.rotuloLinhas);
    picPaletaExtendida_->MarcarCodigo(alvoPaleta_ == AlvoPaleta::Item ? e.corTexto : e.corLinhas);
}

// ---- Edits ------------------------------------------------------------------

void PainelPropriedades::Editar(const std::function<void()>& edicao) {
    if (atualizando_) return;
    OcultarPaleta();
    if (!ConfirmarEdicoesPendentes()) return;
    edicao();
    Validar();
}

bool PainelPropriedades::ConfirmarEdicoesPendentes() {
    if (!ConfirmarTexto()) return false;
    for (Campo* c : {&largura_, &altura_, &deslocamento_, &espessura_}) ConfirmarCampo(*c);
    return true;
}

bool PainelPropriedades::ConfirmarTexto() {
    const QString texto = txtTexto_->text();
    if (!txtTexto_->isEnabled() || texto == textoMostrado_) return true;
    if (!ValidarTextoItem(dialogos_, ParaUtf8(texto))) {
        QTimer::singleShot(0, txtTexto_, [this] { txtTexto_->setFocus(); });
        return false;
    }
    textoMostrado_ = texto;
    AlterarTexto(ed_, ParaCp1252(texto));
    Validar();
    return true;
}

bool PainelPropriedades::CampoAlterado(const Campo& campo) const {
    return std::abs(campo.ctl->valor() - campo.mostrado) > 1e-9;
}

void PainelPropriedades::ConfirmarCampo(Campo& campo) {
    if (!campo.ctl->isEnabled() || !CampoAlterado(campo)) return;
    campo.mostrado = campo.aplicar(campo.ctl->valor());
    campo.ctl->SetValue(campo.mostrado);
    Validar();
}

void PainelPropriedades::ComecarTexto(const QString& inicio) {
    if (!txtTexto_->isEnabled() || !txtTexto_->isVisible()) return;
    txtTexto_->setFocus(Qt::OtherFocusReason);
    txtTexto_->setText(inicio);
    txtTexto_->end(false);
}

void PainelPropriedades::AlternarLinha(int linha) {
    Editar([&] { mobrix::AlternarLinha(ed_, linha); });
}

void PainelPropriedades::InserirMacro(int indice) {
    const std::optional<std::string> variavel = VariavelDoMenu(dialogos_, indice);
    if (!variavel || !txtTexto_->isEnabled()) return;
    if (!txtTexto_->hasFocus()) txtTexto_->setFocus(Qt::OtherFocusReason);
    const QString texto = QString::fromStdString(*variavel);
    const int inicio = txtTexto_->hasSelectedText() ? txtTexto_->selectionStart() : txtTexto_->cursorPosition();
    txtTexto_->insert(texto);
    txtTexto_->setSelection(inicio, static_cast<int>(texto.size()));
}

void PainelPropriedades::ClicarBotaoFonte() {
    Editar([this] {
        switch (AcaoDoBotaoFonte(ed_)) {
            case AcaoBotaoFonte::Fonte: AlterarFonte(ed_); break;
            case AcaoBotaoFonte::Figura: AbrirFigura(ed_, dialogos_); break;
            case AcaoBotaoFonte::CodigoBarras: emit AlterarCodigoBarras(); break;
        }
    });
}

// ---- Extended palette -------------------------------------------------------

void PainelPropriedades::AbrirPaleta(AlvoPaleta alvo, QWidget* junto) {
    if (!ConfirmarEdicoesPendentes()) return;
    alvoPaleta_ = alvo;
    const EstadoPainel e = EstadoDoPainel(ed_);
    picPaletaExtendida_->MarcarCodigo(alvo == AlvoPaleta::Item ? e.corTexto : e.corLinhas);
    QPoint canto = junto->mapTo(this, QPoint(0, junto->height()));
    canto.setX(std::clamp(canto.x(), 0, std::max(0, width() - picPaletaExtendida_->width())));
    canto.setY(std::clamp(canto.y(), 0, std::max(0, height() - picPaletaExtendida_->height())));
    picPaletaExtendida_->move(canto);
    picPaletaExtendida_->show();
    picPaletaExtendida_->raise();
    picPaletaExtendida_->setFocus(Qt::PopupFocusReason);
}

void PainelPropriedades::OcultarPaleta() { picPaletaExtendida_->hide(); }

// ---- Events -----------------------------------------------------------------

bool PainelPropriedades::eventFilter(QObject* objeto, QEvent* evento) {
    // Enter stores what was typed, Escape gives back what was shown.
    if (objeto == txtTexto_) {
        if (EhEnter(evento)) {
            if (ConfirmarTexto()) emit PedirFocoCanvas();
            return true;
        }
        if (EhEscape(evento) && txtTexto_->text() != textoMostrado_) {
            txtTexto_->setText(textoMostrado_);
            return true;
        }
        if (SaiuDoCampo(evento) && !atualizando_) ConfirmarTexto();
        return false;
    }
    for (Campo* c : {&largura_, &altura_, &deslocamento_, &espessura_}) {
        if (c->ctl == nullptr || objeto != c->ctl->txtNumero()) continue;  // still being built
        if (EhEnter(evento)) {
            ConfirmarCampo(*c);
            focusNextChild();
            return true;
        }
        if (EhEscape(evento) && CampoAlterado(*c)) {
            c->ctl->SetValue(c->mostrado);
            c->ctl->txtNumero()->selectAll();
            return true;
        }
        if (SaiuDoCampo(evento) && !atualizando_) ConfirmarCampo(*c);
        return false;
    }
    if (objeto == btnFonte_ && evento->type() == QEvent::MouseButtonRelease) {
        const auto* m = static_cast<QMouseEvent*>(evento);
        if (m->button() == Qt::RightButton && btnFonte_->rect().contains(m->position().toPoint()))
            emit AbrirMenuTipo(m->globalPosition().toPoint());
        return false;
    }
    if (evento->type() == QEvent::MouseButtonPress &&
        (objeto == fraAlinhamentoTexto_ || objeto == fraCor_ || objeto == fraLinhas_))
        OcultarPaleta();
    return false;
}

}  // namespace mobrix
