#pragma once
// Band and item records of the layout file, shared by the transfer file.
#include "document/binario.h"
#include "document/modelo.h"

namespace mobrix {

enum class FormaBanda { Antiga, Atual };  // old form: no Comentario
enum class FormaItem { Antiga, Atual };   // old form: no CorLinhas, Espessura

// Smallest size of one record on disk, used to bound counts before reading.
inline constexpr size_t TamanhoMinimoItem(FormaItem f) { return f == FormaItem::Atual ? 47 : 45; }
inline constexpr size_t TamanhoMinimoBanda(FormaBanda f) { return f == FormaBanda::Atual ? 18 : 16; }

// Reads one band record; `numero` names the band in error messages.
Banda LerBanda(LeitorBinario& in, FormaBanda fb, FormaItem fi, int numero);
// Reads `n` band records after checking n against the bytes that remain.
std::vector<Banda> LerBandas(LeitorBinario& in, int n, FormaBanda fb, FormaItem fi);

void GravarItem(EscritorBinario& out, const Item& it);
void GravarBanda(EscritorBinario& out, const Banda& b);
// The band count (int16) and the band records; fails for 0 or more than
// 32767 bands.
void GravarBandas(EscritorBinario& out, const std::vector<Banda>& bandas);

// Array descriptor: d = 0 (empty) or d = 1 with the element count and lower
// bound 1. Returns the element count, or -1 after recording a failure.
int LerDescritor(LeitorBinario& in, const std::string& onde);
void GravarDescritor(EscritorBinario& out, size_t elementos);

}  // namespace mobrix
