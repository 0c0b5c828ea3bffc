#include <gtest/gtest.h>

#include "document/operacoes.h"
#include "layout_exemplo.h"
#include "output/cobol.h"
#include "output/codigo.h"
#include "output/linguagem.h"

using namespace mobrix;
using namespace mobrix::teste;

namespace {

// The one-line sample language (literals in single quotes).
Linguagem Amostra() {
    Linguagem l;
    l.ComandosSimples = "WRITE '\xA7" "c'";
    l.ComandoRH = "WRITE '\xA7" "c ' + '\xA7" "rh'";
    l.ComandoF = "WRITE '\xA7" "c\xA7" "t\xA7" "n\xA7" "i\xA7" "s\xA7" "r\xA7" "f'";
    l.ComandoL = "WRITE '\xA7" "c\xA7" "cl\xA7" "cf\xA7" "ei\xA7" "ci\xA7" "ai\xA7" "el'";
    l.ComandoT = "WRITE '\xA7" "c\xA7" "cl\xA7" "cf\xA7" "ei\xA7" "ci\xA7" "ai' + '\xA7" "t'";
    return l;
}

std::string Codigo(const Layout& layout, const Linguagem& l = Amostra(), OpcoesCodigo o = {}) {
    return GerarCodigo(layout, l, o);
}

}  // namespace

TEST(Codigo, ExemploCompleto) {
    EXPECT_EQ(Codigo(Exemplo()),
              "WRITE 'MS ' + '10'\r\n"
              "WRITE 'QJ 92'\r\n"
              "\r\n"
              "WRITE 'F 101000Arial'\r\n"
              "WRITE 'T 009900002002960000100010' + 'Relat\xF3rio de vendas'\r\n"
              "WRITE 'RH ' + '00018'\r\n"
              "WRITE 'FC'\r\n"
              "\r\n"
              "WRITE 'F 100000Arial'\r\n"
              "WRITE 'L 00990000000200000100000001'\r\n"
              "WRITE 'T 009900002001960000100010' + NOME\r\n"
              "WRITE 'G 009900202000960000100010' + 'logo.bmp'\r\n"
              "WRITE 'RH ' + '00018'\r\n"
              "WRITE 'QL'\r\n"
              "\r\n"
              "WRITE 'QP'\r\n");
}

TEST(Codigo, VariaveisSubstituemOMarcadorEntreAspas) {
    Documento d = NovoDoc();
    d.Config.MargemEsquerda = "MARG";
    d.Config.NomeImpressora = "HP";
    d.banda(1).item(1).Tipo = TipoComando;
    d.banda(1).item(1).Texto = "TOTAL";
    AcrescentarItem(d, 1, TipoFigura, "ARQ_LOGO");
    AcrescentarItem(d, 1, TipoEAN13, "\"789\"");
    AcrescentarItem(d, 1, TipoBarraGrafico, "QTD").CorFundo = 5;
    Linguagem l;
    l.ComandosSimples = "S(\xA7" "c)";
    l.ComandoRH = "N(\"\xA7" "c\", \"\xA7" "rh\", \xA7" "rh)";  // the bare one stays for a variable
    l.ComandoF = "";
    l.ComandoT = "T(\xA7" "c|\xA7" "cf|\xA7" "ei|\xA7" "ci|\"\xA7" "t\"|'\xA7" "t'|\xA7" "t)";
    EXPECT_EQ(Codigo(d, l),
              "S(I HP)\r\n"
              "N(\"ME\", MARG, \xA7rh)\r\n"
              "S(QJ 92)\r\n"
              "\r\n"
              "\r\n"  // ComandoF is empty
              "T(T |99|00002|00060|TOTAL|TOTAL|\xA7t)\r\n"
              "T(G |99|00066|00060|ARQ_LOGO|ARQ_LOGO|\xA7t)\r\n"
              "T(Ba|99|00130|00060|\"789\"|'789'|789)\r\n"
              "T(LG|05|00192|00064|QTD|QTD|\xA7t)\r\n"
              "N(\"RH\", \"00018\", 00018)\r\n"
              "S(QL)\r\n"
              "\r\n");
}

TEST(Codigo, ValoresNuncaSaoRelidosComoMarcadores) {
    Documento d = NovoDoc();
    d.banda(1).item(1).Texto = "Se\xA7" "c\xE3o \xA7" "cl";
    Linguagem l = Amostra();
    EXPECT_NE(Codigo(d, l).find("+ 'Se\xA7" "c\xE3o \xA7" "cl'"), std::string::npos);
    // "§cl" in ComandoF is no placeholder of its own: "§c" then "l".
    l.ComandoF = "\xA7" "cl";
    EXPECT_NE(Codigo(d, l).find("\r\nF l\r\n"), std::string::npos);
}

TEST(Codigo, FragmentosSemMarcadores) {
    Linguagem l;
    l.ComandosSimples = "simples";
    l.ComandoRH = "numero";
    l.ComandoF = "fonte";
    l.ComandoT = "texto";
    EXPECT_EQ(Codigo(NovoDoc(), l), "simples\r\n\r\nfonte\r\ntexto\r\nnumero\r\nsimples\r\n\r\n");
}

TEST(Codigo, ComentariosDaBandaESaltosDeItem) {
    Documento d = NovoDoc();
    AddBanda(d, 0, false, 0, 0);
    d.banda(1).Comentario = "antes 1";
    d.banda(2).Comentario = std::string("\xFF") + "depois 2";
    d.banda(2).item(1).Tipo = TipoFigura;
    d.banda(2).item(1).Texto = "";  // no item line in code, though the command text has a "G " line
    QuebraPaginaAdd(d.Config, 2);
    Linguagem l = Amostra();
    l.ComandoF = "";
    EXPECT_EQ(Codigo(d, l),
              "WRITE 'QJ 92'\r\n\r\n"
              "antes 1\r\n\r\n"
              "WRITE 'T 009900002000600000100010' + 'Texto 1'\r\n"
              "WRITE 'RH ' + '00018'\r\nWRITE 'QL'\r\n\r\n"
              "WRITE 'QP'\r\n"
              "WRITE 'RH ' + '00018'\r\nWRITE 'QL'\r\n"
              "depois 2\r\n\r\n");
}

TEST(Codigo, ComentarioInicialEDeslocamento) {
    Documento d = NovoDoc();
    AddBanda(d, 0, false, 0, 0);
    d.banda(2).Deslocamento = -7;
    Linguagem l = Amostra();
    l.ComentarioInicial = "// gerado";
    std::string s = Codigo(d, l);
    EXPECT_EQ(s.substr(0, 10), "// gerado\r");
    EXPECT_NE(s.find("WRITE 'RT ' + '-0007'\r\nWRITE 'RH ' + '00018'"), std::string::npos);
}

TEST(Codigo, ModoCobolPeloNome) {
    EXPECT_TRUE(ModoCobol("Meu COBOL"));
    EXPECT_TRUE(ModoCobol("cobol"));
    EXPECT_FALSE(ModoCobol("Cobran\xC3\xA7" "a"));
    EXPECT_FALSE(ModoCobol("C"));
}

TEST(Codigo, ComandosUtilizados) {
    Documento d = NovoDoc();
    for (const char* t : {"SOMA", "soma", "TOTAL"}) AcrescentarItem(d, 1, TipoComando, t);
    EXPECT_EQ(ComandosUtilizados(d), "SOMA\r\nTOTAL\r\n");
    EXPECT_EQ(ComandosUtilizados(NovoDoc()), "");
}

TEST(Cobol, LinhaDeCemColunas) {
    const std::string literal(66, 'X');
    const std::string linha = "           MOVE \"" + literal + "\" TO LINHA-RELAT.";
    ASSERT_EQ(linha.size(), 100u);
    const std::string inicio = linha.substr(0, 72);
    EXPECT_EQ(FormatarCobol(linha + "\r\n", false),
              inicio + "\r\n" +                                                  //
                  "      -    \"" + literal.substr(55) + "\"\r\n" +              //
                  "               TO LINHA-RELAT.\r\n");
    // With STRING: every piece is a literal of its own.
    const std::string s = FormatarCobol(linha + "\r\n", true);
    const std::string comString = "           string \"" + literal + "\"";  // 86 columns
    EXPECT_EQ(s, "           move spaces TO LINHA-RELAT.\r\n" +                 //
                     comString.substr(0, 71) + "\"\r\n" +                        //
                     "           \"" + comString.substr(71) + "\r\n" +           //
                     "               delimited by size into LINHA-RELAT.\r\n");
}

TEST(Cobol, LinhasCurtasSemAspasELiteralVazio) {
    EXPECT_EQ(FormatarCobol("curta\r\n\r\nfim", false), "curta\r\n\r\nfim\r\n");
    const std::string semAspas(80, 'A');
    EXPECT_EQ(FormatarCobol(semAspas + "\r\n", false), semAspas + "\r\n");
    EXPECT_EQ(FormatarCobol("MOVE " + semAspas + "\r\n", true), "string " + semAspas + "\r\n");
    // A literal that ends exactly at the cut leaves an empty literal, which is dropped.
    const std::string linha = std::string(11, ' ') + "MOVE \"" + std::string(53, 'B') + "\"";  // 71 + closing quote
    const std::string s = FormatarCobol("  " + linha + " TO X\r\n", true);
    EXPECT_EQ(s.find("\"\"\r\n"), std::string::npos);
    EXPECT_NE(s.find("delimited by size into X"), std::string::npos);
}

TEST(Cobol, GeradorDobraSoAsLinhasDeTextoEFonte) {
    Documento d = NovoDoc();
    Item& it = d.banda(1).item(1);
    it.Texto = std::string(90, 'Z');
    it.CorFundo = 3;
    Linguagem l;
    l.ComandoF = "           MOVE \"\xA7" "c\xA7" "t\xA7" "n\xA7" "i\xA7" "s\xA7" "r\xA7" "f\" TO LINHA.";
    l.ComandoL = "           MOVE \"\xA7" "c\xA7" "cl\xA7" "cf\xA7" "ei\xA7" "ci\xA7" "ai\xA7" "el" +
                 std::string(40, 'L') + "\" TO LINHA.";
    l.ComandoT = "           MOVE \"\xA7" "t\" TO LINHA.";
    std::string s = Codigo(d, l, {true, false});
    EXPECT_NE(s.find("01" + std::string(40, 'L') + "\" TO LINHA.\r\n"), std::string::npos);  // L is never folded
    EXPECT_NE(s.find("      -    \"" + std::string(90 - 55, 'Z') + "\"\r\n"), std::string::npos);
    EXPECT_NE(s.find("\r\n               TO LINHA.\r\n"), std::string::npos);
}
