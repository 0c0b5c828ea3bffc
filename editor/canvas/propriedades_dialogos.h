#pragma once
// The property panel's actions that go through a dialog: the item font, the
// picture file, the default font of new items, the header and footer
// variables of the "Inserir macro" menu, and the check of a typed text.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/editor.h"
#include "document/portas.h"

namespace mobrix {

// What the font button does for the selection: with a range always the font.
enum class AcaoBotaoFonte { Fonte, Figura, CodigoBarras };
AcaoBotaoFonte AcaoDoBotaoFonte(const Editor& ed);

// The font dialog preset with the shown item's font; the targets take face,
// size and styles.
void AlterarFonte(Editor& ed);

// The open dialog for a picture: its title and filters.
inline constexpr const char* TituloAbrirFigura = "Abrir Figura...";
const std::vector<FiltroArquivo>& FiltrosFigura();
// The chosen file becomes the selected picture's text, between double quotes.
void AbrirFigura(Editor& ed, Dialogos& dialogos);

// The text the item style dialog returned goes to the targets. A text with
// lines ("{e}") needs the text box mode, which it turns on as the panel's
// check box would. False when nothing changed.
bool AplicarTextoEstilo(Editor& ed, const std::string& texto);

// "F&onte padrão do Item": the font of the items created from now on.
void ConfigurarFontePadrao(Editor& ed);

// The variable of entry 0..12 of the "Inserir macro" menu; entry 12 asks for
// the number of a user variable. nullopt when there is nothing to insert.
std::optional<std::string> VariavelDoMenu(Dialogos& dialogos, int indice);

// A text typed in the item text box (UTF-8) can be stored only when every
// character has a Windows-1252 form; otherwise the user is told which ones
// do not and false is returned.
bool ValidarTextoItem(Dialogos& dialogos, std::string_view utf8);

}  // namespace mobrix
