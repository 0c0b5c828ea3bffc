#pragma once
// How the page reads an item's option strings.
#include "document/modelo.h"
#include "document/superficie.h"

namespace mobrix {

// Flags of Alinhamento, one per position of a Linhas or Atributos string.
enum FlagAlinhamento : int {
    FlagPosicao1 = 1,
    FlagPosicao2 = 2,
    FlagPosicao3 = 4,
    FlagPosicao4 = 8,
    FlagPosicao6 = 16,
    FlagPosicao5 = 32,
    FlagPosicao8 = 256,
    FlagPosicao9 = 2048,
    FlagPosicao10 = 8192,
};

// The flag set of an option string ('1' at a position sets its flag;
// position 7 holds a digit and is read with AnguloDe / JustificarDe).
int Alinhamento(const Texto10& texto);

// Position 7: bit value 2 gives 90 degrees, else 4 gives 180, else 8 gives 270.
int AnguloDe(const Texto10& atributos);
// Position 7, bit value 1: justify a text, or hide a barcode's digits.
inline bool Bit1Posicao7(const Texto10& atributos) { return (atributos.digito(7) & 1) != 0; }

// The font an item is drawn with: its face (UTF-8 for the surface), the size
// snapped to whole pixels and its styles.
FonteSuperficie FonteDoItem(const FonteItem& fonte);

}  // namespace mobrix
