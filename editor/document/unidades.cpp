#include "document/unidades.h"

#include <cmath>
#include <cstdio>

#include "document/modelo.h"

namespace mobrix {
namespace {
constexpr Unidade kPixels{1.0, 0, "px", 4};
constexpr Unidade kPolegadas{96.0, 5, "pol", 3};
constexpr Unidade kMilimetros{3.7795275, 2, "mm", 3};
constexpr Unidade kCentimetros{37.795275, 3, "cm", 2};
}  // namespace

const Unidade& UnidadeDe(int medida) {
    switch (medida) {
        case MedidaPolegadas: return kPolegadas;
        case MedidaMilimetros: return kMilimetros;
        case MedidaCentimetros: return kCentimetros;
        default: return kPixels;
    }
}

bool MedidaValida(int medida) {
    return medida == MedidaPixels || medida == MedidaPolegadas || medida == MedidaMilimetros ||
           medida == MedidaCentimetros;
}

double PixelsParaValor(int32_t pixels, int medida) {
    return pixels / UnidadeDe(medida).PixelsPorUnidade;
}

int32_t ValorParaPixels(double valor, int medida) {
    double px = std::nearbyint(valor * UnidadeDe(medida).PixelsPorUnidade);  // default mode: halves to even
    if (!(px >= INT32_MIN)) return INT32_MIN;  // also NaN
    if (px > INT32_MAX) return INT32_MAX;
    return static_cast<int32_t>(px);
}

std::string FormatarMedidaTruncada(int32_t pixels, int medida) {
    const Unidade& u = UnidadeDe(medida);
    const double escala = std::pow(10.0, u.Decimais);
    const double cortado = std::trunc(pixels / u.PixelsPorUnidade * escala) / escala;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", u.Decimais, cortado);
    std::string s = buf;
    if (s.find('.') != std::string::npos) {
        while (s.back() == '0') s.pop_back();
        if (s.back() == '.') s.pop_back();
    }
    return s == "-0" ? std::string(1, '0') : s;
}

}  // namespace mobrix
