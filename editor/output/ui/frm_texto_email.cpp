#include "output/ui/frm_texto_email.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "controls/ui/dialogo_padrao.h"
#include "output/opcoes_relatorio.h"
#include "output/ui/caixa_texto.h"

namespace mobrix {

FrmTextoEmail::FrmTextoEmail(const std::string& texto, QWidget* parent) : QDialog(parent) {
    setObjectName("frmTextoEmail");
    setWindowTitle("Texto do e-mail");
    auto* prompt = new QLabel(QString::fromUtf8("Digite o texto que será exibido no corpo do e-mail:"), this);
    txtEmail_ = new QPlainTextEdit(this);
    txtEmail_->setObjectName("txtEmail");
    txtEmail_->setTabChangesFocus(true);
    txtEmail_->setPlainText(TextoParaCaixa(TextoEmailParaCaixa(texto)));
    prompt->setBuddy(txtEmail_);

    const BotoesDialogo botoes = CriarBotoesOkCancelar(this);
    auto* padrao = new QPushButton(QString::fromUtf8("Padrão"), this);
    padrao->setObjectName("btnPadrao");
    padrao->setAutoDefault(false);
    auto* limpar = new QPushButton("&Limpar", this);
    limpar->setObjectName("btnLimpar");
    limpar->setAutoDefault(false);
    botoes.layout->insertWidget(0, limpar);
    botoes.layout->insertWidget(0, padrao);
    connect(padrao, &QPushButton::clicked, this,
            [this] { txtEmail_->setPlainText(TextoParaCaixa(TextoEmailPadrao())); });
    connect(limpar, &QPushButton::clicked, this, [this] {
        txtEmail_->clear();
        accept();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(txtEmail_, 1);
    layout->addLayout(botoes.layout);
    resize(560, 300);
}

std::string FrmTextoEmail::Resultado() const { return TextoEmailDaCaixa(TextoDaCaixa(txtEmail_)); }

std::optional<std::string> FrmTextoEmail::Editar(const std::string& texto, QWidget* parent) {
    FrmTextoEmail dlg(texto, parent);
    if (dlg.exec() != QDialog::Accepted) return std::nullopt;
    return dlg.Resultado();
}

}  // namespace mobrix
