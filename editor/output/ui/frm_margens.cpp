#include "output/ui/frm_margens.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "controls/ui/dialogo_padrao.h"
#include "document/ui/texto_qt.h"
#include "output/opcoes_relatorio.h"

namespace mobrix {

FrmMargens::FrmMargens(const Margens& margens, QWidget* parent) : QDialog(parent) {
    setObjectName("frmMargens");
    setWindowTitle("Margens do papel");
    auto* layout = new QVBoxLayout(this);
    const char* titulos[] = {"Margem Superior:", "Margem Esquerda:", "Margem Inferior:"};
    for (size_t i = 0; i < margens.size(); ++i) {
        auto* grupo = new QGroupBox(QString::fromUtf8(titulos[i]), this);
        auto* campos = new QFormLayout(grupo);
        auto* num = new NumeroCtl(grupo);
        num->setObjectName(QString("numMargem%1").arg(i));
        num->SetNumberFormat(3.0);  // whole millimetres, as the command text writes them
        num->SetAllowEmpty(true);
        auto* txt = new QLineEdit(grupo);
        txt->setObjectName(QString("txtMargem%1").arg(i));
        campos->addRow(QString::fromUtf8("Margem em milímetros:"), num);
        campos->addRow(QString::fromUtf8("Comando ou Variável:"), txt);
        layout->addWidget(grupo);
        numMargem_[i] = num;
        txtMargem_[i] = txt;

        const CamposMargem c = AbrirMargem(margens[i]);
        num->SetValue(c.milimetros ? QVariant(*c.milimetros) : QVariant(QString()));
        txt->setText(DeCp1252(c.comando));
        // A value typed in one field empties the other.
        connect(num, &NumeroCtl::Change, this, [num, txt] {
            if (num->txtNumero()->hasFocus() && !num->Value().toString().isEmpty()) txt->clear();
        });
        connect(txt, &QLineEdit::textEdited, this, [num](const QString& t) {
            if (!t.isEmpty()) num->SetValue(QString());
        });
    }
    layout->addLayout(CriarBotoesOkCancelar(this).layout);
    EnterAvancaFoco(this);
}

Margens FrmMargens::Resultado() const {
    Margens m;
    for (size_t i = 0; i < m.size(); ++i) {
        CamposMargem c;
        if (!numMargem_[i]->Value().toString().isEmpty()) c.milimetros = numMargem_[i]->valor();
        c.comando = ParaCp1252(txtMargem_[i]->text());
        m[i] = ConfirmarMargem(c);
    }
    return m;
}

std::optional<Margens> FrmMargens::Editar(const Margens& margens, QWidget* parent) {
    FrmMargens dlg(margens, parent);
    if (dlg.exec() != QDialog::Accepted) return std::nullopt;
    return dlg.Resultado();
}

}  // namespace mobrix
