#pragma once
// "Selecione a impressora": the platform's default printer, the printer the
// user picks when the report runs, an installed printer or any name.
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <optional>
#include <string>
#include <vector>

namespace mobrix {

// The installed printers in the platform's order (Windows-1252 names).
std::vector<std::string> ImpressorasInstaladas();

class FrmNomeImpressora : public QDialog {
    Q_OBJECT

public:
    // `nome` is the layout's NomeImpressora; names are Windows-1252.
    FrmNomeImpressora(const std::string& nome, const std::vector<std::string>& instaladas, QWidget* parent = nullptr);

    // The NomeImpressora the dialog's state stands for ("" for the default
    // printer, "<?>" for the user's choice).
    std::string Resultado() const;

    // Shows the dialog modally; nullopt when cancelled.
    static std::optional<std::string> Escolher(const std::string& nome, const std::vector<std::string>& instaladas,
                                               QWidget* parent);

private:
    std::vector<std::string> instaladas_;
    QListWidget* lstImpressoras_;
    QLineEdit* txtImpressora_;
    bool digitando_ = false;
};

}  // namespace mobrix
