#pragma once
// The linear barcode item kinds (31 to 39) and the encoder and flags each one
// is drawn with, shared by the page canvas, the barcode dialog and mbxtool.
#include <cstdint>
#include <string>

#include "document/superficie.h"

namespace mobrix {

// Draws `texto` as a barcode of kind `tipo`. `numerosOcultos` is the item's
// "hide the human-readable numbers" option. Kind 37 never shows numbers and
// takes their 12 rows for its bars. Returns false (drawing nothing) for a kind
// that is not a linear barcode.
bool DesenharCodigoLinear(Superficie& s, int tipo, int16_t alturaBarras, const std::string& texto,
                          bool numerosOcultos, int16_t angulo);

}  // namespace mobrix
