// mbxtool's argument handling, shared by every subcommand.
#include <gtest/gtest.h>

#include "document/arquivo_mbx.h"
#include "document/operacoes.h"
#include "executar.h"
#include "pasta_teste.h"

using namespace mobrix;
using namespace mobrix::teste;

namespace {

const std::string kMbxtool = std::string(MOBRIX_BIN_DIR) + "/mbxtool";

// mbxtool run from inside `pasta`, so that arguments can be bare file names.
Execucao MbxtoolEm(const PastaTeste& pasta, const std::string& args) {
    return Executar("/bin/sh", "-c " + Citar("cd " + Citar(pasta.caminho()) + " && " + Citar(kMbxtool) + " " + args));
}

}  // namespace

TEST(MbxtoolArgumentos, DepoisDeDoisHifensTudoEPosicional) {
    PastaTeste pasta;
    Documento d;
    NovoLayout(d);
    GravarTudo(pasta / "-x.mbx", GravarMBX(d).bytes);
    EXPECT_EQ(MbxtoolEm(pasta, "commands -x.mbx").status, 1);  // an unknown option
    Execucao e = MbxtoolEm(pasta, "commands -o saida.txt -- -x.mbx");
    ASSERT_EQ(e.status, 0) << e.erros;
    EXPECT_EQ(LerTudo(pasta / "saida.txt").substr(0, 7), "QJ 92\r\n");

    e = MbxtoolEm(pasta, "pdf417 -- -ABC");  // a text that starts with '-'
    ASSERT_EQ(e.status, 0) << e.erros;
    EXPECT_NE(e.saida.find("rows: "), std::string::npos);
    EXPECT_EQ(MbxtoolEm(pasta, "pdf417 -- -ABC --").status, 1);  // two texts
}

TEST(MbxtoolArgumentos, OpcoesDoQtNaoSaoLidasPeloQt) {
    // A data file named like a Qt option: Qt, had it read the arguments,
    // would look for the platform plugin "-o" and abort.
    PastaTeste pasta;
    GravarTudo(pasta / "-platform", "ABC");
    Execucao e = MbxtoolEm(pasta, "barcode --kind 36 --data-file -platform -o c39.png");
    ASSERT_EQ(e.status, 0) << e.erros;
    EXPECT_EQ(LerTudo(pasta / "c39.png").substr(1, 3), "PNG");
}

TEST(MbxtoolArgumentos, Pdf417SemNomeDeSaida) {
    // Standard output carries the symbol's figures; the picture needs a file.
    PastaTeste pasta;
    Execucao e = MbxtoolEm(pasta, "pdf417 ABC -o ''");
    EXPECT_EQ(e.status, 1);
    EXPECT_EQ(e.saida, "");
    EXPECT_NE(e.erros.find("-o needs a file name"), std::string::npos);
}
