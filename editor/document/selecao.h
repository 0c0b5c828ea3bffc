#pragma once
// Geometry of the selection on the page canvas: the hit test, the outline of
// the selected item cell with its eight handles, the range rectangle and the
// selection label. Canvas coordinates: pixels, y downwards; an item cell
// starts 8 pixels right of its Esquerda (the band-marker gutter).
#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <string>

#include "document/modelo.h"

namespace mobrix {

struct Retangulo {
    int32_t esquerda = 0;
    int32_t topo = 0;
    int32_t largura = 0;
    int32_t altura = 0;

    bool operator==(const Retangulo&) const = default;
};

// Geometry is worked out in 64 bits (hostile sizes from a file must not
// overflow); a result outside int32 saturates.
inline int32_t Saturar(int64_t v) {
    return static_cast<int32_t>(
        std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

struct PosicaoItem {
    int banda = 0;  // 0 = none
    int item = 0;   // 0 = none

    bool operator==(const PosicaoItem&) const = default;
};

// Left margin of the item cells on the canvas.
inline constexpr int32_t MargemItens = 8;

// Bands are searched from the last to the first, the items of a band from
// the first to the last; the first item hit wins. Over bands without an item
// under x the result is the lowest-numbered band that contains y, item 0.
PosicaoItem LocalizarItem(const Layout& layout, int32_t x, int32_t y);

// The selected item cell (shpSize): left Esquerda + 8, top Topo of the band,
// width Largura, height the band's height.
Retangulo ContornoItem(const Layout& layout, int banda, int item);

// The eight drag handles, 7 x 7 squares at the corners and edge midpoints of
// the outline grown by 7 on every side. Index 3 (top middle) moves the band
// and is disabled on band 1.
inline constexpr int32_t TamanhoAlca = 7;
enum IndiceAlca : int {
    AlcaSuperiorEsquerda = 0,
    AlcaEsquerda = 1,
    AlcaInferiorEsquerda = 2,
    AlcaDeslocar = 3,
    AlcaInferior = 4,
    AlcaSuperiorDireita = 5,
    AlcaDireita = 6,
    AlcaInferiorDireita = 7,
};
struct Alca {
    int32_t x = 0;  // top-left corner of the square
    int32_t y = 0;
    bool habilitada = true;

    bool operator==(const Alca&) const = default;
};
std::array<Alca, 8> PosicionarAlcas(const Retangulo& contorno, int bandaSel);

// The rectangle of the range SelBandaIni/SelItemIni .. SelBandaFim/SelItemFim:
// around the items within one band, around whole bands across bands.
Retangulo RetanguloFaixa(const Documento& doc);

// "(band, item)", or "(band)" with no item selected.
std::string RotuloSelecao(int banda, int item);

}  // namespace mobrix
