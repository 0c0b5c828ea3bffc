// The property panel's edits run on an editor with fake ports: what each one
// stores in the document, its limits, and that an edit changing nothing
// neither redraws nor records an undo step.
#include <gtest/gtest.h>

#include "../document/editor_teste.h"
#include "canvas/propriedades.h"
#include "canvas/propriedades_cores.h"
#include "canvas/propriedades_dialogos.h"
#include "canvas/propriedades_exibicao.h"
#include "document/paleta.h"

namespace mobrix::teste {
namespace {

class Propriedades : public EditorTeste {
protected:
    // Two bands of three items; item (1, 2) selected.
    void SetUp() override {
        EditorTeste::SetUp();
        Montar(2, 3);
        Selecionar(1, 2);
    }
    // A range from the selected item to (banda, item).
    void Faixa(int banda, int item) { ed.SelecionarFaixa(banda, item); }
    Item& It(int b, int k) { return doc().banda(b).item(k); }
    int Redesenhos() const { return vista.redesenhos; }
};

TEST_F(Propriedades, LarguraNaUnidadeMostradaComLimites) {
    EXPECT_DOUBLE_EQ(AlterarLargura(ed, 100), 100);
    EXPECT_EQ(It(1, 2).Largura, 100);
    EXPECT_EQ(It(1, 3).Esquerda, 164);  // the redraw placed the items again
    EXPECT_DOUBLE_EQ(AlterarLargura(ed, 0), 1);
    EXPECT_EQ(It(1, 2).Largura, 1);
    EXPECT_DOUBLE_EQ(AlterarLargura(ed, 123456), 9999);

    // In centimetres the shown value of 64 pixels is 1.693 and typing it back
    // is no change; half a centimetre is 19 pixels, not one centimetre.
    doc().Medida = MedidaCentimetros;
    It(1, 2).Largura = 64;
    EXPECT_DOUBLE_EQ(ValorMostrado(64, MedidaCentimetros), 1.693);
    const int antes = Redesenhos();
    EXPECT_DOUBLE_EQ(AlterarLargura(ed, 1.693), 1.693);
    EXPECT_EQ(Redesenhos(), antes);
    AlterarLargura(ed, 0.5);
    EXPECT_EQ(It(1, 2).Largura, 19);
}

TEST(FormatoCampos, DigitosCabemOMaiorTamanho) {
    EXPECT_DOUBLE_EQ(FormatoCampoMedida(MedidaPixels), 4.0);
    EXPECT_DOUBLE_EQ(FormatoCampoMedida(MedidaPolegadas), 3.5);
    EXPECT_DOUBLE_EQ(FormatoCampoMedida(MedidaMilimetros), 4.2);  // 9999 px = 2645.6 mm
    EXPECT_DOUBLE_EQ(FormatoCampoMedida(MedidaCentimetros), 3.3);
    EXPECT_DOUBLE_EQ(FormatoCampoPosicao(MedidaCentimetros), 6.3);
}

TEST_F(Propriedades, LarguraDeUmaFaixaDeDuasBandas) {
    Faixa(2, 1);
    AlterarLargura(ed, 40);
    for (int b = 1; b <= 2; ++b)
        for (int k = 1; k <= 3; ++k) EXPECT_EQ(It(b, k).Largura, 40) << b << "." << k;
    EXPECT_EQ(It(2, 3).Esquerda, 80);
}

TEST_F(Propriedades, AlturaAutomaticaEManual) {
    EXPECT_DOUBLE_EQ(AlterarAltura(ed, 0), VistaFalsa::AlturaAutomatica);
    EXPECT_EQ(doc().banda(1).Altura, -VistaFalsa::AlturaAutomatica);
    const int antes = Redesenhos();
    AlterarAltura(ed, -3);  // still automatic: nothing to do, height kept
    EXPECT_EQ(Redesenhos(), antes);
    EXPECT_EQ(doc().banda(1).Altura, -VistaFalsa::AlturaAutomatica);
    // Typing the automatic band's own height makes it manual at that height.
    EXPECT_DOUBLE_EQ(AlterarAltura(ed, VistaFalsa::AlturaAutomatica), VistaFalsa::AlturaAutomatica);
    EXPECT_EQ(doc().banda(1).Altura, VistaFalsa::AlturaAutomatica);
    EXPECT_EQ(doc().banda(2).Topo, 16 + VistaFalsa::AlturaAutomatica);

    Faixa(2, 3);
    AlterarAltura(ed, 30);
    EXPECT_EQ(doc().banda(1).Altura, 30);
    EXPECT_EQ(doc().banda(2).Altura, 30);
}

TEST_F(Propriedades, DeslocamentoSoDaSegundaBandaEmDiante) {
    AlterarDeslocamento(ed, 12);
    EXPECT_EQ(doc().banda(1).Deslocamento, 0);
    Selecionar(2, 1);
    EXPECT_DOUBLE_EQ(AlterarDeslocamento(ed, -5), -5);
    EXPECT_EQ(doc().banda(2).Deslocamento, -5);
    EXPECT_EQ(doc().banda(2).Topo, 16 + 18 - 5);
    doc().Medida = MedidaMilimetros;
    EXPECT_DOUBLE_EQ(AlterarDeslocamento(ed, 10), 10.05);  // 38 pixels
    EXPECT_EQ(doc().banda(2).Deslocamento, 38);
}

TEST_F(Propriedades, EspessuraEntreUmESessentaEQuatro) {
    It(1, 2).Espessura = 5;
    EXPECT_EQ(AlterarEspessura(ed, 0), 1);
    EXPECT_EQ(It(1, 2).Espessura, 1);
    EXPECT_EQ(AlterarEspessura(ed, 200), 64);
    EXPECT_EQ(It(1, 2).Espessura, 64);
    EXPECT_EQ(It(1, 1).Espessura, 1);

    // Two bands in the range: every item of both takes the thickness.
    Faixa(2, 1);
    AlterarEspessura(ed, 3);
    for (int b = 1; b <= 2; ++b)
        for (int k = 1; k <= 3; ++k) EXPECT_EQ(It(b, k).Espessura, 3);
    // Equal to the selected item's: nothing stored, even where others differ.
    It(2, 2).Espessura = 9;
    const int antes = Redesenhos();
    AlterarEspessura(ed, 3);
    EXPECT_EQ(It(2, 2).Espessura, 9);
    EXPECT_EQ(Redesenhos(), antes);
}

TEST_F(Propriedades, AnguloGuardaOBitDeJustificar) {
    It(1, 2).Atributos.definirDigito(7, 1);
    AlterarAngulo(ed, 2);  // 180 degrees
    EXPECT_EQ(It(1, 2).Atributos(7), '5');
    EXPECT_EQ(IndiceAngulo(It(1, 2)), 2);
    AlterarAngulo(ed, 0);
    EXPECT_EQ(It(1, 2).Atributos(7), '1');

    // Pictures and graph bars in a range are never rotated.
    It(1, 1).Tipo = TipoFigura;
    It(1, 3).Tipo = TipoBarraGrafico;
    Selecionar(1, 1);
    Faixa(1, 3);
    AlterarAngulo(ed, 1);
    EXPECT_EQ(It(1, 1).Atributos(7), '0');
    EXPECT_EQ(It(1, 2).Atributos(7), '3');
    EXPECT_EQ(It(1, 3).Atributos(7), '0');
}

TEST_F(Propriedades, CaixasDeOpcao) {
    Faixa(1, 3);
    AlterarAlinhamento(ed, 10, true);
    AlterarAlinhamento(ed, 5, false);
    for (int k = 2; k <= 3; ++k) {
        EXPECT_TRUE(It(1, k).Atributos.ligado(10));
        EXPECT_FALSE(It(1, k).Atributos.ligado(5));
    }
    EXPECT_FALSE(It(1, 1).Atributos.ligado(10));

    // Box 7 is the justify bit; the rotation bits stay.
    It(1, 2).Atributos.definirDigito(7, 8);
    AlterarAlinhamento(ed, 7, true);
    EXPECT_EQ(It(1, 2).Atributos(7), '9');
    AlterarAlinhamento(ed, 7, false);
    EXPECT_EQ(It(1, 2).Atributos(7), '8');
}

TEST_F(Propriedades, ZoomSoDosCodigosDeBarras) {
    It(1, 2).Tipo = TipoEAN13;
    It(1, 3).Tipo = TipoPDF417;
    Faixa(1, 3);
    AlterarZoom(ed, 3);
    EXPECT_EQ(It(1, 2).Atributos(9), '4');
    EXPECT_EQ(It(1, 3).Atributos(9), '4');
    EXPECT_EQ(IndiceZoom(It(1, 3)), 3);
}

TEST_F(Propriedades, LinhaSegueOItemSelecionado) {
    It(1, 3).Linhas.definir(4, true);
    Faixa(1, 3);
    AlternarLinha(ed, 4);
    EXPECT_TRUE(It(1, 2).Linhas.ligado(4));
    EXPECT_TRUE(It(1, 3).Linhas.ligado(4));
    AlternarLinha(ed, 4);
    EXPECT_FALSE(It(1, 2).Linhas.ligado(4));
    EXPECT_FALSE(It(1, 3).Linhas.ligado(4));
    AlternarLinha(ed, 7);
    EXPECT_EQ(It(1, 2).Linhas, Texto10());
}

TEST_F(Propriedades, BarrasDeCores) {
    It(1, 2).Texto = "<%_T,1,2,3_%><%_F,4,5,6_%>x";
    ClicarBarraCores(ed, BarraCores::Item, 25, true);
    EXPECT_EQ(It(1, 2).CorTexto, 2);
    EXPECT_EQ(It(1, 2).Texto, "<%_F,4,5,6_%>x");
    ClicarBarraCores(ed, BarraCores::Item, 16 * 11, false);  // right of the last swatch
    EXPECT_EQ(It(1, 2).CorFundo, SemFundo);
    EXPECT_EQ(It(1, 2).Texto, "x");
    ClicarBarraCores(ed, BarraCores::Item, 11 * 15 + 10, false);
    EXPECT_EQ(It(1, 2).CorFundo, 15);

    // The left button has no "none": beyond the swatches it does nothing.
    const int antes = Redesenhos();
    ClicarBarraCores(ed, BarraCores::Linhas, 200, true);
    EXPECT_EQ(Redesenhos(), antes);
    ClicarBarraCores(ed, BarraCores::Linhas, 11 * 9, true);
    EXPECT_EQ(It(1, 2).CorLinhas, 9);
    EXPECT_EQ(It(1, 2).CorTexto, 2);
    ClicarBarraCores(ed, BarraCores::Linhas, 0, false);
    EXPECT_EQ(It(1, 2).CorFundo, 0);
}

TEST_F(Propriedades, PaletaExtendida) {
    EXPECT_EQ(CodigoDaPaleta(40, 20), 26);
    EXPECT_EQ(CodigoDaPaleta(0, 0), 16);
    EXPECT_EQ(CodigoDaPaleta(500, 500), 79);
    It(1, 2).Texto = "<%_L,1,1,1_%>y";
    ClicarPaleta(ed, AlvoPaleta::Linha, 40, 20, true);
    EXPECT_EQ(It(1, 2).CorLinhas, 26);
    EXPECT_EQ(It(1, 2).Texto, "y");
    ClicarPaleta(ed, AlvoPaleta::Item, 127, 127, true);
    EXPECT_EQ(It(1, 2).CorTexto, 79);
    ClicarPaleta(ed, AlvoPaleta::Linha, 0, 16, false);
    EXPECT_EQ(It(1, 2).CorFundo, 24);
}

TEST_F(Propriedades, RotulosDeCorPersonalizada) {
    It(1, 2).Texto = "<%_F,1,1,1_%>a";
    It(1, 3).Tipo = TipoFigura;
    It(1, 3).Texto = "\"f.bmp\"";
    Faixa(1, 3);
    dialogos.cores.push_back(Rgb(255, 0, 0));
    InserirMacroCor(ed, dialogos, 'F');
    EXPECT_EQ(dialogos.coresIniciais.back(), Rgb(1, 1, 1));  // preset with the current colour
    EXPECT_EQ(It(1, 2).Texto, "<%_F,255,0,0_%>a");
    EXPECT_EQ(It(1, 2).CorTexto, 72);
    EXPECT_EQ(It(1, 3).Texto, "\"f.bmp\"");  // a picture is left alone
    EXPECT_EQ(It(1, 3).CorTexto, 0);

    dialogos.cores.push_back(Rgb(0, 0, 255));
    InserirMacroCor(ed, dialogos, 'T');
    EXPECT_EQ(It(1, 2).Texto, "<%_T,0,0,255_%><%_F,255,0,0_%>a");
    EXPECT_EQ(It(1, 2).CorTexto, 16);

    dialogos.cores.push_back(std::nullopt);
    const int antes = Redesenhos();
    InserirMacroCor(ed, dialogos, 'L');
    EXPECT_EQ(Redesenhos(), antes);
    EXPECT_EQ(dialogos.coresIniciais.back(), Preto);

    EXPECT_EQ(CorDoRotulo(It(2, 1), 'F'), Branco);  // no background
}

TEST_F(Propriedades, FonteDosAlvos) {
    Faixa(1, 3);
    FonteItem f{"Courier", 12, true, false, true, false};
    dialogos.fontes.push_back({f, 120.0});
    AlterarFonte(ed);
    f.Tamanho = 20;
    EXPECT_EQ(It(1, 2).Fonte, f);
    EXPECT_EQ(It(1, 3).Fonte, f);
    EXPECT_NE(It(1, 1).Fonte, f);

    dialogos.fontes.push_back({FonteItem{"", 10}, 10.0});
    AlterarFonte(ed);
    EXPECT_EQ(dialogos.Ultima(), "O nome da fonte não foi informado ou é inválido!");
    EXPECT_EQ(It(1, 2).Fonte, f);
}

TEST_F(Propriedades, BotaoFontePorTipo) {
    EXPECT_EQ(AcaoDoBotaoFonte(ed), AcaoBotaoFonte::Fonte);
    It(1, 2).Tipo = TipoFigura;
    EXPECT_EQ(AcaoDoBotaoFonte(ed), AcaoBotaoFonte::Figura);
    for (int tipo : {31, 39, 60, 80}) {
        It(1, 2).Tipo = static_cast<uint8_t>(tipo);
        EXPECT_EQ(AcaoDoBotaoFonte(ed), AcaoBotaoFonte::CodigoBarras) << tipo;
    }
    Faixa(1, 3);
    EXPECT_EQ(AcaoDoBotaoFonte(ed), AcaoBotaoFonte::Fonte);
}

TEST_F(Propriedades, FiguraEntreAspas) {
    It(1, 2).Tipo = TipoFigura;
    It(1, 2).Texto = "\"/fotos/velha.bmp\"";
    dialogos.arquivosAbrir.push_back("/home/ana/logotipo ção.jpg");
    AbrirFigura(ed, dialogos);
    ASSERT_EQ(dialogos.pedidosAbrir.size(), 1u);
    const PedidoArquivo& p = dialogos.pedidosAbrir[0];
    EXPECT_EQ(p.titulo, "Abrir Figura...");
    EXPECT_EQ(p.inicial, "/fotos");
    ASSERT_EQ(p.filtros.size(), 9u);
    EXPECT_EQ(p.filtros[0].padroes, "*.bmp;*.ico;*.cur;*.rle;*.wmf;*.emf;*.gif;*.jpg");
    EXPECT_EQ(p.filtros[6].descricao, "Metarquivo avançado do Windows (*.emf)");
    EXPECT_EQ(It(1, 2).Texto, "\"/home/ana/logotipo \xE7\xE3o.jpg\"");  // Windows-1252

    dialogos.arquivosAbrir.push_back(std::nullopt);
    AbrirFigura(ed, dialogos);
    EXPECT_EQ(It(1, 2).Texto, "\"/home/ana/logotipo \xE7\xE3o.jpg\"");

    // A name the layout cannot hold is refused, not stored with '?'.
    dialogos.arquivosAbrir.push_back("/tmp/\xE2\x86\x92.png");
    AbrirFigura(ed, dialogos);
    EXPECT_NE(dialogos.Ultima().find("\xE2\x86\x92"), std::string::npos);
    EXPECT_EQ(It(1, 2).Texto, "\"/home/ana/logotipo \xE7\xE3o.jpg\"");
}

TEST_F(Propriedades, FontePadraoDosNovosItens) {
    dialogos.fontes.push_back({FonteItem{"Times", 0, false, true}, 0.4});
    ConfigurarFontePadrao(ed);
    EXPECT_EQ(doc().FonteInicial, (FonteItem{"Times", 8, false, true}));
    EXPECT_EQ(dialogos.fontesIniciais.back(), FonteInicialPadrao());
    EXPECT_FALSE(doc().Alterado);
}

TEST_F(Propriedades, VariaveisDoMenu) {
    EXPECT_EQ(VariavelDoMenu(dialogos, 0), "(%_pag_%)");
    EXPECT_EQ(VariavelDoMenu(dialogos, 11), "(%_seg_%)");
    EXPECT_EQ(VariavelDoMenu(dialogos, 13), std::nullopt);
    dialogos.entradas.push_back(" 123 ");
    EXPECT_EQ(VariavelDoMenu(dialogos, 12), "(%_12_%)");
    dialogos.entradas.push_back(std::nullopt);
    EXPECT_EQ(VariavelDoMenu(dialogos, 12), std::nullopt);
}

TEST_F(Propriedades, TextoComCaracteresForaDoLayout) {
    EXPECT_TRUE(ValidarTextoItem(dialogos, "Preço: 10 €"));
    EXPECT_TRUE(dialogos.mensagens.empty());
    EXPECT_FALSE(ValidarTextoItem(dialogos, "a \xE2\x86\x92 b \xE2\x86\x92 \xCE\xA9"));
    EXPECT_EQ(dialogos.mensagens.back().titulo, "Texto");
    EXPECT_NE(dialogos.Ultima().find(": \xE2\x86\x92\xCE\xA9\r"), std::string::npos);
}

TEST_F(Propriedades, TextoDosAlvos) {
    Faixa(1, 3);
    AlterarTexto(ed, "novo");
    EXPECT_EQ(Textos(1), (std::vector<std::string>{"1.1", "novo", "novo"}));
    const int antes = Redesenhos();
    AlterarTexto(ed, "novo");
    EXPECT_EQ(Redesenhos(), antes);
}

TEST_F(Propriedades, TextoDoEstiloLigaACaixaDeTextoParaLinhas) {
    Faixa(1, 3);
    EXPECT_TRUE(AplicarTextoEstilo(ed, "{n}a{/n}"));
    EXPECT_EQ(Textos(1), (std::vector<std::string>{"1.1", "{n}a{/n}", "{n}a{/n}"}));
    EXPECT_FALSE(It(1, 3).Atributos.ligado(6));
    const int antes = Redesenhos();
    EXPECT_FALSE(AplicarTextoEstilo(ed, "{n}a{/n}"));
    EXPECT_EQ(Redesenhos(), antes);
    EXPECT_TRUE(AplicarTextoEstilo(ed, "{n}a{/n}{E}b"));
    EXPECT_TRUE(It(1, 2).Atributos.ligado(6));
    EXPECT_TRUE(It(1, 3).Atributos.ligado(6));
    EXPECT_FALSE(It(1, 1).Atributos.ligado(6));
}

TEST_F(Propriedades, EstadoDoPainel) {
    doc().Medida = MedidaCentimetros;
    doc().Config.FimCabecalho = 1;
    EstadoPainel e = EstadoDoPainel(ed);
    EXPECT_TRUE(e.itemSelecionado);
    EXPECT_TRUE(e.cabecalho);
    EXPECT_FALSE(e.rodape);
    EXPECT_FALSE(e.deslocamentoHabilitado);  // band 1 has no offset
    EXPECT_DOUBLE_EQ(e.medidas.largura, 1.693);
    EXPECT_DOUBLE_EQ(e.medidas.esquerda, 1.693);
    EXPECT_STREQ(e.apresentacao.legendaFonte, "&Fonte");
    EXPECT_TRUE(e.apresentacao.caixas[6].visivel);
    EXPECT_FALSE(e.apresentacao.zoomVisivel);

    It(1, 2).Tipo = TipoBarraGrafico;
    It(1, 2).Atributos.definirDigito(7, 5);
    e = EstadoDoPainel(ed);
    EXPECT_STREQ(e.apresentacao.legendaCor, "Cor da barra:");
    EXPECT_FALSE(e.apresentacao.linhasVisiveis);
    EXPECT_FALSE(e.apresentacao.anguloHabilitado);
    EXPECT_EQ(e.angulo, 0);
    EXPECT_TRUE(e.opcoes[6]);
    EXPECT_EQ(e.tipo, static_cast<int>(TipoEscolhido::CodigoBarras));

    It(1, 2).Tipo = TipoPDF417;
    e = EstadoDoPainel(ed);
    EXPECT_FALSE(e.apresentacao.caixas[6].visivel);
    EXPECT_FALSE(e.apresentacao.caixas[9].visivel);
    EXPECT_TRUE(e.apresentacao.zoomVisivel);
    EXPECT_STREQ(e.apresentacao.legendaFonte, "A&lterar");
    Faixa(1, 3);
    EXPECT_STREQ(EstadoDoPainel(ed).apresentacao.legendaFonte, "&Fonte");

    Selecionar(2, 0);
    ed.SelecionarFaixa(0, 0);
    e = EstadoDoPainel(ed);
    EXPECT_FALSE(e.itemSelecionado);
    EXPECT_FALSE(e.cabecalho);
    EXPECT_TRUE(e.texto.empty());
}

}  // namespace
}  // namespace mobrix::teste
