#pragma once
// The command-text pane (rtbResultado): the report command text of the
// layout, read-only, with its context menu (mnuPopup). While the pane is
// hidden the text is only kept, and shown when the pane comes back.
#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <string>

namespace mobrix {

class CaixaResultado : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CaixaResultado(QWidget* pai);

    // The command text, Windows-1252 with CR LF line ends.
    void DefinirComandos(std::string comandos);
    const std::string& Comandos() const { return comandos_; }
    // The selection as Windows-1252 text with CR LF line ends.
    std::string TextoSelecionado() const;
    // A few lines high: the page gets most of the window.
    QSize sizeHint() const override { return {400, 120}; }

    QMenu* mnuPopup = nullptr;
    QAction* mnuPopupCopiar = nullptr;
    QAction* mnuPopupSelecionar = nullptr;

signals:
    // "&Copiar" of the context menu, with the selected text.
    void copiarPedido(const std::string& cp1252);

protected:
    void contextMenuEvent(QContextMenuEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void Mostrar();

    std::string comandos_;
    QString mostrado_;       // what the widget shows, lines ended by LF
    bool pendente_ = false;  // the widget does not show comandos_ yet
};

}  // namespace mobrix
