#pragma once
// The barcode item dialog's rules: how the item text opens in the two boxes,
// how OK puts it back, and the fixed texts and samples of each kind.
#include <string>
#include <vector>

#include "document/superficie.h"

namespace mobrix {

// The literal box (`txtTexto`) and the command or variable box (`txtComando`).
struct CamposCodigoBarras {
    std::string texto;
    std::string comando;
};

// A text that begins with a double quote opens in the literal box with every
// double quote removed; any other text opens in the command box.
CamposCodigoBarras AbrirCodigoBarras(const std::string& textoItem);

// A graph bar's literal as a whole number: the numeric prefix rounded half
// to even, 0 when negative or beyond a 16-bit integer.
std::string LiteralBarraGrafico(const std::string& texto);

struct ConfirmacaoCodigoBarras {
    std::string textoItem;  // the command, or the literal between double quotes
    std::string texto;      // what the literal box shows afterwards
};
ConfirmacaoCodigoBarras ConfirmarCodigoBarras(const CamposCodigoBarras& campos, int tipo);

// The dialog's options, in order, and their captions (UTF-8).
const std::vector<int>& TiposDoDialogoCodigoBarras();
const char* LegendaTipoCodigoBarras(int tipo);
// `lblValor`: "Altura:" for a graph bar, else "Código de Barras:".
const char* LegendaValorCodigoBarras(int tipo);
// "Usar a altura da banda" is offered to every kind but graph bars and PDF417.
bool UsaAlturaDaBanda(int tipo);
// The lines of `lblInfo` (UTF-8); none for a graph bar, whose `lblTitInfo` is hidden.
std::vector<std::string> CaracteresValidos(int tipo);

// The preview of a barcode kind: a fixed sample, bars 40 pixels high.
struct AmostraCodigoBarras {
    std::string valor;
    bool comCheck = false;        // Code 39 with its check character
    bool mostrarNumeros = true;
    bool numerosNoTopo = false;   // Interleaved 2 of 5 with numbers on top
};
inline constexpr int AlturaAmostraCodigoBarras = 40;
AmostraCodigoBarras AmostraDoTipo(int tipo);
// The graph bar's preview: three outlined bars on an 80 x 52 picture.
void DesenharAmostraBarraGrafico(Superficie& s);

}  // namespace mobrix
