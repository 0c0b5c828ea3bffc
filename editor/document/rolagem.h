#pragma once
// Scrolling the page canvas inside its viewport: keeping the selected item in
// view, the Page Up/Down/Home/End keys and one mouse-wheel step.
#include <cstdint>

#include "document/modelo.h"

namespace mobrix {

// What the window reports about the canvas and the viewport over it.
struct EstadoPagina {
    int32_t larguraPagina = 0;   // canvas size
    int32_t alturaPagina = 0;
    int32_t larguraVisivel = 0;  // viewport size
    int32_t alturaVisivel = 0;
    int32_t h = 0;  // horizontal and vertical scroll values
    int32_t v = 0;
    int32_t maximoH = 0;
    int32_t maximoV = 0;
    int32_t passoGrandeV = 0;  // the vertical scrollbar's large step
    bool verticalHabilitada = true;
};

struct PosicaoRolagem {
    int32_t h = 0;
    int32_t v = 0;

    bool operator==(const PosicaoRolagem&) const = default;
};

// The scroll values that bring item `item` of band `banda` into view with a
// margin of 8 pixels above and below and 16 on the right; each is limited to
// 0 .. its maximum.
PosicaoRolagem RolagemParaMostrar(const Layout& layout, int banda, int item, const EstadoPagina& p);

enum class TeclaRolagem { PageUp, PageDown, Home, End };
// The vertical scroll value after one of these keys.
int32_t RolagemPorTecla(TeclaRolagem tecla, const EstadoPagina& p);

enum class DirecaoRoda { Cima = 1, Baixo = 2 };
// A wheel delta above 0 is one step up, anything else one step down.
inline DirecaoRoda DirecaoDaRoda(int delta) { return delta > 0 ? DirecaoRoda::Cima : DirecaoRoda::Baixo; }
// The vertical scroll value after one wheel step: an eighth of the large step,
// nothing while the scrollbar is disabled.
int32_t RolagemPorRoda(DirecaoRoda direcao, const EstadoPagina& p);

}  // namespace mobrix
