#include "barcodes/desenho_linear.h"

#include <algorithm>
#include <cmath>

#include "barcodes/codigos_lineares.h"

namespace mobrix {
namespace {

int16_t AnguloValido(int16_t angulo) { return angulo == 90 || angulo == 180 || angulo == 270 ? angulo : 0; }

// No surface holds a side this long; larger symbols draw as an empty picture.
constexpr int64_t LadoMaximo = int64_t{1} << 24;

}  // namespace

void GirarPonto(int32_t x, int32_t y, int32_t largura, int32_t altura, int16_t angulo, int32_t& outX,
                int32_t& outY) {
    switch (angulo) {
        case 90: outX = y, outY = largura - x - 1; break;
        case 180: outX = largura - x - 1, outY = altura - y - 1; break;
        case 270: outX = altura - y - 1, outY = x; break;
        default: outX = x, outY = y; break;
    }
}

int AlturaBarrasUtil(int16_t alturaBarras) { return std::max<int>(alturaBarras, 1); }

int AlturaSimbolo(int alturaBarras, bool mostrarNumeros) {
    return mostrarNumeros ? alturaBarras + AlturaNumeros : alturaBarras;
}

void TrocarNaoDigitosPorZero(std::string& texto) {
    for (char& c : texto)
        if (c < '0' || c > '9') c = '0';
}

bool TextoLongoDemais(Superficie& s, const std::string& texto) {
    if (texto.size() <= TextoMaximo) return false;
    s.Redimensionar(0, 0);
    return true;
}

DesenhoLinear::DesenhoLinear(Superficie& s, int64_t largura, int64_t altura, int16_t angulo)
    : s_(s), angulo_(AnguloValido(angulo)) {
    // A symbol larger than the page could never be shown whole; refusing it
    // keeps one hostile item from taking hundreds of megabytes.
    bool cabe = largura > 0 && altura > 0 && largura <= LadoMaximo && altura <= LadoMaximo &&
                largura * altura <= PixelsMaximosPagina;
    bool deitado = angulo_ == 90 || angulo_ == 270;
    if (cabe) {
        largura_ = static_cast<int>(largura);
        altura_ = static_cast<int>(altura);
    }
    if (!(deitado ? s_.Redimensionar(altura_, largura_) : s_.Redimensionar(largura_, altura_)))
        largura_ = altura_ = 0;
    s_.DefinirFonte(FonteSuperficie{.Nome = "Arial", .Tamanho = 8});
}

int DesenhoLinear::Modulos(std::string_view modulos, int primeiraColuna, int topo, int base, Claros claros) {
    // No symbol has more modules than columns; the bound only matters when
    // the picture could not be made (W = 0).
    int visiveis = static_cast<int>(std::min<size_t>(modulos.size(), static_cast<size_t>(largura_)));
    for (int i = 0; i < visiveis; ++i) {
        bool escuro = modulos[i] == '1';
        if (!escuro && claros == Claros::Deixar) continue;
        int x = primeiraColuna + i, x1, y1, x2, y2;
        GirarPonto(x, topo, largura_, altura_, angulo_, x1, y1);
        GirarPonto(x, base, largura_, altura_, angulo_, x2, y2);
        s_.Linha(x1, y1, x2, y2, escuro ? Preto : Branco);
    }
    return primeiraColuna + visiveis - 1;
}

double DesenhoLinear::LarguraTexto(std::string_view texto) { return s_.LarguraTexto(texto); }

void DesenhoLinear::Escrever(double x, int y, std::string_view texto) {
    if (largura_ == 0) return;
    int px, py;
    GirarPonto(static_cast<int>(std::lrint(x)), y, largura_, altura_, angulo_, px, py);
    s_.EscreverTexto(px, py, texto, Preto, angulo_, nullptr);
}

}  // namespace mobrix
