#include "output/ui/frm_qualidade_jpg.h"

#include <QLabel>
#include <QVBoxLayout>

#include "controls/ui/dialogo_padrao.h"
#include "output/opcoes_relatorio.h"

namespace mobrix {

FrmQualidadeJPG::FrmQualidadeJPG(int16_t qualidade, QWidget* parent) : QDialog(parent) {
    setObjectName("frmQualidadeJPG");
    setWindowTitle("Qualidade do JPG no e-mail");
    auto* prompt = new QLabel("Digite o percentual (1-100):", this);
    numQualidade_ = new NumeroCtl(this);
    numQualidade_->setObjectName("numQualidade");
    numQualidade_->SetNumberFormat(3.0);
    numQualidade_->SetValue(LimitarQualidadeJPG(qualidade));
    prompt->setBuddy(numQualidade_);
    // The field never holds a value outside 1..100.
    connect(numQualidade_, &NumeroCtl::Change, this, [this] {
        const int16_t limitado = LimitarQualidadeJPG(numQualidade_->valor());
        if (limitado != numQualidade_->valor()) numQualidade_->SetValue(limitado);
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(numQualidade_);
    layout->addLayout(CriarBotoesOkCancelar(this).layout);
    EnterAvancaFoco(this);
}

int16_t FrmQualidadeJPG::Resultado() const { return LimitarQualidadeJPG(numQualidade_->valor()); }

std::optional<int16_t> FrmQualidadeJPG::Editar(int16_t qualidade, QWidget* parent) {
    FrmQualidadeJPG dlg(qualidade, parent);
    if (dlg.exec() != QDialog::Accepted) return std::nullopt;
    return dlg.Resultado();
}

}  // namespace mobrix
