#include "output/ui/frm_nome_impressora.h"

#include <QLabel>
#include <QPrinterInfo>
#include <QVBoxLayout>

#include "controls/ui/dialogo_padrao.h"
#include "document/ui/texto_qt.h"
#include "output/opcoes_relatorio.h"

namespace mobrix {
namespace {
constexpr int PrimeiraInstalada = 2;  // after the two special entries
}

std::vector<std::string> ImpressorasInstaladas() {
    std::vector<std::string> nomes;
    for (const QString& n : QPrinterInfo::availablePrinterNames()) nomes.push_back(ParaCp1252(n));
    return nomes;
}

FrmNomeImpressora::FrmNomeImpressora(const std::string& nome, const std::vector<std::string>& instaladas,
                                     QWidget* parent)
    : QDialog(parent), instaladas_(instaladas) {
    setObjectName("frmNomeImpressora");
    setWindowTitle("Selecione a impressora");

    lstImpressoras_ = new QListWidget(this);
    lstImpressoras_->setObjectName("lstImpressoras");
    lstImpressoras_->addItem(QString::fromUtf8(EntradaImpressoraPadrao));
    lstImpressoras_->addItem(QString::fromUtf8(EntradaUsuarioSeleciona));
    for (const std::string& n : instaladas_) lstImpressoras_->addItem(DeCp1252(n));
    txtImpressora_ = new QLineEdit(this);
    txtImpressora_->setObjectName("txtImpressora");
    auto* rotulo = new QLabel("Imprerssora:", this);
    rotulo->setBuddy(txtImpressora_);

    const SelecaoImpressora s = AbrirImpressora(nome, instaladas_);
    lstImpressoras_->setCurrentRow(s.indice);
    txtImpressora_->setText(DeCp1252(s.texto));

    // A printer chosen in the list, by mouse or keys, names the printer;
    // typing a name picks its entry without rewriting what is typed.
    connect(lstImpressoras_, &QListWidget::currentRowChanged, this, [this](int linha) {
        if (!digitando_ && linha >= PrimeiraInstalada) txtImpressora_->setText(lstImpressoras_->item(linha)->text());
    });
    connect(lstImpressoras_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(txtImpressora_, &QLineEdit::textEdited, this, [this](const QString& texto) {
        digitando_ = true;
        lstImpressoras_->setCurrentRow(IndiceDaImpressora(ParaCp1252(texto), instaladas_));
        digitando_ = false;
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstImpressoras_, 1);
    layout->addWidget(rotulo);
    layout->addWidget(txtImpressora_);
    layout->addLayout(CriarBotoesOkCancelar(this).layout);
    resize(380, 320);
}

std::string FrmNomeImpressora::Resultado() const {
    return ConfirmarImpressora({lstImpressoras_->currentRow(), ParaCp1252(txtImpressora_->text())});
}

std::optional<std::string> FrmNomeImpressora::Escolher(const std::string& nome,
                                                       const std::vector<std::string>& instaladas, QWidget* parent) {
    FrmNomeImpressora dlg(nome, instaladas, parent);
    if (dlg.exec() != QDialog::Accepted) return std::nullopt;
    return dlg.Resultado();
}

}  // namespace mobrix
