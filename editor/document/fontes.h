#pragma once
// The point size a font dialog's choice gives an item: the whole part modulo
// 100, and 8 when that leaves nothing (sizes below 1 point, 100, 200...).
#include <cmath>
#include <cstdint>

namespace mobrix {

inline int16_t TamanhoFonteEscolhido(double pontos) {
    if (!std::isfinite(pontos)) return 8;
    const double inteiro = std::fmod(std::trunc(pontos), 100.0);
    return inteiro >= 1 ? static_cast<int16_t>(inteiro) : int16_t{8};
}

}  // namespace mobrix
