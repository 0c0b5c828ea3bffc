#pragma once
// Markup in item texts (tags, variables, macros): found and replaced in place
// whatever its case, and the blanks around a text trimmed.
#include <string>
#include <string_view>

#include "document/textos.h"

namespace mobrix {

inline bool ContemSemCaixa(std::string_view texto, std::string_view agulha) {
    return ProcurarSemCaixa(texto, agulha) != std::string_view::npos;
}

// Replaces every occurrence (see ProcurarSemCaixa); returns whether there was one.
bool SubstituirSemCaixa(std::string& texto, std::string_view de, std::string_view para);

}  // namespace mobrix
