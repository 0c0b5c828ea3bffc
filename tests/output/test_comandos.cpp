#include <gtest/gtest.h>

#include "document/operacoes.h"
#include "layout_exemplo.h"
#include "output/comandos.h"
#include "output/formatacao.h"

using namespace mobrix;
using namespace mobrix::teste;

namespace {

std::string Linhas(const Documento& d) { return GerarComandos(d); }

}  // namespace

TEST(Comandos, ExemploCompleto) {
    EXPECT_EQ(Linhas(Exemplo()),
              "MS 010\r\n"
              "QJ 92\r\n"
              "F 101000Arial\r\n"
              "T 009900002002960000100010Relat\xF3rio de vendas\r\n"
              "RH 00018\r\n"
              "FC\r\n"
              "F 100000Arial\r\n"
              "L 00990000000200000100000001\r\n"
              "T 009900002001960000100010NOME\r\n"
              "G 009900200001000000100010logo.bmp\r\n"
              "RH 00018\r\n"
              "QL\r\n"
              "QP\r\n");
}

TEST(Comandos, ConfiguracaoDeUmLayoutNovo) {
    EXPECT_EQ(Linhas(NovoDoc()),
              "QJ 92\r\nF 100000Arial\r\nT 009900002000600000100010Texto 1\r\nRH 00018\r\nQL\r\n");
}

TEST(Comandos, FormatosDeEmailEOpcoes) {
    Documento d = NovoDoc();
    d.Config.FormatoEmail = 4;
    d.Config.QualidadeJPG = 100;
    EXPECT_EQ(Linhas(d).substr(0, 8), "EP 100\r\n");
    d.Config.FormatoEmail = 3;
    EXPECT_EQ(Linhas(d).substr(0, 4), "EG\r\n");
    d.Config.FormatoEmail = 2;
    EXPECT_EQ(Linhas(d).substr(0, 4), "EE\r\n");
    d.Config.FormatoEmail = 5;
    EXPECT_EQ(Linhas(d).substr(0, 4), "EW\r\n");
    d.Config.FormatoEmail = 9;
    d.Config.QualidadeJPG = 7;
    d.Config.NomeImpressora = "<?>";
    d.Config.TextoEmail = "a{ENTER}b";
    d.Config.Paisagem = d.Config.Imprimir = d.Config.Visivel = d.Config.TemCapa = d.Config.EnviarEmail = true;
    EXPECT_EQ(Linhas(d).substr(0, 47), "I <?>\r\nQJ 7\r\nET a{ENTER}b\r\nIP\r\nIR\r\nSV\r\nTC\r\nE \r\n");
}

TEST(Comandos, Margens) {
    Documento d = NovoDoc();
    d.Config.MargemSuperior = "\"5\"";
    d.Config.MargemEsquerda = "MARG_ESQ";
    d.Config.MargemInferior = "\"2.5\"";
    EXPECT_EQ(Linhas(d).substr(0, 36), "MS 005\r\nME MARG_ESQ\r\nMI 003\r\nQJ 92\r\n");
    d.Config.MargemSuperior = "\"-2.5\"";
    d.Config.MargemEsquerda = "\"abc\"";
    d.Config.MargemInferior = "\"1234.4\"";
    EXPECT_EQ(Linhas(d).substr(0, 31), "MS -003\r\nME 000\r\nMI 1234\r\nQJ 92");
}

TEST(Comandos, DeslocamentoAlturaEFimDeBanda) {
    Documento d = NovoDoc();
    AddBanda(d, 0, false, 0, 0);
    AddBanda(d, 0, false, 0, 0);
    d.banda(1).Deslocamento = 50;  // never written
    d.banda(2).Deslocamento = -3;
    d.banda(3).Deslocamento = 7;
    d.banda(3).Altura = -25;
    d.Config.FimCabecalho = 2;
    d.Config.InicioRodape = 2;
    std::string s = Linhas(d);
    EXPECT_EQ(s.find("RT 00050"), std::string::npos);
    EXPECT_NE(s.find("RT -0003\r\nRH 00018\r\nFC\r\n"), std::string::npos);
    EXPECT_NE(s.find("RT 00007\r\nRH 00000\r\nQL\r\n"), std::string::npos);
    EXPECT_EQ(s.find("RO"), std::string::npos);
    EXPECT_EQ(NumeroDeslocamento(-12), "-0012");
    EXPECT_EQ(NumeroDeslocamento(123456), "123456");
}

TEST(Comandos, FonteSoQuandoMuda) {
    Documento d = NovoDoc();
    AddBanda(d, 0, false, 0, 0);
    std::string s = Linhas(d);
    EXPECT_EQ(s.find("F "), s.rfind("F "));
    d.banda(2).item(1).Fonte.Nome = "arial";  // names compare exactly
    s = Linhas(d);
    EXPECT_NE(s.find("F 100000arial"), std::string::npos);
}

TEST(Comandos, ItensPorTipo) {
    Documento d = NovoDoc();
    Banda& b = d.banda(1);
    b.item(1).Texto = "\"aspas\" no texto";
    for (int i = 0; i < 6; ++i) AddItem(d, 1, false, 0);
    b.item(2).Tipo = TipoEAN13;
    b.item(2).Texto = "VARIAVEL";
    b.item(3).Tipo = TipoCode128B;
    b.item(3).Texto = "\"AB\"C\"";
    b.item(4).Tipo = TipoBarraGrafico;
    b.item(4).Texto = "QTD";
    b.item(4).CorFundo = 3;
    b.item(4).Linhas = Texto10("1111110000");
    b.item(5).Tipo = TipoPDF417;
    b.item(5).Texto = "\"x\"";
    b.item(5).Largura = 4;
    b.item(6).Tipo = TipoFigura;
    b.item(6).Texto = "";
    b.item(6).Largura = 2;
    b.item(7).Texto = "";
    b.item(7).CorFundo = 3;
    ReposicionarItem(b);
    std::string s = Linhas(d);
    EXPECT_NE(s.find("T 009900002000600000100010\"aspas\" no texto\r\n"), std::string::npos);
    EXPECT_NE(s.find("Ba009900064000640000100010" "1234567890\r\n"), std::string::npos);
    EXPECT_NE(s.find("Bi009900128000640000100010ABC\r\n"), std::string::npos);
    EXPECT_NE(s.find("LG0003001920006400001000101" "0\r\n"), std::string::npos);
    EXPECT_EQ(s.find("L 00030019200064"), std::string::npos);  // graph bars have no frame line
    EXPECT_EQ(s.find("B0"), std::string::npos);                // PDF417 narrower than 5
    EXPECT_NE(s.find("G 009900260000020000100010\r\n"), std::string::npos);  // pictures never skipped
    EXPECT_NE(s.find("L 00030026200064000000000001\r\nRH"), std::string::npos);  // background only
    b.item(5).Largura = 5;
    EXPECT_NE(Linhas(d).find("B00099002560000500001000" "10x\r\n"), std::string::npos);
}

TEST(Comandos, LetrasDosCodigos) {
    const char* letras = "abcdefghi";
    for (int t = 31; t <= 39; ++t) EXPECT_EQ(LetraCodigoBarras(t), letras[t - 31]);
    EXPECT_EQ(LetraCodigoBarras(80), '0');
}

TEST(Formatacao, NumerosEValores) {
    EXPECT_EQ(Numero(5, 2), "05");
    EXPECT_EQ(Numero(123, 2), "123");
    EXPECT_EQ(Numero(-5, 5), "-00005");
    EXPECT_EQ(Numero(INT64_MIN, 2), "-9223372036854775808");
    EXPECT_DOUBLE_EQ(ValorNumerico("12.5abc"), 12.5);
    EXPECT_DOUBLE_EQ(ValorNumerico("abc"), 0.0);
    EXPECT_DOUBLE_EQ(ValorNumerico("-.5"), -0.5);
    EXPECT_EQ(ArredondarLonge(2.5), 3);
    EXPECT_EQ(ArredondarLonge(-2.5), -3);
    EXPECT_EQ(ArredondarPar(2.5), 2);
    EXPECT_EQ(ArredondarLonge(1e300), INT64_MAX);
}
