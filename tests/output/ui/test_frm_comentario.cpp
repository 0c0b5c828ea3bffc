// The band comment dialog: the two boxes, the caret label, the tools menu
// and the saved window placement.
#include <gtest/gtest.h>

#include <string>

#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "output/ui/frm_comentario.h"
#include "teste_linguagens.h"

using namespace mobrix;
using namespace mobrix::teste;

namespace {

class Comentario : public TesteLinguagens {
protected:
    void CriarLinguagem(const std::string& nome, const std::string& simples) {
        Linguagem l;
        l.ComandosSimples = simples;
        ASSERT_EQ(SalvarLin(nome, l, pastas), "");
    }

    static QPlainTextEdit* Caixa(QDialog& d, int i) {
        return d.findChild<QPlainTextEdit*>(QString("txtComentario%1").arg(i));
    }
    static void Clicar(QDialog& d, const char* botao) { d.findChild<QPushButton*>(botao)->click(); }
};

}  // namespace

TEST_F(Comentario, AbreDivididoEGuardaComOSeparadorSoQuandoHaDepois) {
    FrmComentario d("linha 1\r\nlinha 2\xFF" "depois", Contexto(false), cfg);
    EXPECT_EQ(Caixa(d, 0)->toPlainText(), "linha 1\nlinha 2");
    EXPECT_EQ(Caixa(d, 1)->toPlainText(), "depois");
    Caixa(d, 1)->clear();
    Clicar(d, "btnOk");
    EXPECT_EQ(d.Resultado(), "linha 1\r\nlinha 2");

    FrmComentario so("sem separador", Contexto(false), cfg);
    EXPECT_EQ(Caixa(so, 0)->toPlainText(), "sem separador");
    EXPECT_EQ(Caixa(so, 1)->toPlainText(), "");
    Caixa(so, 0)->clear();
    Caixa(so, 1)->setPlainText(QString::fromUtf8("só depois"));
    Clicar(so, "btnOk");
    EXPECT_EQ(so.Resultado(), "\xFFs\xF3 depois");
}

TEST_F(Comentario, LimparApagaECancelarNaoMuda) {
    FrmComentario limpar("antes\xFF" "depois", Contexto(false), cfg);
    Clicar(limpar, "btnLimpar");
    EXPECT_EQ(limpar.result(), QDialog::Accepted);
    EXPECT_EQ(limpar.Resultado(), "");

    FrmComentario cancelar("antes", Contexto(false), cfg);
    Caixa(cancelar, 0)->setPlainText("outro");
    Clicar(cancelar, "btnCancelar");
    EXPECT_FALSE(cancelar.Resultado().has_value());
}

TEST_F(Comentario, RotuloDaPosicaoSegueOCursor) {
    FrmComentario d("ab\r\ncd\r\nef", Contexto(false), cfg);
    QPlainTextEdit* caixa = Caixa(d, 0);
    QLabel* rotulo = d.findChild<QLabel*>("lblPos0");
    QTextCursor c = caixa->textCursor();
    c.setPosition(6);  // right after the second line break
    caixa->setTextCursor(c);
    EXPECT_EQ(rotulo->text(), "(3, 1)");
    d.show();
    caixa->setFocus();
    QTest::keyClick(caixa, Qt::Key_End);
    EXPECT_EQ(rotulo->text(), "(3, 3)");
    QTest::keyClicks(caixa, "xyz");
    EXPECT_EQ(rotulo->text(), "(3, 6)");
    EXPECT_EQ(d.findChild<QLabel*>("lblPos1")->text(), "(1, 1)");
}

TEST_F(Comentario, FerramentasEscrevemNaCaixaQueTinhaOFoco) {
    CriarLinguagem("Basic", "PRINT '\xA7" "c'");
    FrmComentario d("antes\xFF" "depois", Contexto(false), cfg);
    d.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    QPlainTextEdit* depois = Caixa(d, 1);
    depois->setFocus();
    depois->moveCursor(QTextCursor::End);
    d.findChild<QAction*>("mnuFerramentasQuebraTipo1")->trigger();
    EXPECT_EQ(depois->toPlainText(), "depois\nPRINT 'QP'\n");
    EXPECT_EQ(Caixa(d, 0)->toPlainText(), "antes");
    EXPECT_EQ(dialogos.vezesOcupado, 1);
    EXPECT_EQ(dialogos.cursorOcupado, 0);

    // With the focus on a button the "before" box receives the statement.
    d.findChild<QPushButton*>("btnLimpar")->setFocus();
    Caixa(d, 0)->moveCursor(QTextCursor::Start);
    d.findChild<QAction*>("mnuFerramentasVarMacroTipo1")->trigger();
    EXPECT_EQ(Caixa(d, 0)->toPlainText(), "\nPRINT '01 Digite aqui o Valor!'\nantes");
}

TEST_F(Comentario, FerramentasSemLinguagensFicamDesabilitadas) {
    FrmComentario d("", Contexto(false), cfg);
    EXPECT_FALSE(d.findChild<QMenu*>("mnuFerramentasQuebra")->isEnabled());
    EXPECT_FALSE(d.findChild<QMenu*>("mnuFerramentasVarMacro")->isEnabled());
}

TEST_F(Comentario, LinguagemInvalidaAvisaENaoInsere) {
    CriarLinguagem("Quebrada", "X");
    GravarTudo(pasta / "dados/Quebrada.lin", "lixo");
    FrmComentario d("", Contexto(false), cfg);
    d.findChild<QAction*>("mnuFerramentasQuebraTipo1")->trigger();
    EXPECT_EQ(Caixa(d, 0)->toPlainText(), "");
    ASSERT_EQ(dialogos.mensagens.size(), 1u);
    EXPECT_EQ(dialogos.mensagens[0].titulo, "Ler Linguagem");
}

TEST_F(Comentario, JanelaGuardadaEmTwipsERestauradaDentroDaTela) {
    {
        FrmComentario d("", Contexto(false), cfg);
        d.show();
        d.resize(600, 300);
        d.move(40, 30);
        d.reject();
    }
    EXPECT_EQ(cfg.valores["Comentário.Width"], "9000");
    EXPECT_EQ(cfg.valores["Comentário.Height"], "4500");
    EXPECT_EQ(cfg.valores["Comentário.Left"], "600");
    EXPECT_EQ(cfg.valores["Comentário.Top"], "450");

    FrmComentario reaberto("", Contexto(false), cfg);
    EXPECT_EQ(reaberto.size(), QSize(600, 300));
    EXPECT_EQ(reaberto.pos(), QPoint(40, 30));

    // Past the screen's right and bottom edges: moved back inside.
    const QRect tela = reaberto.screen()->availableGeometry();
    cfg.valores["Comentário.Left"] = std::to_string((tela.x() + tela.width() - 100) * 15);
    cfg.valores["Comentário.Top"] = std::to_string((tela.y() + tela.height() - 50) * 15);
    FrmComentario passando("", Contexto(false), cfg);
    EXPECT_EQ(passando.pos().x() + passando.width(), tela.right() + 1);
    EXPECT_EQ(passando.pos().y() + passando.height(), tela.bottom() + 1);

    // Off the screen altogether: centred.
    cfg.valores["Comentário.Left"] = "9999999";
    cfg.valores["Comentário.Top"] = "-9999999";
    FrmComentario fora("", Contexto(false), cfg);
    EXPECT_EQ(fora.pos().x(), tela.x() + (tela.width() - fora.width()) / 2);
    EXPECT_EQ(fora.pos().y(), tela.y() + (tela.height() - fora.height()) / 2);
}
