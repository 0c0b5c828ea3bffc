#include "document/cp1252.h"

#include <array>

namespace mobrix {
namespace {

// Code points of bytes 0x80..0x9F; the undefined ones keep their own value.
constexpr std::array<char32_t, 32> kFaixa80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void AnexarUtf8(std::string& s, char32_t u) {
    if (u < 0x80) {
        s += static_cast<char>(u);
    } else if (u < 0x800) {
        s += static_cast<char>(0xC0 | (u >> 6));
        s += static_cast<char>(0x80 | (u & 0x3F));
    } else if (u < 0x10000) {
        s += static_cast<char>(0xE0 | (u >> 12));
        s += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (u & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (u >> 18));
        s += static_cast<char>(0x80 | ((u >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (u & 0x3F));
    }
}

// Decodes one UTF-8 sequence at s[i]; advances i. Returns U+FFFD on bad input.
char32_t LerUtf8(std::string_view s, size_t& i) {
    auto b0 = static_cast<unsigned char>(s[i++]);
    if (b0 < 0x80) return b0;
    int extra;
    char32_t u;
    if ((b0 & 0xE0) == 0xC0) {
        extra = 1;
        u = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2;
        u = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3;
        u = b0 & 0x07;
    } else {
        return 0xFFFD;
    }
    for (int k = 0; k < extra; ++k) {
        if (i >= s.size()) return 0xFFFD;
        auto b = static_cast<unsigned char>(s[i]);
        if ((b & 0xC0) != 0x80) return 0xFFFD;
        u = (u << 6) | (b & 0x3F);
        ++i;
    }
    return u;
}

}  // namespace

char32_t Cp1252ParaUnicode(unsigned char c) {
    if (c >= 0x80 && c <= 0x9F) return kFaixa80[c - 0x80];
    return c;
}

int UnicodeParaCp1252(char32_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<int>(u);
    for (size_t k = 0; k < kFaixa80.size(); ++k)
        if (kFaixa80[k] == u) return static_cast<int>(0x80 + k);
    return -1;
}

std::string Cp1252ParaUtf8(std::string_view cp1252) {
    std::string s;
    s.reserve(cp1252.size() + cp1252.size() / 4);
    for (char c : cp1252) AnexarUtf8(s, Cp1252ParaUnicode(static_cast<unsigned char>(c)));
    return s;
}

std::string Utf8ParaCp1252(std::string_view utf8) {
    std::string s;
    s.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        int c = UnicodeParaCp1252(LerUtf8(utf8, i));
        s += static_cast<char>(c < 0 ? '?' : c);
    }
    return s;
}

std::string SemFormaCp1252(std::string_view utf8) {
    std::string faltam;
    size_t i = 0;
    while (i < utf8.size()) {
        const size_t inicio = i;
        const char32_t u = LerUtf8(utf8, i);
        if (UnicodeParaCp1252(u) >= 0) continue;
        const std::string_view c = u == 0xFFFD ? std::string_view("\xEF\xBF\xBD") : utf8.substr(inicio, i - inicio);
        if (faltam.find(c) == std::string::npos) faltam += c;
    }
    return faltam;
}

}  // namespace mobrix
