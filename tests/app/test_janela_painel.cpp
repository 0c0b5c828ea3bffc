// The property panel inside the window: keys that pass from the page to the
// item text, the frame-line shortcuts, the macro entries, pending edits.
#include <QCursor>
#include <QLineEdit>
#include <QMenu>

#include "janela_teste.h"

namespace mobrix::teste {
namespace {

class JanelaPainel : public JanelaIniciada {
protected:
    void SetUp() override {
        JanelaIniciada::SetUp();
        j->Montar({2, 1});
        j->Clicar(j->MeioDoItem(1, 2));
    }
    QLineEdit* Texto() { return j->Controle<QLineEdit>("txtTexto"); }
    const Item& Selecionado() { return j->doc().itemSel(); }
};

TEST_F(JanelaPainel, CaractereDigitadoNaPaginaVaiParaOTextoEEnterVolta) {
    EXPECT_EQ(Texto()->text(), "1.2");
    j->Tecla(Qt::Key_T);
    ASSERT_TRUE(Texto()->hasFocus());
    EXPECT_EQ(Texto()->text(), "t");
    QTest::keyClicks(Texto(), "otal");
    QTest::keyClick(Texto(), Qt::Key_Return);
    EXPECT_EQ(Selecionado().Texto, "total");
    EXPECT_TRUE(j->tela()->hasFocus());

    j->Tecla(Qt::Key_Return);
    EXPECT_TRUE(Texto()->hasFocus());
    EXPECT_EQ(Texto()->text(), "total") << "Enter keeps the text";
    j->tela()->setFocus();
    j->Tecla(Qt::Key_Backspace);
    EXPECT_TRUE(Texto()->hasFocus());
    EXPECT_TRUE(Texto()->text().isEmpty());
}

TEST_F(JanelaPainel, TextoPendenteEGuardadoAntesDeUmCliqueNaPagina) {
    Texto()->setFocus();
    Texto()->setText("novo");
    j->Clicar(j->MeioDoItem(2, 1));
    EXPECT_EQ(j->Texto(1, 2), "novo");
    EXPECT_EQ(j->doc().BandaSel, 2);
    EXPECT_EQ(Texto()->text(), "2.1");
}

TEST_F(JanelaPainel, TextoPendenteEGuardadoAntesDeSalvar) {
    Texto()->setFocus();
    Texto()->setText("antes de salvar");
    j->dialogos.arquivosSalvar.push_back(pasta / "a.mbx");
    j->Acao("mnuArquivoSalvar")->trigger();
    EXPECT_EQ(j->Texto(1, 2), "antes de salvar");
    EXPECT_FALSE(j->doc().Alterado) << "saved with the text";
}

TEST_F(JanelaPainel, AtalhosDasLinhasDeMoldura) {
    QTest::keyClick(&j->janela, Qt::Key_3, Qt::AltModifier);
    EXPECT_EQ(Selecionado().Linhas.str(), "0010000000");
    QTest::keyClick(&j->janela, Qt::Key_8, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(Selecionado().Linhas.str(), "0010100000") << "Ctrl + 8: the top line, position 5";
    QTest::keyClick(&j->janela, Qt::Key_6, Qt::ControlModifier);
    EXPECT_EQ(Selecionado().Linhas.str(), "0110100000") << "Ctrl + 6: the right line, position 2";
    QTest::keyClick(&j->janela, Qt::Key_3, Qt::AltModifier);
    EXPECT_EQ(Selecionado().Linhas.str(), "0100100000");

    // Alt + digit does nothing while the item text is being typed.
    Texto()->setFocus();
    QTest::keyClick(Texto(), Qt::Key_1, Qt::AltModifier);
    EXPECT_EQ(Selecionado().Linhas.str(), "0100100000");
}

TEST_F(JanelaPainel, MacroDoMenuEntraNoTexto) {
    j->AbrirMenu(j->janela.menus().mnuEditar);
    QAction* pagina = j->janela.menus().mnuEditarMacroItem[0];
    ASSERT_TRUE(pagina->isEnabled());
    Texto()->setFocus();
    Texto()->setCursorPosition(0);
    pagina->trigger();
    EXPECT_EQ(Texto()->text(), "(%_pag_%)1.2");
    QTest::keyClick(Texto(), Qt::Key_Return);
    EXPECT_EQ(Selecionado().Texto, "(%_pag_%)1.2");

    j->Tecla(Qt::Key_Escape);
    j->AbrirMenu(j->janela.menus().mnuEditar);
    EXPECT_FALSE(pagina->isEnabled()) << "no item selected";
}

TEST_F(JanelaPainel, CliqueNoFundoDaJanelaFechaAPaleta) {
    QWidget* paleta = j->Controle("picPaletaExtendida");
    QTest::mouseClick(j->Controle("PicCorItem"), Qt::LeftButton);
    ASSERT_TRUE(paleta->isVisible());
    QTest::mouseClick(j->janela.centralWidget(), Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_TRUE(paleta->isHidden());
}

TEST_F(JanelaPainel, BotaoDireitoNoBotaoDeFonteAbreOMenuDeTipo) {
    QWidget* fonte = j->Controle("btnFonte");
    QTest::mouseRelease(fonte, Qt::RightButton, {}, fonte->rect().center());
    EXPECT_TRUE(j->janela.menus().mnuPopup2->isVisible());
    j->janela.menus().mnuPopup2->hide();

    j->Tecla(Qt::Key_Escape);  // no item selected: no kind to change
    j->janela.AbrirMenuTipo(QCursor::pos());
    EXPECT_FALSE(j->janela.menus().mnuPopup2->isVisible());
}

}  // namespace
}  // namespace mobrix::teste
