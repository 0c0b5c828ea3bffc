#pragma once
// The operations every other part uses to change the list of bands and items.
// Band and item numbers are 1-based; 0 means "none".
#include "document/modelo.h"

namespace mobrix {

// Counts are 16-bit in the files, so a layout never grows past these.
inline constexpr int MaxBandas = 32767;
inline constexpr int MaxItens = 32767;
// The largest width, height or offset, in pixels, that the user can give by
// typing in the panel, with the keyboard or with a one-click frame.
inline constexpr int32_t TamanhoMaximoEditavel = 9999;

// Inserts a band at `posicao` (0 appends). Returns false, changing nothing,
// when the layout already holds MaxBandas bands.
bool AddBanda(Documento& doc, int posicao, bool duplicar, int32_t altura, int32_t larguraItem);
// Inserts an item into band `banda`. Returns false when the band is full.
bool AddItem(Documento& doc, int banda, bool duplicar, int32_t largura);
void RemoverBanda(Documento& doc, int banda);
void RemoverItem(Documento& doc, int banda, int item);

void ReposicionarBanda(Layout& layout);
void ReposicionarItem(Banda& banda);
inline void ReposicionarItem(Layout& layout, int banda) { ReposicionarItem(layout.banda(banda)); }

bool QuebraPaginaSeek(const ConfigRelatorio& config, int banda);
// One flag per band (index 0 unused) for loops over every band: asking
// QuebraPaginaSeek band by band is quadratic on a file with many breaks.
std::vector<bool> BandasComQuebra(const ConfigRelatorio& config, int numBandas);
void QuebraPaginaAdd(ConfigRelatorio& config, int banda);
void QuebraPaginaRemove(ConfigRelatorio& config, int banda);

// A new item with the defaults of the model and the given width (64 when 0).
Item NovoItem(const FonteItem& fonte, int numero, int32_t largura);

// Replaces the layout by a new one (one band of height 18 holding one item),
// clears names, selection and the changed flag. The editor wraps this with the
// view resets of a new layout.
void NovoLayout(Documento& doc);

// True when 1 <= banda <= NumBandas and, for item > 0, 1 <= item <= NumItens.
bool ItemValido(const Layout& layout, int banda, int item);

}  // namespace mobrix
