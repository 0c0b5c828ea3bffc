// Copy and paste through the transfer file, and undo.
#include <filesystem>

#include "document/binario.h"
#include "document/identidade.h"
#include "document/registros.h"
#include "document/transferencia.h"
#include "editor_teste.h"

namespace mobrix::teste {
namespace {

class Transferencia : public EditorTeste {
protected:
    std::string Arquivo() const { return ed.ArquivoClipboard(); }
};

TEST(MarcaClipboard, NomeiaEstaVersao) {
    const std::string marca = MarcaClipboard();
    ASSERT_EQ(marca.size(), 32u);
    EXPECT_EQ(marca, "MobrixEdit (2.0.0.1) clpbrd\r\n   ");
}

TEST_F(Transferencia, ArquivoFicaNaPastaTemporariaDoUsuario) {
    EXPECT_EQ(Arquivo(), sistema.PastaTemporaria() + "~TMP_MobrixEdit.clp");
}

TEST_F(Transferencia, ItemColadoSemItemSelecionadoVaiParaOFim) {
    Montar(2, 3);
    Selecionar(1, 2);
    area.texto = "algo";
    ed.Copiar();
    EXPECT_TRUE(area.texto.empty()) << "the system clipboard is cleared";
    const std::string bytes = LerTudo(Arquivo());
    EXPECT_EQ(bytes.substr(0, 32), MarcaClipboard());

    Selecionar(2, 0);
    ed.ColarItens();
    EXPECT_EQ(Textos(2), (std::vector<std::string>{"2.1", "2.2", "2.3", "1.2"}));
    EXPECT_TRUE(ed.FaixaVisivel());
    EXPECT_EQ(doc().SelItemIni, 4);
    EXPECT_EQ(doc().SelItemFim, 4);
    EXPECT_EQ(doc().ItemSel, 4);
    EXPECT_EQ(doc().banda(2).item(4).Esquerda, 192);
}

TEST_F(Transferencia, BandasColadasAcimaDaBanda1) {
    Montar(5, 2);
    doc().Config.FimCabecalho = 1;
    Selecionar(2, 1);
    ed.SelecionarFaixa(4, 1);
    ed.Copiar();
    Selecionar(1, 0);
    ed.ColarBandas();
    EXPECT_EQ(PrimeirosTextos(), (std::vector<std::string>{"2.1", "3.1", "4.1", "1.1", "2.1", "3.1", "4.1", "5.1"}));
    EXPECT_EQ(doc().SelBandaIni, 1);
    EXPECT_EQ(doc().SelBandaFim, 3);
    EXPECT_EQ(doc().BandaSel, 1);
    EXPECT_EQ(doc().ItemSel, 1);
    EXPECT_TRUE(ed.FaixaVisivel());
    EXPECT_EQ(doc().Config.FimCabecalho, 4) << "the pasted bands join the header";
}

TEST_F(Transferencia, BandasColadasAbaixoDaUltima) {
    Montar(2, 1);
    Selecionar(1, 1);
    ed.Copiar();
    auto [x, y] = Ponto(2, 1);
    ed.PressionarMouse(x, y + 100, BotaoMouse::Esquerdo, false);
    ASSERT_TRUE(ed.AbaixoDaUltima());
    ed.ColarBandas();
    EXPECT_EQ(PrimeirosTextos(), (std::vector<std::string>{"1.1", "2.1", "1.1"}));
    EXPECT_EQ(doc().BandaSel, 3);
    EXPECT_EQ(doc().SelItemFim, 1);
}

TEST_F(Transferencia, ItensDeDuasBandasNumaSoBanda) {
    Montar(3, 2);
    Selecionar(1, 1);
    ed.SelecionarFaixa(2, 2);
    ed.Copiar();
    Selecionar(3, 2);
    ed.ColarItens();
    EXPECT_EQ(Textos(3), (std::vector<std::string>{"3.1", "1.1", "1.2", "2.1", "2.2", "3.2"}));
    EXPECT_EQ(doc().SelItemIni, 2);
    EXPECT_EQ(doc().SelItemFim, 5);
    EXPECT_EQ(doc().ItemSel, 2);
}

TEST_F(Transferencia, CopiarBandaSemItemSelecionadoLevaTodosOsItens) {
    Montar(2, 3);
    Selecionar(2, 0);
    ed.Copiar();
    Selecionar(1, 0);
    ed.ColarBandas();
    EXPECT_EQ(Textos(1), (std::vector<std::string>{"2.1", "2.2", "2.3"}));
}

TEST_F(Transferencia, ArquivoAusenteOuInvalido) {
    Montar(2, 2);
    const Layout antes = doc();
    ed.ColarBandas();
    EXPECT_EQ(dialogos.Ultima(), "Os dados da área de transferência estão vazios!");
    EXPECT_EQ(dialogos.mensagens.back().titulo, "Colar");
    EXPECT_EQ(dialogos.mensagens.back().icone, Icone::Aviso);

    EscritorBinario valido;
    valido.fixo(MarcaClipboard());
    valido.int16(1);
    GravarBanda(valido, doc().banda(1));
    const std::string bom = valido.dados();
    std::string outraVersao = bom;
    outraVersao[14] = '9';
    std::string semItens = MarcaClipboard() + std::string("\x01\x00", 2) + std::string(12, '\0') +
                           std::string("\x00\x00\x00\x00", 4);
    const std::vector<std::string> ruins = {
        "",
        "MobrixEdit",
        outraVersao,
        MarcaClipboard(),                                        // no count
        MarcaClipboard() + std::string("\x00\x00", 2),           // no bands
        MarcaClipboard() + std::string("\xFF\xFF", 2) + bom.substr(34),  // negative count
        MarcaClipboard() + std::string("\xFF\x7F", 2) + bom.substr(34),  // more bands than bytes
        bom.substr(0, bom.size() - 1),                           // cut short
        semItens,
    };
    for (const std::string& r : ruins) {
        GravarTudo(Arquivo(), r);
        dialogos.mensagens.clear();
        ed.ColarBandas();
        ed.ColarItens();
        ASSERT_EQ(dialogos.mensagens.size(), 2u);
        EXPECT_EQ(dialogos.mensagens[0].texto, "Os dados da área de transferência são inválidos!");
        EXPECT_EQ(dialogos.mensagens[1].texto, "Os dados da área de transferência são inválidos!");
    }
    EXPECT_EQ(static_cast<const Layout&>(doc()), antes);
    GravarTudo(Arquivo(), bom);
    ed.ColarBandas();
    EXPECT_EQ(doc().NumBandas(), 3);
}

TEST_F(Transferencia, TextoNaAreaDeTransferenciaDesabilitaColar) {
    Montar(1, 1);
    Selecionar(1, 1);
    ed.Copiar();
    EXPECT_TRUE(ed.AbrirMenuEditar(Foco::Pagina).colar);
    EXPECT_FALSE(ed.AbrirMenuEditar(Foco::CaixaTexto).colar);
    area.texto = "copiado em outro programa";
    EXPECT_FALSE(ed.AbrirMenuEditar(Foco::Pagina).colar);
    EXPECT_FALSE(std::filesystem::exists(Arquivo())) << "the stale transfer file is deleted";
    area.texto.clear();
    EXPECT_FALSE(ed.AbrirMenuEditar(Foco::Pagina).colar);
}

TEST_F(Transferencia, RecortarSoApagaDepoisDeCopiar) {
    Montar(1, 3);
    Selecionar(1, 2);
    ed.Recortar();
    EXPECT_EQ(Textos(1), (std::vector<std::string>{"1.1", "1.3"}));

    // The transfer file cannot be replaced: nothing is cut.
    std::filesystem::remove(Arquivo());
    std::filesystem::create_directory(Arquivo());
    GravarTudo(Arquivo() + "/x", "x");
    ed.Recortar();
    EXPECT_EQ(dialogos.Ultima(), Arquivo() + "\r\rNão foi possível substituir o arquivo acima!");
    EXPECT_EQ(dialogos.mensagens.back().icone, Icone::Erro);
    EXPECT_EQ(Textos(1), (std::vector<std::string>{"1.1", "1.3"}));
}

TEST_F(Transferencia, SelecionarTudo) {
    Montar(3, 2);
    Selecionar(2, 2);
    ed.SelecionarTudo();
    EXPECT_EQ(doc().BandaSel, 1);
    EXPECT_EQ(doc().ItemSel, 1);
    EXPECT_EQ(doc().SelBandaIni, 1);
    EXPECT_EQ(doc().SelBandaFim, 3);
    EXPECT_EQ(ed.Alvos().size(), 6u);
    ed.Copiar();
    ed.ColarBandas();
    EXPECT_EQ(doc().NumBandas(), 6);
}

TEST_F(Transferencia, PainelDeComandosCopiaTextoSimplesERico) {
    ed.CopiarTextoComandos("TX 0001");
    EXPECT_EQ(area.texto, "TX 0001");
    EXPECT_TRUE(area.rico);
    EXPECT_EQ(area.limpezas, 1);
}

// ---- undo -------------------------------------------------------------------

class Desfazer : public EditorTeste {};

TEST_F(Desfazer, NovoEUmaEdicao) {
    EXPECT_FALSE(ed.PodeDesfazer());
    EXPECT_FALSE(ed.AbrirMenuEditar(Foco::Pagina).desfazer);
    const Layout novo = doc();
    ed.BandaAdicionar();
    EXPECT_TRUE(ed.PodeDesfazer());
    EXPECT_TRUE(ed.AbrirMenuEditar(Foco::Outro).desfazer);
    EXPECT_FALSE(ed.AbrirMenuEditar(Foco::CaixaTexto).desfazer);
    const int redesenhos = vista.redesenhos;
    ed.Desfazer();
    EXPECT_EQ(static_cast<const Layout&>(doc()), novo);
    EXPECT_FALSE(ed.PodeDesfazer());
    EXPECT_EQ(vista.redesenhos, redesenhos + 1);
    EXPECT_TRUE(doc().Alterado);
    ed.Desfazer();  // nothing left: nothing happens
    EXPECT_EQ(vista.redesenhos, redesenhos + 1);
}

TEST_F(Desfazer, RedesenhoSemPassoDeDesfazer) {
    ed.BandaAdicionar();
    doc().Config.Paisagem = true;
    ed.ExibirBanda(false);
    ed.Desfazer();
    EXPECT_EQ(doc().NumBandas(), 1) << "the orientation redraw was no step of its own";
    EXPECT_TRUE(doc().Config.Paisagem);
}

TEST_F(Desfazer, QuatorzeEdicoesDozeDesfazeres) {
    for (int i = 0; i < 14; ++i) ed.BandaAdicionar();
    ASSERT_EQ(doc().NumBandas(), 15);
    int desfeitos = 0;
    while (ed.PodeDesfazer()) {
        ed.Desfazer();
        ++desfeitos;
    }
    EXPECT_EQ(desfeitos, 12);
    EXPECT_EQ(doc().NumBandas(), 3);
}

TEST_F(Desfazer, RestauraMarcasESelecaoMasNaoOutrasOpcoes) {
    Selecionar(1, 1);
    ed.BandaAdicionar();
    Selecionar(2, 1);
    ed.MarcarRodape(true);
    ed.BandaQuebraPagina();
    doc().Config.Paisagem = true;
    ed.BandaRemover();
    ASSERT_EQ(doc().NumBandas(), 1);
    ed.Desfazer();
    EXPECT_EQ(doc().NumBandas(), 2);
    EXPECT_EQ(doc().Config.InicioRodape, 2);
    EXPECT_EQ(doc().Config.Quebras, (std::vector<int16_t>{2}));
    EXPECT_EQ(doc().BandaSel, 2);
    EXPECT_EQ(doc().ItemSel, 1);
    EXPECT_TRUE(doc().Config.Paisagem);
    ed.Desfazer();
    EXPECT_TRUE(doc().Config.Quebras.empty());
}

TEST_F(Desfazer, EdicaoDepoisDeDesfazerGravaPorCima) {
    ed.BandaAdicionar();
    ed.BandaAdicionar();
    ed.Desfazer();
    ed.ItemAdicionar();
    EXPECT_EQ(doc().banda(1).NumItens(), 2);
    ed.Desfazer();
    EXPECT_EQ(doc().NumBandas(), 2);
    EXPECT_EQ(doc().banda(1).NumItens(), 1);
    ed.Desfazer();
    EXPECT_EQ(doc().NumBandas(), 1);
    EXPECT_FALSE(ed.PodeDesfazer());
}

TEST(AnelDesfazer, VoltaAoInicioDoAnel) {
    AnelDesfazer anel;
    anel.Reiniciar();
    EXPECT_FALSE(anel.PodeDesfazer());
    EXPECT_EQ(anel.Desfazer(), nullptr);
    for (int i = 1; i <= 30; ++i) {
        FotoDesfazer f;
        f.ItemSel = static_cast<int16_t>(i);
        anel.Gravar(std::move(f));
    }
    std::vector<int> vistos;
    while (const FotoDesfazer* f = anel.Desfazer()) vistos.push_back(f->ItemSel);
    EXPECT_EQ(vistos, (std::vector<int>{29, 28, 27, 26, 25, 24, 23, 22, 21, 20, 19, 18}));
}

}  // namespace
}  // namespace mobrix::teste
