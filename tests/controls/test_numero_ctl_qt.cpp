#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include "controls/ui/numero_ctl.h"

using namespace mobrix;

namespace {

// A window holding the control and a second field to move the focus to.
struct Janela {
    explicit Janela(const QLocale& locale) : numero(new NumeroCtl(&w, locale)), outro(new QLineEdit(&w)) {
        numero->setObjectName("numValor");
        outro->move(0, 40);
        w.show();
        w.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
    }
    QLineEdit* caixa() const { return numero->findChild<QLineEdit*>("txtNumero"); }
    void Focar() { numero->setFocus(Qt::TabFocusReason); }
    void Sair() { outro->setFocus(Qt::TabFocusReason); }

    QWidget w;
    NumeroCtl* numero;
    QLineEdit* outro;
};

const QLocale Brasil(QLocale::Portuguese, QLocale::Brazil);
const QLocale EUA(QLocale::English, QLocale::UnitedStates);

}  // namespace

TEST(NumeroCtlQt, SeparadoresDoLocale) {
    SeparadoresNumero br = SeparadoresDoLocale(Brasil);
    EXPECT_EQ(br.decimal, u',');
    EXPECT_EQ(br.milhar, u'.');
    SeparadoresNumero us = SeparadoresDoLocale(EUA);
    EXPECT_EQ(us.decimal, u'.');
    EXPECT_EQ(us.milhar, u',');
}

TEST(NumeroCtlQt, DigitarESairFormata) {
    Janela j(Brasil);
    ASSERT_NE(j.caixa(), nullptr);
    j.numero->SetNumberFormat(10.2);
    QSignalSpy mudancas(j.numero, &NumeroCtl::Change);
    j.Focar();
    ASSERT_TRUE(j.caixa()->hasFocus());
    EXPECT_EQ(j.caixa()->selectedText(), "0");
    QTest::keyClicks(j.caixa(), "1234567.891x");
    EXPECT_EQ(j.caixa()->text(), "1234567,89");
    EXPECT_GT(mudancas.count(), 0);
    j.Sair();
    EXPECT_EQ(j.caixa()->text(), "1.234.567,89");
    EXPECT_DOUBLE_EQ(j.numero->Value().toDouble(), 1234567.89);
    j.Focar();
    EXPECT_EQ(j.caixa()->text(), "1234567,89");
    EXPECT_EQ(j.caixa()->selectedText(), "1234567,89");
    EXPECT_DOUBLE_EQ(j.numero->GotFocusValue().toDouble(), 1234567.89);
}

TEST(NumeroCtlQt, ColarPassaPelaCorrecao) {
    Janela j(EUA);
    j.Focar();
    j.caixa()->selectAll();
    j.caixa()->insert("1234567");  // what a paste does
    emit j.caixa()->textEdited(j.caixa()->text());
    EXPECT_EQ(j.caixa()->text(), "234567");
    QTest::keyClick(j.caixa(), Qt::Key_Backspace);
    EXPECT_EQ(j.caixa()->text(), "23456");
    j.Sair();
    EXPECT_EQ(j.caixa()->text(), "23,456");
}

TEST(NumeroCtlQt, PropriedadesESinal) {
    Janela j(Brasil);
    j.Sair();  // formatting waits while the control has the focus
    j.numero->setProperty("NumberFormat", 6.2);
    j.numero->setProperty("HoldDecimal", true);
    j.numero->setProperty("Value", 5);
    EXPECT_EQ(j.caixa()->text(), "5,00");
    j.numero->SetAllowSignal(true);
    j.Focar();
    QTest::keyClicks(j.caixa(), "-");
    EXPECT_EQ(j.caixa()->text(), "-5,00");
    EXPECT_EQ(j.caixa()->selectedText(), "5,00");
    j.numero->SetLocked(true);
    QTest::keyClicks(j.caixa(), "9");
    EXPECT_EQ(j.caixa()->text(), "-5,00");
    j.numero->SetAllowEmpty(true);
    j.numero->SetValue(QString());
    EXPECT_EQ(j.numero->Value(), QVariant(QString()));
}
