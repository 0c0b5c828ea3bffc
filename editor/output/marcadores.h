#pragma once
// Filling a template fragment: every placeholder is replaced in one pass from
// left to right, the longest placeholder first where several start at the
// same place ("§cl" before "§c"), so a value is never scanned again.
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace mobrix {

struct Marcador {
    std::string_view nome;  // "§cl"
    std::string valor;
    // A host-program variable: only the placeholder between quotes, '§t' or
    // "§t", is replaced, quotes included, so the statement names the
    // variable instead of a literal; a bare placeholder is left as it is.
    bool variavel = false;
};

std::string Preencher(std::string_view fragmento, std::span<const Marcador> marcadores);
inline std::string Preencher(std::string_view fragmento, std::initializer_list<Marcador> marcadores) {
    return Preencher(fragmento, std::span<const Marcador>(marcadores.begin(), marcadores.size()));
}

}  // namespace mobrix
