// The styled text block on a surface with fixed glyph metrics: 6 pixels per
// character (7 bold) and a 10-pixel line at 7.5 points.
#include <gtest/gtest.h>

#include "canvas/texto_estilizado.h"
#include "document/operacoes.h"
#include "superficie_falsa.h"

using namespace mobrix;
using teste::SuperficieFalsa;

namespace {

SuperficieFalsa Superficie75() {
    SuperficieFalsa s(400, 400);
    FonteSuperficie f;
    f.Tamanho = 7.5;
    s.DefinirFonte(f);
    return s;
}

struct Palavra {
    std::string texto;
    double x, y;
};

std::vector<Palavra> Desenhar(SuperficieFalsa& s, const std::string& texto, CaixaTexto caixa, OpcoesTexto op = {}) {
    s.textos.clear();
    DesenharTexto(s, texto, caixa, op);
    std::vector<Palavra> ps;
    for (const auto& t : s.textos) ps.push_back({t.texto, t.x, t.y});
    return ps;
}

void EsperarPalavra(const Palavra& p, const std::string& texto, double x, double y) {
    EXPECT_EQ(p.texto, texto);
    EXPECT_DOUBLE_EQ(p.x, x) << texto;
    EXPECT_DOUBLE_EQ(p.y, y) << texto;
}

}  // namespace

TEST(TextoEstilizado, PreencheLinhasPelaLarguraDisponivel) {
    auto s = Superficie75();
    auto ps = Desenhar(s, "aa bb cc", {10, 20, 40, 50});
    ASSERT_EQ(ps.size(), 3u);
    EsperarPalavra(ps[0], "aa", 10, 20);
    EsperarPalavra(ps[1], "bb", 28, 20);  // 6 + 12 + 6 + 12 = 36 fits in 40
    EsperarPalavra(ps[2], "cc", 10, 30);
}

TEST(TextoEstilizado, PalavraLargaFicaSozinhaNaLinha) {
    auto s = Superficie75();
    auto ps = Desenhar(s, "a palavralonga b", {0, 0, 30, 50});
    ASSERT_EQ(ps.size(), 3u);
    EsperarPalavra(ps[0], "a", 0, 0);
    EsperarPalavra(ps[1], "palavralonga", 0, 10);
    EsperarPalavra(ps[2], "b", 0, 20);
}

TEST(TextoEstilizado, EspacosIniciaisRecuamSoAPrimeiraLinha) {
    auto s = Superficie75();
    auto ps = Desenhar(s, "  aa bb", {0, 0, 30, 50});
    ASSERT_EQ(ps.size(), 2u);
    EsperarPalavra(ps[0], "aa", 12, 0);
    EsperarPalavra(ps[1], "bb", 0, 10);
}

TEST(TextoEstilizado, QuebraDeLinhaEUmaLinha) {
    auto s = Superficie75();
    auto ps = Desenhar(s, "a{e}b\r\n\r\nc", {0, 0, 300, 50});
    ASSERT_EQ(ps.size(), 3u);
    EsperarPalavra(ps[1], "b", 0, 10);
    EsperarPalavra(ps[2], "c", 0, 30);
    OpcoesTexto uma;
    uma.UmaLinha = true;
    ps = Desenhar(s, "aaaa{e}bbbb cccc", {0, 0, 20, 50}, uma);
    ASSERT_EQ(ps.size(), 2u);
    EsperarPalavra(ps[0], "aaaabbbb", 0, 0);
    EsperarPalavra(ps[1], "cccc", 54, 0);  // too wide, but on the same line
}

TEST(TextoEstilizado, AlinhamentoHorizontalEVertical) {
    auto s = Superficie75();
    OpcoesTexto op;
    op.CentroHorizontal = true;
    op.Direita = true;  // ignored when centred
    EsperarPalavra(Desenhar(s, "aa", {0, 0, 100, 30}, op)[0], "aa", 44, 0);  // (100 - 18)/2 + 3
    op.CentroHorizontal = false;
    EsperarPalavra(Desenhar(s, "aa", {0, 0, 100, 30}, op)[0], "aa", 87, 0);  // 100 - 18 + 6 - 1
    OpcoesTexto v;
    v.UmaLinha = true;
    v.CentroVertical = true;
    v.Base = true;  // ignored when centred
    EsperarPalavra(Desenhar(s, "aa", {0, 0, 100, 30}, v)[0], "aa", 0, 10);
    v.CentroVertical = false;
    EsperarPalavra(Desenhar(s, "aa", {0, 0, 100, 30}, v)[0], "aa", 0, 19);
    v.UmaLinha = false;  // several lines: no vertical alignment
    EsperarPalavra(Desenhar(s, "aa", {0, 0, 100, 30}, v)[0], "aa", 0, 0);
}

TEST(TextoEstilizado, JustificaExcetoUltimaLinhaCurta) {
    auto s = Superficie75();
    OpcoesTexto op;
    op.Justificar = true;  // space 4.5
    auto ps = Desenhar(s, "aaaa bbbb cccc dd", {0, 0, 60, 50}, op);
    ASSERT_EQ(ps.size(), 4u);
    EsperarPalavra(ps[1], "bbbb", 36, 0);   // 24 + 4.5 + gap (60 - 57 + 4.5)
    EsperarPalavra(ps[3], "dd", 28.5, 10);  // last line 45 = 75 %: natural spacing
    ps = Desenhar(s, "aaaa bbbb cccc ddd", {0, 0, 60, 50}, op);
    EsperarPalavra(ps[3], "ddd", 42, 10);  // last line 51 > 75 %: spread too
}

TEST(TextoEstilizado, EstilosPorPalavraEFonteRestaurada) {
    auto s = Superficie75();
    DesenharTexto(s, "a {N}b c{/n} d", {0, 0, 300, 20}, {});
    ASSERT_EQ(s.textos.size(), 4u);
    EXPECT_FALSE(s.textos[0].fonte.Negrito);
    EXPECT_TRUE(s.textos[1].fonte.Negrito);
    EXPECT_TRUE(s.textos[2].fonte.Negrito);
    EXPECT_FALSE(s.textos[3].fonte.Negrito);
    EXPECT_DOUBLE_EQ(s.textos[3].x, 6 + 6 + 7 + 6 + 7 + 6);  // bold words are 7 per character
    EXPECT_FALSE(s.Fonte().Negrito);
    s.textos.clear();
    DesenharTexto(s, "{n}", {0, 0, 300, 20}, {});
    EXPECT_TRUE(s.textos.empty());
}

TEST(TextoEstilizado, RotacaoNasQuatroDirecoes) {
    auto s = Superficie75();
    const CaixaTexto c{10, 20, 50, 30};
    OpcoesTexto op;
    op.Angulo = 90;  // lines run up, 30 long, and follow each other to the right
    auto ps = Desenhar(s, "aa bb", c, op);
    EsperarPalavra(ps[0], "aa", 9, 47);
    EsperarPalavra(ps[1], "bb", 19, 47);
    EXPECT_EQ(s.textos[0].angulo, 90);
    op.Angulo = 180;
    EsperarPalavra(Desenhar(s, "aa", c, op)[0], "aa", 59, 48);
    op.Angulo = 270;
    EsperarPalavra(Desenhar(s, "aa", c, op)[0], "aa", 60, 22);
}

TEST(TextoEstilizado, CorteNaCelula) {
    auto s = Superficie75();
    OpcoesTexto op;
    op.Cortar = true;
    DesenharTexto(s, "aa", {5, 6, 7, 8}, op);
    ASSERT_EQ(s.textos.size(), 1u);
    EXPECT_TRUE(s.textos[0].recortado);
    EXPECT_DOUBLE_EQ(s.textos[0].recorte.largura, 7);
    s.textos.clear();
    DesenharTexto(s, "aa", {5, 6, 7, 8}, {});
    EXPECT_FALSE(s.textos[0].recortado);
}

TEST(TextoEstilizado, MedirAltura) {
    auto s = Superficie75();
    OpcoesTexto op;
    op.SoMedir = true;
    EXPECT_EQ(DesenharTexto(s, "aa bb cc", {0, 0, 40, 1}, op), 20);
    EXPECT_EQ(DesenharTexto(s, "", {0, 0, 40, 1}, op), 10);
    op.UmaLinha = true;
    EXPECT_EQ(DesenharTexto(s, "aa{e}bb cc", {0, 0, 4, 1}, op), 10);
    op.UmaLinha = false;
    op.Angulo = 90;
    EXPECT_EQ(DesenharTexto(s, "aa bb cc", {0, 0, 40, 1}, op), 0);
    op.Angulo = 270;
    EXPECT_EQ(DesenharTexto(s, "aa bb cc", {0, 0, 40, 1}, op), 0);
    EXPECT_TRUE(s.textos.empty());
}

TEST(TextoEstilizado, AjustarTamanhoFonte) {
    EXPECT_DOUBLE_EQ(AjustarTamanhoFonte(10), 9.75);
    EXPECT_DOUBLE_EQ(AjustarTamanhoFonte(8), 8.25);
    EXPECT_DOUBLE_EQ(AjustarTamanhoFonte(0.375), 0);  // half of 0.75 goes to even
    EXPECT_DOUBLE_EQ(AjustarTamanhoFonte(1.125), 1.5);
}

namespace {

// A text item whose line height on the fake surface is round(size / 0.75).
Item TextoDeTamanho(const std::string& texto, int tamanho, bool umaLinha, int largura = 200) {
    Item it = NovoItem(FonteInicialPadrao(), 1, largura);
    it.Texto = texto;
    it.Fonte.Tamanho = static_cast<int16_t>(tamanho);
    it.Atributos.definir(5, umaLinha);
    return it;
}

Banda BandaCom(std::vector<Item> itens) {
    Banda b;
    b.Altura = 0;
    b.Itens = std::move(itens);
    ReposicionarItem(b);
    return b;
}

}  // namespace

TEST(AlturaBanda, MaiorTextoMaisQuatroComparadoComAMargem) {
    SuperficieFalsa s(10, 10);
    const DataHora agora;
    const Item de20 = TextoDeTamanho("x", 15, true);          // one line of 20
    const Item de22 = TextoDeTamanho("a{e}b", 8, false);      // two lines of 11
    const Item de25 = TextoDeTamanho("y", 19, true);          // one line of 25
    EXPECT_EQ(CalcularAlturaBanda(s, BandaCom({de20, de22}), agora), 24);
    EXPECT_EQ(CalcularAlturaBanda(s, BandaCom({de20, de25}), agora), 29);
}

TEST(AlturaBanda, SemTextoOuDeLadoOitoPixels) {
    SuperficieFalsa s(10, 10);
    const DataHora agora;
    Item figura = TextoDeTamanho("\"a.bmp\"", 10, true);
    figura.Tipo = TipoFigura;
    EXPECT_EQ(CalcularAlturaBanda(s, BandaCom({figura}), agora), 8);
    Item deLado = TextoDeTamanho("texto", 10, true);
    deLado.Atributos.definirDigito(7, 2);
    EXPECT_EQ(CalcularAlturaBanda(s, BandaCom({deLado}), agora), 8);
    Item comando = TextoDeTamanho("NOME", 10, false);
    comando.Tipo = TipoComando;
    EXPECT_EQ(CalcularAlturaBanda(s, BandaCom({comando}), agora), 17);
}

TEST(AlturaBanda, MacrosDeCorNaoContamEVariaveisSim) {
    SuperficieFalsa s(10, 10);
    DataHora agora;
    agora.nomeMes = "dezembro";
    // 17 pixels wide: the macro alone would take a line of its own.
    EXPECT_EQ(CalcularAlturaBanda(s, BandaCom({TextoDeTamanho("<%_F,1,2,3_%>a", 10, false, 20)}), agora), 17);
    // "(%_pag_%)" is "1" on the page; the month name is two lines wide.
    EXPECT_EQ(CalcularAlturaBanda(s, BandaCom({TextoDeTamanho("(%_pag_%) (%_msn_%)", 10, false, 20)}), agora), 30);
}
