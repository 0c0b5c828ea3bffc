// Files, start-up and exit of the window: save and reopen, two windows and
// the transfer file, the command line, settings across restarts.
#include <QSettings>
#include <QStandardPaths>
#include <QToolButton>
#include <filesystem>
#include <fstream>

#include "document/arquivos.h"
#include "document/identidade.h"
#include "janela_teste.h"

namespace mobrix::teste {
namespace {

class JanelaArquivos : public ::testing::Test {
protected:
    PastaTeste pasta;
    void SetUp() override { LimparConfiguracoes(); }
};

TEST_F(JanelaArquivos, SalvarReabrirCopiarEntreJanelasEDesfazer) {
    JanelaDeTeste a(pasta.caminho());
    JanelaDeTeste b(pasta.caminho());
    a.Iniciar();
    b.Iniciar();
    const std::string caminho = pasta / "relatorio.mbx";

    a.Ativar();
    a.Montar({3, 2});
    a.dialogos.arquivosSalvar.push_back(pasta / "relatorio");  // the extension is added
    a.Acao("mnuArquivoSalvar")->trigger();
    ASSERT_TRUE(ArquivoExiste(caminho));
    EXPECT_FALSE(a.doc().Alterado);
    EXPECT_EQ(a.janela.windowTitle().toStdString(), std::string(TituloAplicacao) + " - [" + caminho + "]");

    b.Ativar();
    b.dialogos.arquivosAbrir.push_back(caminho);
    b.Acao("mnuArquivoAbrir")->trigger();
    ASSERT_EQ(b.doc().NumBandas(), 2);
    EXPECT_EQ(b.Texto(1, 3), "1.3");
    EXPECT_EQ(b.Texto(2, 2), "2.2");

    // Items 1 and 2 of band 2 copied in window a ...
    a.Ativar();
    a.Clicar(a.MeioDoItem(2, 1));
    a.Clicar(a.MeioDoItem(2, 2), Qt::LeftButton, Qt::ShiftModifier);
    QTest::keyClick(a.tela(), Qt::Key_C, Qt::ControlModifier);
    // ... pasted into band 1 of window b, left of its first item.
    b.Ativar();
    b.Clicar(b.MeioDoItem(1, 1));
    QTest::keyClick(b.tela(), Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(b.doc().banda(1).NumItens(), 5);
    EXPECT_EQ(b.Texto(1, 1), "2.1");
    EXPECT_EQ(b.Texto(1, 2), "2.2");
    EXPECT_EQ(b.Texto(1, 3), "1.1");
    EXPECT_TRUE(b.Controle("shpSelectedRange")->isVisible());
    EXPECT_TRUE(b.doc().Alterado);

    QTest::keyClick(b.tela(), Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(b.doc().banda(1).NumItens(), 3);
    EXPECT_EQ(b.Texto(1, 1), "1.1");
    EXPECT_FALSE(b.ed().PodeDesfazer()) << "back at the state the file was opened in";
    EXPECT_TRUE(b.dialogos.mensagens.empty());
}

TEST_F(JanelaArquivos, CancelarAoSairMantemAJanelaAberta) {
    JanelaDeTeste j(pasta.caminho());
    j.Iniciar();
    j.Montar({2});
    j.dialogos.respostas.push_back(Resposta::Cancelar);
    EXPECT_FALSE(j.janela.close());
    EXPECT_TRUE(j.janela.isVisible());
    ASSERT_EQ(j.dialogos.mensagens.size(), 1u);
    EXPECT_EQ(j.dialogos.mensagens[0].texto, "Deseja salvar as alterações?");
    EXPECT_EQ(j.dialogos.mensagens[0].titulo, "Sair");
    EXPECT_EQ(j.doc().banda(1).NumItens(), 2);

    // Yes with a cancelled save dialog keeps it open too.
    j.dialogos.respostas.push_back(Resposta::Sim);
    j.dialogos.arquivosSalvar.push_back(std::nullopt);
    EXPECT_FALSE(j.janela.close());
    j.dialogos.respostas.push_back(Resposta::Nao);
    EXPECT_TRUE(j.janela.close());
}

TEST_F(JanelaArquivos, CaminhoEntreAspasNaLinhaDeComandoAbre) {
    const std::string caminho = pasta / "meu layout.mbx";
    {
        JanelaDeTeste a(pasta.caminho());
        a.Iniciar();
        a.Montar({4});
        a.dialogos.arquivosSalvar.push_back(caminho);
        a.Acao("mnuArquivoSalvarComo")->trigger();
        ASSERT_TRUE(a.janela.close());
    }
    JanelaDeTeste b(pasta.caminho());
    b.Iniciar({"\"" + caminho + "\""});
    EXPECT_EQ(b.doc().NomeArquivo, caminho);
    EXPECT_EQ(b.doc().banda(1).NumItens(), 4);
    EXPECT_TRUE(b.janela.windowTitle().contains("meu layout.mbx"));
    EXPECT_FALSE(b.doc().Alterado);
}

TEST_F(JanelaArquivos, UnidadeEPreferenciasSobrevivemAoReinicio) {
    {
        JanelaDeTeste a(pasta.caminho());
        a.Iniciar();
        a.Acao("mnuConfigMedidaCentimetros")->trigger();
        a.Acao("mnuConfigResultado")->trigger();
        a.Controle<QToolButton>("btnMagic")->click();
        ASSERT_TRUE(a.janela.close());
    }
    JanelaDeTeste b(pasta.caminho());
    b.Iniciar();
    EXPECT_EQ(b.doc().Medida, MedidaCentimetros);
    EXPECT_TRUE(b.Acao("mnuConfigMedidaCentimetros")->isChecked());
    EXPECT_FALSE(b.Controle("rtbResultado")->isVisible());
    EXPECT_FALSE(b.Controle<QToolButton>("btnMagic")->isChecked());
}

TEST_F(JanelaArquivos, ConfiguracoesComLixoComecamComOsPadroes) {
    const QString arquivo = QSettings("Korvane", TituloAplicacao).fileName();
    {
        std::filesystem::create_directories(std::filesystem::path(arquivo.toStdString()).parent_path());
        std::ofstream f(arquivo.toStdString(), std::ios::binary | std::ios::trunc);
        ASSERT_TRUE(f);
        f << "[General]\n"
             "Unidade%20de%20Medida=cent\xEDmetros\n"
             "MagicItem=talvez\n"
             "Exibir%20Resultado=1, 2\n"
             "FontSize=@Rect(1 2 3 4)\n"
             "FontName=\n"
             "FontBold=true\n"
             "FontItalic=@Invalid()\n"
             "Arquivo%20recente%201=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\xf)\n"
             "[broken\n"
             "=sem chave\n";
    }
    JanelaDeTeste j(pasta.caminho());
    j.Iniciar();
    EXPECT_EQ(j.doc().Medida, MedidaPixels);
    EXPECT_TRUE(j.Acao("mnuConfigMedidaPixels")->isChecked());
    EXPECT_TRUE(j.Controle<QToolButton>("btnMagic")->isChecked());
    EXPECT_TRUE(j.Controle("rtbResultado")->isVisible());
    FonteItem esperada = FonteInicialPadrao();
    esperada.Negrito = true;  // the one sound value of the file is read
    EXPECT_EQ(j.doc().FonteInicial, esperada);
    EXPECT_TRUE(j.dialogos.mensagens.empty());
}

TEST_F(JanelaArquivos, SemArquivoRegistraOTipoComOIconeAoLadoDoPrograma) {
    JanelaDeTeste j(pasta.caminho());
    j.Iniciar();
    const std::string dados =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString() + "/";
    const std::string entrada = LerTudo(dados + "applications/mobrixedit.desktop");
    EXPECT_NE(entrada.find("Exec=\"" + j.sistema.PastaPrograma() + "MobrixEdit\" %f"), std::string::npos) << entrada;
    EXPECT_NE(entrada.find("Icon=" + j.sistema.PastaPrograma() + "MobrixEdit.png"), std::string::npos) << entrada;
    EXPECT_TRUE(ArquivoExiste(dados + "mime/packages/mobrixedit-mbx.xml"));
}

TEST_F(JanelaArquivos, FalhaAoCarregarABibliotecaPDF417AvisaUmaVez) {
    JanelaDeTeste j(pasta.caminho());
    j.Iniciar();
    j.Montar({2});
    j.doc().banda(1).item(1).Tipo = TipoPDF417;
    j.doc().banda(1).item(1).Texto = "\"pedido 42\"";
    j.ed().ExibirBanda();
    j.ed().ExibirBanda();
    ASSERT_EQ(j.dialogos.mensagens.size(), 1u);
    EXPECT_EQ(j.dialogos.mensagens[0].icone, Icone::Erro);
}

TEST_F(JanelaArquivos, JanelaNaoFicaMenorQueOMinimo) {
    JanelaDeTeste j(pasta.caminho());
    j.Iniciar();
    j.janela.resize(100, 100);
    EXPECT_GE(j.janela.width(), 633);
    EXPECT_GE(j.janela.height(), 384);
    EXPECT_EQ(j.janela.minimumSize(), QSize(633, 384));
}

}  // namespace
}  // namespace mobrix::teste
