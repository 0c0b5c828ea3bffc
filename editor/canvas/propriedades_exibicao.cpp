#include "canvas/propriedades_exibicao.h"

#include "canvas/opcoes_item.h"
#include "canvas/propriedades.h"
#include "canvas/propriedades_alvos.h"
#include "canvas/propriedades_cores.h"
#include "document/menus.h"

namespace mobrix {
namespace {

constexpr const char* DicaAlturaDaBanda = "O código de barras fica com a altura da banda";

// Boxes 1 to 4 are the same for every kind.
ApresentacaoTipo ComAlinhamento() {
    ApresentacaoTipo a;
    a.caixas[0] = {true, "Centro", "Centralizar na horizontal"};
    a.caixas[1] = {true, "Direita", "Alinhar à direita"};
    a.caixas[2] = {true, "Meio", "Centralizar na vertical"};
    a.caixas[3] = {true, "Base", "Alinhar embaixo"};
    a.caixas[4] = {false, "Uma linha", "Somente uma linha de texto"};
    a.caixas[5] = {false, "Várias linhas", "Várias linhas de texto (caixa de texto)"};
    a.caixas[6] = {false, "&Justificar", "Justificar o texto"};
    a.caixas[7] = {false, "Não co&rtar o texto", "O texto pode passar dos limites do item"};
    a.caixas[8] = {false, "", ""};  // position 9 is the zoom list
    a.caixas[9] = {false, "Cai&xa de texto", "Exibir as palavras sem corta-las"};
    a.legendaCor = "Cor do item:";
    return a;
}

void BotaoFonte(ApresentacaoTipo& a, const char* legenda, const char* dica) {
    a.legendaFonte = legenda;
    a.dicaFonte = dica;
}

ApresentacaoTipo DeTexto() {
    ApresentacaoTipo a = ComAlinhamento();
    for (int i : {4, 5, 6, 7, 9}) a.caixas[static_cast<size_t>(i)].visivel = true;
    ExibirBotaoFonteDeTexto(a);
    return a;
}

ApresentacaoTipo DeFigura() {
    ApresentacaoTipo a = ComAlinhamento();
    a.caixas[9] = {true, "Redimensi&onar", "A figura não ultrapassa os limites do item"};
    a.anguloHabilitado = false;
    BotaoFonte(a, "&Figura", "Alterar a figura do item selecionado");
    return a;
}

ApresentacaoTipo DeCodigoBarras(bool linear) {
    ApresentacaoTipo a = ComAlinhamento();
    if (linear) {
        a.caixas[6] = {true, "&Somente as barras", "Exibir somente as barras, sem os números"};
        a.caixas[7].visivel = true;
        a.caixas[9] = {true, "Redimensi&onar", DicaAlturaDaBanda};
    }
    a.zoomVisivel = true;
    BotaoFonte(a, "A&lterar", "Alterar o código de barras do item selecionado");
    return a;
}

ApresentacaoTipo DeBarraGrafico() {
    ApresentacaoTipo a = DeCodigoBarras(false);
    a.caixas[7].visivel = true;
    a.caixas[9] = {true, "Redimensi&onar", DicaAlturaDaBanda};
    a.anguloHabilitado = false;
    a.zoomVisivel = false;
    a.legendaCor = "Cor da barra:";
    a.linhasVisiveis = false;
    return a;
}

}  // namespace

void ExibirBotaoFonteDeTexto(ApresentacaoTipo& a) {
    BotaoFonte(a, "&Fonte", "Alterar a fonte do item selecionado");
}

ApresentacaoTipo ExibirTipo(int tipo) {
    if (tipo == TipoFigura) return DeFigura();
    if (EhCodigoLinear(tipo)) return DeCodigoBarras(true);
    if (tipo == TipoPDF417) return DeCodigoBarras(false);
    if (tipo == TipoBarraGrafico) return DeBarraGrafico();
    return DeTexto();
}

namespace {

void MostrarItem(EstadoPainel& e, const Item& it) {
    e.tipo = static_cast<int>(TipoEscolhidoDe(it.Tipo));
    e.espessura = it.Espessura;
    e.angulo = e.apresentacao.anguloHabilitado ? IndiceAngulo(it) : 0;
    e.zoom = IndiceZoom(it);
    for (int i = 1; i <= 10; ++i) e.opcoes[static_cast<size_t>(i - 1)] = it.Atributos.ligado(i);
    e.opcoes[6] = Bit1Posicao7(it.Atributos);
    for (int i = 1; i <= 6; ++i) e.linhas[static_cast<size_t>(i - 1)] = it.Linhas.ligado(i);
    e.corTexto = it.CorTexto;
    e.corFundo = it.CorFundo;
    e.corLinhas = it.CorLinhas;
    e.rotuloTexto = CorDoRotulo(it, 'T');
    e.rotuloFundo = CorDoRotulo(it, 'F');
    e.rotuloLinhas = CorDoRotulo(it, 'L');
    e.temFundo = TemFundo(it);
}

}  // namespace

EstadoPainel EstadoDoPainel(const Editor& ed) {
    const Documento& d = ed.doc();
    const Banda& banda = d.bandaSel();
    EstadoPainel e;
    e.itemSelecionado = d.TemItemSelecionado();
    e.medidas.topo = ValorMostrado(banda.Topo, d.Medida);
    e.medidas.altura = ValorMostrado(banda.AlturaEfetiva(), d.Medida);
    e.medidas.deslocamento = ValorMostrado(banda.Deslocamento, d.Medida);
    e.alturaAutomatica = banda.Altura < 1;
    e.deslocamentoHabilitado = e.itemSelecionado && d.BandaSel != 1;
    if (e.itemSelecionado) {
        const Item& it = d.itemSel();
        e.cabecalho = d.Config.FimCabecalho == d.BandaSel;
        e.rodape = d.Config.InicioRodape == d.BandaSel;
        e.texto = it.Texto;
        e.medidas.esquerda = ValorMostrado(it.Esquerda, d.Medida);
        e.medidas.largura = ValorMostrado(it.Largura, d.Medida);
    }
    const Item* mostrado = ItemMostrado(ed);
    e.apresentacao = ExibirTipo(mostrado ? int{mostrado->Tipo} : int{TipoTexto});
    if (ed.FaixaVisivel()) ExibirBotaoFonteDeTexto(e.apresentacao);
    if (mostrado) MostrarItem(e, *mostrado);
    return e;
}

}  // namespace mobrix
