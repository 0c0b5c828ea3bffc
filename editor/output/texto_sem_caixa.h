#pragma once
// Searching and replacing markup (tags, variables, macros) whatever the case
// of its ASCII letters, and trimming the blanks around a text.
#include <string>
#include <string_view>

namespace mobrix {

// Position of the first `agulha` at or after `inicio`, or npos.
size_t AcharSemCaixa(std::string_view texto, std::string_view agulha, size_t inicio = 0);
inline bool ContemSemCaixa(std::string_view texto, std::string_view agulha) {
    return AcharSemCaixa(texto, agulha) != std::string_view::npos;
}
// Replaces every occurrence; returns whether there was one.
bool SubstituirSemCaixa(std::string& texto, std::string_view de, std::string_view para);

// The text without the blanks (spaces only) at either end.
std::string_view AparaEspacos(std::string_view texto);

}  // namespace mobrix
