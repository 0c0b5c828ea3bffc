#pragma once
// The list of the four most recently used layout files.
#include <string>
#include <vector>

#include "document/portas.h"

namespace mobrix {

inline constexpr int NumRecentes = 4;

// Letter case is ignored (ASCII letters), as on the file systems where paths
// of other case name the same file.
bool MesmoCaminho(const std::string& a, const std::string& b);

// The path first, then the entries of the old list that differ from it, in
// their old order, at most four.
std::vector<std::string> InserirRecente(const std::vector<std::string>& lista, const std::string& caminho);

// Entries 1..4 in order, up to the first empty one.
std::vector<std::string> LerRecentes(Configuracoes& cfg);
// Writes all four keys, empty ones included.
void GravarRecentes(Configuracoes& cfg, const std::vector<std::string>& lista);

// The menu caption of an entry: the text after the last '/'.
std::string NomeNoMenu(const std::string& caminho);

}  // namespace mobrix
