#pragma once
// Paths as the editor takes them from the command line and the dialogs, and
// the names derived from a layout's path.
#include <string>
#include <vector>

namespace mobrix {

// The absolute path with links and "." / ".." resolved when the file exists;
// otherwise the path as given.
std::string CaminhoLongo(const std::string& caminho);

// The file named on the command line: the arguments joined by spaces (a path
// with spaces may arrive split), every double quote removed, surrounding
// blanks trimmed, then its long form. "" when there is none.
std::string CaminhoDaLinhaDeComando(const std::vector<std::string>& argumentos);

// The companion program-code file: the layout path with its extension
// replaced by ".cpy" (appended when the name has no extension).
std::string NomeCpy(const std::string& caminhoLayout);

// A name chosen in the save dialog without any extension gets ".mbx".
std::string ComExtensaoMbx(const std::string& caminho);

// A folder name with a trailing '/'.
std::string ComBarraFinal(std::string pasta);

// The folder part of a path ("" when it has none).
std::string PastaDe(const std::string& caminho);

// The file the command text is written to for the preview: "Mobrix.tmp" in
// the temporary folder.
std::string ArquivoVisualizacao(const std::string& pastaTemporaria);

}  // namespace mobrix
