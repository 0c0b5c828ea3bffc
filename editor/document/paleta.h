#pragma once
// The fixed colour palettes of colour codes: 0..15 the classic colours,
// 16..79 the extended palette; 99 in CorFundo means no background.
#include <array>
#include <cstdint>

#include "document/superficie.h"

namespace mobrix {

inline constexpr int SemFundo = 99;

inline constexpr std::array<Cor, 16> PaletaBasica = {
    Rgb(0, 0, 0),     Rgb(0, 0, 128),     Rgb(0, 128, 0),   Rgb(0, 128, 128), Rgb(128, 0, 0),   Rgb(128, 0, 128),
    Rgb(128, 128, 0), Rgb(192, 192, 192), Rgb(128, 128, 128), Rgb(0, 0, 255), Rgb(0, 255, 0),   Rgb(0, 255, 255),
    Rgb(255, 0, 0),   Rgb(255, 0, 255),   Rgb(255, 255, 0), Rgb(255, 255, 255),
};

inline constexpr std::array<Cor, 64> PaletaExtendida = {
    Rgb(248, 248, 248), Rgb(255, 231, 231), Rgb(255, 239, 222), Rgb(255, 255, 239),
    Rgb(198, 255, 198), Rgb(239, 255, 255), Rgb(214, 214, 255), Rgb(255, 222, 255),
    Rgb(239, 239, 239), Rgb(255, 198, 198), Rgb(247, 222, 189), Rgb(255, 255, 206),
    Rgb(156, 255, 156), Rgb(214, 255, 255), Rgb(189, 189, 255), Rgb(255, 198, 255),
    Rgb(222, 222, 222), Rgb(255, 165, 165), Rgb(255, 198, 132), Rgb(255, 255, 165),
    Rgb(132, 255, 132), Rgb(189, 255, 255), Rgb(173, 181, 255), Rgb(255, 165, 255),
    Rgb(198, 198, 198), Rgb(255, 132, 132), Rgb(247, 173, 90),  Rgb(255, 255, 132),
    Rgb(99, 247, 99),   Rgb(132, 255, 255), Rgb(132, 132, 255), Rgb(255, 132, 255),
    Rgb(132, 132, 132), Rgb(247, 49, 49),   Rgb(255, 132, 0),   Rgb(247, 255, 57),
    Rgb(82, 239, 82),   Rgb(8, 231, 222),   Rgb(41, 41, 247),   Rgb(239, 16, 239),
    Rgb(66, 66, 66),    Rgb(198, 0, 0),     Rgb(198, 66, 0),    Rgb(198, 198, 0),
    Rgb(0, 198, 0),     Rgb(0, 198, 198),   Rgb(0, 0, 198),     Rgb(198, 0, 198),
    Rgb(33, 33, 33),    Rgb(132, 0, 0),     Rgb(132, 66, 0),    Rgb(132, 132, 0),
    Rgb(0, 132, 0),     Rgb(0, 132, 132),   Rgb(0, 0, 132),     Rgb(132, 0, 132),
    Rgb(16, 16, 16),    Rgb(66, 0, 0),      Rgb(132, 66, 66),   Rgb(66, 66, 0),
    Rgb(0, 66, 0),      Rgb(0, 66, 66),     Rgb(0, 0, 66),      Rgb(66, 0, 66),
};

// The colour of a code: a colour-macro override (not -1) wins; codes outside
// both palettes are black.
inline Cor NovaCor(int codigo, int64_t substituta = -1) {
    if (substituta != -1) return static_cast<Cor>(substituta) & 0xFFFFFFu;
    if (codigo >= 0 && codigo < 16) return PaletaBasica[static_cast<size_t>(codigo)];
    if (codigo >= 16 && codigo < 80) return PaletaExtendida[static_cast<size_t>(codigo - 16)];
    return Preto;
}

}  // namespace mobrix
