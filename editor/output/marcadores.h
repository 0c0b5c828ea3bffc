#pragma once
// Filling a template fragment: every placeholder is replaced in one pass from
// left to right, the longest placeholder first where several start at the
// same place ("§cl" before "§c"), so a value is never scanned again.
#include <string>
#include <string_view>
#include <vector>

namespace mobrix {

struct Marcador {
    std::string_view nome;  // "§cl"
    std::string valor;
    // A host-program variable: only the placeholder between quotes, '§t' or
    // "§t", is replaced, quotes included, so the statement names the
    // variable instead of a literal; a bare placeholder is left as it is.
    bool variavel = false;
};

std::string Preencher(std::string_view fragmento, const std::vector<Marcador>& marcadores);

}  // namespace mobrix
