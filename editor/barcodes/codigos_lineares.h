#pragma once
// The linear barcode encoders. Each normalises its own copy of the text (no
// input is refused), resizes the surface to the exact symbol and paints one
// pixel column per module, rotated by 0, 90, 180 or 270 degrees (any other
// angle draws as 0).
#include <cstdint>
#include <string>

#include "document/superficie.h"

namespace mobrix {

void DesenharCode39(Superficie& s, int16_t alturaBarras, const std::string& texto, bool comCheck,
                    bool mostrarNumeros, int16_t angulo);
void DesenharCode128C(Superficie& s, int16_t alturaBarras, const std::string& texto, bool mostrarNumeros,
                      int16_t angulo);
void DesenharCode128B(Superficie& s, int16_t alturaBarras, const std::string& texto, bool mostrarNumeros,
                      int16_t angulo);
void DesenharEAN13(Superficie& s, int16_t alturaBarras, const std::string& texto, bool mostrarNumeros,
                   int16_t angulo);
void DesenharEAN8(Superficie& s, int16_t alturaBarras, const std::string& texto, bool mostrarNumeros,
                  int16_t angulo);
void DesenharIntercalado25(Superficie& s, int16_t alturaBarras, const std::string& texto, bool mostrarNumeros,
                           bool numerosNoTopo, int16_t angulo);

// Maps a point of the unrotated W x H symbol into the rotated surface.
void GirarPonto(int32_t x, int32_t y, int32_t largura, int32_t altura, int16_t angulo, int32_t& outX,
                int32_t& outY);

}  // namespace mobrix
