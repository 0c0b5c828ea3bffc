#pragma once
// Registers the layout file type with the desktop: a freedesktop MIME type
// for the extension and a .desktop entry that opens it with the program, both
// under the user's data folder (e.g. ~/.local/share).
#include <string>

#include "document/portas.h"

namespace mobrix {

struct TipoArquivo {
    std::string extensao;   // "mbx"
    std::string descricao;  // "Layout do Mobrix"
    std::string programa;   // the program to start, absolute path
    std::string icone;      // absolute path of the icon
};

// The layout type ("mbx") opened by the program in `pastaPrograma` (with its
// trailing '/'), with the icon beside it.
TipoArquivo TipoLayout(const std::string& pastaPrograma);

// The contents of the two files (pure, for tests).
std::string ConteudoTipoMime(const TipoArquivo& tipo);
std::string ConteudoEntradaDesktop(const TipoArquivo& tipo);
// The MIME type name of an extension: "application/x-mobrix-mbx".
std::string NomeTipoMime(const std::string& extensao);

// Writes both files under `pastaDados` (the XDG data home, with or without a
// trailing '/'). On failure shows the registration message (a folder that
// cannot be created or a file that cannot be written) and returns false.
bool RegistrarExtensao(const TipoArquivo& tipo, const std::string& pastaDados, Dialogos& dialogos);

}  // namespace mobrix
