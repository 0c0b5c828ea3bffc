#pragma once
// "Qualidade do JPG no e-mail": the JPG quality, 1 to 100.
#include <QDialog>
#include <cstdint>
#include <optional>

#include "controls/ui/numero_ctl.h"

namespace mobrix {

class FrmQualidadeJPG : public QDialog {
    Q_OBJECT

public:
    FrmQualidadeJPG(int16_t qualidade, QWidget* parent = nullptr);

    int16_t Resultado() const;

    // Shows the dialog modally; nullopt when cancelled.
    static std::optional<int16_t> Editar(int16_t qualidade, QWidget* parent);

private:
    NumeroCtl* numQualidade_;
};

}  // namespace mobrix
