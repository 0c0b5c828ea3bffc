#include <gtest/gtest.h>

#include "document/operacoes.h"
#include "document/unidades.h"

using namespace mobrix;

namespace {

Documento NovoDoc() {
    Documento d;
    NovoLayout(d);
    return d;
}

Documento DocComBandas(int n) {
    Documento d = NovoDoc();
    for (int i = 1; i < n; ++i) AddBanda(d, 0, false, 0, 0);
    return d;
}

}  // namespace

TEST(NovoLayout, UmaBandaComUmItemPadrao) {
    Documento d = NovoDoc();
    ASSERT_EQ(d.NumBandas(), 1);
    const Banda& b = d.banda(1);
    EXPECT_EQ(b.Altura, 18);
    EXPECT_EQ(b.Deslocamento, 0);
    EXPECT_EQ(b.Comentario, "");
    EXPECT_EQ(b.Topo, 16);
    ASSERT_EQ(b.NumItens(), 1);
    const Item& it = b.item(1);
    EXPECT_EQ(it.Texto, "Texto 1");
    EXPECT_EQ(it.Largura, 64);
    EXPECT_EQ(it.Fonte, FonteInicialPadrao());
    EXPECT_EQ(it.Atributos.str(), "0000100010");
    EXPECT_EQ(it.Linhas.str(), "0000000000");
    EXPECT_EQ(it.CorFundo, 99);
    EXPECT_EQ(it.Espessura, 1);
    EXPECT_EQ(d.BandaSel, 1);
    EXPECT_EQ(d.ItemSel, 0);
    EXPECT_FALSE(d.Alterado);
    EXPECT_EQ(d.Config, ConfigRelatorio{});
}

TEST(AddBanda, RenumeraCabecalhoERodapeSemMexerNasQuebras) {
    Documento d = DocComBandas(4);
    d.Config.FimCabecalho = 1;
    d.Config.InicioRodape = 3;
    d.Config.Quebras = {2, 3};
    AddBanda(d, 1, false, 0, 0);
    EXPECT_EQ(d.Config.FimCabecalho, 2);
    EXPECT_EQ(d.Config.InicioRodape, 4);
    AddBanda(d, 4, false, 0, 0);
    EXPECT_EQ(d.Config.FimCabecalho, 2);
    EXPECT_EQ(d.Config.InicioRodape, 5);
    EXPECT_EQ(d.Config.Quebras, (std::vector<int16_t>{2, 3}));
    EXPECT_EQ(d.NumBandas(), 6);
    EXPECT_EQ(d.BandaSel, 5);
}

TEST(AddBanda, DuplicarCopiaProfundamenteEZeraDeslocamentoDaOrigem) {
    Documento d = DocComBandas(2);
    d.banda(2).Deslocamento = 7;
    d.banda(2).Comentario = "x";
    d.banda(2).item(1).Texto = "orig";
    AddBanda(d, 2, true, 0, 0);
    ASSERT_EQ(d.NumBandas(), 3);
    EXPECT_EQ(d.banda(2).Deslocamento, 7);
    EXPECT_EQ(d.banda(3).Deslocamento, 0);
    EXPECT_EQ(d.banda(2).Comentario, "x");
    d.banda(2).item(1).Texto = "copia";
    EXPECT_EQ(d.banda(3).item(1).Texto, "orig");
    EXPECT_EQ(d.BandaSel, 3);
}

TEST(AddBanda, AlturaELarguraDados) {
    Documento d = NovoDoc();
    AddBanda(d, 0, false, 30, 100);
    EXPECT_EQ(d.banda(2).Altura, 30);
    EXPECT_EQ(d.banda(2).item(1).Largura, 100);
    EXPECT_EQ(d.banda(2).item(1).Texto, "Texto 1");
}

TEST(RemoverBanda, AjustaMarcadoresESelecao) {
    Documento d = DocComBandas(3);
    d.Config.FimCabecalho = 1;
    RemoverBanda(d, 1);
    EXPECT_EQ(d.Config.FimCabecalho, 0);

    Documento e = DocComBandas(4);
    e.Config.InicioRodape = 3;
    e.BandaSel = 4;
    RemoverBanda(e, 3);
    EXPECT_EQ(e.Config.InicioRodape, 2);
    EXPECT_EQ(e.BandaSel, 3);
}

TEST(AddItem, InsereAntesDoSelecionadoENumeraPeloTotal) {
    Documento d = NovoDoc();
    AddItem(d, 1, false, 0);
    AddItem(d, 1, false, 0);
    EXPECT_EQ(d.banda(1).item(3).Texto, "Texto 3");
    d.ItemSel = 2;
    AddItem(d, 1, false, 0);
    EXPECT_EQ(d.ItemSel, 3);
    EXPECT_EQ(d.banda(1).item(2).Texto, "Texto 4");
    EXPECT_EQ(d.banda(1).item(3).Texto, "Texto 2");
}

TEST(AddItem, DuplicarCopiaOItemDaPosicao) {
    Documento d = NovoDoc();
    d.banda(1).item(1).Texto = "A";
    d.ItemSel = 1;
    AddItem(d, 1, true, 0);
    EXPECT_EQ(d.ItemSel, 2);
    EXPECT_EQ(d.banda(1).item(1).Texto, "A");
    EXPECT_EQ(d.banda(1).item(2).Texto, "A");
}

TEST(RemoverItem, LimitaSelecao) {
    Documento d = NovoDoc();
    AddItem(d, 1, false, 0);
    d.ItemSel = 2;
    RemoverItem(d, 1, 2);
    EXPECT_EQ(d.ItemSel, 1);
    EXPECT_EQ(d.banda(1).NumItens(), 1);
}

TEST(Reposicionar, AlturaAutomaticaEDeslocamentoNegativo) {
    Documento d = DocComBandas(3);
    d.banda(1).Altura = -40;
    d.banda(2).Deslocamento = 5;
    d.banda(3).Deslocamento = -1000;
    ReposicionarBanda(d);
    EXPECT_EQ(d.banda(1).Topo, 16);
    EXPECT_EQ(d.banda(2).Topo, 16 + 40 + 5);
    EXPECT_EQ(d.banda(3).Topo, d.banda(2).Topo);
}

TEST(Reposicionar, ValoresHostisNaoTransbordam) {
    Documento d = DocComBandas(3);
    d.banda(1).Altura = INT32_MIN;
    d.banda(2).Altura = INT32_MAX;
    d.banda(3).Deslocamento = INT32_MAX;
    ReposicionarBanda(d);
    EXPECT_GE(d.banda(3).Topo, d.banda(2).Topo);
    d.banda(1).item(1).Largura = INT32_MAX;
    AddItem(d, 1, false, INT32_MAX);
    AddItem(d, 1, false, 5);
    ReposicionarItem(d.banda(1));
    EXPECT_GT(d.banda(1).item(3).Esquerda, 0);
}

TEST(Reposicionar, ItensLadoALado) {
    Documento d = NovoDoc();
    AddItem(d, 1, false, 10);
    AddItem(d, 1, false, 20);
    ReposicionarItem(d.banda(1));
    EXPECT_EQ(d.banda(1).item(1).Esquerda, 0);
    EXPECT_EQ(d.banda(1).item(2).Esquerda, 64);
    EXPECT_EQ(d.banda(1).item(3).Esquerda, 74);
}

TEST(Quebras, ConjuntoSemOrdem) {
    ConfigRelatorio c;
    QuebraPaginaAdd(c, 5);
    QuebraPaginaAdd(c, 3);
    QuebraPaginaAdd(c, 7);
    EXPECT_TRUE(QuebraPaginaSeek(c, 3));
    QuebraPaginaRemove(c, 9);
    EXPECT_EQ(c.NumQuebras(), 3);
    QuebraPaginaRemove(c, 5);
    EXPECT_EQ(c.Quebras, (std::vector<int16_t>{7, 3}));
    QuebraPaginaRemove(c, 7);
    QuebraPaginaRemove(c, 3);
    EXPECT_EQ(c.NumQuebras(), 0);
    EXPECT_FALSE(QuebraPaginaSeek(c, 3));
}

TEST(Quebras, MarcasPorBandaIgnoramNumerosForaDoLayout) {
    ConfigRelatorio c;
    c.Quebras = {2, -1, 0, 4, 9, 2};
    EXPECT_EQ(BandasComQuebra(c, 4), (std::vector<bool>{false, false, true, false, true}));
    EXPECT_EQ(BandasComQuebra(c, 0), std::vector<bool>{false});
}

TEST(Unidades, ConversaoEExibicao) {
    EXPECT_EQ(FormatarMedidaTruncada(64, MedidaCentimetros), "1.693");
    EXPECT_EQ(FormatarMedidaTruncada(96, MedidaPolegadas), "1");
    EXPECT_EQ(FormatarMedidaTruncada(48, MedidaPolegadas), "0.5");
    EXPECT_EQ(FormatarMedidaTruncada(64, MedidaPixels), "64");
    EXPECT_EQ(FormatarMedidaTruncada(64, 42), "64");  // unknown units behave as pixels
    EXPECT_STREQ(UnidadeDe(42).Sufixo, "px");
    EXPECT_EQ(ValorParaPixels(1.693, MedidaCentimetros), 64);
    EXPECT_EQ(ValorParaPixels(2.5, MedidaPixels), 2);  // halves to even
    EXPECT_EQ(ValorParaPixels(3.5, MedidaPixels), 4);
    EXPECT_EQ(ValorParaPixels(1e30, MedidaPixels), INT32_MAX);
}
