#pragma once
// Pictures, graph bars and barcodes are drawn off-screen first and copied onto
// the page; these place and size that copy.
#include <cstdint>

#include "canvas/desenho_item.h"
#include "document/portas.h"

namespace mobrix {

// Shrinks the picture to fit alturaMax x larguraMax keeping its proportions;
// a picture smaller than both stays as it is.
void RedimensionarFigura(Superficie& figura, int64_t alturaMax, int64_t larguraMax, Dialogos* dialogos = nullptr);

// Top-left of a picture of w x h in the cell: centred, right or left by
// Atributos 1 and 2; centred, bottom or top by 3 and 4.
void PosicionarNaCelula(const Celula& c, const Texto10& atributos, int64_t largura, int64_t altura, int64_t& x,
                        int64_t& y);

// Copies the off-screen picture onto the page at its place in the cell,
// stretched to largura x altura.
void CopiarParaCelula(Superficie& pagina, const Superficie& figura, const Celula& c, const Texto10& atributos,
                      int64_t largura, int64_t altura);

}  // namespace mobrix
