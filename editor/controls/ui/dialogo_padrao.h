#pragma once
// What the small dialogs share: their OK and Cancel buttons and their
// keyboard behaviour.
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QWidget>

namespace mobrix {

// Enter in a control of the dialog moves the focus on, as Tab does, instead
// of pressing the default button. A push button that has the focus is still
// pressed by Enter, and multi-line text boxes keep Enter for their line
// breaks. Call once the dialog's controls exist.
void EnterAvancaFoco(QDialog* dialogo);

// The whole text of a line edit or text box is selected whenever it gets the
// focus, by keyboard or by mouse (not when it comes back from a menu or
// another window).
void SelecionarTudoAoEntrar(QWidget* caixa);

// The buttons at the foot of a dialog, right-aligned: `btnOk` (the default
// button, accepting the dialog unless `okFecha` is false, when the caller
// connects it) and `btnCancelar` ("&Cancelar", rejecting it).
struct BotoesDialogo {
    QHBoxLayout* layout;
    QPushButton* ok;
    QPushButton* cancelar;
};
BotoesDialogo CriarBotoesOkCancelar(QDialog* dialogo, const QString& textoOk = QStringLiteral("OK"),
                                    bool okFecha = true);

}  // namespace mobrix
