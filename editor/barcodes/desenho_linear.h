#pragma once
// What every linear encoder shares: the symbol's picture at its exact size,
// one pixel column per module, rotation and the human-readable line.
#include <cstdint>
#include <string>
#include <string_view>

#include "document/superficie.h"

namespace mobrix {

// Rows taken by the human-readable line below (or above) the bars.
inline constexpr int AlturaNumeros = 12;

// A bar height below one pixel draws as one pixel: a zero or negative height
// would otherwise draw the bars upwards, out of the picture.
int AlturaBarrasUtil(int16_t alturaBarras);
// The bar height plus the human-readable line when it is shown.
int AlturaSimbolo(int alturaBarras, bool mostrarNumeros);

// Texts longer than this would give symbols far wider than any picture; the
// encoders leave an empty picture instead of building them.
inline constexpr size_t TextoMaximo = size_t{1} << 16;
// True (after emptying the picture) when the text is too long to draw.
bool TextoLongoDemais(Superficie& s, const std::string& texto);

enum class Claros { Pintar, Deixar };

// One symbol being drawn, in the coordinates of the unrotated W x H symbol.
// Creating it resizes the surface to a white W x H picture (H x W at 90 and
// 270 degrees) and selects the font of the human-readable line.
class DesenhoLinear {
public:
    DesenhoLinear(Superficie& s, int64_t largura, int64_t altura, int16_t angulo);

    // Module i of `modulos` becomes column `primeiraColuna` + i, a line from
    // row `topo` to row `base`: black for '1', white for '0' when light
    // modules are painted. Returns the last column drawn.
    int Modulos(std::string_view modulos, int primeiraColuna, int topo, int base, Claros claros);
    double LarguraTexto(std::string_view texto);
    // Writes the text with its top-left at (x, y), rotated with the symbol.
    void Escrever(double x, int y, std::string_view texto);

private:
    Superficie& s_;
    int largura_ = 0, altura_ = 0;
    int16_t angulo_;
};

}  // namespace mobrix
