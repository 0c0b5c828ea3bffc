#include "controls/ui/numero_ctl.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>

namespace mobrix {

SeparadoresNumero SeparadoresDoLocale(const QLocale& locale) {
    const QString decimal = locale.decimalPoint();
    const QString milhar = locale.groupSeparator();
    auto usavel = [](const QString& s) { return s.size() == 1 && !s[0].isDigit() && s[0] != u'-'; };
    if (!usavel(decimal) || !usavel(milhar) || decimal == milhar) return {u'.', u','};
    return {decimal[0].unicode(), milhar[0].unicode()};
}

namespace {

// The inner text box: hands keys and focus changes to its control first.
class CaixaNumero : public QLineEdit {
public:
    explicit CaixaNumero(NumeroCtl* dono) : QLineEdit(dono), dono_(dono) {}

    std::function<bool(const QKeyEvent&)> aoTeclar;
    std::function<void(bool ganhou)> aoMudarFoco;

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (!aoTeclar(*e)) QLineEdit::keyPressEvent(e);
    }
    void focusInEvent(QFocusEvent* e) override {
        QLineEdit::focusInEvent(e);
        aoMudarFoco(true);
    }
    // Focus moving to a popup (context menu) or another window is not a
    // change of the control's focus.
    void focusOutEvent(QFocusEvent* e) override {
        QLineEdit::focusOutEvent(e);
        const Qt::FocusReason r = e->reason();
        if (r != Qt::PopupFocusReason && r != Qt::ActiveWindowFocusReason) aoMudarFoco(false);
    }
    void mousePressEvent(QMouseEvent* e) override {
        QLineEdit::mousePressEvent(e);
        const QPoint p = e->position().toPoint();
        emit dono_->MouseDown(e->button(), e->modifiers(), p.x(), p.y());
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        QLineEdit::mouseMoveEvent(e);
        const QPoint p = e->position().toPoint();
        emit dono_->MouseMove(e->buttons(), e->modifiers(), p.x(), p.y());
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        QLineEdit::mouseReleaseEvent(e);
        const QPoint p = e->position().toPoint();
        emit dono_->MouseUp(e->button(), e->modifiers(), p.x(), p.y());
    }

private:
    NumeroCtl* dono_;
};

}  // namespace

NumeroCtl::NumeroCtl(QWidget* parent, const QLocale& locale)
    : QWidget(parent), logica_(SeparadoresDoLocale(locale)) {
    auto* caixa = new CaixaNumero(this);
    txtNumero_ = caixa;
    txtNumero_->setObjectName("txtNumero");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(txtNumero_);
    setFocusProxy(txtNumero_);
    setSizePolicy(txtNumero_->sizePolicy());

    logica_.Change = [this] { emit Change(); };
    logica_.Bipe = [] { QApplication::beep(); };
    caixa->aoTeclar = [this](const QKeyEvent& e) { return TratarTecla(e); };
    caixa->aoMudarFoco = [this](bool ganhou) {
        if (ganhou == logica_.TemFoco()) return;  // back from a popup or another window
        ganhou ? logica_.GanharFoco() : logica_.PerderFoco();
        Mostrar();
    };
    // Paste, cut, delete and undo change the text box directly.
    connect(txtNumero_, &QLineEdit::textEdited, this, [this](const QString& texto) {
        logica_.TextoEditado(texto.toStdU16String(), txtNumero_->cursorPosition());
        Mostrar();
    });
    Mostrar();
}

// QWidget's destructor takes the focus from the inner box after this
// control's own members are gone: the box must not call back any more.
NumeroCtl::~NumeroCtl() {
    auto* caixa = static_cast<CaixaNumero*>(txtNumero_);
    caixa->aoMudarFoco = [](bool) {};
    caixa->aoTeclar = [](const QKeyEvent&) { return false; };
}

// Typed characters and Backspace go through the key filter; shortcuts,
// navigation, Delete, Tab, Enter and Escape keep their text-box meaning.
bool NumeroCtl::TratarTecla(const QKeyEvent& e) {
    if (txtNumero_->isReadOnly()) return false;
    if (e.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    char16_t tecla = 0;
    if (e.key() == Qt::Key_Backspace)
        tecla = TeclaBackspace;
    else if (e.text().size() == 1 && e.text()[0].unicode() >= 32)
        tecla = e.text()[0].unicode();
    else
        return false;
    const int inicio = txtNumero_->hasSelectedText() ? txtNumero_->selectionStart() : txtNumero_->cursorPosition();
    logica_.DefinirSelecao(inicio, static_cast<int>(txtNumero_->selectedText().size()));
    logica_.Digitar(tecla);
    Mostrar();
    return true;
}

void NumeroCtl::Mostrar() {
    const QString texto = QString::fromStdU16String(logica_.Texto());
    if (txtNumero_->text() != texto) txtNumero_->setText(texto);
    if (logica_.SelLength() > 0)
        txtNumero_->setSelection(logica_.SelStart(), logica_.SelLength());
    else
        txtNumero_->setCursorPosition(logica_.SelStart());
}

namespace {
QVariant ParaVariant(std::optional<double> v) { return v ? QVariant(*v) : QVariant(QString()); }
}  // namespace

QVariant NumeroCtl::Value() const { return ParaVariant(logica_.Value()); }
QVariant NumeroCtl::GotFocusValue() const { return ParaVariant(logica_.GotFocusValue()); }

void NumeroCtl::SetValue(const QVariant& valor) {
    bool ok = false;
    const double d = valor.toDouble(&ok);
    const bool vazio = !valor.isValid() || (valor.typeId() == QMetaType::QString && valor.toString().trimmed().isEmpty());
    logica_.SetValue(vazio ? std::nullopt : std::optional<double>(ok ? d : 0.0));
    Mostrar();
}

void NumeroCtl::SetNumberFormat(double v) {
    logica_.SetNumberFormat(v);
    Mostrar();
}

void NumeroCtl::SetHoldDecimal(bool v) {
    logica_.SetHoldDecimal(v);
    Mostrar();
}

void NumeroCtl::SetSeparadorMilhar(bool v) {
    logica_.SetSeparadorMilhar(v);
    Mostrar();
}

int NumeroCtl::Alignment() const {
    const Qt::Alignment a = txtNumero_->alignment();
    if (a & Qt::AlignRight) return 1;
    if (a & Qt::AlignHCenter) return 2;
    return 0;
}

void NumeroCtl::SetAlignment(int a) {
    const Qt::Alignment h = a == 1 ? Qt::AlignRight : a == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
    txtNumero_->setAlignment(h | Qt::AlignVCenter);
}

QColor NumeroCtl::BackColor() const { return txtNumero_->palette().color(QPalette::Base); }
QColor NumeroCtl::ForeColor() const { return txtNumero_->palette().color(QPalette::Text); }

void NumeroCtl::SetBackColor(const QColor& c) {
    QPalette p = txtNumero_->palette();
    p.setColor(QPalette::Base, c);
    txtNumero_->setPalette(p);
}

void NumeroCtl::SetForeColor(const QColor& c) {
    QPalette p = txtNumero_->palette();
    p.setColor(QPalette::Text, c);
    txtNumero_->setPalette(p);
}

}  // namespace mobrix
