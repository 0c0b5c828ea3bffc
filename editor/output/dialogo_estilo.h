#pragma once
// The item style dialog's rules: the text shown in its box and the four
// style buttons, which mark whole words with the inline tags "{n}", "{i}",
// "{s}", "{r}" and their closing forms. Positions are characters of the
// box's text; the box may hold its line breaks as CR LF or as LF alone.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace mobrix {

// The buttons' tag letters: bold, italic, underline, strike-out.
inline constexpr std::array<char, 4> LetrasEstilo = {'n', 'i', 's', 'r'};

// Open: every "{e}" becomes a line break (CR LF).
std::string TextoParaCaixaEstilo(std::string_view texto);
// OK: every line break becomes "{e}" and every tab eight spaces.
std::string TextoDaCaixaEstilo(std::string_view caixa);

struct SelecaoTexto {
    int inicio = 0;
    int tamanho = 0;
    bool operator==(const SelecaoTexto&) const = default;
};

// The selection widened to whole words (bounded by a space, CR, LF or the
// text's ends).
SelecaoTexto AlargarParaPalavras(std::string_view texto, SelecaoTexto s);

// A style is on at a position when its last opening tag before it comes
// after its last closing tag. Tags right at the position count as before it,
// so a caret in front of "{i}word" reads italic.
bool EstiloLigado(std::string_view texto, int posicao, char letra);
// The pressed state of the four buttons for a caret or selection.
std::array<bool, 4> EstadosBotoesEstilo(std::string_view texto, SelecaoTexto s);

struct EdicaoEstilo {
    std::string texto;
    SelecaoTexto selecao;  // around the replaced words
};
// A style button: with the style off at the caret the words are wrapped in
// the style's tags; with it on they are taken out of the run, which goes on
// after them when it did before. nullopt when no word is selected.
std::optional<EdicaoEstilo> AplicarBotaoEstilo(std::string_view texto, SelecaoTexto s, char letra);

}  // namespace mobrix
