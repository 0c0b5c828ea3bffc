#include "output/ui/frm_comentario.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>

#include "controls/ui/dialogo_padrao.h"
#include "document/preferencias.h"
#include "document/ui/texto_qt.h"
#include "output/ui/caixa_texto.h"
#include "output/ui/menu_linguagens.h"

namespace mobrix {
namespace {

constexpr int TwipsPorPixel = 15;  // 1440 twips an inch, 96 pixels an inch
const std::string ChaveJanela = "Comentário";

QRect AreaDaTela(const QWidget* w) {
    const QScreen* tela = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    return tela ? tela->availableGeometry() : QRect(0, 0, 1024, 768);
}

}  // namespace

FrmComentario::FrmComentario(const std::string& comentario, const ContextoLinguagens& ctx, Configuracoes& cfg,
                             QWidget* parent)
    : QDialog(parent), ctx_(ctx), cfg_(cfg) {
    setObjectName("frmComentario");
    setWindowTitle(QString::fromUtf8("Comentário e Programação adicional da Banda"));

    auto* barra = new QMenuBar(this);
    QMenu* ferramentas = barra->addMenu(QString::fromUtf8("&Ferramentas"));
    ferramentas->setObjectName("mnuFerramentas");
    mnuVarMacro_ = ferramentas->addMenu(QString::fromUtf8("&Alterar váriável de cabeçalho e rodapé"));
    mnuVarMacro_->setObjectName("mnuFerramentasVarMacro");
    mnuQuebra_ = ferramentas->addMenu(QString::fromUtf8("&Inserir quebra de página"));
    mnuQuebra_->setObjectName("mnuFerramentasQuebra");

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(barra);
    const char* titulos[] = {"Inserir antes da banda selecionada:", "Inserir depois da banda selecionada:"};
    const PartesComentario partes = DividirComentario(comentario);
    const std::string* textos[] = {&partes.antes, &partes.depois};
    for (int i = 0; i < 2; ++i) {
        auto* rotulo = new QLabel(QString::fromUtf8(titulos[i]), this);
        auto* caixa = new QPlainTextEdit(this);
        caixa->setObjectName(QString("txtComentario%1").arg(i));
        caixa->setFont(FonteFixa());
        caixa->setLineWrapMode(QPlainTextEdit::NoWrap);
        caixa->setTabChangesFocus(true);
        caixa->setPlainText(TextoParaCaixa(*textos[i]));
        rotulo->setBuddy(caixa);
        SelecionarTudoAoEntrar(caixa);
        auto* pos = new QLabel(this);
        pos->setObjectName(QString("lblPos%1").arg(i));
        pos->setToolTip("Linha e Coluna");
        txtComentario_[i] = caixa;
        lblPos_[i] = pos;
        connect(caixa, &QPlainTextEdit::cursorPositionChanged, this, [this, i] { LinhaColuna(i); });
        connect(caixa, &QPlainTextEdit::selectionChanged, this, [this, i] { LinhaColuna(i); });
        layout->addWidget(rotulo);
        layout->addWidget(caixa, 1);
        layout->addWidget(pos);
        LinhaColuna(i);
    }

    const BotoesDialogo botoes = CriarBotoesOkCancelar(this, "OK", false);
    auto* limpar = new QPushButton("&Limpar", this);
    limpar->setObjectName("btnLimpar");
    botoes.layout->addWidget(limpar);
    layout->addLayout(botoes.layout);
    connect(botoes.ok, &QPushButton::clicked, this, [this] {
        resultado_ = JuntarComentario(TextoDaCaixa(txtComentario_[0]), TextoDaCaixa(txtComentario_[1]));
        accept();
    });
    connect(limpar, &QPushButton::clicked, this, [this] {
        resultado_ = std::string();
        accept();
    });

    // Caret moves by keyboard and mouse show at once; the timer catches the rest.
    tmrLinhaColuna_ = new QTimer(this);
    tmrLinhaColuna_->setObjectName("tmrLinhaColuna");
    tmrLinhaColuna_->setInterval(250);
    connect(tmrLinhaColuna_, &QTimer::timeout, this, [this] {
        LinhaColuna(0);
        LinhaColuna(1);
    });
    tmrLinhaColuna_->start();

    CarregarTipo();
    RestaurarJanela();
    txtComentario_[0]->setFocus();
}

std::optional<std::string> FrmComentario::Editar(const std::string& comentario, const ContextoLinguagens& ctx,
                                                 Configuracoes& cfg, QWidget* parent) {
    FrmComentario dlg(comentario, ctx, cfg, parent);
    dlg.exec();
    return dlg.Resultado();
}

void FrmComentario::CarregarTipo() {
    const std::vector<std::string> linguagens = ListarLinguagens(ctx_.pastas);
    const struct {
        QMenu* menu;
        const char* entrada;
        Ferramenta ferramenta;
    } submenus[] = {{mnuVarMacro_, "mnuFerramentasVarMacroTipo", Ferramenta::VariavelCabecalho},
                    {mnuQuebra_, "mnuFerramentasQuebraTipo", Ferramenta::QuebraPagina}};
    for (const auto& s : submenus) {
        const Ferramenta f = s.ferramenta;
        PreencherMenuLinguagens(s.menu, nullptr, s.entrada, linguagens,
                                [this, f](const std::string& nome) { InserirInstrucao(nome, f); });
        s.menu->setEnabled(!linguagens.empty());
    }
}

void FrmComentario::InserirInstrucao(const std::string& linguagem, Ferramenta ferramenta) {
    Linguagem l;
    bool modoCobol = false;
    if (!LerLinguagem(linguagem, ctx_.pastas, l, modoCobol, ctx_.dialogos)) return;
    ctx_.dialogos.CursorOcupado(true);
    QPlainTextEdit* alvo = txtComentario_[0];
    if (focusWidget() == txtComentario_[1]) alvo = txtComentario_[1];
    alvo->textCursor().insertText(TextoParaCaixa(InstrucaoFerramenta(l, ferramenta, modoCobol, ctx_.cobolString)));
    alvo->setFocus(Qt::PopupFocusReason);
    ctx_.dialogos.CursorOcupado(false);
}

void FrmComentario::LinhaColuna(int indice) {
    const QPlainTextEdit* caixa = txtComentario_[static_cast<size_t>(indice)];
    const LinhaEColuna p = mobrix::LinhaColuna(TextoCruDaCaixa(caixa).toStdU16String(), caixa->textCursor().position());
    const QString texto = DeUtf8(TextoLinhaColuna(p));
    QLabel* rotulo = lblPos_[static_cast<size_t>(indice)];
    if (rotulo->text() != texto) rotulo->setText(texto);
}

void FrmComentario::RestaurarJanela() {
    const QRect tela = AreaDaTela(this);
    const int larguraTela = tela.width() * TwipsPorPixel, alturaTela = tela.height() * TwipsPorPixel;
    const JanelaTwips padrao = JanelaComentarioPadrao(larguraTela, alturaTela);
    // Stored in screen twips; the rule works within the screen's own area,
    // `origem` twips from the screens' corner. The shift is done wide: a
    // stored value near the ends of the range stays off the screen.
    auto ler = [this](const char* sufixo, int valorPadrao, int origem) {
        const int64_t v =
            LerInteiro(cfg_, ChaveJanela + sufixo, int64_t{valorPadrao} + origem, INT_MIN, INT_MAX) - origem;
        return static_cast<int>(std::clamp<int64_t>(v, INT_MIN, INT_MAX));
    };
    JanelaTwips j;
    j.largura = ler(".Width", padrao.largura, 0);
    j.altura = ler(".Height", padrao.altura, 0);
    j.esquerda = ler(".Left", padrao.esquerda, tela.x() * TwipsPorPixel);
    j.topo = ler(".Top", padrao.topo, tela.y() * TwipsPorPixel);
    j = AjustarJanelaNaTela(j, larguraTela, alturaTela);
    resize(j.largura / TwipsPorPixel, j.altura / TwipsPorPixel);
    move(tela.x() + j.esquerda / TwipsPorPixel, tela.y() + j.topo / TwipsPorPixel);
}

void FrmComentario::SalvarJanela() {
    Colocacao c;
    c.esquerda = int64_t{pos().x()} * TwipsPorPixel;
    c.topo = int64_t{pos().y()} * TwipsPorPixel;
    c.largura = int64_t{width()} * TwipsPorPixel;
    c.altura = int64_t{height()} * TwipsPorPixel;
    GravarColocacao(cfg_, ChaveJanela, c);
}

void FrmComentario::done(int r) {
    tmrLinhaColuna_->stop();
    SalvarJanela();
    QDialog::done(r);
}

}  // namespace mobrix
