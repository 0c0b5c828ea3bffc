// "mbxtool code" writes what the editor puts in the .cpy file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

#include "document/arquivo_mbx.h"
#include "document/arquivos.h"
#include "layout_exemplo.h"
#include "output/codigo.h"
#include "output/pasta_linguagens.h"

using namespace mobrix;
using namespace mobrix::teste;
namespace fs = std::filesystem;

namespace {

const std::string Exemplos = MOBRIX_EXEMPLOS "/";

class MbxtoolCode : public ::testing::Test {
protected:
    void SetUp() override {
        pasta = fs::temp_directory_path() / ("mobrix_code_" + std::to_string(::getpid()));
        fs::create_directories(pasta);
        layout = (pasta / "exemplo.mbx").string();
        saida = (pasta / "exemplo.cpy").string();
        ASSERT_TRUE(GravarArquivoAtomico(layout, GravarMBX(Exemplo()).bytes).ok());
    }
    void TearDown() override { fs::remove_all(pasta); }

    int Executar(const std::string& argumentos) {
        const std::string cmd = std::string(MOBRIX_BIN_DIR) + "/mbxtool code '" + layout + "' " + argumentos +
                                " -o '" + saida + "' 2>/dev/null";
        const int r = std::system(cmd.c_str());
        return WIFEXITED(r) ? WEXITSTATUS(r) : -1;
    }
    std::string Esperado(const std::string& lin, bool cobolString) {
        const CargaLinguagem c = CarregarArquivoLinguagem(Exemplos + lin);
        return TextoArquivoCpy(GerarCodigo(Exemplo(), c.linguagem, {c.modoCobol, cobolString}));
    }
    std::string Lido() {
        std::string s;
        LerArquivo(saida, s);
        return s;
    }

    fs::path pasta;
    std::string layout, saida;
};

}  // namespace

TEST_F(MbxtoolCode, EscreveOArquivoCpy) {
    ASSERT_EQ(Executar("--template '" + Exemplos + "C.lin'"), 0);
    EXPECT_EQ(Lido(), Esperado("C.lin", false));
    EXPECT_EQ(Lido().substr(Lido().size() - 4), "\r\n\r\n");
    ASSERT_EQ(Executar("--cobol-string --template '" + Exemplos + "Cobol ANSI.lin'"), 0);
    EXPECT_EQ(Lido(), Esperado("Cobol ANSI.lin", true));
}

TEST_F(MbxtoolCode, ModeloAusenteOuInvalido) {
    EXPECT_EQ(Executar(""), 1);
    EXPECT_EQ(Executar("--template '" + (pasta / "nao.lin").string() + "'"), 3);
    ASSERT_TRUE(GravarArquivoAtomico((pasta / "ruim.lin").string(), "\x01\x00\x00\x00\x05").ok());
    EXPECT_EQ(Executar("--template '" + (pasta / "ruim.lin").string() + "'"), 2);
    EXPECT_FALSE(fs::exists(saida));
}
