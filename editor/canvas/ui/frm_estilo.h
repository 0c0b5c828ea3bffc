#pragma once
// "Estilo do Item": the text of a text or command item as plain lines, with
// four buttons that mark whole words bold, italic, underlined or struck out
// through the inline style tags.
#include <QDialog>
#include <QPlainTextEdit>
#include <QTimer>
#include <QToolButton>
#include <array>
#include <optional>
#include <string>

namespace mobrix {

class FrmEstilo : public QDialog {
    Q_OBJECT

public:
    // `texto` is the item's Texto (Windows-1252, "{e}" between lines).
    explicit FrmEstilo(const std::string& texto, QWidget* parent = nullptr);

    // The box's text in the item's form: "{e}" for line breaks, eight
    // spaces for a tab.
    std::string Resultado() const;

    // Shows the dialog modally; nullopt when cancelled.
    static std::optional<std::string> Editar(const std::string& texto, QWidget* parent);

private:
    // Button k (0 bold, 1 italic, 2 underline, 3 strike-out) on the words at
    // the caret or selection.
    void AplicarEstilo(size_t botao);
    // The buttons show the styles at the caret.
    void AtualizarBotoes();

    QPlainTextEdit* txtEstilo_;
    std::array<QToolButton*, 4> btnEstilo_{};
    QTimer* tmrEstilo_;
};

}  // namespace mobrix
