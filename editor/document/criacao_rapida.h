#pragma once
// One-click creation: while the toggle is down, hovering right of a band's
// items or below the last band proposes a new item or a new band, shown as a
// frame that a click turns into the real thing.
#include <cstdint>
#include <optional>
#include <string>

#include "document/modelo.h"
#include "document/selecao.h"

namespace mobrix {

struct PropostaMagica {
    Retangulo quadro;  // the frame on the canvas (picMagic)
    int banda = 0;     // BandaMagica: the band to append an item to, NumBandas + 1 for a new band
    std::string dica;  // tooltip: " width x height unit "

    int32_t largura() const { return quadro.largura; }
    int32_t altura() const { return quadro.altura; }
    bool operator==(const PropostaMagica&) const = default;
};

// ShowMagic: the frame from (x1, y1) to (x2, y2), item coordinates (the frame
// sits 8 pixels right of x1). Nothing when it would be 10000 pixels or more.
std::optional<PropostaMagica> ShowMagic(int64_t x1, int64_t y1, int64_t x2, int64_t y2, int banda, int medida);

// The proposal for the mouse hovering at (x, y), if any.
std::optional<PropostaMagica> ProporCriacao(const Layout& layout, int32_t x, int32_t y, int medida);

}  // namespace mobrix
