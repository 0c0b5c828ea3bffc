#include "caixa_resultado.h"

#include <QContextMenuEvent>
#include <QTextCursor>
#include <algorithm>

#include "document/ui/texto_qt.h"
#include "output/ui/caixa_texto.h"

namespace mobrix {

CaixaResultado::CaixaResultado(QWidget* pai) : QPlainTextEdit(pai) {
    setObjectName("rtbResultado");
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setFont(FonteFixa());
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

// Only the changed stretch of the text is replaced: an edit of one band
// changes a few lines of what can be a very long text, and the reader keeps
// his place in it.
void CaixaResultado::Mostrar() {
    if (!pendente_) return;
    pendente_ = false;
    QString novo = TextoParaCaixa(comandos_);
    const qsizetype comum = std::min(mostrado_.size(), novo.size());
    qsizetype inicio = 0;
    while (inicio < comum && mostrado_[inicio] == novo[inicio]) ++inicio;
    qsizetype fim = 0;  // length of the common end
    while (fim < comum - inicio && mostrado_[mostrado_.size() - 1 - fim] == novo[novo.size() - 1 - fim]) ++fim;
    QTextCursor cursor(document());
    cursor.setPosition(static_cast<int>(inicio));
    cursor.setPosition(static_cast<int>(mostrado_.size() - fim), QTextCursor::KeepAnchor);
    cursor.insertText(novo.mid(inicio, novo.size() - fim - inicio));
    mostrado_ = std::move(novo);
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
