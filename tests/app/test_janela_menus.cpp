// The menus: enabling rules, captions, recent files, check marks, the
// command pane and the help entries.
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QToolButton>

#include "app/ajuda.h"
#include "document/arquivos.h"
#include "document/ui/texto_qt.h"
#include "janela_teste.h"

namespace mobrix::teste {
namespace {

class JanelaMenus : public JanelaIniciada {
protected:
    void SetUp() override {
        QGuiApplication::clipboard()->clear();
        JanelaIniciada::SetUp();
    }
    const Menus& m() { return j->janela.menus(); }
};

TEST_F(JanelaMenus, EditarSegueOFocoASelecaoEOArquivoDeTransferencia) {
    j->Montar({2, 1});
    j->AbrirMenu(m().mnuEditar);
    EXPECT_TRUE(m().mnuEditarCopiar->isEnabled());
    EXPECT_TRUE(m().mnuEditarExcluir->isEnabled());
    EXPECT_FALSE(m().mnuEditarColarItem->isEnabled()) << "no transfer file yet";
    EXPECT_FALSE(m().mnuEditarItemRemover->isEnabled()) << "no item selected";
    EXPECT_FALSE(m().mnuEditarBandaPagina->isEnabled()) << "no page break before band 1";
    EXPECT_EQ(m().mnuEditarBandaAuto->text(), QString::fromUtf8("Alt&ura automática"));

    j->Clicar(j->MeioDoItem(2, 1));
    j->Acao("mnuEditarCopiar")->trigger();
    ASSERT_TRUE(ArquivoExiste(j->ed().ArquivoClipboard()));
    j->AbrirMenu(m().mnuEditar);
    EXPECT_TRUE(m().mnuEditarColarItem->isEnabled());
    EXPECT_TRUE(m().mnuEditarItemRemover->isEnabled());
    EXPECT_FALSE(m().mnuEditarItemTexto->isEnabled()) << "the item's own kind";
    EXPECT_TRUE(m().mnuEditarItemFigura->isEnabled());
    EXPECT_TRUE(m().mnuEditarBandaPagina->isEnabled());
    EXPECT_TRUE(m().mnuEditarItemEstilo->isEnabled());

    j->AbrirMenu(m().mnuEditar);
    EXPECT_TRUE(m().mnuEditarDesfazer->isEnabled());
    // Focus in the command pane, a text box: no clipboard commands, no undo.
    j->Controle("rtbResultado")->setFocus();
    j->AbrirMenu(m().mnuEditar);
    EXPECT_FALSE(m().mnuEditarCopiar->isEnabled());
    EXPECT_FALSE(m().mnuEditarColarBanda->isEnabled());
    EXPECT_FALSE(m().mnuEditarTudo->isEnabled());
    EXPECT_FALSE(m().mnuEditarDesfazer->isEnabled());
    // Closing the menu gives the shortcut entries back; they check their
    // rule when used: Ctrl+A from the pane does not select the bands.
    emit m().mnuEditar->aboutToHide();
    EXPECT_TRUE(m().mnuEditarTudo->isEnabled());
    m().mnuEditarTudo->trigger();
    EXPECT_FALSE(j->ed().FaixaVisivel());

    // Text copied by another program makes the transfer file stale.
    j->tela()->setFocus();
    QGuiApplication::clipboard()->setText("outro programa");
    j->AbrirMenu(m().mnuEditar);
    EXPECT_FALSE(m().mnuEditarColarItem->isEnabled());
    EXPECT_FALSE(ArquivoExiste(j->ed().ArquivoClipboard()));
}

TEST_F(JanelaMenus, AtalhoDeColarFazNadaQuandoOMenuDesabilitaria) {
    j->Montar({1});
    j->Clicar(j->MeioDoItem(1, 1));
    QTest::keyClick(j->tela(), Qt::Key_C, Qt::ControlModifier);
    ASSERT_TRUE(ArquivoExiste(j->ed().ArquivoClipboard()));
    QTest::keyClick(j->tela(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(j->doc().banda(1).NumItens(), 2);
    QGuiApplication::clipboard()->setText("texto");
    QTest::keyClick(j->tela(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(j->doc().banda(1).NumItens(), 2);
    EXPECT_TRUE(j->dialogos.mensagens.empty());
}

TEST_F(JanelaMenus, MenuDeTipoDesabilitaOTipoDoItem) {
    j->Montar({1});
    j->Clicar(j->MeioDoItem(1, 1));
    j->AbrirMenu(m().mnuPopup2);
    EXPECT_FALSE(m().mnuPopup2Texto->isEnabled());
    EXPECT_TRUE(m().mnuPopup2CodigoBarras->isEnabled());
    m().mnuPopup2CodigoBarras->trigger();
    EXPECT_EQ(j->doc().banda(1).item(1).Tipo, TipoEAN13);
    j->AbrirMenu(m().mnuPopup2);
    EXPECT_TRUE(m().mnuPopup2Texto->isEnabled());
    EXPECT_FALSE(m().mnuPopup2CodigoBarras->isEnabled());
}

TEST_F(JanelaMenus, CliqueDireitoAbreOEditarComoMenuDeContexto) {
    j->Montar({2});
    j->Clicar(j->MeioDoItem(1, 2), Qt::RightButton);
    EXPECT_EQ(j->doc().ItemSel, 2);
    EXPECT_TRUE(m().mnuEditar->isVisible());
    m().mnuEditar->hide();
}

TEST_F(JanelaMenus, RecentesMostramONomeDoArquivoEExcluirAtalhosOsEsconde) {
    EXPECT_FALSE(m().mnuArquivoExcluirRecentes->isVisible());
    EXPECT_FALSE(m().mnuArquivoRecente[0]->isVisible());
    const std::string a = pasta / "vendas & custos.mbx";
    const std::string b = pasta / "b.mbx";
    for (const std::string& nome : {a, b}) {
        j->dialogos.arquivosSalvar.push_back(nome);
        m().mnuArquivoSalvarComo->trigger();
    }
    EXPECT_TRUE(m().mnuArquivoRecente[0]->isVisible());
    EXPECT_EQ(m().mnuArquivoRecente[0]->text(), "b.mbx");
    EXPECT_EQ(m().mnuArquivoRecente[1]->text(), "vendas && custos.mbx");
    EXPECT_FALSE(m().mnuArquivoRecente[2]->isVisible());
    EXPECT_TRUE(m().mnuArquivoExcluirRecentes->isVisible());

    j->Montar({3});
    j->dialogos.respostas.push_back(Resposta::Nao);  // do not save the changes
    m().mnuArquivoRecente[1]->trigger();
    EXPECT_EQ(j->doc().NomeArquivo, a);
    EXPECT_EQ(j->doc().banda(1).NumItens(), 1);

    m().mnuArquivoExcluirRecentes->trigger();
    EXPECT_FALSE(m().mnuArquivoRecente[0]->isVisible());
    EXPECT_FALSE(m().mnuArquivoExcluirRecentes->isVisible());
}

TEST_F(JanelaMenus, UnidadeEMarcasDoConfigurar) {
    EXPECT_TRUE(m().mnuConfigMedidaPixels->isChecked());
    m().mnuConfigMedidaMilimetros->trigger();
    EXPECT_EQ(j->doc().Medida, MedidaMilimetros);
    EXPECT_TRUE(m().mnuConfigMedidaMilimetros->isChecked());
    EXPECT_FALSE(m().mnuConfigMedidaPixels->isChecked());

    // Check marks come from the layout: an opened landscape layout shows them.
    j->doc().Config.Paisagem = true;
    j->doc().Config.FormatoEmail = 4;
    j->janela.AtualizarMenuConfiguracao();
    EXPECT_TRUE(m().mnuConfigPaisagem->isChecked());
    EXPECT_TRUE(m().mnuConfigEmailPDF->isChecked());
    EXPECT_FALSE(m().mnuConfigEmailJPG->isChecked());
}

TEST_F(JanelaMenus, ComandosDeSaidaLigadosAJanela) {
    // The report options act on the window's layout and redraw its page.
    const bool podiaDesfazer = j->ed().PodeDesfazer();
    m().mnuConfigPaisagem->trigger();
    EXPECT_TRUE(j->doc().Config.Paisagem);
    EXPECT_TRUE(m().mnuConfigPaisagem->isChecked());
    EXPECT_EQ(j->ed().PodeDesfazer(), podiaDesfazer) << "the orientation is no undo step";
    m().mnuConfigEmailPDF->trigger();
    EXPECT_EQ(j->doc().Config.FormatoEmail, 4);
    EXPECT_EQ(j->doc().Config.QualidadeJPG, 100);
    // One e-mail format is marked at a time, without opening the menu.
    m().mnuConfigEmailJPG->trigger();
    EXPECT_TRUE(m().mnuConfigEmailJPG->isChecked());
    EXPECT_FALSE(m().mnuConfigEmailPDF->isChecked());

    // The preview hands the window's command text to the runtime.
    m().mnuEditarVisualizar->trigger();
    ASSERT_EQ(j->sistema.programas.size(), 1u);
    EXPECT_EQ(j->sistema.programas[0].programa, "Mobrix");
    EXPECT_EQ(LerTudo(j->ed().ArquivoVisualizacao()), j->janela.resultado()->Comandos());
}

TEST_F(JanelaMenus, PainelDeComandosMostraOTextoEMudaComOMenuEOIcone) {
    auto* painel = j->Controle<QPlainTextEdit>("rtbResultado");
    EXPECT_TRUE(painel->isVisible());
    EXPECT_TRUE(m().mnuConfigResultado->isChecked());
    EXPECT_TRUE(painel->toPlainText().contains("Texto 1"));

    m().mnuConfigResultado->trigger();
    EXPECT_FALSE(painel->isVisible());
    EXPECT_FALSE(j->ed().Preferencias().ExibirResultado);
    EXPECT_FALSE(m().mnuConfigResultado->isChecked());
    // While hidden the text follows the layout when it shows again.
    j->Montar({1});
    j->Controle<QToolButton>("imgResultado")->click();
    EXPECT_TRUE(painel->isVisible());
    EXPECT_TRUE(painel->toPlainText().contains("1.1"));
    EXPECT_TRUE(m().mnuConfigResultado->isChecked());

    // The pane replaces only what changed; after any edits it shows exactly
    // the command text.
    const auto mostraOsComandos = [&] {
        QString esperado = DeCp1252(j->janela.resultado()->Comandos());
        esperado.replace("\r\n", "\n");
        return painel->toPlainText() == esperado;
    };
    j->Montar({3, 2, 2});
    EXPECT_TRUE(mostraOsComandos());
    j->Clicar(j->MeioDoItem(2, 1));
    j->Tecla(Qt::Key_Delete);
    EXPECT_TRUE(mostraOsComandos());
    j->Tecla(Qt::Key_Down, Qt::ControlModifier);
    j->Tecla(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_TRUE(mostraOsComandos());
    j->Acao("mnuEditarBandaDuplicar")->trigger();
    j->Acao("mnuEditarBandaRemover")->trigger();
    j->Acao("mnuEditarDesfazer")->trigger();
    EXPECT_TRUE(mostraOsComandos());
    j->dialogos.respostas.push_back(Resposta::Nao);  // do not save the changes
    j->Acao("mnuArquivoNovo")->trigger();
    EXPECT_TRUE(mostraOsComandos());
}

TEST_F(JanelaMenus, CopiarDoPainelPoeTextoSimplesERico) {
    auto* painel = j->Controle<CaixaResultado>("rtbResultado");
    emit painel->mnuPopup->aboutToShow();
    EXPECT_FALSE(painel->mnuPopupCopiar->isEnabled());
    painel->mnuPopupSelecionar->trigger();
    emit painel->mnuPopup->aboutToShow();
    ASSERT_TRUE(painel->mnuPopupCopiar->isEnabled());
    painel->mnuPopupCopiar->trigger();
    const QMimeData* dados = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(dados, nullptr);
    const QString texto = dados->text();
    EXPECT_EQ(texto.toStdString(), painel->Comandos()) << "the command text as generated, CR LF included";
    EXPECT_TRUE(dados->hasHtml());
    EXPECT_TRUE(dados->html().contains("<pre"));
}

TEST_F(JanelaMenus, AjudaAbreOsDocumentosDoProgramaEOsEnderecos) {
    m().mnuAjudaConteudo->trigger();
    m().mnuAjudaTutorial->trigger();
    m().mnuAjudaExemplo->trigger();
    m().mnuAjudaAtualizar->trigger();
    const std::vector<std::string> esperados = {j->sistema.PastaPrograma() + "Leia-me.html",
                                                j->sistema.PastaPrograma() + "Tutorial MobrixEdit.html",
                                                EnderecoExemplos, EnderecoAtualizacao};
    EXPECT_EQ(j->sistema.documentosAbertos, esperados);
    EXPECT_TRUE(TextoSobre().contains("2.0.1"));
}

TEST_F(JanelaMenus, BotoesDoItemTemAsDicasEAgem) {
    j->Montar({3});
    auto* esquerda = j->Controle<QToolButton>("btnLeft");
    EXPECT_EQ(esquerda->toolTip(), "Mover o item selecionado para a esquerda - [CTRL + Seta para esquerda]");
    EXPECT_EQ(j->Controle("btnRemove")->toolTip(), "Remover o item selecionado - [DEL]");
    EXPECT_EQ(j->Controle("btnMagic")->toolTip(), "Criar itens com um clique");
    j->Clicar(j->MeioDoItem(1, 3));
    esquerda->click();
    EXPECT_EQ(j->Texto(1, 2), "1.3");
    j->Controle<QToolButton>("btnRemove")->click();
    EXPECT_EQ(j->doc().banda(1).NumItens(), 2);
    EXPECT_TRUE(j->tela()->hasFocus()) << "the buttons leave the focus on the page";
}

}  // namespace
}  // namespace mobrix::teste
