// The rules of the comment, style and barcode dialogs.
#include <gtest/gtest.h>

#include "document/modelo.h"
#include "output/comentario.h"
#include "output/dialogo_codigo_barras.h"
#include "output/dialogo_estilo.h"
#include "superficie_falsa.h"

using namespace mobrix;

namespace {

std::optional<EdicaoEstilo> Botao(const std::string& texto, int inicio, int tamanho, char letra) {
    return AplicarBotaoEstilo(texto, {inicio, tamanho}, letra);
}

}  // namespace

TEST(Comentario, DividirEJuntar) {
    PartesComentario p = DividirComentario("a\r\nb\xFF" "c\xFF" "d");
    EXPECT_EQ(p.antes, "a\r\nb");
    EXPECT_EQ(p.depois, "c\xFF" "d");
    p = DividirComentario("sem separador");
    EXPECT_EQ(p.antes, "sem separador");
    EXPECT_EQ(p.depois, "");
    EXPECT_EQ(JuntarComentario("antes", ""), "antes");
    EXPECT_EQ(JuntarComentario("", "depois"), "\xFF" "depois");
    EXPECT_EQ(JuntarComentario("a", "b"), "a\xFF" "b");
}

TEST(Comentario, LinhaEColuna) {
    const std::u16string t = u"ab\r\ncd\r\nef";
    EXPECT_EQ(TextoLinhaColuna(LinhaColuna(t, 8)), "(3, 1)");  // right after the second line break
    EXPECT_EQ(TextoLinhaColuna(LinhaColuna(t, 0)), "(1, 1)");
    EXPECT_EQ(TextoLinhaColuna(LinhaColuna(t, 2)), "(1, 3)");
    EXPECT_EQ(TextoLinhaColuna(LinhaColuna(u"x\ny", 3)), "(2, 2)");
    EXPECT_EQ(TextoLinhaColuna(LinhaColuna(t, 99)), "(3, 3)");  // clamped to the text
}

TEST(Comentario, InstrucoesDasFerramentas) {
    Linguagem l;
    l.ComandosSimples = "WRITE '\xA7" "c'";
    EXPECT_EQ(InstrucaoFerramenta(l, Ferramenta::QuebraPagina, false, false), "\r\nWRITE 'QP'\r\n");
    EXPECT_EQ(InstrucaoFerramenta(l, Ferramenta::VariavelCabecalho, false, false),
              "\r\nWRITE '01 Digite aqui o Valor!'\r\n");
    l.ComandosSimples = "           MOVE \"\xA7" "c" + std::string(60, ' ') + "\" TO LINHA-RELAT\r\n";
    const std::string s = InstrucaoFerramenta(l, Ferramenta::QuebraPagina, true, false);
    EXPECT_EQ(s.substr(0, 2), "\r\n");
    EXPECT_NE(s.find("\r\n      -    \""), std::string::npos);  // folded like any COBOL line
    const std::string cauda = std::string(14, ' ') + " TO LINHA-RELAT\r\n";
    EXPECT_EQ(s.substr(s.size() - cauda.size()), cauda);
}

TEST(Comentario, JanelaNaTela) {
    const int largura = 1920 * 15, altura = 1080 * 15;  // twips of a 1920 x 1080 screen
    JanelaTwips j = JanelaComentarioPadrao(largura, altura);
    EXPECT_EQ(j.esquerda, (largura - 8055) / 2);
    EXPECT_EQ(j.topo, (altura - 3930) / 2);
    j = AjustarJanelaNaTela({28000, 15000, 8055, 3930}, largura, altura);
    EXPECT_EQ(j.esquerda, largura - 8055);
    EXPECT_EQ(j.topo, altura - 3930);
    j = AjustarJanelaNaTela({2147483000, -50, 90000, 0}, largura, altura);  // off the screen: the default
    EXPECT_EQ(j.largura, 8055);
    EXPECT_EQ(j.altura, 3930);
    EXPECT_EQ(j.esquerda, (largura - 8055) / 2);
    EXPECT_EQ(j.topo, (altura - 3930) / 2);
}

TEST(Estilo, QuebrasETabulacoes) {
    EXPECT_EQ(TextoParaCaixaEstilo("um{e}dois{E}tres"), "um\r\ndois\r\ntres");
    EXPECT_EQ(TextoDaCaixaEstilo("um\r\ndois"), "um{e}dois");
    EXPECT_EQ(TextoDaCaixaEstilo(TextoParaCaixaEstilo("um{e}dois")), "um{e}dois");
    EXPECT_EQ(TextoDaCaixaEstilo("a\tb\nc"), "a        b{e}c");
}

TEST(Estilo, PalavraEEstadoNoCursor) {
    const std::string t = "{n}um dois tres{/n} fim";
    EXPECT_EQ(AlargarParaPalavras(t, {7, 0}), (SelecaoTexto{6, 4}));
    EXPECT_EQ(AlargarParaPalavras(t, {7, 5}), (SelecaoTexto{6, 13}));
    EXPECT_EQ(AlargarParaPalavras("a  b", {2, 0}), (SelecaoTexto{2, 0}));
    EXPECT_TRUE(EstiloLigado(t, 7, 'n'));
    EXPECT_FALSE(EstiloLigado(t, 20, 'n'));
    EXPECT_FALSE(EstiloLigado(t, 7, 'i'));
    EXPECT_TRUE(EstiloLigado("{N}x", 4, 'n'));  // tags are found without regard to case
    EXPECT_EQ(EstadosBotoesEstilo("{i}{s}x", {0, 0}), (std::array<bool, 4>{false, true, true, false}));
}

TEST(Estilo, PalavraDoMeioDeUmaSequenciaEmNegrito) {
    auto r = Botao("{n}um dois tres{/n}", 7, 0, 'n');
    ASSERT_TRUE(r);
    EXPECT_EQ(r->texto, "{n}um {/n} dois {n} tres{/n}");
    EXPECT_EQ(r->selecao, (SelecaoTexto{6, 13}));
}

TEST(Estilo, ItalicoLigaEDesliga) {
    auto r = Botao("uma palavra aqui", 6, 0, 'i');
    ASSERT_TRUE(r);
    EXPECT_EQ(r->texto, "uma {i}palavra{/i} aqui");
    EXPECT_EQ(r->selecao, (SelecaoTexto{4, 14}));
    // Pressed again, with the new text still selected or with the caret in the word.
    for (SelecaoTexto s : {r->selecao, SelecaoTexto{9, 0}}) {
        EXPECT_TRUE(EstadosBotoesEstilo(r->texto, s)[1]);
        auto de = AplicarBotaoEstilo(r->texto, s, 'i');
        ASSERT_TRUE(de);
        EXPECT_EQ(de->texto, "uma palavra aqui");
    }
    EXPECT_FALSE(Botao("a  b", 2, 0, 'i'));  // no word at the caret
}

TEST(Estilo, SequenciaQueContinuaOuTermina) {
    // The last word of the run: closed before it, not reopened after it.
    auto r = Botao("{n}um dois{/n} fim", 7, 0, 'n');
    ASSERT_TRUE(r);
    EXPECT_EQ(r->texto, "{n}um {/n} dois fim");
    // The last word of the text.
    r = Botao("{s}um dois", 7, 0, 's');
    ASSERT_TRUE(r);
    EXPECT_EQ(r->texto, "{s}um {/s} dois");
    // A run that opens inside the word and goes on after it.
    r = Botao("ab{r}cd mais{/r}", 1, 0, 'r');  // off at the caret: the whole word joins the run
    ASSERT_TRUE(r);
    EXPECT_EQ(r->texto, "{r}abcd mais{/r}");
    r = Botao("ab{r}cd mais{/r}", 6, 0, 'r');  // on at the caret: the word leaves it
    ASSERT_TRUE(r);
    EXPECT_EQ(r->texto, "abcd {r} mais{/r}");
}

TEST(CodigoBarras, AbrirEConfirmar) {
    CamposCodigoBarras c = AbrirCodigoBarras("\"12\"3\"");
    EXPECT_EQ(c.texto, "123");
    EXPECT_EQ(c.comando, "");
    EXPECT_EQ(ConfirmarCodigoBarras(c, TipoEAN13).textoItem, "\"123\"");
    c = AbrirCodigoBarras("CODIGO");
    EXPECT_EQ(c.texto, "");
    EXPECT_EQ(c.comando, "CODIGO");
    EXPECT_EQ(ConfirmarCodigoBarras(c, TipoBarraGrafico).textoItem, "CODIGO");
    EXPECT_EQ(ConfirmarCodigoBarras({}, TipoPDF417).textoItem, "\"\"");
}

TEST(CodigoBarras, LiteralDaBarraDeGrafico) {
    for (auto [entrada, saida] : std::vector<std::pair<const char*, const char*>>{
             {"12.5", "12"}, {"13.5", "14"}, {"-3", "0"}, {"abc", "0"}, {"32767", "32767"}, {"32768", "0"},
             {"7kg", "7"}, {"", "0"}, {"-0.4", "0"}}) {
        ConfirmacaoCodigoBarras r = ConfirmarCodigoBarras({entrada, ""}, TipoBarraGrafico);
        EXPECT_EQ(r.texto, saida) << entrada;
        EXPECT_EQ(r.textoItem, "\"" + std::string(saida) + "\"") << entrada;
    }
}

TEST(CodigoBarras, TextosEAmostras) {
    const std::vector<int>& tipos = TiposDoDialogoCodigoBarras();
    ASSERT_EQ(tipos.size(), 11u);
    for (int t : tipos) EXPECT_STRNE(LegendaTipoCodigoBarras(t), "") << t;
    EXPECT_STREQ(LegendaTipoCodigoBarras(38), "Intercalado 25 (Números no topo)");
    EXPECT_STREQ(LegendaValorCodigoBarras(60), "Altura:");
    EXPECT_STREQ(LegendaValorCodigoBarras(80), "Código de Barras:");
    EXPECT_FALSE(UsaAlturaDaBanda(60));
    EXPECT_FALSE(UsaAlturaDaBanda(80));
    EXPECT_TRUE(UsaAlturaDaBanda(35));

    EXPECT_EQ(CaracteresValidos(31), std::vector<std::string>{"0 até 9"});
    EXPECT_EQ(CaracteresValidos(33), (std::vector<std::string>{"0 até 9", "A até Z", "-. $/+%"}));
    EXPECT_TRUE(CaracteresValidos(60).empty());
    const std::vector<std::string> b = CaracteresValidos(39);
    ASSERT_EQ(b.size(), 4u);
    EXPECT_EQ(b[2], "! \"#$%&'()*+,-./:");
    EXPECT_EQ(b[2].size(), 17u);
    EXPECT_EQ(b[3], ";<=>?@[\\]^_`{|}~");
    EXPECT_EQ(b[3].size(), 16u);
    EXPECT_EQ(CaracteresValidos(80), b);

    EXPECT_EQ(AmostraDoTipo(31).valor, "123456789012");
    EXPECT_EQ(AmostraDoTipo(32).valor, "1234567");
    EXPECT_TRUE(AmostraDoTipo(33).comCheck);
    EXPECT_FALSE(AmostraDoTipo(36).comCheck);
    EXPECT_FALSE(AmostraDoTipo(37).mostrarNumeros);
    EXPECT_TRUE(AmostraDoTipo(38).numerosNoTopo);
    EXPECT_EQ(AmostraDoTipo(34).valor, "1234567890");
    EXPECT_EQ(AmostraDoTipo(80).valor, "123.456/Abc");
}

TEST(CodigoBarras, AmostraDaBarraDeGrafico) {
    teste::SuperficieFalsa s(10, 10);
    DesenharAmostraBarraGrafico(s);
    EXPECT_EQ(s.Largura(), 80);
    EXPECT_EQ(s.Altura(), 52);
    EXPECT_EQ(s.LerPixel(16, 20), Rgb(255, 0, 0));
    EXPECT_EQ(s.LerPixel(6, 20), Rgb(128, 0, 0));   // outline
    EXPECT_EQ(s.LerPixel(26, 48), Rgb(128, 0, 0));
    EXPECT_EQ(s.LerPixel(40, 30), Rgb(0, 255, 0));
    EXPECT_EQ(s.LerPixel(40, 23), Branco);
    EXPECT_EQ(s.LerPixel(64, 8), Rgb(0, 0, 128));
    EXPECT_EQ(s.LerPixel(64, 9), Rgb(0, 0, 255));
    EXPECT_EQ(s.LerPixel(78, 50), Branco);
}
