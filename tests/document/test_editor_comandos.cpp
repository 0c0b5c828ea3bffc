// Band and item commands: preconditions, messages, markers and kinds.
#include "document/codigo_barras_item.h"
#include "document/fontes.h"
#include "document/identidade.h"
#include "document/menus.h"
#include "editor_teste.h"

namespace mobrix::teste {
namespace {

class Comandos : public EditorTeste {};

TEST_F(Comandos, RemoverAUltimaBandaRecusa) {
    Montar(1, 2);
    const Layout antes = doc();
    const int redesenhos = vista.redesenhos;
    ed.BandaRemover();
    ASSERT_EQ(dialogos.mensagens.size(), 1u);
    EXPECT_EQ(dialogos.mensagens[0].texto, "Não é possível remover a última banda!");
    EXPECT_EQ(dialogos.mensagens[0].icone, Icone::Informacao);
    EXPECT_EQ(dialogos.mensagens[0].titulo, TituloAplicacao);
    EXPECT_EQ(static_cast<const Layout&>(doc()), antes);
    EXPECT_EQ(vista.redesenhos, redesenhos);
}

TEST_F(Comandos, RemoverOUltimoItemPerguntaPelaBanda) {
    Montar(2, 1);
    Selecionar(2, 1);
    dialogos.respostas = {Resposta::Nao};
    ed.ItemRemover();
    EXPECT_EQ(doc().NumBandas(), 2);
    EXPECT_EQ(dialogos.Ultima(), "Este é o último item da banda!\r\rVocê deseja remover a banda selecionada?");
    EXPECT_EQ(dialogos.mensagens.back().botoes, Botoes::SimNao);
    EXPECT_EQ(dialogos.mensagens.back().icone, Icone::Pergunta);
    dialogos.respostas = {Resposta::Sim};
    ed.ItemRemover();
    EXPECT_EQ(doc().NumBandas(), 1);
    EXPECT_EQ(doc().BandaSel, 1);
    EXPECT_EQ(doc().ItemSel, 0);
    // Band 1 alone: the band command refuses after the question.
    Selecionar(1, 1);
    dialogos.respostas = {Resposta::Sim};
    ed.ItemRemover();
    EXPECT_EQ(dialogos.Ultima(), "Não é possível remover a última banda!");
}

TEST_F(Comandos, ExcluirFaixas) {
    Montar(4, 4);
    Selecionar(1, 1);
    ed.SelecionarFaixa(4, 1);
    ed.Excluir();
    EXPECT_EQ(dialogos.Ultima(), "Não é possível excluir todas as bandas!");
    EXPECT_EQ(doc().NumBandas(), 4);

    Selecionar(1, 2);
    ed.SelecionarFaixa(1, 3);
    ed.Excluir();
    EXPECT_EQ(Textos(1), (std::vector<std::string>{"1.1", "1.4"}));
    EXPECT_FALSE(ed.FaixaVisivel());

    doc().Config.FimCabecalho = 4;
    Selecionar(3, 1);
    ed.SelecionarFaixa(2, 1);
    ed.Excluir();
    EXPECT_EQ(PrimeirosTextos(), (std::vector<std::string>{"1.1", "4.1"}));
    EXPECT_EQ(doc().Config.FimCabecalho, 2);
    EXPECT_EQ(doc().BandaSel, 2) << "the selection lands where the bands were";
    EXPECT_EQ(doc().ItemSel, 0);

    // A range over every item of a band removes the band.
    Selecionar(2, 1);
    ed.SelecionarFaixa(2, 4);
    ed.Excluir();
    EXPECT_EQ(PrimeirosTextos(), (std::vector<std::string>{"1.1"}));
}

TEST_F(Comandos, ExcluirSemFaixaESemItemRemoveABanda) {
    Montar(2, 2);
    Selecionar(2, 0);
    ed.Excluir();
    EXPECT_EQ(doc().NumBandas(), 1);
}

TEST_F(Comandos, MoverBandasAtravessaAsMarcas) {
    Montar(4, 1);
    doc().Config.FimCabecalho = 2;
    doc().Config.Quebras = {3};
    Selecionar(3, 1);
    ed.BandaParaCima();
    EXPECT_EQ(PrimeirosTextos(), (std::vector<std::string>{"1.1", "3.1", "2.1", "4.1"}));
    EXPECT_EQ(doc().Config.FimCabecalho, 2) << "the former band 3 is now the last header band";
    EXPECT_EQ(doc().Config.Quebras, (std::vector<int16_t>{3}));
    EXPECT_EQ(doc().BandaSel, 2);
    Selecionar(1, 1);
    ed.BandaParaCima();
    Selecionar(4, 1);
    ed.BandaParaBaixo();
    EXPECT_EQ(PrimeirosTextos(), (std::vector<std::string>{"1.1", "3.1", "2.1", "4.1"}));
}

TEST_F(Comandos, InserirAcimaDoRodapeManterORodape) {
    Montar(3, 1);
    doc().Config.InicioRodape = 2;
    doc().Config.Quebras = {2};
    Selecionar(2, 1);
    ed.BandaInserir();
    EXPECT_EQ(doc().NumBandas(), 4);
    EXPECT_EQ(doc().Config.InicioRodape, 3);
    EXPECT_EQ(doc().Config.Quebras, (std::vector<int16_t>{2}));
    EXPECT_EQ(doc().BandaSel, 3) << "the selection stays on the band that was selected";
    EXPECT_EQ(doc().banda(2).item(1).Texto, "Texto 1");

    ed.BandaDuplicar();
    EXPECT_EQ(doc().banda(3).item(1).Texto, "2.1");
    EXPECT_EQ(doc().banda(4).item(1).Texto, "2.1");
    ed.BandaAdicionar();
    EXPECT_EQ(doc().NumBandas(), 6);
}

TEST_F(Comandos, CaixasDeCabecalhoERodape) {
    Montar(6, 1);
    doc().Config.FimCabecalho = 5;
    Selecionar(4, 1);
    ed.MarcarRodape(true);
    EXPECT_EQ(doc().Config.InicioRodape, 4);
    EXPECT_EQ(doc().Config.FimCabecalho, 0);
    ed.MarcarCabecalho(true);  // a header cannot end at or below the footer start
    EXPECT_EQ(doc().Config.FimCabecalho, 4);
    EXPECT_EQ(doc().Config.InicioRodape, 0);
    ed.MarcarCabecalho(false);
    EXPECT_EQ(doc().Config.FimCabecalho, 0);
    Selecionar(4, 0);
    ed.MarcarCabecalho(true);
    EXPECT_EQ(doc().Config.FimCabecalho, 0) << "acts only with an item selected";
    EXPECT_TRUE(dialogos.mensagens.empty());
}

TEST_F(Comandos, RodapeDesligaAQuebraFinal) {
    Montar(3, 1);
    doc().Config.QuebraFinal = true;
    Selecionar(3, 1);
    const int comandos = vista.comandos;
    ed.MarcarRodape(true);
    ASSERT_EQ(dialogos.mensagens.size(), 1u);
    EXPECT_EQ(dialogos.Ultima(),
              "Não é possível finalizar com quebra de página um relatório com rodapé!\r\r"
              "A quebra de página será removida do final da página.");
    EXPECT_EQ(dialogos.mensagens[0].titulo, "Rodapé");
    EXPECT_FALSE(doc().Config.QuebraFinal);
    EXPECT_EQ(vista.comandos, comandos + 2) << "the redraw and the switch each regenerate the text";

    ed.FinalizarComQuebra();
    EXPECT_EQ(dialogos.Ultima(), "Não é possível finalizar com quebra de página um relatório com rodapé!");
    EXPECT_FALSE(doc().Config.QuebraFinal);

    ed.MarcarRodape(false);
    doc().Alterado = false;
    const int menus = vista.menusConfiguracao;
    ed.FinalizarComQuebra();
    EXPECT_TRUE(doc().Config.QuebraFinal);
    EXPECT_TRUE(doc().Alterado);
    EXPECT_EQ(vista.menusConfiguracao, menus + 1);
    ed.FinalizarComQuebra();
    EXPECT_FALSE(doc().Config.QuebraFinal);
}

TEST_F(Comandos, MudarParaFiguraGuardaSoOBitDeJustificar) {
    Montar(2, 2);
    doc().banda(1).item(1).Atributos.definirDigito(7, 5);
    doc().banda(2).item(2).Atributos.definirDigito(7, 8);
    Selecionar(1, 1);
    ed.SelecionarFaixa(2, 2);
    ed.MudarTipo(TipoEscolhido::Figura);
    for (const Banda& b : doc().Bandas) {
        for (const Item& it : b.Itens) {
            EXPECT_EQ(it.Tipo, TipoFigura);
            EXPECT_EQ(it.Atributos(7), '1') << "the selected item's digit, for every target";
        }
    }
    EXPECT_TRUE(ed.FaixaVisivel()) << "the kind change keeps the range";
    ed.MudarTipo(TipoEscolhido::Comando);
    EXPECT_EQ(doc().banda(2).item(2).Tipo, TipoComando);
    Selecionar(2, 1);
    ed.SelecionarFaixa(0, 0);
    ed.MudarTipo(TipoEscolhido::Texto);
    EXPECT_EQ(doc().banda(2).item(1).Tipo, TipoTexto);
    EXPECT_EQ(doc().banda(2).item(2).Tipo, TipoComando);
}

TEST_F(Comandos, MudarParaCodigoDeBarrasUsaAsOpcoesAtuais) {
    Montar(1, 2);
    Selecionar(1, 1);
    ed.MudarTipo(TipoEscolhido::CodigoBarras);
    EXPECT_EQ(doc().banda(1).item(1).Tipo, TipoEAN13);
    EXPECT_EQ(doc().banda(1).item(1).Texto, "1.1");

    ConfigCodigoBarras& cb = ed.CodigoBarras();
    cb.TipoCodigoBarras = TipoBarraGrafico;
    cb.BarraGrafico = true;
    cb.UsarAlturaBanda = true;
    Item& it = doc().banda(1).item(2);
    it.Atributos = Texto10("0010107010");
    Selecionar(1, 2);
    ed.MudarTipo(TipoEscolhido::CodigoBarras);
    EXPECT_EQ(it.Tipo, TipoBarraGrafico);
    EXPECT_EQ(it.Atributos.str(), "0001101011") << "4 and 10 set, 3 cleared, 7 keeps its lowest bit";
}

TEST_F(Comandos, AlterarCodigoDeBarrasPartePeloItemEGuardaAEscolha) {
    Montar(1, 2);
    EXPECT_FALSE(ed.IniciarAlteracaoCodigoBarras()) << "no item selected";
    Selecionar(1, 2);
    Item& it = doc().banda(1).item(2);
    it.Tipo = TipoCode128B;
    it.Texto = "VAR";
    ASSERT_TRUE(ed.IniciarAlteracaoCodigoBarras());
    EXPECT_EQ(ed.CodigoBarras().TipoCodigoBarras, TipoCode128B) << "kept even when the dialog is cancelled";
    EXPECT_EQ(ed.CodigoBarras().TextoCodigoBarras, "VAR");
    EXPECT_FALSE(doc().Alterado);

    ConfigCodigoBarras escolhido = ed.CodigoBarras();
    escolhido.TipoCodigoBarras = TipoCode39;
    escolhido.TextoCodigoBarras = "\"123\"";
    const int validacoes = vista.validacoes;
    ed.ConcluirAlteracaoCodigoBarras(escolhido);
    EXPECT_EQ(it.Tipo, TipoCode39);
    EXPECT_EQ(it.Texto, "\"123\"");
    EXPECT_EQ(ed.CodigoBarras().TipoCodigoBarras, TipoCode39);
    EXPECT_TRUE(doc().Alterado);
    EXPECT_EQ(vista.validacoes, validacoes + 1);
}

TEST(CodigoBarrasItem, CaminhoDoDialogo) {
    Item it;
    it.Texto = "x";
    it.Atributos = Texto10("0010105030");
    ConfigCodigoBarras cb;
    cb.TipoCodigoBarras = TipoBarraGrafico;
    cb.TextoCodigoBarras = "\"12\"";
    cb.UsarAlturaBanda = true;
    AplicarCodigoBarras(it, cb, OrigemCodigoBarras::Dialogo);
    EXPECT_EQ(it.Texto, "\"12\"");
    EXPECT_EQ(it.Atributos.str(), "0000011011") << "zoom 1; 6 set, so 5, 3 and 4 cleared";
    const ConfigCodigoBarras lido = CodigoBarrasDoItem(it);
    EXPECT_EQ(lido.TipoCodigoBarras, TipoBarraGrafico);
    EXPECT_TRUE(lido.UsarAlturaBanda);
    EXPECT_FALSE(lido.BarraGrafico);
    EXPECT_EQ(lido.TextoCodigoBarras, "\"12\"");
}

TEST_F(Comandos, FonteDosItens) {
    Montar(2, 3);
    Selecionar(2, 1);
    FonteItem escolhida{"Courier New", 0, true, false, true, false};
    dialogos.fontes = {{escolhida, 0.5}, {escolhida, 120}, {std::nullopt, 0}, {FonteItem{}, 12}};
    ed.BandaFonte();
    EXPECT_EQ(dialogos.fontesIniciais.back(), doc().FonteInicial);
    for (const Item& it : doc().banda(2).Itens) {
        EXPECT_EQ(it.Fonte.Nome, "Courier New");
        EXPECT_EQ(it.Fonte.Tamanho, 8);
        EXPECT_TRUE(it.Fonte.Negrito);
        EXPECT_TRUE(it.Fonte.Sublinhado);
    }
    EXPECT_EQ(doc().banda(1).item(1).Fonte, FonteInicialPadrao());
    ed.BandaFonte();
    EXPECT_EQ(doc().banda(2).item(3).Fonte.Tamanho, 20);
    const int redesenhos = vista.redesenhos;
    ed.BandaFonte();  // cancelled
    ed.BandaFonte();  // no face name
    EXPECT_EQ(dialogos.Ultima(), "O nome da fonte não foi informado ou é inválido!");
    EXPECT_EQ(doc().banda(2).item(3).Fonte.Tamanho, 20);
    EXPECT_EQ(vista.redesenhos, redesenhos);
    EXPECT_EQ(TamanhoFonteEscolhido(100), 8);
    EXPECT_EQ(TamanhoFonteEscolhido(-5), 8);
    EXPECT_EQ(TamanhoFonteEscolhido(99.9), 99);
    EXPECT_EQ(TamanhoFonteEscolhido(12.75), 12);
    EXPECT_EQ(TamanhoFonteEscolhido(110), 10);
    EXPECT_EQ(TamanhoFonteEscolhido(199.9), 99);
    EXPECT_EQ(TamanhoFonteEscolhido(std::nan("")), 8);
}

TEST_F(Comandos, QuebraDePaginaEAlturaAutomatica) {
    Montar(2, 1);
    Selecionar(1, 1);
    EstadoMenuEditar m = ed.AbrirMenuEditar(Foco::Pagina);
    EXPECT_FALSE(m.quebrarPagina);
    ed.BandaQuebraPagina();
    EXPECT_TRUE(doc().Config.Quebras.empty());
    Selecionar(2, 1);
    m = ed.AbrirMenuEditar(Foco::Pagina);
    EXPECT_TRUE(m.quebrarPagina);
    EXPECT_EQ(m.legendaQuebrarPagina, "&Quebrar a Página");
    EXPECT_EQ(m.legendaAltura, "Alt&ura automática");
    ed.BandaQuebraPagina();
    EXPECT_EQ(doc().Config.Quebras, (std::vector<int16_t>{2}));
    EXPECT_EQ(ed.AbrirMenuEditar(Foco::Pagina).legendaQuebrarPagina, "Remover a &Quebra de Página");
    ed.BandaQuebraPagina();
    EXPECT_TRUE(doc().Config.Quebras.empty());

    ed.BandaAlturaAutomatica();
    EXPECT_EQ(doc().banda(2).Altura, -VistaFalsa::AlturaAutomatica);
    EXPECT_EQ(ed.AbrirMenuEditar(Foco::Pagina).legendaAltura, "Alt&ura manual");
    EXPECT_TRUE(ed.Selecao().alturaAutomatica);
    ed.BandaAlturaAutomatica();
    EXPECT_EQ(doc().banda(2).Altura, VistaFalsa::AlturaAutomatica) << "manual at its current height";
}

TEST_F(Comandos, ItensInserirAdicionarDuplicarEMover) {
    Montar(1, 3);
    Selecionar(1, 2);
    ed.ItemInserir();
    EXPECT_EQ(Textos(1), (std::vector<std::string>{"1.1", "Texto 4", "1.2", "1.3"}));
    EXPECT_EQ(doc().ItemSel, 3);
    ed.ItemDuplicar();
    EXPECT_EQ(Textos(1), (std::vector<std::string>{"1.1", "Texto 4", "1.2", "1.2", "1.3"}));
    EXPECT_EQ(doc().ItemSel, 4);
    ed.ItemAdicionar();
    EXPECT_EQ(Textos(1).back(), "Texto 6");
    EXPECT_EQ(doc().ItemSel, 0);
    Selecionar(1, 1);
    ed.ItemEsquerda();
    EXPECT_EQ(doc().ItemSel, 1);
    Selecionar(1, 6);
    ed.ItemDireita();
    EXPECT_EQ(doc().ItemSel, 6);
    ed.ItemEsquerda();
    EXPECT_EQ(Textos(1)[4], "Texto 6");
    EXPECT_EQ(doc().ItemSel, 5);
}

TEST_F(Comandos, MenuEditarHabilitacao) {
    Montar(1, 1);
    EstadoMenuEditar m = ed.AbrirMenuEditar(Foco::Pagina);
    EXPECT_FALSE(m.item) << "no item selected";
    EXPECT_TRUE(m.copiar && m.recortar && m.excluir && m.selecionarTudo);
    EXPECT_FALSE(m.colar) << "no transfer file yet";
    Selecionar(1, 1);
    doc().banda(1).item(1).Tipo = TipoPDF417;
    m = ed.AbrirMenuEditar(Foco::Outro);
    EXPECT_TRUE(m.item);
    EXPECT_FALSE(m.copiar || m.recortar || m.excluir || m.selecionarTudo || m.colar);
    EXPECT_TRUE(m.mudarPara.texto && m.mudarPara.figura && m.mudarPara.comando);
    EXPECT_FALSE(m.mudarPara.codigoBarras);
    const EstadoMenuTipo t = MenuTipo(doc());
    EXPECT_FALSE(t.codigoBarras);
    EXPECT_TRUE(t.texto);
}

TEST_F(Comandos, LimiteDeItensNumaBanda) {
    Montar(1, 1);
    Banda& b = doc().banda(1);
    b.Itens.resize(MaxItens, b.Itens.front());
    Selecionar(1, 0);
    ed.ItemInserir();
    EXPECT_EQ(b.NumItens(), MaxItens);
    EXPECT_EQ(dialogos.Ultima(), "A banda já tem o número máximo de itens (32767)!");
}

}  // namespace
}  // namespace mobrix::teste
