#include "output/ui/frm_codigo_barras.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPixmap>
#include <QRadioButton>
#include <QVBoxLayout>

#include "barcodes/codigo_por_tipo.h"
#include "controls/ui/dialogo_padrao.h"
#include "document/ui/superficie_qt.h"
#include "document/ui/texto_qt.h"
#include "output/dialogo_codigo_barras.h"
#include "output/ui/caixa_texto.h"

namespace mobrix {

FrmCodigoBarras::FrmCodigoBarras(const ConfigCodigoBarras& atual, PontePDF417& pdf417, Dialogos& dialogos,
                                 QWidget* parent)
    : QDialog(parent), cfg_(atual), pdf417_(pdf417), dialogos_(dialogos) {
    setObjectName("frmCodigoBarras");
    setWindowTitle(QString::fromUtf8("Alterar o Código de Barras"));

    auto* frame1 = new QGroupBox("Tipo:", this);
    frame1->setObjectName("Frame1");
    auto* tipos = new QVBoxLayout(frame1);
    optTipo_ = new QButtonGroup(this);
    for (int tipo : TiposDoDialogoCodigoBarras()) {
        auto* o = new QRadioButton(QString::fromUtf8(LegendaTipoCodigoBarras(tipo)), frame1);
        o->setObjectName(QString("optTipo%1").arg(tipo));
        optTipo_->addButton(o, tipo);
        tipos->addWidget(o);
    }
    tipos->addStretch();

    chkCaixaTexto_ = new QCheckBox("Usar a altura da banda (&Redimensionar)", this);
    chkCaixaTexto_->setObjectName("chkCaixaTexto");
    lblValor_ = new QLabel(this);
    lblValor_->setObjectName("lblValor");
    txtTexto_ = new QLineEdit(this);
    txtTexto_->setObjectName("txtTexto");
    lblValor_->setBuddy(txtTexto_);
    auto* label2 = new QLabel(QString::fromUtf8("Comando ou Variável:"), this);
    label2->setObjectName("Label2");
    txtComando_ = new QLineEdit(this);
    txtComando_->setObjectName("txtComando");
    label2->setBuddy(txtComando_);
    lblTitInfo_ = new QLabel(QString::fromUtf8("Caracteres válidos:"), this);
    lblTitInfo_->setObjectName("lblTitInfo");
    lblInfo_ = new QLabel(this);
    lblInfo_->setObjectName("lblInfo");
    lblInfo_->setFont(FonteFixa());
    lblInfo_->setTextFormat(Qt::PlainText);
    lblInfo_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picCodigoBarras_ = new QLabel(this);
    picCodigoBarras_->setObjectName("picCodigoBarras");
    picCodigoBarras_->setAlignment(Qt::AlignCenter);
    picCodigoBarras_->setMinimumSize(280, 120);
    picCodigoBarras_->setFrameShape(QFrame::StyledPanel);

    auto* campos = new QVBoxLayout;
    campos->addWidget(chkCaixaTexto_);
    campos->addWidget(lblValor_);
    campos->addWidget(txtTexto_);
    campos->addWidget(label2);
    campos->addWidget(txtComando_);
    campos->addWidget(lblTitInfo_);
    campos->addWidget(lblInfo_);
    campos->addWidget(picCodigoBarras_, 1);
    auto* corpo = new QHBoxLayout;
    corpo->addWidget(frame1);
    corpo->addLayout(campos, 1);
    const BotoesDialogo botoes = CriarBotoesOkCancelar(this, "&Ok", false);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(corpo);
    layout->addLayout(botoes.layout);

    QAbstractButton* inicial = optTipo_->button(cfg_.TipoCodigoBarras);
    (inicial ? inicial : optTipo_->button(TipoEAN13))->setChecked(true);
    const CamposCodigoBarras valor = AbrirCodigoBarras(cfg_.TextoCodigoBarras);
    txtTexto_->setText(DeCp1252(valor.texto));
    txtComando_->setText(DeCp1252(valor.comando));
    chkCaixaTexto_->setChecked(cfg_.UsarAlturaBanda);
    ExibirCodigoBarras();

    connect(optTipo_, &QButtonGroup::idToggled, this, [this](int, bool ligado) {
        if (ligado) ExibirCodigoBarras();
    });
    // A value is either a literal or a command, never both.
    connect(txtTexto_, &QLineEdit::textEdited, txtComando_, &QLineEdit::clear);
    connect(txtComando_, &QLineEdit::textEdited, txtTexto_, &QLineEdit::clear);
    connect(botoes.ok, &QPushButton::clicked, this, &FrmCodigoBarras::Confirmar);
    SelecionarTudoAoEntrar(txtTexto_);
    SelecionarTudoAoEntrar(txtComando_);
    EnterAvancaFoco(this);
}

std::optional<ConfigCodigoBarras> FrmCodigoBarras::Editar(const ConfigCodigoBarras& atual, PontePDF417& pdf417,
                                                          Dialogos& dialogos, QWidget* parent) {
    FrmCodigoBarras dlg(atual, pdf417, dialogos, parent);
    if (dlg.exec() != QDialog::Accepted) return std::nullopt;
    return dlg.Resultado();
}

int FrmCodigoBarras::TipoSelecionado() const { return optTipo_->checkedId(); }

void FrmCodigoBarras::ExibirCodigoBarras() {
    const int tipo = TipoSelecionado();
    lblValor_->setText(QString::fromUtf8(LegendaValorCodigoBarras(tipo)));
    const bool barraGrafico = tipo == TipoBarraGrafico;
    lblTitInfo_->setVisible(!barraGrafico);
    if (!UsaAlturaDaBanda(tipo)) chkCaixaTexto_->setChecked(false);
    chkCaixaTexto_->setEnabled(UsaAlturaDaBanda(tipo));
    QStringList linhas;
    for (const std::string& l : CaracteresValidos(tipo)) linhas << QString::fromUtf8(l);
    lblInfo_->setText(linhas.join('\n'));
    DesenharPrevia(tipo);
}

void FrmCodigoBarras::DesenharPrevia(int tipo) {
    SuperficieQt s;
    const AmostraCodigoBarras amostra = AmostraDoTipo(tipo);
    if (tipo == TipoBarraGrafico) {
        DesenharAmostraBarraGrafico(s);
    } else if (tipo == TipoPDF417) {
        pdf417_.DesenharPDF417(s, amostra.valor, 0);
        pdf417_.InformarErroDeCarga(&dialogos_);
    } else {
        DesenharCodigoLinear(s, tipo, AlturaAmostraCodigoBarras, amostra.valor, !amostra.mostrarNumeros, 0);
    }
    previa_ = s.imagem();
    picCodigoBarras_->setPixmap(QPixmap::fromImage(previa_));
}

void FrmCodigoBarras::Confirmar() {
    const int tipo = TipoSelecionado();
    const ConfirmacaoCodigoBarras c =
        ConfirmarCodigoBarras({ParaCp1252(txtTexto_->text()), ParaCp1252(txtComando_->text())}, tipo);
    txtTexto_->setText(DeCp1252(c.texto));
    cfg_.TipoCodigoBarras = static_cast<uint8_t>(tipo);
    cfg_.BarraGrafico = tipo == TipoBarraGrafico;
    cfg_.UsarAlturaBanda = chkCaixaTexto_->isChecked();
    cfg_.TextoCodigoBarras = c.textoItem;
    accept();
}

}  // namespace mobrix
