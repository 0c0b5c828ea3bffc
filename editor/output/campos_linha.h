#pragma once
// What the font, frame and item lines hold, field by field in line order,
// each under its placeholder: the command text writes the values one after
// another, generated code fills them into the language's fragment.
#include <array>

#include "document/modelo.h"
#include "output/marcadores.h"

namespace mobrix {

using CamposLinha = std::array<Marcador, 7>;

CamposLinha CamposFonte(const FonteItem& fonte);  // "F "
CamposLinha CamposMoldura(const Item& item);      // "L "
// An item's own line: its code, text colour, no background and the inset
// text area (a graph bar keeps its background, position and width), then
// `valor` under "§t".
CamposLinha CamposLinhaItem(const Item& item, Marcador valor);

}  // namespace mobrix
