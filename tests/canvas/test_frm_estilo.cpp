// The item style dialog: lines and tabs, and the four style buttons on
// whole words.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "canvas/ui/frm_estilo.h"

using namespace mobrix;

namespace {

class Estilo : public ::testing::Test {
protected:
    void Abrir(const std::string& texto) {
        d = std::make_unique<FrmEstilo>(texto);
        d->show();
        d->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(d.get()));
        caixa = d->findChild<QPlainTextEdit*>("txtEstilo");
    }
    // The caret at a position, or a selection from it.
    void Cursor(int posicao, int tamanho = 0) {
        QTextCursor c = caixa->textCursor();
        c.setPosition(posicao);
        c.setPosition(posicao + tamanho, QTextCursor::KeepAnchor);
        caixa->setTextCursor(c);
    }
    QToolButton* Botao(int k) { return d->findChild<QToolButton*>(QString("btnEstilo%1").arg(k)); }
    std::string Ok() {
        d->findChild<QPushButton*>("btnOk")->click();
        EXPECT_EQ(d->result(), QDialog::Accepted);
        return d->Resultado();
    }

    std::unique_ptr<FrmEstilo> d;
    QPlainTextEdit* caixa = nullptr;
};

}  // namespace

TEST_F(Estilo, DuasLinhasVoltamComoOriginal) {
    Abrir("primeira{e}segunda");
    EXPECT_EQ(caixa->toPlainText(), "primeira\nsegunda");
    EXPECT_EQ(Ok(), "primeira{e}segunda");
}

TEST_F(Estilo, EnterETabDigitados) {
    Abrir("a");
    caixa->moveCursor(QTextCursor::End);
    QTest::keyClick(caixa, Qt::Key_Tab);
    QTest::keyClicks(caixa, "b");
    QTest::keyClick(caixa, Qt::Key_Return);
    QTest::keyClicks(caixa, "c");
    EXPECT_EQ(Ok(), "a        b{e}c");
}

TEST_F(Estilo, PalavraDoMeioSaiDoNegrito) {
    Abrir("{n}um dois tres{/n}");
    Cursor(8);  // inside "dois"
    EXPECT_TRUE(Botao(0)->isChecked());
    Botao(0)->click();
    EXPECT_EQ(caixa->toPlainText(), "{n}um {/n} dois {n} tres{/n}");
    EXPECT_EQ(caixa->textCursor().selectedText(), "{/n} dois {n}");
    EXPECT_EQ(Ok(), "{n}um {/n} dois {n} tres{/n}");
}

TEST_F(Estilo, ItalicoLigaEDesliga) {
    Abrir("uma palavra");
    Cursor(6);
    EXPECT_FALSE(Botao(1)->isChecked());
    Botao(1)->click();
    EXPECT_EQ(caixa->toPlainText(), "uma {i}palavra{/i}");
    EXPECT_TRUE(Botao(1)->isChecked());
    Cursor(9);
    Botao(1)->click();
    EXPECT_EQ(caixa->toPlainText(), "uma palavra");
    EXPECT_FALSE(Botao(1)->isChecked());
}

TEST_F(Estilo, BotoesSeguemOCursorENadaFazemSemPalavra) {
    Abrir("a {s}b{/s} {r}c");
    Cursor(5);
    EXPECT_TRUE(Botao(2)->isChecked());
    EXPECT_FALSE(Botao(3)->isChecked());
    caixa->moveCursor(QTextCursor::End);
    EXPECT_FALSE(Botao(2)->isChecked());
    EXPECT_TRUE(Botao(3)->isChecked());

    // Between two blanks there is no word: the text stays as it was.
    Abrir("x  y");
    Cursor(2);
    Botao(0)->click();
    EXPECT_EQ(caixa->toPlainText(), "x  y");
    EXPECT_FALSE(Botao(0)->isChecked());
}

TEST_F(Estilo, CaracteresForaDaPalavraFicamIntactos) {
    // A character the item cannot hold stays untouched until OK.
    Abrir("x");
    caixa->setPlainText(QString::fromUtf8("\u4e2d um dois"));
    Cursor(3);
    Botao(0)->click();
    EXPECT_EQ(caixa->toPlainText(), QString::fromUtf8("\u4e2d {n}um{/n} dois"));
}

TEST_F(Estilo, CancelarNaoDevolveNada) {
    Abrir("texto");
    QTest::keyClicks(caixa, "mais");
    d->findChild<QPushButton*>("btnCancelar")->click();
    EXPECT_EQ(d->result(), QDialog::Rejected);
}

TEST_F(Estilo, BotoesPeloTeclado) {
    Abrir("palavra");
    Cursor(2);
    // A mnemonic presses its button a moment later, as a click would look.
    auto espera = [this](const char* texto) {
        return QTest::qWaitFor([&] { return caixa->toPlainText() == texto; }, 2000);
    };
    QTest::keyClick(caixa, Qt::Key_N, Qt::AltModifier);
    EXPECT_TRUE(espera("{n}palavra{/n}")) << caixa->toPlainText().toStdString();
    EXPECT_EQ(QApplication::focusWidget(), caixa);  // typing goes on in the box
    QTest::keyClick(caixa, Qt::Key_R, Qt::AltModifier);
    EXPECT_TRUE(espera("{r}{n}palavra{/n}{/r}")) << caixa->toPlainText().toStdString();
    QTest::keyClick(caixa, Qt::Key_O, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return d->result() == QDialog::Accepted; }, 2000));
}
