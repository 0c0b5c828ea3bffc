// "mbxtool code" writes what the editor puts in the .cpy file.
#include <gtest/gtest.h>

#include "document/arquivo_mbx.h"
#include "document/arquivos.h"
#include "executar.h"
#include "layout_exemplo.h"
#include "output/codigo.h"
#include "output/pasta_linguagens.h"
#include "pasta_teste.h"

using namespace mobrix;
using namespace mobrix::teste;

namespace {

const std::string Exemplos = MOBRIX_EXEMPLOS "/";

class MbxtoolCode : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(GravarArquivoAtomico(layout, GravarMBX(Exemplo()).bytes).ok()); }

    int Code(const std::string& argumentos) {
        const std::string mbxtool = std::string(MOBRIX_BIN_DIR) + "/mbxtool";
        return Executar(mbxtool, "code " + Citar(layout) + " " + argumentos + " -o " + Citar(saida)).status;
    }
    std::string Esperado(const std::string& lin, bool cobolString) {
        const CargaLinguagem c = CarregarArquivoLinguagem(Exemplos + lin);
        return TextoArquivoCpy(GerarCodigo(Exemplo(), c.linguagem, {c.modoCobol, cobolString}));
    }

    PastaTeste pasta;
    const std::string layout = pasta / "exemplo.mbx";
    const std::string saida = pasta / "exemplo.cpy";
};

}  // namespace

TEST_F(MbxtoolCode, EscreveOArquivoCpy) {
    ASSERT_EQ(Code("--template " + Citar(Exemplos + "C.lin")), 0);
    const std::string c = LerTudo(saida);
    EXPECT_EQ(c, Esperado("C.lin", false));
    EXPECT_EQ(c.substr(c.size() - 4), "\r\n\r\n");
    ASSERT_EQ(Code("--cobol-string --template " + Citar(Exemplos + "Cobol ANSI.lin")), 0);
    EXPECT_EQ(LerTudo(saida), Esperado("Cobol ANSI.lin", true));
}

TEST_F(MbxtoolCode, ModeloAusenteOuInvalido) {
    EXPECT_EQ(Code(""), 1);
    EXPECT_EQ(Code("--template " + Citar(pasta / "nao.lin")), 3);
    GravarTudo(pasta / "ruim.lin", std::string("\x01\x00\x00\x00\x05", 5));  // version 1, a cut field
    EXPECT_EQ(Code("--template " + Citar(pasta / "ruim.lin")), 2);
    EXPECT_FALSE(ArquivoExiste(saida));
}
