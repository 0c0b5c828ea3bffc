// The shipped templates: the files match their definitions, and the code they
// generate, compiled and run, writes exactly the report command text.
#include <gtest/gtest.h>

#include <cstdlib>

#include "document/arquivos.h"
#include "document/operacoes.h"
#include "layout_exemplo.h"
#include "linguagens_exemplo.h"
#include "output/codigo.h"
#include "output/comandos.h"
#include "output/pasta_linguagens.h"
#include "pasta_teste.h"

using namespace mobrix;
using namespace mobrix::teste;

namespace {

const std::string PastaExemplos = MOBRIX_EXEMPLOS "/";

// Set MOBRIX_GRAVAR_EXEMPLOS=1 to rewrite the files from their definitions.
void ConferirArquivo(const std::string& nome, const Linguagem& l) {
    const std::string caminho = PastaExemplos + nome;
    const std::string bytes = *GravarLin(l);
    if (std::getenv("MOBRIX_GRAVAR_EXEMPLOS")) {
        ASSERT_TRUE(GravarArquivoAtomico(caminho, bytes).ok());
    }
    std::string lido;
    ASSERT_TRUE(LerArquivo(caminho, lido).ok()) << caminho;
    EXPECT_EQ(lido, bytes) << caminho << " is out of date";
}

// Everything whose generated code writes the same bytes as the command text:
// texts, commands (the host variable holds its own name), graph bars, frames,
// fonts, offsets, automatic heights, header, footer and page breaks.
Documento LayoutCompleto() {
    Documento d = Exemplo();
    RemoverItem(d, 2, 2);  // a picture line is inset in code, not in the command text
    d.Config.MargemSuperior = "\"123\"";
    d.Config.MargemEsquerda = "MARGEM";
    d.Config.NomeImpressora = "Impressora 2";
    d.Config.FormatoEmail = 4;
    d.Config.QualidadeJPG = 80;
    d.Config.TextoEmail = "Segue o relat\xF3rio{ENTER}Obrigado";
    d.Config.Paisagem = d.Config.Imprimir = d.Config.Visivel = d.Config.TemCapa = true;
    AddBanda(d, 0, false, 0, 0);
    AddBanda(d, 0, false, 0, 0);
    Banda& b3 = d.banda(3);
    b3.Deslocamento = -4;
    b3.Altura = -30;
    b3.item(1).Texto = "{n}Total{/n} 100% \xE9 o m\xE1ximo";
    b3.item(1).Fonte.Italico = true;
    b3.item(1).CorFundo = 7;
    AcrescentarItem(d, 3, TipoBarraGrafico, "QTD").CorTexto = 12;
    AcrescentarItem(d, 3, TipoBarraGrafico, "\"25\"");
    d.banda(4).Deslocamento = 6;
    d.banda(4).item(1).Texto = std::string(120, 'w');  // folded in COBOL
    d.banda(4).item(1).Largura = 700;
    d.Config.InicioRodape = 4;
    d.Config.QuebraFinal = false;
    QuebraPaginaAdd(d.Config, 3);
    ReposicionarBanda(d);
    return d;
}

class Compilacao : public ::testing::Test {
protected:
    // Compiles the source with the command, runs it in the folder and returns
    // what it wrote to "saida.txt".
    std::string Executar(const std::string& arquivo, const std::string& fonte, const std::string& compilador) {
        EXPECT_TRUE(GravarArquivoAtomico(pasta / arquivo, fonte).ok());
        const std::string ir = "cd '" + pasta.caminho() + "' && ";
        if (std::system((ir + compilador + " -o prog " + arquivo + " >log.txt 2>&1").c_str()) != 0) {
            std::string log;
            LerArquivo(pasta / "log.txt", log);
            ADD_FAILURE() << "compilation failed:\n" << log << "\n" << fonte;
            return {};
        }
        EXPECT_EQ(std::system((ir + "./prog").c_str()), 0);
        std::string saida;
        LerArquivo(pasta / "saida.txt", saida);
        return saida;
    }
    static bool Disponivel(const char* programa) {
        return std::system(("command -v " + std::string(programa) + " >/dev/null 2>&1").c_str()) == 0;
    }

    PastaTeste pasta;
};

}  // namespace

TEST(LinguagensExemplo, ArquivosAtualizadosELidosPeloEditor) {
    ConferirArquivo("Cobol ANSI.lin", LinguagemCobolAnsi());
    ConferirArquivo("C.lin", LinguagemC());
    const PastasLinguagem pastas{PastaExemplos, ""};
    EXPECT_EQ(ListarLinguagens(pastas), (std::vector<std::string>{"C", "Cobol ANSI"}));
    EXPECT_TRUE(CarregarLinguagem("Cobol ANSI", pastas).modoCobol);
    EXPECT_FALSE(CarregarLinguagem("C", pastas).modoCobol);
}

TEST(LinguagensExemplo, CodigoCobolDoExemplo) {
    std::string s = GerarCodigo(Exemplo(), LinguagemCobolAnsi(), {true, false});
    const std::string inicio =
        "      *------------- Relatorio gerado pelo MobrixEdit -------------\r\n"
        "           MOVE SPACES TO LINHA-RELAT\r\n"
        "           STRING \"MS \" \"10\" DELIMITED BY SIZE INTO LINHA-RELAT\r\n"
        "           WRITE LINHA-RELAT\r\n"
        "           MOVE \"QJ 92\" TO LINHA-RELAT\r\n"
        "           WRITE LINHA-RELAT\r\n"
        "\r\n"
        "           MOVE \"F 101000Arial\" TO LINHA-RELAT\r\n";
    EXPECT_EQ(s.substr(0, inicio.size()), inicio);
    EXPECT_NE(s.find("           MOVE \"T 009900002001960000100010\" TO LR-COMANDO\r\n"
                     "           MOVE NOME TO LR-TEXTO\r\n"),
              std::string::npos);
}

TEST(LinguagensExemplo, CodigoCDoExemplo) {
    std::string s = GerarCodigo(Exemplo(), LinguagemC(), {});
    EXPECT_EQ(s,
              "/* Relat\xF3rio gerado pelo MobrixEdit */\r\n"
              "fprintf(arq, \"MS %s\\r\\n\", \"10\");\r\n"
              "fputs(\"QJ 92\\r\\n\", arq);\r\n"
              "\r\n"
              "fputs(\"F 101000Arial\\r\\n\", arq);\r\n"
              "fprintf(arq, \"T 009900002002960000100010%s\\r\\n\", \"Relat\xF3rio de vendas\");\r\n"
              "fprintf(arq, \"RH %s\\r\\n\", \"00018\");\r\n"
              "fputs(\"FC\\r\\n\", arq);\r\n"
              "\r\n"
              "fputs(\"F 100000Arial\\r\\n\", arq);\r\n"
              "fputs(\"L 00990000000200000100000001\\r\\n\", arq);\r\n"
              "fprintf(arq, \"T 009900002001960000100010%s\\r\\n\", NOME);\r\n"
              "fprintf(arq, \"G 009900202000960000100010%s\\r\\n\", \"logo.bmp\");\r\n"
              "fprintf(arq, \"RH %s\\r\\n\", \"00018\");\r\n"
              "fputs(\"QL\\r\\n\", arq);\r\n"
              "\r\n"
              "fputs(\"QP\\r\\n\", arq);\r\n");
}

TEST_F(Compilacao, ProgramaCEscreveOTextoDeComandos) {
    if (!Disponivel("cc")) GTEST_SKIP() << "no C compiler";
    Documento d = LayoutCompleto();
    d.Config.EnviarEmail = true;
    const std::string fonte = "#include <stdio.h>\n"
                              "int main(void) {\n"
                              "const char *NOME = \"NOME\", *MARGEM = \"MARGEM\", *QTD = \"10\";\n"
                              "FILE *arq = fopen(\"saida.txt\", \"wb\");\n" +
                              GerarCodigo(d, LinguagemC(), {}) +
                              "fclose(arq);\n"
                              "return 0;\n"
                              "}\n";
    EXPECT_EQ(Executar("prog.c", fonte, "cc -w"), GerarComandos(d));
}

TEST_F(Compilacao, ProgramaCobolEscreveOTextoDeComandos) {
    if (!Disponivel("cobc")) GTEST_SKIP() << "no COBOL compiler";
    const Documento d = LayoutCompleto();
    for (bool cobolString : {false, true}) {
        const std::string fonte = "       IDENTIFICATION DIVISION.\n"
                                  "       PROGRAM-ID. TESTE.\n"
                                  "       ENVIRONMENT DIVISION.\n"
                                  "       INPUT-OUTPUT SECTION.\n"
                                  "       FILE-CONTROL.\n"
                                  "           SELECT ARQ-RELAT ASSIGN TO \"saida.txt\"\n"
                                  "               ORGANIZATION IS LINE SEQUENTIAL.\n"
                                  "       DATA DIVISION.\n"
                                  "       FILE SECTION.\n"
                                  "       FD  ARQ-RELAT.\n"
                                  "       01  LINHA-RELAT.\n"
                                  "           05  LR-COMANDO          PIC X(26).\n"
                                  "           05  LR-TEXTO            PIC X(974).\n"
                                  "       WORKING-STORAGE SECTION.\n"
                                  "       01  NOME                    PIC X(4) VALUE \"NOME\".\n"
                                  "       01  MARGEM                  PIC X(6) VALUE \"MARGEM\".\n"
                                  "       01  QTD                     PIC 9(2) VALUE 10.\n"
                                  "       PROCEDURE DIVISION.\n"
                                  "           OPEN OUTPUT ARQ-RELAT\n" +
                                  GerarCodigo(d, LinguagemCobolAnsi(), {true, cobolString}) +
                                  "           CLOSE ARQ-RELAT\n"
                                  "           STOP RUN.\n";
        std::string saida = Executar("prog.cob", fonte, "cobc -x");
        // Line-sequential records end with LF alone.
        std::string crlf;
        for (char c : saida) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
        EXPECT_EQ(crlf, GerarComandos(d)) << "CobolString " << cobolString;
    }
}
