#pragma once
// Inline style tags: "{n}" bold, "{i}" italic, "{s}" underline, "{r}"
// strikethrough, each with its closing "{/x}", and "{e}" a line break. A text
// is split into words and every word carries the style it is drawn with.
#include <string>
#include <string_view>
#include <vector>

namespace mobrix {

struct EstiloTexto {
    bool Negrito = false;
    bool Italico = false;
    bool Sublinhado = false;
    bool Riscado = false;

    bool operator==(const EstiloTexto&) const = default;
};

inline constexpr std::string_view QuebraDeLinha = "\r\n";

struct PalavraEstilizada {
    std::string texto;  // without its tags; may be empty (consecutive blanks)
    EstiloTexto estilo;
    bool quebra = false;  // a line break standing as a word of its own
};

// "{e}" becomes a line break. On a single line every line break is dropped;
// otherwise each one becomes a word of its own, with exactly one blank on
// either side.
std::string PrepararQuebras(std::string_view texto, bool umaLinha);

// Splits the trimmed text at single blanks and applies the tags word by word:
// an opening tag styles the whole word that holds it and the words after it,
// a closing tag ends the style after its own word. `inicial` is the style of
// the item's font.
std::vector<PalavraEstilizada> DividirPalavras(std::string_view texto, bool umaLinha, EstiloTexto inicial);

// The number of blanks that start the text (they indent the first line).
size_t EspacosIniciais(std::string_view texto);

}  // namespace mobrix
