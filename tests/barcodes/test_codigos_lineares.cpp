// The linear encoders on the fake surface: exact bars at every angle against
// module strings built independently, normalisation, sizes and the
// human-readable line.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "barcodes/codigo_por_tipo.h"
#include "barcodes/codigos_lineares.h"
#include "document/modelo.h"
#include "simbologias.h"
#include "superficie_falsa.h"

using namespace mobrix;
using teste::SuperficieFalsa;

namespace {

constexpr int16_t Angulos[] = {0, 90, 180, 270};

std::string Aleatorio(std::mt19937& rng, const std::string& alfabeto, size_t minimo, size_t maximo) {
    std::string s(std::uniform_int_distribution<size_t>(minimo, maximo)(rng), ' ');
    for (char& c : s) c = alfabeto[std::uniform_int_distribution<size_t>(0, alfabeto.size() - 1)(rng)];
    return s;
}

std::string Digitos(std::mt19937& rng, size_t n) { return Aleatorio(rng, "0123456789", n, n); }

int16_t Altura(std::mt19937& rng) { return static_cast<int16_t>(std::uniform_int_distribution<int>(1, 45)(rng)); }

std::vector<int> Pares(const std::string& digitos) {
    std::vector<int> v;
    for (size_t i = 0; i + 1 < digitos.size(); i += 2) v.push_back((digitos[i] - '0') * 10 + digitos[i + 1] - '0');
    return v;
}

// The picture of a linear item drawn with its numbers hidden.
std::string Desenho(int tipo, int16_t altura, const std::string& texto, int16_t angulo) {
    SuperficieFalsa s;
    EXPECT_TRUE(DesenharCodigoLinear(s, tipo, altura, texto, true, angulo));
    return s.Arte();
}

// A symbol with its numbers shown, for the checks of the human-readable line.
struct ComNumeros {
    SuperficieFalsa s;
    ComNumeros(int tipo, int16_t altura, const std::string& texto, int16_t angulo = 0) {
        DesenharCodigoLinear(s, tipo, altura, texto, false, angulo);
    }
    std::vector<std::string> Textos() const {
        std::vector<std::string> v;
        for (const auto& t : s.textos) v.push_back(t.texto);
        return v;
    }
};

}  // namespace

TEST(GirarPonto, GiraNoSentidoAntiHorario) {
    // The point (3, 5) of a 20 x 10 symbol.
    struct {
        int16_t angulo;
        int32_t x, y;
    } casos[] = {{90, 5, 16}, {180, 16, 4}, {270, 4, 3}, {0, 3, 5}, {45, 3, 5}};
    for (const auto& c : casos) {
        int32_t x, y;
        GirarPonto(3, 5, 20, 10, c.angulo, x, y);
        EXPECT_EQ(x, c.x) << c.angulo;
        EXPECT_EQ(y, c.y) << c.angulo;
    }
}

TEST(BarrasExatas, Code39ComESemCheck) {
    std::mt19937 rng(39);
    for (int i = 0; i < 40; ++i) {
        std::string dados = Aleatorio(rng, "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%", 0, 12);
        int16_t h = Altura(rng), angulo = Angulos[i % 4];
        for (bool check : {false, true}) {
            std::string m = teste::Code39(dados, check);
            EXPECT_EQ(Desenho(check ? TipoCode39Check : TipoCode39, h, dados, angulo),
                      teste::Arte(m, 1, 0, h - 1, static_cast<int>(m.size()) + 1, h, angulo))
                << dados << " check " << check << " at " << angulo;
        }
    }
}

TEST(BarrasExatas, Code128TabelasBeC) {
    std::mt19937 rng(128);
    std::string imprimiveis;
    for (char c = ' '; c <= '~'; ++c) imprimiveis += c;
    for (int i = 0; i < 40; ++i) {
        int16_t h = Altura(rng), angulo = Angulos[i % 4];
        std::string texto = Aleatorio(rng, imprimiveis, 0, 15);
        std::vector<int> valores;
        for (char c : texto) valores.push_back(c - 32);
        std::string m = teste::Code128(104, valores);
        // Bars run one row past the bar height, out of a picture without numbers.
        EXPECT_EQ(Desenho(TipoCode128B, h, texto, angulo),
                  teste::Arte(m, 1, 0, h, static_cast<int>(m.size()) + 2, h, angulo))
            << texto << " at " << angulo;

        std::string digitos = Digitos(rng, 2 * (i % 9));
        m = teste::Code128(105, Pares(digitos));
        EXPECT_EQ(Desenho(TipoCode128C, h, digitos, angulo),
                  teste::Arte(m, 1, 0, h, static_cast<int>(m.size()) + 2, h, angulo))
            << digitos << " at " << angulo;
    }
}

TEST(BarrasExatas, EAN13eEAN8) {
    std::mt19937 rng(13);
    for (int i = 0; i < 40; ++i) {
        int16_t h = Altura(rng), angulo = Angulos[i % 4];
        std::string d = Digitos(rng, 12);
        std::string m = teste::EAN(d + teste::DigitoEAN(d));
        EXPECT_EQ(Desenho(TipoEAN13, h, d, angulo), teste::Arte(m, 1, 0, h, 96, h, angulo)) << d << " at " << angulo;
        d = Digitos(rng, 7);
        m = teste::EAN(d + teste::DigitoEAN(d));
        EXPECT_EQ(Desenho(TipoEAN8, h, d, angulo), teste::Arte(m, 1, 0, h, 68, h, angulo)) << d << " at " << angulo;
    }
}

TEST(BarrasExatas, Intercalado25NasTresApresentacoes) {
    std::mt19937 rng(25);
    for (int i = 0; i < 30; ++i) {
        int16_t h = Altura(rng), angulo = Angulos[i % 4];
        std::string d = Digitos(rng, 2 * (i % 8));
        std::string m = teste::ITF(d);
        int w = static_cast<int>(d.size()) * 9 + 12;
        std::string baixa = teste::Arte(m, 1, 0, h - 1, w, h, angulo);
        EXPECT_EQ(Desenho(TipoIntercalado25, h, d, angulo), baixa) << d << " at " << angulo;
        // Hidden numbers leave no room above the bars either.
        EXPECT_EQ(Desenho(TipoIntercalado25NumerosTopo, h, d, angulo), baixa) << d << " at " << angulo;
        // Kind 37 fills the rows of the numbers with bars.
        EXPECT_EQ(Desenho(TipoIntercalado25SemNumeros, h, d, angulo), teste::Arte(m, 1, 0, h + 11, w, h + 12, angulo))
            << d << " at " << angulo;
    }
}

TEST(BarrasExatas, ExemplosPublicados) {
    EXPECT_EQ(Desenho(TipoCode128C, 2, "012345", 0),
              teste::Arte("11010011100110011011001110110111010111011000100101111001100011101011", 1, 0, 2, 70, 2, 0));
    EXPECT_EQ(Desenho(TipoEAN8, 2, "1234567", 0),
              teste::Arte("1010011001001001101111010100011010101001110101000010001001110010101", 1, 0, 2, 68, 2, 0));
    EXPECT_EQ(Desenho(TipoIntercalado25, 2, "12", 0),
              teste::Arte("1010" "111010001010111000" "11101", 1, 0, 1, 30, 2, 0));
}

TEST(Normalizacao, Code39) {
    EXPECT_EQ(Desenho(TipoCode39, 10, "abc*12", 0), Desenho(TipoCode39, 10, "ABC12", 0));
    EXPECT_EQ(Desenho(TipoCode39, 10, "ab#", 0), Desenho(TipoCode39, 10, "AB ", 0));
    EXPECT_EQ(Desenho(TipoCode39, 10, "x\xC4\xFF\x01", 0), Desenho(TipoCode39, 10, "X   ", 0));
    // The check character of ABC123 is index (10 + 11 + 12 + 1 + 2 + 3) mod 43 = 39, '$'.
    EXPECT_EQ(Desenho(TipoCode39Check, 10, "ABC123", 0), Desenho(TipoCode39, 10, "ABC123$", 0));
    EXPECT_EQ(ComNumeros(TipoCode39Check, 10, "abc*12").Textos(), std::vector<std::string>{"ABC12"});
    EXPECT_EQ(ComNumeros(TipoCode39, 10, "ab#").Textos(), std::vector<std::string>{"AB "});
    // An empty text still has start, check and stop.
    EXPECT_EQ(Desenho(TipoCode39Check, 10, "", 0), teste::Arte(teste::Code39("", true), 1, 0, 9, 49, 10, 0));
}

TEST(Normalizacao, Code128) {
    EXPECT_EQ(Desenho(TipoCode128C, 10, "12345", 0), Desenho(TipoCode128C, 10, "012345", 0));
    EXPECT_EQ(Desenho(TipoCode128C, 10, "12a4", 0), Desenho(TipoCode128C, 10, "1204", 0));
    EXPECT_EQ(Desenho(TipoCode128C, 10, "  1234 ", 0), Desenho(TipoCode128C, 10, "1234", 0));
    EXPECT_EQ(ComNumeros(TipoCode128C, 10, "12345").Textos(), std::vector<std::string>{"012345"});
    const std::string texto = "\xC4" "1";  // "Ä1"
    EXPECT_EQ(Desenho(TipoCode128B, 10, texto, 0), Desenho(TipoCode128B, 10, "01", 0));
    EXPECT_EQ(ComNumeros(TipoCode128B, 10, texto).Textos(), std::vector<std::string>{"01"});
    EXPECT_EQ(texto, "\xC4" "1");
    EXPECT_EQ(Desenho(TipoCode128B, 10, "a\x7F\t", 0), Desenho(TipoCode128B, 10, "a00", 0));
}

TEST(Normalizacao, EANRecalculaOVerificador) {
    using V = std::vector<std::string>;
    EXPECT_EQ(ComNumeros(TipoEAN13, 20, "5901234123457").Textos(), (V{"5", "901234", "123457"}));
    EXPECT_EQ(ComNumeros(TipoEAN13, 20, "5901234123450").Textos(), (V{"5", "901234", "123457"}));
    EXPECT_EQ(ComNumeros(TipoEAN13, 20, "123").Textos(), (V{"0", "000000", "001236"}));
    EXPECT_EQ(ComNumeros(TipoEAN13, 20, "12a").Textos(), (V{"0", "000000", "001205"}));
    EXPECT_EQ(ComNumeros(TipoEAN13, 20, "").Textos(), (V{"0", "000000", "000000"}));
    EXPECT_EQ(ComNumeros(TipoEAN8, 20, "1234567").Textos(), (V{"1234", "5670"}));
    EXPECT_EQ(ComNumeros(TipoEAN8, 20, "123456789").Textos(), (V{"1234", "5670"}));
    EXPECT_EQ(Desenho(TipoEAN13, 10, "5901234123457", 0), Desenho(TipoEAN13, 10, "590123412345", 0));
}

TEST(Normalizacao, Intercalado25) {
    SuperficieFalsa s;
    DesenharIntercalado25(s, 10, "12345", true, false, 0);
    EXPECT_EQ(s.Largura(), 66);
    EXPECT_EQ(s.textos.at(0).texto, "012345");
    EXPECT_EQ(Desenho(TipoIntercalado25, 10, "1a3", 0), Desenho(TipoIntercalado25, 10, "0103", 0));
}

TEST(Geometria, TamanhosComNumeros) {
    struct Caso {
        int tipo;
        const char* texto;
        int largura, altura;
    } casos[] = {
        {TipoCode39, "ABC12", 16 * 7 + 1, 32},   {TipoCode39Check, "ABC12", 16 * 8 + 1, 32},
        {TipoCode128C, "1234", 11 * 4 + 13 + 2, 32}, {TipoCode128B, "AB", 11 * 2 + 37, 32},
        {TipoEAN13, "1", 106, 32},                {TipoEAN8, "1", 78, 32},
        {TipoIntercalado25, "1234", 48, 32},       {TipoIntercalado25SemNumeros, "1234", 48, 32},
        {TipoIntercalado25NumerosTopo, "1234", 48, 32},
    };
    for (const Caso& c : casos) {
        for (int16_t angulo : Angulos) {
            ComNumeros d(c.tipo, 20, c.texto, angulo);
            bool deitado = angulo == 90 || angulo == 270;
            EXPECT_EQ(d.s.Largura(), deitado ? c.altura : c.largura) << c.tipo << " at " << angulo;
            EXPECT_EQ(d.s.Altura(), deitado ? c.largura : c.altura) << c.tipo << " at " << angulo;
        }
    }
}

TEST(Geometria, AlturaDasBarrasPorSimbologia) {
    // Code 39 and Interleaved 2 of 5 stop one row above the bar height,
    // Code 128 and EAN reach it; EAN's guard bars run down through the digits.
    auto escuro = [](const SuperficieFalsa& s, int x, int y) { return s.LerPixel(x, y) == Preto; };
    ComNumeros c39(TipoCode39, 20, "1");
    EXPECT_TRUE(escuro(c39.s, 1, 19));
    EXPECT_FALSE(escuro(c39.s, 1, 20));
    ComNumeros c128(TipoCode128B, 20, "1");
    EXPECT_TRUE(escuro(c128.s, 1, 20));
    EXPECT_FALSE(escuro(c128.s, 1, 21));
    ComNumeros ean(TipoEAN13, 20, "1");
    EXPECT_FALSE(escuro(ean.s, 10, 0));  // ten columns for the first digit
    EXPECT_TRUE(escuro(ean.s, 11, 31));  // start guard to the bottom
    EXPECT_TRUE(escuro(ean.s, 11 + 46, 31));  // centre guard's first bar
    EXPECT_TRUE(escuro(ean.s, 11 + 94, 31));  // end guard's last bar
    // The first data bar of digit 2 (a '0' in L, 0001101) stops at the bar height.
    EXPECT_TRUE(escuro(ean.s, 11 + 3 + 3, 20));
    EXPECT_FALSE(escuro(ean.s, 11 + 3 + 3, 21));
    ComNumeros topo(TipoIntercalado25NumerosTopo, 20, "12");
    EXPECT_FALSE(escuro(topo.s, 1, 11));
    EXPECT_TRUE(escuro(topo.s, 1, 12));
    EXPECT_TRUE(escuro(topo.s, 1, 31));
}

TEST(Geometria, LinhaDeNumeros) {
    ComNumeros c39(TipoCode39, 20, "ABC12");
    ASSERT_EQ(c39.s.textos.size(), 1u);
    const auto& t = c39.s.textos[0];
    // Centred on the last column drawn, 16 x 7 = 112; the fake glyphs are 6 pixels wide.
    EXPECT_EQ(t.x, 112 / 2 - 30 / 2);
    EXPECT_EQ(t.y, 19);
    EXPECT_EQ(t.fonte, (FonteSuperficie{.Nome = "Arial", .Tamanho = 8}));
    EXPECT_EQ(t.cor, Preto);
    EXPECT_EQ(t.angulo, 0);

    ComNumeros ean13(TipoEAN13, 20, "5901234123457");
    ASSERT_EQ(ean13.s.textos.size(), 3u);
    EXPECT_EQ(ean13.s.textos[0].x, 2);
    EXPECT_EQ(ean13.s.textos[1].x, 18);
    EXPECT_EQ(ean13.s.textos[2].x, 64);
    ComNumeros ean8(TipoEAN8, 20, "1234567");
    ASSERT_EQ(ean8.s.textos.size(), 2u);
    EXPECT_EQ(ean8.s.textos[0].x, 17);
    EXPECT_EQ(ean8.s.textos[1].x, 49);

    ComNumeros c128b(TipoCode128B, 20, "AB");  // W = 59
    EXPECT_EQ(c128b.s.textos.at(0).x, std::lrint(59 / 2.0 - 6));
    ComNumeros c128c(TipoCode128C, 20, "123456");  // 68 modules
    EXPECT_EQ(c128c.s.textos.at(0).x, 34 - 18);

    ComNumeros topo(TipoIntercalado25NumerosTopo, 20, "1234");  // last column 45
    EXPECT_EQ(topo.s.textos.at(0).y, 0);
    EXPECT_EQ(topo.s.textos.at(0).x, std::lrint(45 / 2.0 - 12));
    EXPECT_TRUE(ComNumeros(TipoIntercalado25SemNumeros, 20, "1234").s.textos.empty());
}

TEST(Geometria, NumerosGiramComAsBarras) {
    // Code 39 "1": W = 49, H = 32; the text's top-left (48 / 2 - 3, 19) turns with the symbol.
    struct {
        int16_t angulo;
        double x, y;
    } casos[] = {{90, 19, 27}, {180, 27, 12}, {270, 12, 21}, {45, 21, 19}};
    for (const auto& c : casos) {
        ComNumeros d(TipoCode39, 20, "1", c.angulo);
        ASSERT_EQ(d.s.textos.size(), 1u);
        EXPECT_EQ(d.s.textos[0].x, c.x) << c.angulo;
        EXPECT_EQ(d.s.textos[0].y, c.y) << c.angulo;
        EXPECT_EQ(d.s.textos[0].angulo, c.angulo == 45 ? 0 : c.angulo);
    }
}

TEST(Geometria, AlturaMenorQueUmViraUm) {
    const std::string um = Desenho(TipoCode39, 1, "A", 0);
    EXPECT_EQ(um, teste::Arte(teste::Code39("A", false), 1, 0, 0, 49, 1, 0));
    EXPECT_EQ(Desenho(TipoCode39, 0, "A", 0), um);
    EXPECT_EQ(Desenho(TipoCode39, -7, "A", 0), um);
    EXPECT_EQ(Desenho(TipoEAN8, -1, "1", 90), Desenho(TipoEAN8, 1, "1", 90));
}

TEST(Geometria, TextoLongoDemaisDeixaFiguraVazia) {
    SuperficieFalsa s(5, 5);
    DesenharCode128B(s, 20, std::string(100000, 'A'), true, 0);
    EXPECT_EQ(s.Largura(), 0);
    DesenharCode39(s, 20, std::string(3000, 'A'), true, true, 0);  // wider than the fake's largest picture
    EXPECT_EQ(s.Largura(), 0);
    DesenharEAN13(s, 20, std::string(100000, '7'), true, 0);  // cut to 12 digits
    EXPECT_EQ(s.Largura(), 106);
}

TEST(Geometria, TipoQueNaoELinear) {
    SuperficieFalsa s(5, 5);
    EXPECT_FALSE(DesenharCodigoLinear(s, TipoPDF417, 20, "1", false, 0));
    EXPECT_FALSE(DesenharCodigoLinear(s, TipoBarraGrafico, 20, "1", false, 0));
    EXPECT_EQ(s.Largura(), 5);
}
