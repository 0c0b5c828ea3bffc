#pragma once
// Drawing one item of a band onto the page: cell outline, background, frame
// lines and the content of its kind.
#include <cstdint>

#include "canvas/pagina.h"

namespace mobrix {

// The item's cell on the canvas: columns esquerda..direita-1 and rows
// topo..base-1 (the band's rows).
struct Celula {
    int64_t esquerda = 0, direita = 0, topo = 0, base = 0;
    int64_t AlturaBanda() const { return base - topo; }
};

Celula CelulaDoItem(const Item& item, int64_t topoBanda, int64_t alturaBanda);

void DesenharItem(ContextoDesenho& ctx, const Item& item, const Celula& celula);

// Canvas coordinates are kept well inside int so that sums cannot overflow.
int Px(int64_t v);

}  // namespace mobrix
