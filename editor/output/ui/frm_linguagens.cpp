#include "output/ui/frm_linguagens.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "document/preferencias.h"
#include "document/ui/texto_qt.h"
#include "output/pasta_linguagens.h"
#include "output/ui/caixa_texto.h"

namespace mobrix {
namespace {

// Leaving the text box stores what was typed.
class AoSair : public QObject {
public:
    AoSair(QObject* dono, std::function<void()> f) : QObject(dono), f_(std::move(f)) {}

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::FocusOut) f_();
        return false;
    }

private:
    std::function<void()> f_;
};

}  // namespace

FrmLinguagens::FrmLinguagens(const ContextoLinguagens& ctx, Configuracoes& cfg, QWidget* parent)
    : QDialog(parent), ctx_(ctx), cfg_(cfg), cobolString_(ctx.cobolString) {
    setObjectName("frmLinguagens");
    setWindowTitle("Linguagens");

    auto* rotulo = new QLabel("Selecione a linguagem:", this);
    cmbLin_ = new QComboBox(this);
    cmbLin_->setObjectName("cmbLin");
    rotulo->setBuddy(cmbLin_);
    btnAdd_ = new QPushButton("&Adicionar...", this);
    btnAdd_->setObjectName("btnAdd");
    btnAdd_->setToolTip("Adicionar uma nova linguagem");
    btnAdd_->setAutoDefault(false);
    btnRemove_ = new QPushButton("Remo&ver", this);
    btnRemove_->setObjectName("btnRemove");
    btnRemove_->setToolTip("Remover a linguagem selecionada");
    btnRemove_->setAutoDefault(false);
    auto* topo = new QHBoxLayout;
    topo->addWidget(rotulo);
    topo->addWidget(cmbLin_, 1);
    topo->addWidget(btnAdd_);
    topo->addWidget(btnRemove_);

    optLin_ = new QButtonGroup(this);
    auto* opcoes = new QVBoxLayout;
    for (int i = 0; i < NumOpcoesLinguagem; ++i) {
        auto* o = new QRadioButton(QString::fromUtf8(LegendaDaOpcao(i)), this);
        o->setObjectName(QString("optLin%1").arg(i));
        optLin_->addButton(o, i);
        opcoes->addWidget(o);
    }
    opcoes->addStretch();
    txtLin_ = new QPlainTextEdit(this);
    txtLin_->setObjectName("txtLin");
    txtLin_->setFont(FonteFixa());
    txtLin_->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtLin_->setTabChangesFocus(true);
    txtLin_->installEventFilter(new AoSair(this, [this] { ConfirmarTexto(); }));
    auto* meio = new QHBoxLayout;
    meio->addLayout(opcoes);
    meio->addWidget(txtLin_, 1);

    lblLIN_ = new QLabel(this);
    lblLIN_->setObjectName("lblLIN");
    lblLIN_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    chkCobolString_ = new QCheckBox(QString::fromUtf8("No COBOL usar a função \"STRING\" para quebrar o texto"), this);
    chkCobolString_->setObjectName("chkCobolString");
    chkCobolString_->setChecked(cobolString_);
    auto* fechar = new QDialogButtonBox(QDialogButtonBox::Close, this);
    fechar->button(QDialogButtonBox::Close)->setText("Fechar");
    fechar->button(QDialogButtonBox::Close)->setObjectName("btnFechar");

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(topo);
    layout->addLayout(meio, 1);
    layout->addWidget(lblLIN_);
    layout->addWidget(chkCobolString_);
    layout->addWidget(fechar);
    resize(720, 420);

    connect(cmbLin_, &QComboBox::currentIndexChanged, this, &FrmLinguagens::SelecionarLinguagem);
    connect(optLin_, &QButtonGroup::idToggled, this, [this](int id, bool ligado) {
        if (ligado) MostrarOpcao(id);
    });
    connect(btnAdd_, &QPushButton::clicked, this, &FrmLinguagens::Adicionar);
    connect(btnRemove_, &QPushButton::clicked, this, &FrmLinguagens::Remover);
    connect(chkCobolString_, &QCheckBox::toggled, this, [this](bool ligado) {
        cobolString_ = ligado;
        GravarBooleano(cfg_, chave::CobolUsarString, ligado);
    });
    connect(fechar, &QDialogButtonBox::rejected, this, &QDialog::reject);

    CarregarLin();
}

bool FrmLinguagens::Executar(const ContextoLinguagens& ctx, Configuracoes& cfg, QWidget* parent) {
    FrmLinguagens dlg(ctx, cfg, parent);
    dlg.exec();
    return dlg.CobolString();
}

std::string FrmLinguagens::NomeSelecionado() const {
    return cmbLin_->currentIndex() < 0 ? std::string() : ParaUtf8(cmbLin_->currentText());
}

void FrmLinguagens::CarregarLin(const std::string& selecionar, int posicao) {
    const QSignalBlocker bloqueio(cmbLin_);
    cmbLin_->clear();
    int indice = -1;
    for (const std::string& nome : ListarLinguagens(ctx_.pastas)) {
        if (nome == selecionar) indice = cmbLin_->count();
        cmbLin_->addItem(DeUtf8(nome));
    }
    if (indice < 0 && cmbLin_->count() > 0) indice = std::clamp(posicao, 0, cmbLin_->count() - 1);
    cmbLin_->setCurrentIndex(indice);
    SelecionarLinguagem(cmbLin_->currentIndex());
}

void FrmLinguagens::SelecionarLinguagem(int indice) {
    ConfirmarTexto();
    nome_.clear();
    if (indice < 0) {
        Habilitar(false);
        return;
    }
    const std::string nome = NomeSelecionado();
    bool modoCobol = false;
    if (!LerLinguagem(nome, ctx_.pastas, linguagem_, modoCobol, ctx_.dialogos)) {
        const QSignalBlocker bloqueio(cmbLin_);
        cmbLin_->setCurrentIndex(-1);
        Habilitar(false);
        return;
    }
    nome_ = nome;
    Habilitar(true);
    lblLIN_->setText(DeUtf8(LocalizarLinguagem(nome_, ctx_.pastas)));
    if (optLin_->checkedId() == 0)
        MostrarOpcao(0);
    else
        optLin_->button(0)->setChecked(true);
}

void FrmLinguagens::Habilitar(bool ligado) {
    for (QAbstractButton* o : optLin_->buttons()) o->setEnabled(ligado);
    txtLin_->setEnabled(ligado);
    btnRemove_->setEnabled(ligado);
    if (!ligado) {
        txtLin_->clear();
        txtLin_->document()->setModified(false);
        lblLIN_->clear();
    }
}

void FrmLinguagens::MostrarOpcao(int opcao) {
    ConfirmarTexto();
    opcao_ = opcao;
    if (nome_.empty()) return;
    txtLin_->setPlainText(TextoParaCaixa(CampoDaOpcao(linguagem_, opcao_)));
    txtLin_->document()->setModified(false);
}

void FrmLinguagens::ConfirmarTexto() {
    if (nome_.empty() || !txtLin_->document()->isModified()) return;
    txtLin_->document()->setModified(false);
    CampoDaOpcao(linguagem_, opcao_) = TextoDaCaixa(txtLin_);
    const std::string erro = SalvarLin(nome_, linguagem_, ctx_.pastas);
    if (!erro.empty()) ctx_.dialogos.Mensagem(erro, Icone::Exclamacao, Botoes::Ok, TituloSalvarLinguagem);
    lblLIN_->setText(DeUtf8(LocalizarLinguagem(nome_, ctx_.pastas)));
}

void FrmLinguagens::Adicionar() {
    ConfirmarTexto();
    const std::optional<std::string> resposta =
        ctx_.dialogos.Entrada(PromptNovaLinguagem, TituloNovaLinguagem, std::string());
    const std::string nome = resposta ? SanitizarNomeLinguagem(*resposta) : "";
    if (nome.empty()) return;
    if (LinguagemExiste(nome, ctx_.pastas)) {
        ctx_.dialogos.Mensagem(MensagemLinguagemExiste(nome), Icone::Informacao, Botoes::Ok, TituloNovaLinguagem);
        return;
    }
    const std::string erro = SalvarLin(nome, NovaLin(), ctx_.pastas);
    if (!erro.empty()) {
        ctx_.dialogos.Mensagem(erro, Icone::Exclamacao, Botoes::Ok, TituloNovaLinguagem);
        return;
    }
    CarregarLin(nome);
}

void FrmLinguagens::Remover() {
    if (nome_.empty()) return;
    const std::string nome = nome_;
    if (ctx_.dialogos.Mensagem(PerguntaExcluirLinguagem(nome), Icone::Pergunta, Botoes::SimNao,
                               TituloExcluirLinguagem) != Resposta::Sim)
        return;
    // What was typed for a language being deleted is dropped with it.
    txtLin_->document()->setModified(false);
    const int indice = cmbLin_->currentIndex();
    if (!ExcluirLinguagem(nome, ctx_.pastas))
        ctx_.dialogos.Mensagem(MensagemExclusaoFalhou(LocalizarLinguagem(nome, ctx_.pastas)), Icone::Exclamacao,
                               Botoes::Ok, TituloExcluirLinguagem);
    CarregarLin({}, indice);
}

void FrmLinguagens::done(int r) {
    ConfirmarTexto();
    QDialog::done(r);
}

}  // namespace mobrix
