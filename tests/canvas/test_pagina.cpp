// The page renderer on the fake surface: geometry, canvas size, markers,
// colours and the content of each kind.
#include <gtest/gtest.h>

#include <climits>

#include "canvas/figuras.h"
#include "canvas/redesenho.h"
#include "contexto_teste.h"
#include "document/paleta.h"
#include "output/comandos.h"
#include "superficie_falsa.h"

using namespace mobrix;
using teste::SuperficieFalsa;
using Bancada = teste::Bancada<SuperficieFalsa>;

namespace {

constexpr Cor Cinza230 = Rgb(230, 230, 230);
constexpr Cor Vermelho = Rgb(255, 0, 0);
constexpr Cor Azul = Rgb(0, 0, 255);

std::vector<teste::TextoEscrito> TextosDosItens(const SuperficieFalsa& s) {
    std::vector<teste::TextoEscrito> r;
    for (const auto& t : s.textos)
        if (t.texto.rfind("A4 (", 0) != 0) r.push_back(t);
    return r;
}

}  // namespace

TEST(Pagina, PosicoesMarcadores) {
    Bancada b;
    AddBanda(b.doc, 0, false, 0, 0);
    b.doc.banda(2).Deslocamento = -1000;
    b.doc.Config.FimCabecalho = 1;
    b.doc.Config.InicioRodape = 2;
    ResultadoPagina r = b.Exibir();
    EXPECT_EQ(b.doc.banda(2).Topo, 16);
    EXPECT_TRUE(r.cabecalhoVisivel);
    EXPECT_EQ(r.yCabecalho, 34);
    EXPECT_TRUE(r.rodapeVisivel);
    EXPECT_EQ(r.yRodape, 15);
    b.doc.Config.FimCabecalho = 0;
    EXPECT_FALSE(b.Exibir().cabecalhoVisivel);
}

TEST(Pagina, AlturaAutomaticaGuardadaNegativa) {
    Bancada b;
    AddBanda(b.doc, 0, false, 0, 0);
    b.doc.banda(1).Altura = 0;  // "Texto 1" at 10 points: a 13-pixel line
    b.Exibir();
    EXPECT_EQ(b.doc.banda(1).Altura, -17);
    EXPECT_EQ(b.doc.banda(2).Topo, 33);
    b.item(1, 1).Tipo = TipoFigura;
    b.Exibir();
    EXPECT_EQ(b.doc.banda(1).Altura, -8);
}

TEST(Pagina, ContornoDaFolhaRetratoEPaisagem) {
    Bancada b;
    b.Exibir();
    EXPECT_EQ(b.pagina.LerPixel(776, 500), Rgb(0, 255, 255));
    EXPECT_EQ(b.pagina.LerPixel(300, 1043), Rgb(0, 255, 255));
    ASSERT_FALSE(b.pagina.textos.empty());
    EXPECT_EQ(b.pagina.textos[0].texto, "A4 (Retrato)");
    EXPECT_EQ(b.pagina.textos[0].x, 778);
    EXPECT_EQ(b.pagina.textos[0].cor, Vermelho);
    b.doc.Config.Paisagem = true;
    b.pagina.textos.clear();
    b.Exibir();
    EXPECT_EQ(b.pagina.LerPixel(1035, 500), Rgb(0, 255, 0));
    EXPECT_EQ(b.pagina.LerPixel(300, 784), Rgb(0, 255, 0));
    EXPECT_EQ(b.pagina.LerPixel(776, 500), Branco);
    EXPECT_EQ(b.pagina.textos[0].texto, "A4 (Paisagem)");
}

TEST(Pagina, CanvasCresceEmLarguraEAltura) {
    Bancada b;
    EXPECT_EQ(b.pagina.Largura(), 1120);
    b.item(1, 1).Largura = 2000;
    ResultadoPagina r = b.Exibir();
    EXPECT_EQ(r.largura, 2128);
    EXPECT_EQ(r.altura, 1120);
    for (int i = 1; i < 100; ++i) AddBanda(b.doc, 0, false, 0, 0);
    r = b.Exibir();
    EXPECT_EQ(r.altura, 2092);  // 1120 -> 1444 -> 1768 -> 2092, bottoms 1060, 1384, 1708
    EXPECT_EQ(r.largura, 2128);
    b.item(1, 1).Largura = 10;
    r = b.Exibir();
    EXPECT_EQ(r.largura, 2128);  // never shrinks
    EXPECT_EQ(r.altura, 2092);
}

TEST(Pagina, SemMemoriaUsaTamanhoReservaEAvisaUmaVez) {
    Bancada b;
    b.pagina.LarguraMaximaPermitida = 2100;
    b.item(1, 1).Largura = 2000;
    b.Exibir();
    EXPECT_FALSE(b.estado.PaginaAmpliavel());
    EXPECT_EQ(b.pagina.Largura(), 2016);
    EXPECT_EQ(b.pagina.Altura(), 2016);
    ASSERT_EQ(b.dialogos.mensagens.size(), 1u);
    EXPECT_EQ(b.dialogos.mensagens[0].texto, MensagemMemoriaPagina);
    EXPECT_EQ(b.dialogos.mensagens[0].icone, Icone::Aviso);
    EXPECT_EQ(b.dialogos.mensagens[0].titulo, "MobrixEdit 2.0");
    b.item(1, 1).Largura = 3000;
    b.Exibir();
    EXPECT_EQ(b.pagina.Largura(), 2016);
    EXPECT_EQ(b.dialogos.mensagens.size(), 1u);
    EXPECT_EQ(b.pagina.LerPixel(8, 16), Cinza230);  // drawing goes on
    b.pagina.LarguraMaximaPermitida = 4000;
    b.estado.TamanhoInicial(b.pagina, 1024, &b.dialogos);
    EXPECT_TRUE(b.estado.PaginaAmpliavel());
}

TEST(Pagina, MarcasDeQuebraEComentario) {
    Bancada b;
    AddBanda(b.doc, 0, false, 0, 0);
    QuebraPaginaAdd(b.doc.Config, 1);
    b.doc.banda(1).Comentario = "x";
    b.doc.banda(2).Comentario = "y";
    b.Exibir();
    EXPECT_EQ(b.pagina.LerPixel(1, 20), PaletaBasica[7]);
    EXPECT_EQ(b.pagina.LerPixel(3, 20), Azul);
    EXPECT_EQ(b.pagina.LerPixel(6, 16), Azul);
    EXPECT_EQ(b.pagina.LerPixel(1, 31), Azul);  // arrow head at bottom - 1 - k
    EXPECT_EQ(b.pagina.LerPixel(5, 31), Azul);
    EXPECT_EQ(b.pagina.LerPixel(2, 32), Azul);
    EXPECT_EQ(b.pagina.LerPixel(2, 34), Rgb(210, 210, 210));
    EXPECT_EQ(b.pagina.LerPixel(4, 51), Rgb(210, 210, 210));
    EXPECT_EQ(b.pagina.LerPixel(5, 40), Branco);
    EXPECT_EQ(b.pagina.LerPixel(3, 52), Branco);
}

TEST(Pagina, ContornoDaCelulaEFundo) {
    Bancada b;
    b.Exibir();
    EXPECT_EQ(b.pagina.LerPixel(8, 16), Cinza230);
    EXPECT_EQ(b.pagina.LerPixel(71, 33), Cinza230);
    EXPECT_EQ(b.pagina.LerPixel(40, 25), Branco);
    EXPECT_EQ(b.pagina.LerPixel(72, 25), Branco);
    b.item(1, 1).CorFundo = 3;
    b.Exibir();
    EXPECT_EQ(b.pagina.LerPixel(8, 16), Rgb(0, 128, 128));
    EXPECT_EQ(b.pagina.LerPixel(71, 33), Rgb(0, 128, 128));
    EXPECT_EQ(b.pagina.LerPixel(72, 33), Branco);
    b.item(1, 1).CorFundo = 99;
    b.item(1, 1).Texto = "<%_F,1,2,3_%>Texto";
    b.Exibir();
    EXPECT_EQ(b.pagina.LerPixel(40, 25), Rgb(1, 2, 3));
}

TEST(Pagina, LinhasNaOrdemENaEspessura) {
    Bancada b;
    Item& it = b.item(1, 1);
    it.Linhas = Texto10("1111110000");
    it.CorLinhas = 12;
    it.Espessura = 2;
    b.Exibir();
    // Cell 8..71 x 16..33: H 19, W 65.
    for (int y : {16, 17, 24, 25, 32, 33}) EXPECT_EQ(b.pagina.LerPixel(30, y), Vermelho) << y;
    for (int y : {18, 23, 26, 31}) EXPECT_EQ(b.pagina.LerPixel(30, y), Branco) << y;
    for (int x : {8, 9, 39, 40, 70, 71}) EXPECT_EQ(b.pagina.LerPixel(x, 20), Vermelho) << x;
    for (int x : {10, 38, 41, 69}) EXPECT_EQ(b.pagina.LerPixel(x, 20), Branco) << x;
    it.Linhas = Texto10("1000000000");
    it.Espessura = 30;  // thicker than the cell: starts above it
    b.Exibir();
    EXPECT_EQ(b.pagina.LerPixel(30, 10), Branco);
    EXPECT_EQ(b.pagina.LerPixel(30, 11), Vermelho);
    EXPECT_EQ(b.pagina.LerPixel(30, 40), Vermelho);
    EXPECT_EQ(b.pagina.LerPixel(30, 41), Branco);
    it.Linhas = Texto10("0000100000");
    it.Texto = "<%_L,0,0,255_%>x";
    it.Espessura = 1;
    b.Exibir();
    EXPECT_EQ(b.pagina.LerPixel(30, 16), Azul);
}

TEST(Pagina, TextoEstreitoNaoEscreveMasDesenhaCelula) {
    Bancada b;
    b.item(1, 1).Largura = 4;
    b.item(1, 1).CorFundo = 12;
    b.Exibir();
    EXPECT_TRUE(TextosDosItens(b.pagina).empty());
    EXPECT_EQ(b.pagina.LerPixel(10, 20), Vermelho);
    b.item(1, 1).Largura = 5;
    b.Exibir();
    auto t = TextosDosItens(b.pagina);
    ASSERT_EQ(t.size(), 1u);  // "1" lies past the clipped cell and is skipped
    EXPECT_EQ(t[0].texto, "Texto");
}

TEST(Pagina, TextoComVariaveisCoresEFonte) {
    Bancada b;
    Item& it = b.item(1, 1);
    it.Largura = 300;
    it.Texto = "(%_PAG_%) de (%_pgs_%)";
    it.CorTexto = 12;
    AddItem(b.doc, 1, false, 10);
    b.item(1, 2).Texto = "<%_T,1,2,3_%>b";
    b.item(1, 2).Fonte.Tamanho = 0;
    b.item(1, 2).Fonte.Nome = "";
    b.Exibir();
    auto t = TextosDosItens(b.pagina);
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(t[0].texto, "1");
    EXPECT_EQ(t[2].texto, "10");
    EXPECT_EQ(t[0].cor, Vermelho);
    EXPECT_DOUBLE_EQ(t[0].x, 10);  // cell + 2
    EXPECT_DOUBLE_EQ(t[0].y, 16);
    EXPECT_FALSE(t[0].recortado);  // well inside the cell: nothing to clip
    EXPECT_TRUE(t[3].recortado);    // "b" nearly fills its 7-pixel-wide text area
    EXPECT_DOUBLE_EQ(t[3].recorte.largura, 7);
    EXPECT_DOUBLE_EQ(t[3].recorte.altura, 19);
    EXPECT_EQ(t[3].texto, "b");
    EXPECT_EQ(t[3].cor, Rgb(1, 2, 3));
    EXPECT_EQ(t[3].fonte.Nome, "Arial");  // size 0 and no face: the previous font
    EXPECT_DOUBLE_EQ(t[3].fonte.Tamanho, 9.75);
    Item& segundo = b.item(1, 2);
    segundo.Atributos.definir(8, true);  // do not clip
    b.pagina.textos.clear();
    b.Exibir();
    EXPECT_FALSE(TextosDosItens(b.pagina)[3].recortado);
}

TEST(Pagina, Posicao7DoTextoDaAnguloEJustificacao) {
    Bancada b;
    b.doc.banda(1).Altura = 100;
    Item& it = b.item(1, 1);
    it.Largura = 300;
    it.Texto = "aa bb";
    it.Fonte.Tamanho = 8;
    auto distancia = [&](char digito, int& angulo) {
        it.Atributos.definir(7, digito);
        b.pagina.textos.clear();
        b.Exibir();
        auto t = TextosDosItens(b.pagina);
        angulo = t[1].angulo;
        return std::abs(t[1].y - t[0].y) + std::abs(t[1].x - t[0].x);
    };
    int angulo = 0;
    EXPECT_DOUBLE_EQ(distancia('2', angulo), 18);  // 12 + a whole space
    EXPECT_EQ(angulo, 90);
    EXPECT_DOUBLE_EQ(distancia('3', angulo), 16.5);  // justified: 0.75 of a space
    EXPECT_EQ(angulo, 90);
    EXPECT_DOUBLE_EQ(distancia('9', angulo), 16.5);
    EXPECT_EQ(angulo, 270);
    EXPECT_DOUBLE_EQ(distancia('6', angulo), 18);
    EXPECT_EQ(angulo, 90);
    EXPECT_DOUBLE_EQ(distancia('4', angulo), 18);
    EXPECT_EQ(angulo, 180);
}

TEST(Pagina, Figuras) {
    Bancada b;
    Item& it = b.item(1, 1);
    it.Tipo = TipoFigura;
    b.figura.figurasExistentes.push_back({"caf\xC3\xA9.bmp", {100, 50}});
    it.Texto = "\"caf\xE9.bmp \"";
    it.Atributos.definir(10, true);
    b.Exibir();
    EXPECT_EQ(b.figura.figurasPedidas.back(), "caf\xC3\xA9.bmp");
    EXPECT_EQ(b.figura.Largura(), 36);  // shrunk to the band height 18
    EXPECT_EQ(b.figura.Altura(), 18);
    EXPECT_EQ(b.dialogos.vezesOcupado, 1);
    EXPECT_EQ(b.dialogos.cursorOcupado, 0);  // and back to normal
    it.Texto = "\"falta.bmp\"";
    b.Exibir();
    EXPECT_EQ(b.figura.ultimaImagemPadrao, ImagemPadrao::Erro);
    it.Texto = "falta.bmp";
    b.Exibir();
    EXPECT_EQ(b.figura.ultimaImagemPadrao, ImagemPadrao::Figura);
    it.Texto = "";
    b.Exibir();
    EXPECT_EQ(b.figura.ultimaImagemPadrao, ImagemPadrao::Erro);
}

TEST(Figuras, RedimensionarFigura) {
    SuperficieFalsa f(10, 10);
    RedimensionarFigura(f, 18, 64);
    EXPECT_EQ(f.Largura(), 10);  // smaller than both: unchanged
    f.Redimensionar(100, 50);
    RedimensionarFigura(f, 18, 64);
    EXPECT_EQ(f.Largura(), 36);
    EXPECT_EQ(f.Altura(), 18);
    f.Redimensionar(50, 100);
    RedimensionarFigura(f, 200, 20);
    EXPECT_EQ(f.Largura(), 20);
    EXPECT_EQ(f.Altura(), 40);
    f.Redimensionar(50, 100);
    RedimensionarFigura(f, -5, 0);
    EXPECT_EQ(f.Largura(), 1);
    EXPECT_EQ(f.Altura(), 1);
}

TEST(Figuras, PosicaoNaCelula) {
    const Celula c{8, 72, 16, 34};
    int64_t x, y;
    PosicionarNaCelula(c, Texto10("1010000000"), 32, 32, x, y);
    EXPECT_EQ(x, 24);  // 8 + 16.5 to even
    EXPECT_EQ(y, 10);  // 16 - 6.5 to even
    PosicionarNaCelula(c, Texto10("0101000000"), 32, 32, x, y);
    EXPECT_EQ(x, 40);
    EXPECT_EQ(y, 2);
    PosicionarNaCelula(c, Texto10("1100000000"), 31, 32, x, y);
    EXPECT_EQ(x, 25);  // centring wins over right
    EXPECT_EQ(y, 16);
}

TEST(Pagina, BarraDeGrafico) {
    Bancada b;
    Item& it = b.item(1, 1);
    it.Tipo = TipoBarraGrafico;
    it.Texto = "\"0\"";
    it.CorTexto = 12;
    it.CorFundo = 9;
    it.Linhas = Texto10("0001000000");
    b.Exibir();
    EXPECT_EQ(b.pagina.LerPixel(30, 16), Azul);  // one row: all outline
    EXPECT_EQ(b.pagina.LerPixel(30, 17), Branco);
    EXPECT_EQ(b.pagina.LerPixel(30, 33), Cinza230);  // no frame lines, no background
    it.Texto = "VALOR";
    b.Exibir();
    EXPECT_EQ(b.pagina.LerPixel(30, 20), Vermelho);
    EXPECT_EQ(b.pagina.LerPixel(8, 20), Azul);
    EXPECT_EQ(b.pagina.LerPixel(30, 25), Azul);
    EXPECT_EQ(b.pagina.LerPixel(30, 26), Branco);
    it.CorTexto = 99;
    it.CorFundo = 99;
    it.Texto = "\"-3.4\"";
    it.Atributos.definir(4, true);  // bottom
    b.Exibir();
    EXPECT_EQ(b.pagina.LerPixel(30, 31), Preto);
    EXPECT_EQ(b.pagina.LerPixel(30, 30), Branco);
    it.Texto = "\"99999999999\"";
    b.Exibir();
    EXPECT_EQ(b.pagina.LerPixel(30, 20), Preto);
}

namespace {

// The off-screen picture after drawing one barcode item in a band.
int AlturaDoCodigo(int alturaBanda, const char* atributos, int tipo = TipoEAN13) {
    Bancada b;
    b.doc.banda(1).Altura = alturaBanda;
    Item& it = b.item(1, 1);
    it.Tipo = static_cast<uint8_t>(tipo);
    it.Largura = 200;
    it.Texto = "\"590123412345\"";
    it.Atributos = Texto10(atributos);
    b.Exibir();
    return b.figura.Altura();
}

}  // namespace

TEST(Pagina, AlturaDasBarras) {
    EXPECT_EQ(AlturaDoCodigo(30, "0000000010"), 18 + 12);
    EXPECT_EQ(AlturaDoCodigo(30, "0000001010"), 30);
    EXPECT_EQ(AlturaDoCodigo(50, "0000000010"), 38 + 12);
    EXPECT_EQ(AlturaDoCodigo(50, "0000001010"), 40);
    EXPECT_EQ(AlturaDoCodigo(50, "0000001011"), 50);
    EXPECT_EQ(AlturaDoCodigo(50, "0000000110"), 40 + 12);
    EXPECT_EQ(AlturaDoCodigo(30, "0000000111"), 40 + 12);
    EXPECT_EQ(AlturaDoCodigo(80, "0000000111"), 68 + 12);
    EXPECT_EQ(AlturaDoCodigo(30, "0000001010", TipoIntercalado25SemNumeros), 18 + 12);
    EXPECT_EQ(AlturaDoCodigo(50, "0000000020"), 13 + 12);  // zoom 2: 38 / 2 - 6
    EXPECT_EQ(AlturaDoCodigo(50, "0000001030"), 13);       // zoom 3, no digits: 40 / 3
    EXPECT_EQ(AlturaDoCodigo(5, "0000000010"), 1 + 12);    // never below one row of bars
}

TEST(Pagina, CodigoGiradoUsaALarguraDoItem) {
    Bancada b;
    Item& it = b.item(1, 1);
    it.Tipo = TipoCode128B;
    it.Largura = 30;
    it.Texto = "CODIGO";
    it.Atributos = Texto10("0000003010");  // 90 degrees, digits hidden
    b.Exibir();
    EXPECT_EQ(b.figura.Largura(), 30);
    it.Texto = "";
    b.Exibir();
    EXPECT_EQ(b.figura.ultimaImagemPadrao, ImagemPadrao::Erro);
}

TEST(Pagina, PDF417SemBibliotecaAvisaUmaVez) {
    Bancada b;
    b.item(1, 1).Tipo = TipoPDF417;
    b.item(1, 1).Texto = "\"A\"";
    AddItem(b.doc, 1, true, 0);
    b.Exibir();
    b.Exibir();
    ASSERT_EQ(b.dialogos.mensagens.size(), 1u);
    EXPECT_EQ(b.dialogos.mensagens[0].icone, Icone::Erro);
    EXPECT_EQ(b.figura.Largura(), 8);
}

TEST(Redesenho, GeraComandosEMarcaAlterado) {
    Bancada b;
    b.doc.Alterado = false;
    ResultadoRedesenho r = DesenharGerarComandosEMarcarAlterado(b.estado, b.doc, b.ctx);
    EXPECT_TRUE(b.doc.Alterado);
    EXPECT_EQ(r.comandos, GerarComandos(b.doc));
    EXPECT_EQ(r.pagina.largura, 1120);
}

namespace {

// Refuses every picture above a few million pixels, as a machine short of
// memory would, and remembers what was asked.
class SuperficiePequena : public SuperficieFalsa {
public:
    std::vector<std::pair<int, int>> pedidos;
    bool Redimensionar(int largura, int altura) override {
        pedidos.emplace_back(largura, altura);
        if (int64_t{largura} * altura > 5'000'000) return SuperficieFalsa::Redimensionar(0, 0) && false;
        return SuperficieFalsa::Redimensionar(largura, altura);
    }
};

}  // namespace

TEST(Pagina, LayoutHostilNaoEsgotaMemoria) {
    teste::Bancada<SuperficiePequena> b;
    for (int i = 0; i < 6; ++i) AddBanda(b.doc, 0, false, 0, 0);
    b.doc.banda(1).Altura = 2'000'000'000;
    b.doc.banda(2).Altura = INT32_MIN;
    b.doc.banda(3).Deslocamento = INT32_MAX;
    b.item(1, 1).Largura = INT32_MAX;
    b.item(2, 1).Tipo = TipoBarraGrafico;
    b.item(2, 1).Texto = "\"9e18\"";
    b.item(3, 1).Tipo = TipoEAN13;
    b.item(3, 1).Texto = "\"1\"";
    b.item(3, 1).Atributos = Texto10("1111111191");
    b.item(4, 1).Tipo = TipoCode39;
    b.item(4, 1).Largura = -50;
    b.item(4, 1).Atributos = Texto10("0000003041");
    b.item(5, 1).Esquerda = INT32_MIN;
    b.item(5, 1).Espessura = 255;
    b.item(5, 1).Linhas = Texto10("1111111111");
    b.item(6, 1).Tipo = TipoFigura;
    b.item(6, 1).Texto = "\"\"";
    b.item(7, 1).Texto = std::string(100000, 'a') + std::string(100000, ' ');
    b.doc.BandaSel = 7;
    b.Exibir();
    b.Exibir();
    for (auto [w, h] : b.pagina.pedidos) {
        EXPECT_LE(w, LadoMaximoPagina);
        EXPECT_LE(h, LadoMaximoPagina);
        EXPECT_LE(int64_t{w} * h, PixelsMaximosPagina);
    }
    EXPECT_EQ(b.pagina.Largura(), TamanhoReserva);
    for (auto [w, h] : b.figura.pedidos) EXPECT_LE(int64_t{w} * h, 5'000'000) << w << " x " << h;
}
