#pragma once
// "Texto do e-mail": the body of the report's e-mail, its lines kept as
// "{ENTER}" in the layout.
#include <QDialog>
#include <QPlainTextEdit>
#include <optional>
#include <string>

namespace mobrix {

class FrmTextoEmail : public QDialog {
    Q_OBJECT

public:
    // `texto` is TextoEmail as stored (Windows-1252, "{ENTER}" between lines).
    FrmTextoEmail(const std::string& texto, QWidget* parent = nullptr);

    // The text in its stored form.
    std::string Resultado() const;

    // Shows the dialog modally; nullopt when cancelled.
    static std::optional<std::string> Editar(const std::string& texto, QWidget* parent);

private:
    QPlainTextEdit* txtEmail_;
};

}  // namespace mobrix
