// mbxtool as a user runs it: exit codes, messages and outputs of the layout
// subcommands.
#include <gtest/gtest.h>

#include "document/arquivo_mbx.h"
#include "document/operacoes.h"
#include "executar.h"
#include "pasta_teste.h"

using namespace mobrix;
using namespace mobrix::teste;

namespace {

const std::string kMbxtool = std::string(MOBRIX_BIN_DIR) + "/mbxtool";

Execucao Mbxtool(const std::string& args) { return Executar(kMbxtool, args); }

class MbxtoolLayout : public ::testing::Test {
protected:
    std::string Caminho(const std::string& nome) const { return pasta_ / nome; }
    PastaTeste pasta_;
};

}  // namespace

TEST_F(MbxtoolLayout, NovoGravaOArquivoDeUmLayoutNovo) {
    Execucao e = Mbxtool("new " + Citar(Caminho("novo.mbx")));
    ASSERT_EQ(e.status, 0) << e.erros;
    std::string bytes = LerTudo(Caminho("novo.mbx"));
    EXPECT_EQ(bytes.size(), 166u);
    EXPECT_EQ(bytes.substr(0, 17), "MobrixEdit 1.0(t)");
}

TEST_F(MbxtoolLayout, ComandosNaSaidaPadraoOuEmArquivo) {
    Documento d;
    NovoLayout(d);
    d.banda(1).item(1).Texto = "Relat\xF3rio";
    GravarTudo(Caminho("a.mbx"), GravarMBX(d).bytes);
    Execucao e = Mbxtool("commands " + Citar(Caminho("a.mbx")));
    ASSERT_EQ(e.status, 0) << e.erros;
    EXPECT_EQ(e.saida, "QJ 92\r\nF 100000Arial\r\nT 009900002000600000100010Relat\xF3rio\r\nRH 00018\r\nQL\r\n");
    ASSERT_EQ(Mbxtool("commands " + Citar(Caminho("a.mbx")) + " -o " + Citar(Caminho("a.txt"))).status, 0);
    EXPECT_EQ(LerTudo(Caminho("a.txt")), e.saida);
}

TEST_F(MbxtoolLayout, ComandosReposicionamComoOEditor) {
    // Stored positions of band 1 are recomputed the way the editor's first
    // redraw does; other bands keep theirs.
    Documento d;
    NovoLayout(d);
    AddBanda(d, 0, false, 0, 0);
    d.banda(1).item(1).Esquerda = 500;
    d.banda(2).item(1).Esquerda = 700;
    GravarTudo(Caminho("p.mbx"), GravarMBX(d).bytes);
    Execucao e = Mbxtool("commands " + Citar(Caminho("p.mbx")));
    EXPECT_NE(e.saida.find("T 0099000020006"), std::string::npos);
    EXPECT_NE(e.saida.find("T 0099007020006"), std::string::npos);
}

TEST_F(MbxtoolLayout, AtualizarEscreveAVersaoAtual) {
    std::string h = "MobrixEdit 1.0(a)";
    h.resize(32, ' ');
    std::string velho = h + std::string("\x01\x00", 2) + std::string(12, '\0') + std::string("\x01\x00\x01\x00", 4) +
                        std::string("\x01\x00\x00\x00\x01\x00\x00\x00", 8) + std::string("\x05\x00", 2) + "a.bmp" +
                        std::string("\x05\x00", 2) + "Arial" + std::string("\x0A\x00", 2) + std::string(8, '\0') +
                        std::string(4, '\0') + std::string("\x40\x00\x00\x00", 4) + "0000000000" + "0000100010" +
                        std::string("\x00\x63\x01", 3) + std::string(6, '\0');
    GravarTudo(Caminho("velho.mbx"), velho);
    Execucao e = Mbxtool("upgrade " + Citar(Caminho("velho.mbx")) + " " + Citar(Caminho("novo.mbx")));
    ASSERT_EQ(e.status, 0) << e.erros;
    LeituraMBX l = LerMBX(LerTudo(Caminho("novo.mbx")));
    ASSERT_EQ(l.estado, LeituraMBX::Estado::Ok) << l.motivo;
    EXPECT_EQ(l.versao, 't');
    EXPECT_EQ(l.layout.banda(1).item(1).Texto, "\"a.bmp\"");
    EXPECT_EQ(l.layout.Config.QualidadeJPG, 90);
}

TEST_F(MbxtoolLayout, InfoEmJson) {
    Documento d;
    NovoLayout(d);
    AddItem(d, 1, false, 0);
    d.banda(1).item(2).Tipo = TipoPDF417;
    d.Config.NomeImpressora = "Impressora \"A\"\xE7";
    GravarTudo(Caminho("i.mbx"), GravarMBX(d).bytes);
    Execucao e = Mbxtool("info " + Citar(Caminho("i.mbx")));
    ASSERT_EQ(e.status, 0) << e.erros;
    EXPECT_NE(e.saida.find("\"versao\": \"t\""), std::string::npos);
    EXPECT_NE(e.saida.find("\"NumBandas\": 1"), std::string::npos);
    EXPECT_NE(e.saida.find("\"ItensPorTipo\": {\"PDF417\": 1, \"Texto\": 1}"), std::string::npos);
    EXPECT_NE(e.saida.find("\"NomeImpressora\": \"Impressora \\\"A\\\"\xC3\xA7\""), std::string::npos);
}

TEST_F(MbxtoolLayout, CodigosDeSaida) {
    EXPECT_EQ(Mbxtool("").status, 1);
    EXPECT_EQ(Mbxtool("nada").status, 1);
    EXPECT_EQ(Mbxtool("commands").status, 1);
    EXPECT_EQ(Mbxtool("commands a b").status, 1);
    EXPECT_EQ(Mbxtool("commands a -x").status, 1);

    GravarTudo(Caminho("outro.mbx"), "isto nao e um layout");
    Execucao formato = Mbxtool("info " + Citar(Caminho("outro.mbx")));
    EXPECT_EQ(formato.status, 2);
    EXPECT_NE(formato.erros.find("Formato inválido!\n\nO arquivo '"), std::string::npos);

    std::string h = "MobrixEdit 1.0(t)";
    h.resize(32, ' ');
    GravarTudo(Caminho("truncado.mbx"), h + "\x01");
    Execucao truncado = Mbxtool("commands " + Citar(Caminho("truncado.mbx")));
    EXPECT_EQ(truncado.status, 3);
    EXPECT_NE(truncado.erros.find("Ocorreu um erro ao abrir o arquivo '"), std::string::npos);
    EXPECT_EQ(Mbxtool("info " + Citar(Caminho("nao-existe.mbx"))).status, 3);

    ASSERT_EQ(Mbxtool("new " + Citar(Caminho("n.mbx"))).status, 0);
    EXPECT_EQ(Mbxtool("commands " + Citar(Caminho("n.mbx")) + " -o " + Citar(Caminho("sem/pasta/x.txt"))).status, 4);
    EXPECT_EQ(Mbxtool("new " + Citar(Caminho("sem/pasta/x.mbx"))).status, 4);
}
