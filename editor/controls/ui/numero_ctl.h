#pragma once
// The numeric input control: a line edit (`txtNumero`) driven by the core
// rules of LogicaNumero, with the separators of the user's locale.
#include <QColor>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QVariant>
#include <QWidget>

#include "controls/numero_logica.h"

namespace mobrix {

// The decimal and thousands separators of a locale (1000 shown as "1,000.0"
// gives its 2nd and 6th characters); the C locale's when the locale's own
// are unusable.
SeparadoresNumero SeparadoresDoLocale(const QLocale& locale);

class NumeroCtl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QVariant Value READ Value WRITE SetValue NOTIFY Change USER true)
    Q_PROPERTY(QVariant GotFocusValue READ GotFocusValue)
    Q_PROPERTY(double NumberFormat READ NumberFormat WRITE SetNumberFormat)
    Q_PROPERTY(bool HoldDecimal READ HoldDecimal WRITE SetHoldDecimal)
    Q_PROPERTY(bool SeparadorMilhar READ SeparadorMilhar WRITE SetSeparadorMilhar)
    Q_PROPERTY(bool AllowEmpty READ AllowEmpty WRITE SetAllowEmpty)
    Q_PROPERTY(bool AllowSignal READ AllowSignal WRITE SetAllowSignal)
    Q_PROPERTY(int Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(int BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(bool Locked READ Locked WRITE SetLocked)
    Q_PROPERTY(QColor BackColor READ BackColor WRITE SetBackColor)
    Q_PROPERTY(QColor ForeColor READ ForeColor WRITE SetForeColor)

public:
    explicit NumeroCtl(QWidget* parent = nullptr, const QLocale& locale = QLocale::system());
    ~NumeroCtl() override;

    // A double, or an empty string for the empty value (AllowEmpty).
    QVariant Value() const;
    void SetValue(const QVariant& valor);
    // The value as a number (0 for the empty value).
    double valor() const { return logica_.Value().value_or(0.0); }
    QVariant GotFocusValue() const;

    double NumberFormat() const { return logica_.NumberFormat(); }
    void SetNumberFormat(double v);
    bool HoldDecimal() const { return logica_.HoldDecimal(); }
    void SetHoldDecimal(bool v);
    bool SeparadorMilhar() const { return logica_.SeparadorMilhar(); }
    void SetSeparadorMilhar(bool v);
    bool AllowEmpty() const { return logica_.AllowEmpty(); }
    void SetAllowEmpty(bool v) { logica_.SetAllowEmpty(v); }
    bool AllowSignal() const { return logica_.AllowSignal(); }
    void SetAllowSignal(bool v) { logica_.SetAllowSignal(v); }

    // 0 left, 1 right, 2 centre.
    int Alignment() const;
    void SetAlignment(int a);
    // 0 none, 1 fixed single.
    int BorderStyle() const { return txtNumero_->hasFrame() ? 1 : 0; }
    void SetBorderStyle(int b) { txtNumero_->setFrame(b != 0); }
    bool Locked() const { return txtNumero_->isReadOnly(); }
    void SetLocked(bool v) { txtNumero_->setReadOnly(v); }
    QColor BackColor() const;
    void SetBackColor(const QColor& c);
    QColor ForeColor() const;
    void SetForeColor(const QColor& c);

    void Refresh() { txtNumero_->update(); }
    QLineEdit* txtNumero() const { return txtNumero_; }
    QSize sizeHint() const override { return txtNumero_->sizeHint(); }

signals:
    void Change();
    void MouseDown(Qt::MouseButton botao, Qt::KeyboardModifiers shift, int x, int y);
    void MouseMove(Qt::MouseButtons botoes, Qt::KeyboardModifiers shift, int x, int y);
    void MouseUp(Qt::MouseButton botao, Qt::KeyboardModifiers shift, int x, int y);

private:
    bool TratarTecla(const QKeyEvent& tecla);
    void Mostrar();

    LogicaNumero logica_;
    QLineEdit* txtNumero_;
};

}  // namespace mobrix
