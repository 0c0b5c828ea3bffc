#include "controls/ui/dialogo_padrao.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>

namespace mobrix {
namespace {

bool EhEnter(const QEvent* e) {
    if (e->type() != QEvent::KeyPress) return false;
    const auto* k = static_cast<const QKeyEvent*>(e);
    return (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) &&
           !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

// Watches every control of one dialog.
class EnterComoTab : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* alvo, QEvent* e) override {
        if (!EhEnter(e)) return false;
        auto* w = qobject_cast<QWidget*>(alvo);
        if (!w || qobject_cast<QPushButton*>(w) || qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QTextEdit*>(w))
            return false;
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &tab);
        return true;
    }
};

class SelecionarAoFocar : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* alvo, QEvent* e) override {
        // Coming back from a menu or another window keeps the caret where it was.
        if (e->type() == QEvent::FocusIn && static_cast<QFocusEvent*>(e)->reason() != Qt::PopupFocusReason &&
            static_cast<QFocusEvent*>(e)->reason() != Qt::ActiveWindowFocusReason) {
            // After the mouse press that gave the focus has placed the caret.
            QTimer::singleShot(0, alvo, [alvo] {
                if (auto* l = qobject_cast<QLineEdit*>(alvo)) l->selectAll();
                if (auto* p = qobject_cast<QPlainTextEdit*>(alvo)) p->selectAll();
                if (auto* t = qobject_cast<QTextEdit*>(alvo)) t->selectAll();
            });
        }
        return false;
    }
};

}  // namespace

void EnterAvancaFoco(QDialog* dialogo) {
    auto* filtro = new EnterComoTab(dialogo);
    for (QWidget* w : dialogo->findChildren<QWidget*>())
        if (w->focusPolicy() != Qt::NoFocus) w->installEventFilter(filtro);
}

void SelecionarTudoAoEntrar(QWidget* caixa) { caixa->installEventFilter(new SelecionarAoFocar(caixa)); }

BotoesDialogo CriarBotoesOkCancelar(QDialog* dialogo, const QString& textoOk, bool okFecha) {
    BotoesDialogo b{new QHBoxLayout, new QPushButton(textoOk, dialogo), new QPushButton("&Cancelar", dialogo)};
    b.ok->setObjectName("btnOk");
    b.ok->setDefault(true);
    b.cancelar->setObjectName("btnCancelar");
    b.layout->addStretch();
    b.layout->addWidget(b.ok);
    b.layout->addWidget(b.cancelar);
    if (okFecha) QObject::connect(b.ok, &QPushButton::clicked, dialogo, &QDialog::accept);
    QObject::connect(b.cancelar, &QPushButton::clicked, dialogo, &QDialog::reject);
    return b;
}

}  // namespace mobrix
