#pragma once
// The edits of the item property panel as operations on the editor. Each
// changes the items the selection designates (Editor::Alvos) or the selected
// band, then redraws; an edit that would change nothing neither redraws nor
// records an undo step. Values typed in the panel's fields are in the unit
// shown to the user (Documento::Medida).
#include <cstdint>
#include <string>

#include "document/editor.h"
#include "document/operacoes.h"

namespace mobrix {

// Limits of the panel's geometry fields, in pixels.
inline constexpr int32_t LarguraMaximaItem = TamanhoMaximoEditavel;
inline constexpr int32_t AlturaMaximaBanda = TamanhoMaximoEditavel;
inline constexpr int32_t DeslocamentoMaximo = TamanhoMaximoEditavel;
inline constexpr int EspessuraMaxima = 64;

// What a field shows for a size in pixels: pixels / factor, rounded to the
// unit's decimals, so that typing back the shown value gives the same pixels.
double ValorMostrado(int32_t pixels, int medida);

// The digit limits of the numeric fields, written I.D as the numeric control
// takes them (I integer digits, D decimals). Width, height and offset take
// the unit's digits, widened where the unit's digits cannot hold the largest
// size (9999 pixels are 264.6 cm); positions take 6 integer digits.
double FormatoCampoMedida(int medida);
double FormatoCampoPosicao(int medida);

// Redraw after a panel edit; the handles follow an automatic band's height.
void ConcluirEdicao(Editor& ed);

// `Texto` of the targets (Windows-1252).
void AlterarTexto(Editor& ed, const std::string& texto);

// Each returns the value the field shows afterwards, in the shown unit.
// Width of the targets: at least 1 pixel, at most LarguraMaximaItem.
double AlterarLargura(Editor& ed, double valor);
// Height of the selected band (or of every band of a range over several
// bands); 0 or less makes it automatic.
double AlterarAltura(Editor& ed, double valor);
// Offset of the selected band; band 1 has none.
double AlterarDeslocamento(Editor& ed, double valor);
// Frame-line thickness of the targets, 1 to 64; stored only when it differs
// from the selected item's.
int AlterarEspessura(Editor& ed, double valor);

// Option box i (1..10) of Atributos. Box 7 is the justify bit of the digit at
// position 7 (bars only for barcodes); the rotation bits stay.
void AlterarAlinhamento(Editor& ed, int posicao, bool ligado);
// The angle list: entry 0..3 is 0, 90, 180 or 270 degrees; the justify bit
// stays. Pictures and graph bars are never rotated and are skipped.
void AlterarAngulo(Editor& ed, int indice);
// The zoom list: entry 0..3 is the module size 1..4 of the barcode targets.
void AlterarZoom(Editor& ed, int indice);
// Frame line 1..6: the selected item's line switches and every target takes
// its new state.
void AlternarLinha(Editor& ed, int linha);

// Entries of the angle and zoom lists for an item.
int IndiceAngulo(const Item& it);
int IndiceZoom(const Item& it);

}  // namespace mobrix
