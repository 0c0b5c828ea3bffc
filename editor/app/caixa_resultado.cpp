#include "caixa_resultado.h"

#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QScrollBar>

#include "document/ui/texto_qt.h"

namespace mobrix {

CaixaResultado::CaixaResultado(QWidget* pai) : QPlainTextEdit(pai) {
    setObjectName("rtbResultado");
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setUndoRedoEnabled(false);

    mnuPopup = new QMenu(this);
    mnuPopup->setObjectName("mnuPopup");
    mnuPopupCopiar = mnuPopup->addAction("&Copiar");
    mnuPopupCopiar->setObjectName("mnuPopupCopiar");
    mnuPopupSelecionar = mnuPopup->addAction("&Selecionar Tudo");
    mnuPopupSelecionar->setObjectName("mnuPopupSelecionar");
    connect(mnuPopup, &QMenu::aboutToShow, this,
            [this] { mnuPopupCopiar->setEnabled(textCursor().hasSelection()); });
    connect(mnuPopupCopiar, &QAction::triggered, this, [this] { emit copiarPedido(TextoSelecionado()); });
    connect(mnuPopupSelecionar, &QAction::triggered, this, &QPlainTextEdit::selectAll);
}

void CaixaResultado::DefinirComandos(std::string comandos) {
    if (comandos == comandos_ && !pendente_) return;
    comandos_ = std::move(comandos);
    pendente_ = true;
    if (isVisible()) Mostrar();
}

void CaixaResultado::Mostrar() {
    if (!pendente_) return;
    pendente_ = false;
    QString texto = DeCp1252(comandos_);
    texto.replace("\r\n", "\n");
    // Keep the reader's place in the text across regenerations.
    const int linha = verticalScrollBar()->value();
    setPlainText(texto);
    verticalScrollBar()->setValue(linha);
}

std::string CaixaResultado::TextoSelecionado() const {
    QString texto = textCursor().selectedText();
    texto.replace(QChar::ParagraphSeparator, "\r\n");
    return ParaCp1252(texto);
}

void CaixaResultado::contextMenuEvent(QContextMenuEvent* e) { mnuPopup->popup(e->globalPos()); }

void CaixaResultado::showEvent(QShowEvent* e) {
    Mostrar();
    QPlainTextEdit::showEvent(e);
}

}  // namespace mobrix
