#pragma once
// Frame-line shortcuts of the main window: Alt + 1..6 toggles frame line 1..6
// of the selected item; Ctrl + a digit picks the line by its place on the
// numeric keypad (1 middle, 3 vertical middle, 2 bottom, 8 top, 4 left,
// 6 right).
#include <string>

namespace mobrix {

// The position in Linhas (1..6) for a digit key, or 0 when the digit has no line.
inline int LinhaDoAtalho(int digito, bool ctrl) {
    if (!ctrl) return digito >= 1 && digito <= 6 ? digito : 0;
    switch (digito) {
        case 1: return 1;
        case 3: return 3;
        case 2: return 4;
        case 8: return 5;
        case 4: return 6;
        case 6: return 2;
        default: return 0;
    }
}

// The tooltip of frame line 1..6: where it lies and both of its shortcuts
// ("Linha embaixo do item - ALT + 4 ou CTRL + 2 "); "" for any other number.
std::string DicaLinha(int linha);

}  // namespace mobrix
