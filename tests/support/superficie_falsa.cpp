#include "superficie_falsa.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace mobrix::teste {

bool SuperficieFalsa::Redimensionar(int largura, int altura) {
    if (largura < 0 || altura < 0 || largura > LarguraMaximaPermitida || altura > LarguraMaximaPermitida ||
        int64_t{largura} * altura > PixelsMaximosPagina) {
        largura_ = altura_ = 0;
        pixels_.clear();
        return false;
    }
    largura_ = largura;
    altura_ = altura;
    pixels_.assign(static_cast<size_t>(largura) * static_cast<size_t>(altura), Branco);
    return true;
}

void SuperficieFalsa::Limpar(Cor cor) { std::fill(pixels_.begin(), pixels_.end(), cor); }

void SuperficieFalsa::Pixel(int x, int y, Cor cor) {
    if (x >= 0 && y >= 0 && x < largura_ && y < altura_) pixels_[static_cast<size_t>(y) * largura_ + x] = cor;
}

Cor SuperficieFalsa::LerPixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= largura_ || y >= altura_) return Branco;
    return pixels_[static_cast<size_t>(y) * largura_ + x];
}

void SuperficieFalsa::Linha(int x1, int y1, int x2, int y2, Cor cor) {
    // Bresenham, both ends included.
    int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
    int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    int erro = dx + dy;
    for (int guarda = 0; guarda < 1 << 20; ++guarda) {
        Pixel(x1, y1, cor);
        if (x1 == x2 && y1 == y2) break;
        int e2 = 2 * erro;
        if (e2 >= dy) erro += dy, x1 += sx;
        if (e2 <= dx) erro += dx, y1 += sy;
    }
}

void SuperficieFalsa::Retangulo(int x1, int y1, int x2, int y2, Cor cor) {
    int xa = std::max(0, std::min(x1, x2)), xb = std::min(largura_, std::max(x1, x2));
    int ya = std::max(0, std::min(y1, y2)), yb = std::min(altura_, std::max(y1, y2));
    for (int y = ya; y < yb; ++y)
        for (int x = xa; x < xb; ++x) pixels_[static_cast<size_t>(y) * largura_ + x] = cor;
}

void SuperficieFalsa::DefinirFonte(const FonteSuperficie& fonte) {
    FonteSuperficie nova = fonte;
    if (nova.Nome.empty()) nova.Nome = fonte_.Nome;
    if (!(nova.Tamanho >= 1)) nova.Tamanho = fonte_.Tamanho;
    fonte_ = nova;
}

double SuperficieFalsa::LarguraTexto(std::string_view texto) {
    return static_cast<double>(texto.size()) * (fonte_.Negrito ? LarguraCaractereNegrito : LarguraCaractere);
}

double SuperficieFalsa::AlturaTexto(std::string_view) { return std::lround(fonte_.Tamanho * 4.0 / 3.0); }

void SuperficieFalsa::EscreverTexto(double x, double y, std::string_view texto, Cor cor, int angulo,
                                    const Recorte* recorte) {
    textos.push_back({x, y, std::string(texto), cor, angulo, fonte_, recorte != nullptr,
                      recorte ? *recorte : Recorte{0, 0, 0, 0}});
}

bool SuperficieFalsa::CarregarFigura(const std::string& caminho) {
    figurasPedidas.push_back(caminho);
    for (const auto& [nome, tamanho] : figurasExistentes)
        if (nome == caminho) return Redimensionar(tamanho.first, tamanho.second);
    return false;
}

void SuperficieFalsa::CarregarImagemPadrao(ImagemPadrao imagem) {
    ultimaImagemPadrao = imagem;
    Redimensionar(32, 32);
}

void SuperficieFalsa::Escalar(int largura, int altura) {
    if (largura < 1 || altura < 1) return;
    SuperficieFalsa copia = *this;
    Redimensionar(largura, altura);
    Copiar(copia, 0, 0, largura, altura);
}

void SuperficieFalsa::Copiar(const Superficie& origem, int x, int y, int largura, int altura) {
    if (largura <= 0 || altura <= 0 || origem.Largura() <= 0 || origem.Altura() <= 0) return;
    for (int j = 0; j < altura; ++j)
        for (int i = 0; i < largura; ++i)
            Pixel(x + i, y + j,
                  origem.LerPixel(static_cast<int>(int64_t{i} * origem.Largura() / largura),
                                  static_cast<int>(int64_t{j} * origem.Altura() / altura)));
}

std::string SuperficieFalsa::Arte() const {
    std::string s;
    for (int y = 0; y < altura_; ++y) {
        for (int x = 0; x < largura_; ++x) {
            Cor c = LerPixel(x, y);
            s += c == Preto ? '#' : c == Branco ? '.' : '?';
        }
        s += '\n';
    }
    return s;
}

}  // namespace mobrix::teste
