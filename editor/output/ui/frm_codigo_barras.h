#pragma once
// "Alterar o Código de Barras": the kind of a barcode item, its value as a
// literal or as a command or variable, and whether it takes the band's
// height, with a preview of the kind drawn from a fixed sample.
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <optional>

#include "barcodes/ponte_pdf417.h"
#include "document/codigo_barras_item.h"
#include "document/portas.h"

namespace mobrix {

class FrmCodigoBarras : public QDialog {
    Q_OBJECT

public:
    // Starts from the current barcode settings. `pdf417` draws the PDF417
    // preview; `dialogos` reports once that its library cannot be loaded.
    FrmCodigoBarras(const ConfigCodigoBarras& atual, PontePDF417& pdf417, Dialogos& dialogos,
                    QWidget* parent = nullptr);

    // The settings after "&Ok".
    const ConfigCodigoBarras& Resultado() const { return cfg_; }
    // What the preview shows.
    const QImage& Previa() const { return previa_; }

    // Shows the dialog modally; nullopt when cancelled.
    static std::optional<ConfigCodigoBarras> Editar(const ConfigCodigoBarras& atual, PontePDF417& pdf417,
                                                    Dialogos& dialogos, QWidget* parent);

private:
    int TipoSelecionado() const;
    // The preview and the labels of the chosen kind.
    void ExibirCodigoBarras();
    void DesenharPrevia(int tipo);
    void Confirmar();

    ConfigCodigoBarras cfg_;
    PontePDF417& pdf417_;
    Dialogos& dialogos_;
    QImage previa_;

    QButtonGroup* optTipo_;
    QCheckBox* chkCaixaTexto_;
    QLabel* lblValor_;
    QLineEdit* txtTexto_;
    QLineEdit* txtComando_;
    QLabel* lblTitInfo_;
    QLabel* lblInfo_;
    QLabel* picCodigoBarras_;
};

}  // namespace mobrix
