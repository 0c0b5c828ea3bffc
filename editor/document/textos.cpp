#include "document/textos.h"

#include <algorithm>

namespace mobrix {
namespace {

std::string_view Aparar(std::string_view s, std::string_view brancos) {
    const size_t a = s.find_first_not_of(brancos);
    if (a == std::string_view::npos) return {};
    return s.substr(a, s.find_last_not_of(brancos) - a + 1);
}

}  // namespace

char MinusculaAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string MinusculasAscii(std::string_view texto) {
    std::string s(texto);
    std::transform(s.begin(), s.end(), s.begin(), MinusculaAscii);
    return s;
}

std::string_view AparaEspacos(std::string_view s) { return Aparar(s, " "); }
std::string_view AparaBrancos(std::string_view s) { return Aparar(s, " \t\r\n"); }

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

char MaiusculaCp1252(char c) {
    auto u = static_cast<unsigned char>(c);
    if ((u >= 'a' && u <= 'z') || (u >= 0xE0 && u <= 0xFE && u != 0xF7)) return static_cast<char>(u - 0x20);
    switch (u) {
        case 0x9A: return '\x8A';  // š
        case 0x9C: return '\x8C';  // œ
        case 0x9E: return '\x8E';  // ž
        case 0xFF: return '\x9F';  // ÿ
        default: return c;
    }
}

std::string MinusculasCp1252(std::string_view texto) {
    std::string s(texto);
    std::transform(s.begin(), s.end(), s.begin(), MinusculaCp1252);
    return s;
}

bool IguaisSemCaixa(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return MinusculaCp1252(x) == MinusculaCp1252(y);
           });
}

namespace {

// The plain letter of an accented small letter (0xE0..0xFF), for ordering.
char SemAcento(char c) {
    static constexpr std::string_view Base = "aaaaaaaceeeeiiii" "dnooooo\xF7ouuuuyty";
    auto u = static_cast<unsigned char>(c);
    return u >= 0xE0 ? Base[u - 0xE0] : c;
}

bool MenorPorBytes(std::string_view x, std::string_view y) {
    return std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end(), [](char p, char q) {
        return static_cast<unsigned char>(p) < static_cast<unsigned char>(q);
    });
}

}  // namespace

bool MenorSemCaixa(std::string_view a, std::string_view b) {
    const std::string ma = MinusculasCp1252(a), mb = MinusculasCp1252(b);
    std::string pa = ma, pb = mb;
    std::transform(pa.begin(), pa.end(), pa.begin(), SemAcento);
    std::transform(pb.begin(), pb.end(), pb.begin(), SemAcento);
    if (pa != pb) return MenorPorBytes(pa, pb);
    if (ma != mb) return MenorPorBytes(ma, mb);
    return MenorPorBytes(a, b);
}

size_t ProcurarSemCaixa(std::string_view texto, std::string_view procurado, size_t inicio) {
    if (procurado.empty()) return inicio <= texto.size() ? inicio : std::string_view::npos;
    for (size_t i = inicio; i < texto.size() && texto.size() - i >= procurado.size(); ++i)
        if (IguaisSemCaixa(texto.substr(i, procurado.size()), procurado)) return i;
    return std::string_view::npos;
}

std::string SubstituirTodos(std::string_view texto, std::string_view de, std::string_view para, bool semCaixa) {
    if (de.empty()) return std::string(texto);
    auto procurar = [&](size_t desde) {
        return semCaixa ? ProcurarSemCaixa(texto, de, desde) : texto.find(de, desde);
    };
    std::string r;
    r.reserve(texto.size());
    size_t inicio = 0;
    for (size_t p = procurar(0); p != std::string_view::npos; p = procurar(inicio)) {
        r.append(texto.substr(inicio, p - inicio));
        r.append(para);
        inicio = p + de.size();
    }
    r.append(texto.substr(inicio));
    return r;
}

std::string TrocarQuebrasDeLinha(std::string_view texto, std::string_view por) {
    std::string r;
    for (size_t i = 0; i < texto.size(); ++i) {
        const char c = texto[i];
        if (c != '\r' && c != '\n') {
            r += c;
            continue;
        }
        if (c == '\r' && i + 1 < texto.size() && texto[i + 1] == '\n') ++i;
        r += por;
    }
    return r;
}

}  // namespace mobrix
