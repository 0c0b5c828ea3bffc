#pragma once
// The colour controls of the property panel: the two bars of the 16 basic
// colours, the 8 x 8 extended palette and the three labels that put a custom
// colour macro in front of a text.
#include <optional>

#include "document/editor.h"
#include "document/superficie.h"

namespace mobrix {

// Each bar holds the 16 basic colours, one swatch of 11 pixels each.
inline constexpr int LarguraAmostra = 11;
inline constexpr int NumAmostras = 16;
// The extended palette: 8 x 8 cells of 16 pixels, code 16 at the top left.
inline constexpr int LadoCelulaPaleta = 16;
inline constexpr int CelulasPorLado = 8;

// picCores edits the item colour, picCoresLinhas the frame-line colour; any
// other button than the left one sets the background.
enum class BarraCores { Item, Linhas };
// What the extended palette edits: the tag set by the control that opened it.
enum class AlvoPaleta { Item, Linha };

// The colour code of a click on the extended palette (16..79); positions
// beyond the last cell take the last row or column.
int CodigoDaPaleta(int x, int y);

// A click at x on a bar. Left button: CorTexto (or CorLinhas) of the targets
// takes the swatch; other buttons: CorFundo, or no background right of the
// last swatch. The macros of the colour set are removed from the texts.
void ClicarBarraCores(Editor& ed, BarraCores barra, int x, bool botaoEsquerdo);
// A click on the extended palette: as a bar click with the palette's code.
void ClicarPaleta(Editor& ed, AlvoPaleta alvo, int x, int y, bool botaoEsquerdo);

// The custom colour labels lblTexto ('T'), lblFundo ('F') and lblLinhas ('L').
// The colour a label shows for an item: its macro colour of that kind, else
// the palette colour of the code (white for no background).
Cor CorDoRotulo(const Item& it, char tipo);
// Whether the item has a background: a background macro or a colour code.
bool TemFundo(const Item& it);
// The colour dialog, preset with the selected item's colour of that kind;
// every text item among the targets gets the macro in front of its text.
void InserirMacroCor(Editor& ed, Dialogos& dialogos, char tipo);

}  // namespace mobrix
