#pragma once
// The editor-wide current barcode settings, and how they turn an item into a
// barcode: shared by "Mudar para Código de Barras" and the barcode dialog.
#include <cstdint>
#include <string>

#include "document/modelo.h"

namespace mobrix {

struct ConfigCodigoBarras {
    uint8_t TipoCodigoBarras = TipoEAN13;  // 31..39, 60 or 80
    std::string TextoCodigoBarras;         // a quoted literal, or a command or variable
    bool UsarAlturaBanda = false;
    bool BarraGrafico = false;
};

// The settings as an item holds them (the dialog starts from these).
ConfigCodigoBarras CodigoBarrasDoItem(const Item& item);

// Which path sets the kind: the menu command keeps the item's text; the
// dialog also writes the text, resets the zoom of a graph bar and applies the
// band-height option.
enum class OrigemCodigoBarras { Menu, Dialogo };

// Tipo, Atributos positions 10 (band height) and 4 (graph bar), then the
// options that follow the kind: a graph bar is never rotated (position 7 keeps
// its lowest bit), a graph bar setting clears vertical centring.
void AplicarCodigoBarras(Item& item, const ConfigCodigoBarras& cfg, OrigemCodigoBarras origem);

}  // namespace mobrix
