#include "output/formatacao.h"

#include <cmath>
#include <cstdlib>

namespace mobrix {

std::string Numero(int64_t valor, int digitos) {
    bool negativo = valor < 0;
    uint64_t magnitude = negativo ? uint64_t{0} - static_cast<uint64_t>(valor) : static_cast<uint64_t>(valor);
    std::string s = std::to_string(magnitude);
    if (static_cast<int>(s.size()) < digitos) s.insert(0, static_cast<size_t>(digitos) - s.size(), '0');
    return negativo ? "-" + s : s;
}

std::string NumeroDeslocamento(int32_t valor) { return Numero(valor, valor < 0 ? 4 : 5); }

double ValorNumerico(std::string_view t) {
    size_t i = 0;
    while (i < t.size() && (t[i] == ' ' || t[i] == '\t')) ++i;
    size_t inicio = i;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) ++i;
    bool digitos = false;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, digitos = true;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, digitos = true;
    }
    if (!digitos) return 0.0;
    return std::strtod(std::string(t.substr(inicio, i - inicio)).c_str(), nullptr);
}

namespace {
int64_t Saturar(double v) {
    if (std::isnan(v)) return 0;
    if (v >= 9.2e18) return INT64_MAX;
    if (v <= -9.2e18) return INT64_MIN;
    return static_cast<int64_t>(v);
}
}  // namespace

int64_t ArredondarLonge(double v) { return Saturar(std::round(v)); }
int64_t ArredondarPar(double v) { return Saturar(std::nearbyint(v)); }

std::string RemoverAspas(std::string_view texto) {
    std::string s;
    s.reserve(texto.size());
    for (char c : texto)
        if (c != '"') s += c;
    return s;
}

char LetraCodigoBarras(int tipo) {
    if (tipo == TipoPDF417) return '0';
    return static_cast<char>(96 + tipo % 10);
}

std::string CodigoDoItem(const Item& it) {
    if (it.Tipo == TipoFigura) return "G ";
    if (EhCodigoBarras(it.Tipo)) return std::string("B") + LetraCodigoBarras(it.Tipo);
    if (it.Tipo == TipoBarraGrafico) return "LG";
    return "T ";
}

std::string ValorDeItem(const Item& item) {
    if (ComecaComAspas(item.Texto)) return RemoverAspas(item.Texto);
    if (item.Tipo == TipoFigura) return {};
    if (item.Tipo == TipoBarraGrafico) return "10";
    return "1234567890";
}

bool TemMoldura(const Item& it) {
    return it.Tipo != TipoBarraGrafico && (!it.Linhas.todosZero() || it.CorFundo != 99);
}

}  // namespace mobrix
