// Selection on the page canvas: hit test, clicks, ranges, handle drags,
// keys, scrolling and one-click creation.
#include "document/arrasto.h"
#include "document/atalhos.h"
#include "document/criacao_rapida.h"
#include "document/rolagem.h"
#include "editor_teste.h"

namespace mobrix::teste {
namespace {

using Sel = PosicaoItem;

class Selecao : public EditorTeste {};

TEST_F(Selecao, BandasSobrepostasPreferemItemDaBandaPosteriorEDepoisABandaAnterior) {
    Montar(2, 2);
    RemoverItem(doc(), 2, 2);
    doc().banda(2).Deslocamento = -10;  // band 2: rows 24..41, band 1: rows 16..33
    ReposicionarBanda(doc());
    EXPECT_EQ(LocalizarItem(doc(), 20, 30), (Sel{2, 1}));
    EXPECT_EQ(LocalizarItem(doc(), 100, 30), (Sel{1, 2}));  // band 2 has nothing there, band 1 has
    EXPECT_EQ(LocalizarItem(doc(), 300, 30), (Sel{1, 0}));  // empty space: the earlier band
    EXPECT_EQ(LocalizarItem(doc(), 300, 40), (Sel{2, 0}));
    EXPECT_EQ(LocalizarItem(doc(), 7, 20), (Sel{1, 0}));    // the gutter is no item
    EXPECT_EQ(LocalizarItem(doc(), 71, 20), (Sel{1, 1}));
    EXPECT_EQ(LocalizarItem(doc(), 72, 20), (Sel{1, 2}));
    ed.PressionarMouse(300, 30, BotaoMouse::Esquerdo, false);
    EXPECT_EQ(doc().BandaSel, 1);
    EXPECT_EQ(doc().ItemSel, 0);
}

TEST_F(Selecao, CliqueForaDasBandas) {
    Montar(3, 1);
    doc().banda(3).Deslocamento = 10;  // a gap: rows 52..61
    ReposicionarBanda(doc());
    Selecionar(2, 1);
    ed.PressionarMouse(20, 55, BotaoMouse::Esquerdo, false);
    EXPECT_EQ(doc().BandaSel, 2) << "between bands the band stays";
    EXPECT_EQ(doc().ItemSel, 0);
    EXPECT_FALSE(ed.AbaixoDaUltima());

    ed.PressionarMouse(20, 80, BotaoMouse::Esquerdo, false);  // band 3 ends at row 79
    EXPECT_EQ(doc().BandaSel, 3);
    EXPECT_TRUE(ed.AbaixoDaUltima());

    ed.PressionarMouse(20, 5, BotaoMouse::Esquerdo, false);
    EXPECT_EQ(doc().BandaSel, 1);
    EXPECT_EQ(doc().ItemSel, 0);
    EXPECT_FALSE(ed.AbaixoDaUltima());
    EXPECT_EQ(vista.redesenhos, 1) << "clicks never redraw the page";
}

TEST_F(Selecao, CliqueDireitoDentroDaFaixaMantemAFaixaEAbreOMenu) {
    Montar(2, 3);
    Selecionar(1, 1);
    Clicar(1, 3, BotaoMouse::Esquerdo, true);
    ASSERT_TRUE(ed.FaixaVisivel());
    Clicar(1, 2, BotaoMouse::Direito);
    EXPECT_EQ(vista.menusEditar, 1);
    EXPECT_TRUE(ed.FaixaVisivel());
    EXPECT_EQ(doc().ItemSel, 1);

    Clicar(2, 1, BotaoMouse::Direito);
    EXPECT_EQ(vista.menusEditar, 2);
    EXPECT_FALSE(ed.FaixaVisivel());
    EXPECT_EQ(Sel(doc().BandaSel, doc().ItemSel), (Sel{2, 1}));
}

TEST_F(Selecao, EdicaoRecusadaNoPainelImpedeOClique) {
    Montar(2, 1);
    Selecionar(1, 1);
    vista.aceitarEdicoes = false;
    Clicar(2, 1);
    EXPECT_EQ(vista.confirmacoes, 1);
    EXPECT_EQ(Sel(doc().BandaSel, doc().ItemSel), (Sel{1, 1}));
}

TEST_F(Selecao, ShiftCliqueEstendeEDesfazAFaixa) {
    Montar(3, 3);
    Selecionar(1, 2);
    Clicar(3, 1, BotaoMouse::Esquerdo, true);
    EXPECT_TRUE(ed.FaixaVisivel());
    EXPECT_EQ(doc().SelBandaIni, 1);
    EXPECT_EQ(doc().SelBandaFim, 3);
    EXPECT_EQ(ed.Alvos().size(), 9u) << "a range over bands takes every item of them";
    Clicar(1, 2, BotaoMouse::Esquerdo, true);
    EXPECT_FALSE(ed.FaixaVisivel());
    EXPECT_EQ(ed.Alvos(), (std::vector<Sel>{{1, 2}}));
}

TEST_F(Selecao, ArrastarComOBotaoEstendeAFaixa) {
    Montar(4, 3);
    Selecionar(2, 2);
    auto [x4, y4] = Ponto(4, 3);
    ed.ArrastarMouse(x4, y4);
    EXPECT_EQ(ed.Selecao().faixaVisivel, true);
    EXPECT_EQ(doc().SelBandaIni, 2);
    EXPECT_EQ(doc().SelBandaFim, 4);

    ed.ArrastarMouse(2, 5);  // above every band, in the gutter: band 1, first item
    EXPECT_EQ(doc().SelBandaIni, 1);
    EXPECT_EQ(doc().SelItemIni, 1);
    EXPECT_EQ(doc().SelItemFim, 2);

    auto [x, y] = Ponto(2, 3);
    ed.ArrastarMouse(x, y);
    EXPECT_EQ(doc().SelBandaIni, 2);
    EXPECT_EQ(doc().SelBandaFim, 2);
    EXPECT_EQ(doc().SelItemIni, 2);
    EXPECT_EQ(doc().SelItemFim, 3);
    const int notificacoes = vista.selecoes;
    ed.ArrastarMouse(900, y);  // right of the items: the last item, the same range
    EXPECT_EQ(vista.selecoes, notificacoes);

    const int validacoes = vista.validacoes;
    auto [xs, ys] = Ponto(2, 2);
    ed.ArrastarMouse(xs, ys);
    EXPECT_FALSE(ed.FaixaVisivel());
    EXPECT_EQ(vista.validacoes, validacoes + 1);
}

TEST_F(Selecao, RetanguloDaFaixaERotulo) {
    Montar(3, 3);
    Selecionar(1, 2);
    ed.SelecionarFaixa(1, 3);
    EXPECT_EQ(ed.Selecao().faixa, (Retangulo{71, 15, 130, 20}));
    EXPECT_EQ(ed.Selecao().rotulo, "(1, 2)");

    doc().banda(2).item(3).Largura = 100;
    ed.SelecionarFaixa(3, 1);
    EXPECT_EQ(ed.Selecao().faixa, (Retangulo{7, 15, 230, 56}));

    ed.NadaSelecionado();
    EXPECT_FALSE(ed.Selecao().faixaVisivel);
    EXPECT_FALSE(ed.Selecao().itemSelecionado);
    EXPECT_EQ(ed.Selecao().rotulo, "(1)");
}

TEST_F(Selecao, AlcasEmVoltaDoItem) {
    Montar(2, 1);
    Selecionar(2, 1);
    const GeometriaSelecao g = ed.Selecao();
    EXPECT_EQ(g.contorno, (Retangulo{8, 34, 64, 18}));
    EXPECT_EQ(g.alcas[AlcaSuperiorEsquerda], (Alca{1, 27, true}));
    EXPECT_EQ(g.alcas[AlcaEsquerda], (Alca{1, 39, true}));
    EXPECT_EQ(g.alcas[AlcaDeslocar], (Alca{36, 27, true}));
    EXPECT_EQ(g.alcas[AlcaInferior], (Alca{36, 52, true}));
    EXPECT_EQ(g.alcas[AlcaInferiorDireita], (Alca{72, 52, true}));
    EXPECT_EQ(g.topoMarcadorBanda, 43 - 5);  // 37.5 to even
    Selecionar(1, 1);
    EXPECT_FALSE(ed.Selecao().alcas[AlcaDeslocar].habilitada);
}

// ---- handle drags -----------------------------------------------------------

class Arrastos : public EditorTeste {
protected:
    void SetUp() override {
        EditorTeste::SetUp();
        Montar(2, 2);
        Selecionar(2, 1);
    }
    Retangulo Arrastar(int alca, int dx, int dy) {
        const Retangulo c = ed.Selecao().contorno;
        EXPECT_TRUE(ed.IniciarArrasto(alca, c.esquerda, c.topo).has_value());
        const Retangulo r = ed.MoverArrasto(c.esquerda + dx, c.topo + dy);
        ed.TerminarArrasto();
        return r;
    }
};

TEST_F(Arrastos, DeslocamentosSaoTruncadosAMultiplosDeOito) {
    Arrastar(AlcaDireita, 7, 30);
    EXPECT_EQ(doc().banda(2).item(1).Largura, 64);
    EXPECT_EQ(vista.redesenhos, 1) << "nothing changed: no redraw";
    Arrastar(AlcaDireita, 9, 0);
    EXPECT_EQ(doc().banda(2).item(1).Largura, 72);
    EXPECT_EQ(doc().banda(2).item(2).Esquerda, 72);
    EXPECT_EQ(vista.redesenhos, 2);
    Arrastar(AlcaDireita, -9, 0);
    EXPECT_EQ(doc().banda(2).item(1).Largura, 64);
}

TEST_F(Arrastos, LimitesDasBordas) {
    EXPECT_EQ(Arrastar(AlcaEsquerda, 200, 0), (Retangulo{64, 34, 8, 18}));
    EXPECT_EQ(doc().banda(2).item(1).Largura, 8);
    vista.pagina.alturaPagina = 60;
    EXPECT_EQ(Arrastar(AlcaInferior, 0, 40).altura, 22) << "56 (60 cut to 8s) - top 34";
    EXPECT_EQ(doc().banda(2).Altura, 22);
    vista.pagina.larguraPagina = 100;
    EXPECT_EQ(Arrastar(AlcaDireita, 200, 0).largura, 88);  // 96 - left 8
}

TEST_F(Arrastos, BandaLevadaAcimaDaAnteriorFicaComMenos9999) {
    const Retangulo r = Arrastar(AlcaDeslocar, 0, -100);
    EXPECT_EQ(r.topo, 16) << "the top of band 1 limits the drag";
    EXPECT_EQ(doc().banda(2).Deslocamento, -9999);
    EXPECT_EQ(doc().banda(2).Topo, 16);
    // Moving it down again starts from the band's real position.
    Arrastar(AlcaDeslocar, 0, 8);
    EXPECT_EQ(doc().banda(2).Deslocamento, -10);
    EXPECT_EQ(doc().banda(2).Topo, 24);
}

TEST_F(Arrastos, BordaSuperiorDaBanda1ParaEmOito) {
    Selecionar(1, 1);
    EXPECT_FALSE(ed.IniciarArrasto(AlcaDeslocar, 10, 10).has_value());
    const Retangulo r = Arrastar(AlcaSuperiorEsquerda, 0, -100);
    EXPECT_EQ(r.topo, 8);
    EXPECT_EQ(doc().banda(1).Altura, 26);
    EXPECT_EQ(doc().banda(1).Topo, 16);
}

TEST_F(Arrastos, LarguraVaiParaTodosOsItensDaFaixa) {
    ed.SelecionarTudo();
    Selecionar(1, 1);
    Arrastar(AlcaDireita, 16, 0);
    for (const Banda& b : doc().Bandas) {
        EXPECT_EQ(b.item(1).Largura, 80);
        EXPECT_EQ(b.item(2).Largura, 80);
        EXPECT_EQ(b.item(2).Esquerda, 80);
    }
}

// ---- keys -------------------------------------------------------------------

class Teclas : public EditorTeste {
protected:
    void Tecla(TeclaEditor t, bool shift = false, bool ctrl = false) { ed.PressionarTecla(t, shift, ctrl); }
    Sel Atual() { return {doc().BandaSel, doc().ItemSel}; }
};

TEST_F(Teclas, SetasNasBordasNaoFazemNada) {
    Montar(2, 5);
    RemoverItem(doc(), 2, 5);
    RemoverItem(doc(), 2, 4);
    Selecionar(1, 1);
    const int validacoes = vista.validacoes;
    Tecla(TeclaEditor::Cima);
    Tecla(TeclaEditor::Esquerda);
    EXPECT_EQ(Atual(), (Sel{1, 1}));
    EXPECT_EQ(vista.validacoes, validacoes);
    Selecionar(1, 5);
    Tecla(TeclaEditor::Direita);
    EXPECT_EQ(Atual(), (Sel{1, 5}));
    Tecla(TeclaEditor::Baixo);
    EXPECT_EQ(Atual(), (Sel{2, 3})) << "limited to the items of the new band";
    Tecla(TeclaEditor::Baixo);
    EXPECT_EQ(Atual(), (Sel{2, 3}));
    Selecionar(2, 0);
    Tecla(TeclaEditor::Cima);
    EXPECT_EQ(Atual(), (Sel{1, 1})) << "no item becomes item 1";
    Selecionar(1, 0);
    Tecla(TeclaEditor::Direita);
    EXPECT_EQ(Atual(), (Sel{1, 1}));
    EXPECT_EQ(vista.redesenhos, 1);
}

TEST_F(Teclas, ShiftSetasRedimensionamComLimites) {
    Montar(1, 1);
    Selecionar(1, 1);
    doc().banda(1).item(1).Largura = 5;
    doc().banda(1).Altura = 4;
    Tecla(TeclaEditor::Esquerda, true);
    Tecla(TeclaEditor::Cima, true);
    EXPECT_EQ(doc().banda(1).item(1).Largura, 1);
    EXPECT_EQ(doc().banda(1).Altura, 1);
    doc().banda(1).item(1).Largura = 9995;
    Tecla(TeclaEditor::Direita, true);
    EXPECT_EQ(doc().banda(1).item(1).Largura, 9999);
    doc().banda(1).Altura = -20;  // automatic: becomes manual, 8 taller
    Tecla(TeclaEditor::Baixo, true);
    EXPECT_EQ(doc().banda(1).Altura, 28);
    EXPECT_EQ(vista.redesenhos, 5);
}

TEST_F(Teclas, ShiftBaixoNumaFaixaDeBandas) {
    Montar(3, 2);
    ed.SelecionarTudo();
    Tecla(TeclaEditor::Baixo, true);
    for (const Banda& b : doc().Bandas) EXPECT_EQ(b.Altura, 26);
    EXPECT_TRUE(ed.FaixaVisivel()) << "resizing keeps the range";
}

TEST_F(Teclas, CtrlMoveExcluirEInserir) {
    Montar(3, 3);
    Selecionar(3, 2);
    Tecla(TeclaEditor::Cima, false, true);
    EXPECT_EQ(PrimeirosTextos(), (std::vector<std::string>{"1.1", "3.1", "2.1"}));
    EXPECT_EQ(Atual(), (Sel{2, 2}));
    Tecla(TeclaEditor::Direita, false, true);
    EXPECT_EQ(Textos(2), (std::vector<std::string>{"3.1", "3.3", "3.2"}));
    EXPECT_EQ(Atual(), (Sel{2, 3}));

    Tecla(TeclaEditor::Delete);
    EXPECT_EQ(Textos(2), (std::vector<std::string>{"3.1", "3.3"}));
    Tecla(TeclaEditor::Mais);  // inserted before the selected item, which stays selected
    EXPECT_EQ(Textos(2), (std::vector<std::string>{"3.1", "Texto 3", "3.3"}));
    EXPECT_EQ(Atual(), (Sel{2, 3}));
    Tecla(TeclaEditor::Vezes);  // appended, nothing selected
    EXPECT_EQ(Textos(2).back(), "Texto 4");
    EXPECT_EQ(Atual(), (Sel{2, 0}));
    Tecla(TeclaEditor::Menos);  // no item: the band goes
    EXPECT_EQ(doc().NumBandas(), 2);
    Selecionar(1, 1);
    Tecla(TeclaEditor::Escape);
    EXPECT_EQ(Atual(), (Sel{1, 0}));
}

TEST(Atalhos, LinhasPeloTecladoNumerico) {
    EXPECT_EQ(LinhaDoAtalho(4, false), 4);
    EXPECT_EQ(LinhaDoAtalho(7, false), 0);
    const int linhas[10] = {0, 1, 4, 3, 6, 0, 2, 0, 5, 0};
    for (int d = 0; d <= 9; ++d) EXPECT_EQ(LinhaDoAtalho(d, true), linhas[d]) << d;
    EXPECT_EQ(DicaLinha(4), "Linha embaixo do item - ALT + 4 ou CTRL + 2 ");
    EXPECT_EQ(DicaLinha(2), "Linha \xC3\xA0 direita do item - ALT + 2 ou CTRL + 6 ");
    EXPECT_EQ(DicaLinha(0), "");
    EXPECT_EQ(DicaLinha(7), "");
}

TEST(Rolagem, MostrarSelecionadoMantemOItemVisivel) {
    Documento d;
    NovoLayout(d);
    Banda& b = d.banda(1);
    EstadoPagina p;
    p.larguraVisivel = 800;
    p.alturaVisivel = 600;
    p.maximoH = 320;
    p.maximoV = 520;
    b.Topo = 682;  // bottom 700
    EXPECT_EQ(RolagemParaMostrar(d, 1, 1, p), (PosicaoRolagem{0, 108}));
    b.Topo = 50;
    p.v = 100;
    EXPECT_EQ(RolagemParaMostrar(d, 1, 1, p).v, 42);
    b.Topo = 5000;
    EXPECT_EQ(RolagemParaMostrar(d, 1, 1, p).v, 520) << "limited to the maximum";
    b.Topo = 200;
    b.item(1).Esquerda = 836;  // right end 900
    EXPECT_EQ(RolagemParaMostrar(d, 1, 1, p), (PosicaoRolagem{116, 100}));
    p.h = 50;
    b.item(1).Esquerda = 10;
    EXPECT_EQ(RolagemParaMostrar(d, 1, 1, p).h, 10);
}

TEST_F(Teclas, RolagemPorTeclasERoda) {
    Montar(40, 1);
    Selecionar(1, 1);
    vista.pagina.v = 100;
    Tecla(TeclaEditor::PageDown);
    EXPECT_EQ(vista.pagina.v, 520);
    Tecla(TeclaEditor::PageUp);
    EXPECT_EQ(vista.pagina.v, 0);
    Tecla(TeclaEditor::End);
    EXPECT_EQ(vista.pagina.v, 520);
    Tecla(TeclaEditor::Home);
    EXPECT_EQ(vista.pagina.v, 0);

    vista.pagina.v = 100;
    ed.RodaMouse(DirecaoDaRoda(360));  // three notches at once: still one step of 560 / 8
    EXPECT_EQ(vista.pagina.v, 30);
    ed.RodaMouse(DirecaoDaRoda(-120));
    EXPECT_EQ(vista.pagina.v, 100);
    vista.pagina.verticalHabilitada = false;
    const size_t rolagens = vista.rolagens.size();
    ed.RodaMouse(DirecaoRoda::Baixo);
    EXPECT_EQ(vista.rolagens.size(), rolagens);

    // A key step onto a band below the viewport scrolls it into view.
    vista.pagina.v = 0;
    Selecionar(34, 1);  // bottom 16 + 34 * 18 = 628
    Tecla(TeclaEditor::Baixo);
    EXPECT_EQ(vista.pagina.v, 646 - 600 + 8);
}

// ---- one-click creation -----------------------------------------------------

class CriacaoRapida : public EditorTeste {
protected:
    void SetUp() override {
        EditorTeste::SetUp();
        Montar(1, 1);
    }
};

TEST_F(CriacaoRapida, PropostasAbaixoDaUltimaBandaEAoLadoDosItens) {
    ed.PassarMouse(100, 60, false);
    ASSERT_TRUE(ed.Magica().has_value());
    EXPECT_EQ(ed.Magica()->quadro, (Retangulo{8, 34, 104, 34}));
    EXPECT_EQ(ed.Magica()->banda, 2);
    EXPECT_EQ(ed.Magica()->dica, " 104 x 34 px ");
    EXPECT_EQ(vista.magica, ed.Magica());

    ed.PassarMouse(100, 41, false);  // not yet 8 below the last band
    EXPECT_FALSE(ed.Magica().has_value());
    EXPECT_FALSE(vista.magica.has_value());
    EXPECT_FALSE(ProporCriacao(doc(), 16, 60, MedidaPixels).has_value());
    EXPECT_FALSE(ProporCriacao(doc(), 20, 20, MedidaPixels).has_value()) << "over an item";
    EXPECT_FALSE(ProporCriacao(doc(), 20000, 60, MedidaPixels).has_value()) << "wider than 9999";

    ed.PassarMouse(200, 20, false);
    ASSERT_TRUE(ed.Magica().has_value());
    EXPECT_EQ(ed.Magica()->quadro, (Retangulo{72, 16, 144, 18}));
    EXPECT_EQ(ed.Magica()->banda, 1);
    ed.PassarMouse(200, 20, true);
    EXPECT_FALSE(ed.Magica().has_value()) << "a button or Shift hides it";
}

TEST_F(CriacaoRapida, DicaNaUnidadeAtualTruncada) {
    EXPECT_EQ(ProporCriacao(doc(), 100, 60, MedidaCentimetros)->dica, " 2.751 x 0.899 cm ");
    EXPECT_EQ(ProporCriacao(doc(), 100, 60, MedidaPolegadas)->dica, " 1.08333 x 0.35416 pol ");
}

TEST_F(CriacaoRapida, DesligadaOuComFaixaNaoPropoe) {
    ed.DefinirCriacaoRapida(false);
    ed.PassarMouse(100, 60, false);
    EXPECT_FALSE(ed.Magica().has_value());
    ed.DefinirCriacaoRapida(true);
    ed.PassarMouse(100, 60, false);
    ASSERT_TRUE(ed.Magica().has_value());
    ed.DefinirCriacaoRapida(false);
    EXPECT_FALSE(vista.magica.has_value());
}

TEST_F(CriacaoRapida, CliqueCriaBandaOuItem) {
    ed.PassarMouse(100, 60, false);
    ed.ClicarMagica();
    ASSERT_EQ(doc().NumBandas(), 2);
    EXPECT_EQ(doc().banda(2).Altura, 34);
    EXPECT_EQ(doc().banda(2).item(1).Largura, 104);
    EXPECT_FALSE(vista.magica.has_value());
    EXPECT_EQ(vista.redesenhos, 2);

    ed.PassarMouse(200, 20, false);
    ed.ClicarMagica();
    ASSERT_EQ(doc().banda(1).NumItens(), 2);
    EXPECT_EQ(doc().banda(1).item(2).Largura, 144);
    EXPECT_EQ(doc().BandaSel, 1);
    EXPECT_EQ(doc().ItemSel, 0);
}

TEST_F(CriacaoRapida, RedesenhoEscondeOQuadro) {
    ed.PassarMouse(100, 60, false);
    ASSERT_TRUE(vista.magica.has_value());
    ed.ExibirBanda();
    EXPECT_FALSE(vista.magica.has_value());
    ed.ClicarMagica();
    EXPECT_EQ(doc().NumBandas(), 1) << "a hidden frame creates nothing";
}

// ---- a large layout ---------------------------------------------------------

TEST_F(Selecao, MilBandasUmPassoOuCliqueNuncaRedesenhaMaisDeUmaVez) {
    Montar(1000, 3);
    Selecionar(1, 1);
    int antes = vista.redesenhos;
    for (int i = 0; i < 999; ++i) ed.PressionarTecla(TeclaEditor::Baixo, false, false);
    EXPECT_EQ(doc().BandaSel, 1000);
    EXPECT_EQ(vista.redesenhos, antes);
    for (int b = 1; b <= 1000; b += 37) Clicar(b, 2);
    EXPECT_EQ(vista.redesenhos, antes);
    for (int i = 0; i < 10; ++i) {
        antes = vista.redesenhos;
        ed.PressionarTecla(TeclaEditor::Direita, true, false);
        EXPECT_EQ(vista.redesenhos, antes + 1);
    }
    ed.SelecionarTudo();
    antes = vista.redesenhos;
    ed.PressionarTecla(TeclaEditor::Baixo, true, false);
    EXPECT_EQ(vista.redesenhos, antes + 1);
}

}  // namespace
}  // namespace mobrix::teste
