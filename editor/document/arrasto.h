#pragma once
// Arithmetic of dragging one of the eight selection handles: the new outline
// for a mouse offset, and the band offset that a moved top edge gives.
#include <cstdint>

#include "document/modelo.h"
#include "document/selecao.h"

namespace mobrix {

struct Arrasto {
    int alca = 0;          // IndiceAlca
    Retangulo inicio;      // the outline when the button went down
    int32_t mouseX = 0;    // where the button went down
    int32_t mouseY = 0;
    int32_t limiteTopo = 0;  // the top edge never goes above this
};

// The upper limit of the top edge: 8 on band 1 or with no item selected,
// otherwise the top of the band above.
int32_t LimiteTopo(const Layout& layout, int bandaSel, int itemSel);

// The outline for the mouse at (x, y). Offsets are truncated towards zero to
// multiples of 8; edges the handle does not move ignore their offset. Widths
// stay at least 8 and heights at least 1, and the right and bottom edges stay
// within the canvas.
Retangulo ContornoArrastado(const Arrasto& a, int32_t x, int32_t y, int32_t larguraPagina, int32_t alturaPagina);

// A band moved by its top edge may start at most at the top of the band
// above: an offset that reaches above it becomes -9999, which the band
// positions turn into exactly that top.
inline constexpr int32_t DeslocamentoAteBandaAnterior = -9999;
int32_t NovoDeslocamento(int32_t deslocamento, int64_t movimento, int32_t alturaAnterior);

}  // namespace mobrix
