#pragma once
// The band comment: text placed before and after the band's code, kept in one
// string as "before", then, when "after" is not empty, the byte 255 and "after".
#include <string>
#include <string_view>

#include "output/linguagem.h"

namespace mobrix {

inline constexpr char SeparadorComentario = '\xFF';

struct PartesComentario {
    std::string antes;
    std::string depois;
};

// Split at the first byte 255; without it everything is "before".
PartesComentario DividirComentario(std::string_view comentario);
// What OK stores ("&Limpar" stores the empty string).
std::string JuntarComentario(std::string_view antes, std::string_view depois);

// Line and column (both from 1) of a caret in a text box: the line counts the
// LF characters before the caret. Positions are characters of the box's text.
struct LinhaEColuna {
    int linha = 1;
    int coluna = 1;
};
LinhaEColuna LinhaColuna(std::u16string_view texto, int caret);
std::string TextoLinhaColuna(LinhaEColuna p);  // "(3, 1)"

// The statements of the dialog's "&Ferramentas" menu.
enum class Ferramenta {
    QuebraPagina,      // "&Inserir quebra de página": the "QP" command
    VariavelCabecalho  // "&Alterar váriável de cabeçalho e rodapé": a user-variable line to complete
};
// The text that replaces the selection: CR LF, then the language's simple
// command with the statement, ended by CR LF and folded in COBOL mode.
std::string InstrucaoFerramenta(const Linguagem& linguagem, Ferramenta f, bool modoCobol, bool cobolString);

// The dialog's window, in twips (1/1440 inch; 15 twips per pixel at 96 dpi),
// as the settings "Comentário.Left/Top/Width/Height" keep it.
struct JanelaTwips {
    int esquerda = 0;
    int topo = 0;
    int largura = 8055;
    int altura = 3930;
};
// The default window, centred on a screen of the given size.
JanelaTwips JanelaComentarioPadrao(int larguraTela, int alturaTela);
// A saved window pulled back inside the screen: a right or bottom edge past
// the screen moves the window left or up, never past the top-left corner; a
// window that starts off the screen is centred, and a size that is not
// positive or does not fit the screen takes the default.
JanelaTwips AjustarJanelaNaTela(JanelaTwips j, int larguraTela, int alturaTela);

}  // namespace mobrix
