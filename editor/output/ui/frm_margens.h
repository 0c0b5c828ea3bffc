#pragma once
// "Margens do papel": each margin either in millimetres or as a command or
// variable of the host program.
#include <QDialog>
#include <QLineEdit>
#include <array>
#include <optional>
#include <string>

#include "controls/ui/numero_ctl.h"

namespace mobrix {

// The three margin expressions in the dialog's order: top, left, bottom.
using Margens = std::array<std::string, 3>;

class FrmMargens : public QDialog {
    Q_OBJECT

public:
    FrmMargens(const Margens& margens, QWidget* parent = nullptr);

    // The expressions the fields stand for.
    Margens Resultado() const;

    // Shows the dialog modally; nullopt when cancelled.
    static std::optional<Margens> Editar(const Margens& margens, QWidget* parent);

private:
    std::array<NumeroCtl*, 3> numMargem_{};
    std::array<QLineEdit*, 3> txtMargem_{};
};

}  // namespace mobrix
