#include "output/marcadores.h"

namespace mobrix {
namespace {

// The longest placeholder at `pos`, or nullptr.
const Marcador* MarcadorEm(std::string_view s, size_t pos, std::span<const Marcador> marcadores) {
    const Marcador* melhor = nullptr;
    for (const Marcador& m : marcadores)
        if (s.substr(pos).starts_with(m.nome) && (!melhor || m.nome.size() > melhor->nome.size())) melhor = &m;
    return melhor;
}

// A variable's placeholder between a pair of equal quotes starting at `pos`.
const Marcador* VariavelEntreAspas(std::string_view s, size_t pos, std::span<const Marcador> marcadores) {
    const char aspa = s[pos];
    if (aspa != '\'' && aspa != '"') return nullptr;
    const Marcador* m = MarcadorEm(s, pos + 1, marcadores);
    if (!m || !m->variavel) return nullptr;
    const size_t fim = pos + 1 + m->nome.size();
    return fim < s.size() && s[fim] == aspa ? m : nullptr;
}

}  // namespace

std::string Preencher(std::string_view fragmento, std::span<const Marcador> marcadores) {
    std::string s;
    s.reserve(fragmento.size() + 64);
    size_t i = 0;
    while (i < fragmento.size()) {
        if (const Marcador* v = VariavelEntreAspas(fragmento, i, marcadores)) {
            s += v->valor;
            i += v->nome.size() + 2;
        } else if (const Marcador* m = MarcadorEm(fragmento, i, marcadores)) {
            s += m->variavel ? std::string(m->nome) : m->valor;
            i += m->nome.size();
        } else {
            s += fragmento[i++];
        }
    }
    return s;
}

}  // namespace mobrix
