#include "output/macros_cor.h"

#include <vector>

#include "document/textos.h"
#include "output/formatacao.h"

namespace mobrix {
namespace {

constexpr std::string_view Abertura = "<%_";
constexpr std::string_view Fechamento = "_%>";

// Cuts the first complete macro of a kind, and every identical copy of it,
// out of the text. Returns the macro, or "" when there is none (or it is
// never closed, which leaves the text as it is).
std::string CortarMacro(std::string& texto, char tipo) {
    const std::string inicio = std::string(Abertura) + tipo;
    size_t p = ProcurarSemCaixa(texto, inicio);
    if (p == std::string::npos) return {};
    size_t f = texto.find(Fechamento, p + inicio.size());
    if (f == std::string::npos) return {};
    std::string macro = texto.substr(p, f + Fechamento.size() - p);
    std::string resto;
    resto.reserve(texto.size());
    size_t de = 0;
    for (size_t q = texto.find(macro); q != std::string::npos; q = texto.find(macro, de)) {
        resto.append(texto, de, q - de);
        de = q + macro.size();
    }
    resto.append(texto, de);
    texto = std::move(resto);
    return macro;
}

std::vector<std::string_view> Partes(std::string_view s) {
    std::vector<std::string_view> partes;
    for (size_t de = 0;;) {
        size_t v = s.find(',', de);
        partes.push_back(s.substr(de, v == std::string_view::npos ? std::string_view::npos : v - de));
        if (v == std::string_view::npos) return partes;
        de = v + 1;
    }
}

int Componente(std::string_view numero) {
    int64_t v = ArredondarPar(ValorNumerico(numero)) % 256;
    return static_cast<int>(v < 0 ? v + 256 : v);
}

// The colour of a macro "<%_K,r,g,b_%>", or SemCorMacro.
int64_t CorDaMacro(std::string_view macro) {
    const size_t prefixo = Abertura.size() + 2;  // "<%_K,"
    if (macro.size() < prefixo + Fechamento.size()) return SemCorMacro;
    auto partes = Partes(macro.substr(prefixo, macro.size() - prefixo - Fechamento.size()));
    if (partes.size() != 3) return SemCorMacro;
    return Rgb(Componente(partes[0]), Componente(partes[1]), Componente(partes[2]));
}

void LerMacros(std::string& texto, char tipo, int64_t& cor) {
    for (std::string macro = CortarMacro(texto, tipo); !macro.empty(); macro = CortarMacro(texto, tipo)) {
        int64_t lida = CorDaMacro(macro);
        if (lida != SemCorMacro) cor = lida;
    }
}

}  // namespace

CoresMacro MacroColor(std::string& texto) {
    CoresMacro cores;
    LerMacros(texto, 'F', cores.fundo);
    LerMacros(texto, 'T', cores.texto);
    LerMacros(texto, 'L', cores.linhas);
    return cores;
}

std::string MacroColorRemover(std::string_view texto, char tipo) {
    std::string s(texto);
    while (!CortarMacro(s, tipo).empty()) {
    }
    return s;
}

std::string MacroDeCor(char tipo, Cor cor) {
    return std::string(Abertura) + tipo + "," + std::to_string((cor >> 16) & 255) + "," +
           std::to_string((cor >> 8) & 255) + "," + std::to_string(cor & 255) + std::string(Fechamento);
}

std::string AplicarMacroDeCor(std::string_view texto, char tipo, Cor cor) {
    return MacroDeCor(tipo, cor) + MacroColorRemover(texto, tipo);
}

}  // namespace mobrix
