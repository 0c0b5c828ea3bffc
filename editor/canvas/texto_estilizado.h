#pragma once
// The styled text block: words with inline styles filled into lines, aligned
// or justified, rotated by quarter turns, clipped to a cell; or only measured.
#include <string_view>

#include "document/modelo.h"
#include "document/superficie.h"
#include "output/variaveis.h"

namespace mobrix {

// The cell of a text, in pixels of the surface.
struct CaixaTexto {
    double X = 0, Y = 0, Largura = 0, Altura = 0;
};

struct OpcoesTexto {
    bool UmaLinha = false;          // line breaks are ignored, all words on one line
    bool Cortar = false;            // clip to the cell
    bool CentroVertical = false;    // single line only
    bool Base = false;              // single line only; ignored with CentroVertical
    bool CentroHorizontal = false;
    bool Direita = false;           // ignored with CentroHorizontal
    bool SoMedir = false;           // draw nothing, return the block height
    int Angulo = 0;                 // 0, 90, 180 or 270
    bool Justificar = false;
};

// Draws (or measures) a text in the surface's current font, whose styles the
// tags change word by word; the font is as it was afterwards. Returns the
// height of the block when measuring: the lines times the line height, one
// line in single-line mode, 0 at 90 and 270 degrees.
double DesenharTexto(Superficie& s, std::string_view texto, const CaixaTexto& caixa, const OpcoesTexto& opcoes,
                     Cor cor = Preto);

// The point size used on screen: a whole number of pixels.
double AjustarTamanhoFonte(double tamanho);

// The height of a band of automatic height: its tallest text plus 4, or 8
// when it holds no text. Leaves the surface font set to the last item's.
int CalcularAlturaBanda(Superficie& s, const Banda& banda, const DataHora& agora);

// What an item shows as text: colour macros removed, variables filled in.
std::string TextoExibido(const std::string& texto, const DataHora& agora);

}  // namespace mobrix
