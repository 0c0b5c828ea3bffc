#pragma once
// What the property panel shows for the selection (its Validar) and how it adapts
// to the selected item's kind (ExibirTipo). Captions and tooltips are UTF-8.
#include <array>
#include <string>

#include "document/editor.h"
#include "document/paleta.h"

namespace mobrix {

struct CaixaOpcao {
    bool visivel = true;
    const char* legenda = "";
    const char* dica = "";
};

// The parts of the panel that depend on the item's kind.
struct ApresentacaoTipo {
    std::array<CaixaOpcao, 10> caixas;  // chkAlinhamento1..10
    bool anguloHabilitado = true;       // off: the list shows "0°"
    bool zoomVisivel = false;
    const char* legendaFonte = "";  // btnFonte
    const char* dicaFonte = "";
    const char* legendaCor = "";  // fraCor
    bool linhasVisiveis = true;   // fraLinhas
};

// Kinds other than pictures, barcodes, PDF417 and graph bars show as texts.
ApresentacaoTipo ExibirTipo(int tipo);
// With a range shown the font button is the font button again, whatever the
// selected item's kind.
void ExibirBotaoFonteDeTexto(ApresentacaoTipo& apresentacao);

// The values of the numeric fields, in the shown unit.
struct MedidasPainel {
    double topo = 0, esquerda = 0, largura = 0, altura = 0, deslocamento = 0;
};

struct EstadoPainel {
    bool itemSelecionado = false;  // text box, buttons and numeric fields enabled
    bool cabecalho = false;        // chkCabecalho
    bool rodape = false;           // chkRodape
    std::string texto;             // Windows-1252
    int tipo = 0;                  // cmbTipo entry
    MedidasPainel medidas;
    bool alturaAutomatica = false;  // picAuto
    bool deslocamentoHabilitado = false;
    int espessura = 1;
    int angulo = 0;  // cmbAngulo entry
    int zoom = 0;    // cmbTamanho entry
    std::array<bool, 10> opcoes{};  // chkAlinhamento1..10
    std::array<bool, 6> linhas{};   // Linhas 1..6
    int corTexto = 0, corFundo = SemFundo, corLinhas = 0;
    // The colours as drawn (custom colours included): lblTexto, lblFundo,
    // lblLinhas, PicCorItem and picCorLinha show them.
    Cor rotuloTexto = Preto, rotuloFundo = Branco, rotuloLinhas = Preto;
    bool temFundo = false;
    ApresentacaoTipo apresentacao;
};

EstadoPainel EstadoDoPainel(const Editor& ed);

}  // namespace mobrix
