#pragma once
// Colour macros: "<%_F,255,0,0_%>" gives an item a background (F), text (T)
// or line (L) colour as an RGB triple instead of a palette code.
#include <cstdint>
#include <string>
#include <string_view>

#include "document/superficie.h"

namespace mobrix {

inline constexpr int64_t SemCorMacro = -1;

// The colours found in a text, each 0xRRGGBB or SemCorMacro.
struct CoresMacro {
    int64_t linhas = SemCorMacro;
    int64_t texto = SemCorMacro;
    int64_t fundo = SemCorMacro;
};

// Reads and removes every F, T and L macro; the last macro of a kind wins. A
// macro without exactly three numbers is removed but sets nothing; one that is
// never closed by "_%>" is left in the text and ignored.
CoresMacro MacroColor(std::string& texto);
// The text without the macros of one kind ('F', 'T' or 'L').
std::string MacroColorRemover(std::string_view texto, char tipo);
// The macro of a kind for a colour, e.g. "<%_F,255,0,0_%>".
std::string MacroDeCor(char tipo, Cor cor);
// The text with its macros of that kind replaced by one for `cor` in front:
// what choosing a custom colour does to a text item.
std::string AplicarMacroDeCor(std::string_view texto, char tipo, Cor cor);

}  // namespace mobrix
