#include "output/texto_sem_caixa.h"

namespace mobrix {
namespace {

char MinusculaAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

bool IguaisSemCaixa(std::string_view a, std::string_view b) {
    for (size_t i = 0; i < a.size(); ++i)
        if (MinusculaAscii(a[i]) != MinusculaAscii(b[i])) return false;
    return true;
}

}  // namespace

size_t AcharSemCaixa(std::string_view texto, std::string_view agulha, size_t inicio) {
    if (agulha.empty() || texto.size() < agulha.size()) return std::string_view::npos;
    for (size_t i = inicio; i + agulha.size() <= texto.size(); ++i)
        if (IguaisSemCaixa(texto.substr(i, agulha.size()), agulha)) return i;
    return std::string_view::npos;
}

std::string_view AparaEspacos(std::string_view s) {
    size_t a = s.find_first_not_of(' ');
    if (a == std::string_view::npos) return {};
    return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

bool SubstituirSemCaixa(std::string& texto, std::string_view de, std::string_view para) {
    size_t p = AcharSemCaixa(texto, de);
    if (p == std::string::npos) return false;
    std::string r;
    r.reserve(texto.size());
    size_t inicio = 0;
    for (; p != std::string::npos; p = AcharSemCaixa(texto, de, inicio)) {
        r.append(texto, inicio, p - inicio);
        r.append(para);
        inicio = p + de.size();
    }
    r.append(texto, inicio);
    texto = std::move(r);
    return true;
}

}  // namespace mobrix
