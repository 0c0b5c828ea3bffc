#pragma once
// The large layout of the benchmarks: 1,000 bands of 10 styled texts each.
#include "document/modelo.h"

namespace mobrix::teste {

// Replaces the bands of `d` (a new layout) by the large layout, items placed.
void MontarLayoutGrande(Documento& d);

}  // namespace mobrix::teste
