#include "output/comparacao.h"

#include <algorithm>

namespace mobrix {

char MinusculaCp1252(char c) {
    auto u = static_cast<unsigned char>(c);
    if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7)) return static_cast<char>(u + 0x20);
    switch (u) {
        case 0x8A: return '\x9A';  // Š
        case 0x8C: return '\x9C';  // Œ
        case 0x8E: return '\x9E';  // Ž
        case 0x9F: return '\xFF';  // Ÿ
        default: return c;
    }
}

std::string MinusculasCp1252(std::string_view texto) {
    std::string s(texto);
    std::transform(s.begin(), s.end(), s.begin(), MinusculaCp1252);
    return s;
}

bool IguaisSemCaixa(std::string_view a, std::string_view b) {
    return a.size() == b.size() && MinusculasCp1252(a) == MinusculasCp1252(b);
}

bool MenorSemCaixa(std::string_view a, std::string_view b) {
    const std::string ma = MinusculasCp1252(a), mb = MinusculasCp1252(b);
    // Compare as unsigned bytes so accented letters sort after plain ones.
    auto menor = [](const std::string& x, const std::string& y) {
        return std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end(), [](char p, char q) {
            return static_cast<unsigned char>(p) < static_cast<unsigned char>(q);
        });
    };
    if (ma != mb) return menor(ma, mb);
    return menor(std::string(a), std::string(b));
}

size_t ProcurarSemCaixa(std::string_view texto, std::string_view procurado) {
    return MinusculasCp1252(texto).find(MinusculasCp1252(procurado));
}

}  // namespace mobrix
