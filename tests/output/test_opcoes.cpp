#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "dialogos_falsos.h"
#include "pasta_teste.h"
#include "portas_falsas.h"
#include "document/arquivos.h"
#include "document/caminhos.h"
#include "output/opcoes_relatorio.h"
#include "output/visualizar.h"

using namespace mobrix;
using namespace mobrix::teste;
namespace fs = std::filesystem;

namespace {

class Visualizacao : public ::testing::Test {
protected:
    void SetUp() override {
        // A temporary folder named without its final '/'.
        sistema.DefinirPastaTemporaria(raiz.caminho().substr(0, raiz.caminho().size() - 1));
    }

    PastaTeste raiz;
    fs::path pasta{raiz.caminho()};
    SistemaFalso sistema{raiz.caminho()};
    DialogosFalsos dialogos;
    ConfigRelatorio config;
};

}  // namespace

TEST_F(Visualizacao, GravaOTemporarioEIniciaORuntime) {
    ASSERT_TRUE(Visualizar("QJ 92\r\nT Relat\xF3rio\r\n", config, sistema, dialogos));
    const std::string arquivo = (pasta / "Mobrix.tmp").string();
    std::string gravado;
    ASSERT_TRUE(LerArquivo(arquivo, gravado).ok());
    EXPECT_EQ(gravado, "QJ 92\r\nT Relat\xF3rio\r\n");
    ASSERT_EQ(sistema.programas.size(), 1u);
    EXPECT_EQ(sistema.programas[0].programa, "Mobrix");
    EXPECT_EQ(sistema.programas[0].argumentos, (std::vector<std::string>{"/G", arquivo, "/T", "Mobrix", "/SE"}));
    EXPECT_TRUE(dialogos.mensagens.empty());
    config.EnviarEmail = true;
    ASSERT_TRUE(Visualizar("", config, sistema, dialogos));
    EXPECT_EQ(sistema.programas.back().argumentos,
              (std::vector<std::string>{"/G", arquivo, "/T", "Mobrix", "/ED", EmailAmostra, "/SE"}));
    EXPECT_EQ(ArquivoVisualizacao("/tmp/u"), "/tmp/u/Mobrix.tmp");
}

TEST_F(Visualizacao, FalhasDoRuntime) {
    sistema.inicia = false;
    sistema.naoEncontrado = true;
    EXPECT_FALSE(Visualizar("QJ 92\r\n", config, sistema, dialogos));
    sistema.naoEncontrado = false;
    EXPECT_FALSE(Visualizar("QJ 92\r\n", config, sistema, dialogos));
    ASSERT_EQ(dialogos.mensagens.size(), 2u);
    EXPECT_EQ(dialogos.mensagens[0].texto, "O Mobrix não foi encontrado, ou não está instalado!");
    EXPECT_EQ(dialogos.mensagens[1].texto,
              "Ocorreu o erro número 13 ao tentar visualizar!\r\rPermiss\xC3\xA3o negada");
    for (const MensagemMostrada& m : dialogos.mensagens) {
        EXPECT_EQ(m.titulo, "Visualizar");
        EXPECT_EQ(m.icone, Icone::Exclamacao);
    }
}

TEST_F(Visualizacao, TemporarioQueNaoPodeSerGravadoNaoIniciaORuntime) {
    sistema.DefinirPastaTemporaria((pasta / "nao-existe").string() + "/");
    EXPECT_FALSE(Visualizar("QJ 92\r\n", config, sistema, dialogos));
    EXPECT_TRUE(sistema.programas.empty());
    ASSERT_EQ(dialogos.mensagens.size(), 1u);
    EXPECT_NE(dialogos.mensagens[0].texto.find("nao-existe/Mobrix.tmp"), std::string::npos);
    EXPECT_EQ(dialogos.mensagens[0].titulo, "Visualizar");
}

TEST(Opcoes, AlternarEEfeitos) {
    ConfigRelatorio c;
    EXPECT_EQ(AlternarOpcao(c, OpcaoRelatorio::Visivel), (EfeitoOpcao{false, false}));
    EXPECT_TRUE(c.Visivel);
    EXPECT_EQ(AlternarOpcao(c, OpcaoRelatorio::Paisagem), (EfeitoOpcao{true, true}));
    EXPECT_TRUE(c.Paisagem);
    for (OpcaoRelatorio o : {OpcaoRelatorio::EnviarEmail, OpcaoRelatorio::Imprimir, OpcaoRelatorio::TemCapa})
        EXPECT_EQ(AlternarOpcao(c, o), (EfeitoOpcao{true, false}));
    EXPECT_TRUE(c.EnviarEmail && c.Imprimir && c.TemCapa);
    AlternarOpcao(c, OpcaoRelatorio::TemCapa);
    EXPECT_FALSE(c.TemCapa);
    EXPECT_FALSE(c.QuebraFinal);
}

TEST(Opcoes, FormatoEQualidadeDoEmail) {
    ConfigRelatorio c;
    int16_t sessao = 0;
    EscolherFormatoEmail(c, 4, sessao);
    EXPECT_EQ(c.QualidadeJPG, 100);
    EscolherFormatoEmail(c, 1, sessao);
    EXPECT_EQ(c.QualidadeJPG, 92);
    EscolherFormatoEmail(c, 3, sessao);
    EXPECT_EQ(c.QualidadeJPG, 92);
    EXPECT_FALSE(QualidadeJPGHabilitada(c));
    EscolherFormatoEmail(c, 1, sessao);
    EXPECT_TRUE(QualidadeJPGHabilitada(c));
    ConfirmarQualidadeJPG(c, sessao, 75);
    EXPECT_EQ(sessao, 75);
    EscolherFormatoEmail(c, 4, sessao);
    EXPECT_EQ(c.FormatoEmail, 4);
    EXPECT_EQ(c.QualidadeJPG, 75);
    EXPECT_EQ(LimitarQualidadeJPG(0), 1);
    EXPECT_EQ(LimitarQualidadeJPG(-5), 1);
    EXPECT_EQ(LimitarQualidadeJPG(250), 100);
    EXPECT_EQ(LimitarQualidadeJPG(50.5), 50);
}


TEST(Opcoes, Margens) {
    CamposMargem m = AbrirMargem("\"12.5\"");
    EXPECT_EQ(m.milimetros, 12.5);
    EXPECT_EQ(m.comando, "");
    EXPECT_EQ(ConfirmarMargem(m), "\"12.5\"");
    m = AbrirMargem("MARGEM_SUP");
    EXPECT_EQ(m.milimetros, std::nullopt);
    EXPECT_EQ(ConfirmarMargem(m), "MARGEM_SUP");
    EXPECT_EQ(ConfirmarMargem({std::nullopt, ""}), "\"0\"");
    EXPECT_EQ(ConfirmarMargem({10.0, ""}), "\"10\"");
    EXPECT_EQ(ConfirmarMargem({10.0, "X"}), "X");  // the text field wins
}

TEST(Opcoes, TextoDoEmail) {
    EXPECT_EQ(TextoEmailParaCaixa("a{ENTER}{ENTER}b{enter}"), "a\r\n\r\nb{enter}");
    EXPECT_EQ(TextoEmailDaCaixa("a\r\n\r\nb\nc\rd"), "a{ENTER}{ENTER}b{ENTER}c{ENTER}d");
    const std::string padrao = TextoEmailPadrao();
    EXPECT_EQ(padrao.substr(0, 36), "Em anexo o or\xE7" "amento solicitado!\r\n\r\n");
    EXPECT_EQ(padrao.substr(padrao.size() - 2), "\r\n");
    EXPECT_EQ(TextoEmailParaCaixa(TextoEmailDaCaixa(padrao)), padrao);
}

TEST(Opcoes, DialogoDaImpressora) {
    const std::vector<std::string> instaladas = {"HP LaserJet", "Epson LX"};
    EXPECT_EQ(AbrirImpressora("", instaladas).indice, 0);
    EXPECT_EQ(AbrirImpressora("<?>", instaladas).indice, 1);
    SelecaoImpressora s = AbrirImpressora("epson lx", instaladas);
    EXPECT_EQ(s.indice, 3);
    EXPECT_EQ(s.texto, "epson lx");
    s = AbrirImpressora("Outra", instaladas);
    EXPECT_EQ(s.indice, -1);
    EXPECT_EQ(ConfirmarImpressora(s), "Outra");
    EXPECT_EQ(IndiceDaImpressora("HP LASERJET", instaladas), 2);
    EXPECT_EQ(ConfirmarImpressora({0, "x"}), "");
    EXPECT_EQ(ConfirmarImpressora({1, "x"}), "<?>");
    EXPECT_EQ(ConfirmarImpressora({2, "HP LaserJet"}), "HP LaserJet");
}
