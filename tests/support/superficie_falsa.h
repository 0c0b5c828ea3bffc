#pragma once
// A drawing surface for tests: a plain pixel buffer with fixed glyph metrics
// (every character 6 pixels wide, 7 when bold; line height = the pixel size of
// the font), recording every text it writes.
#include <string>
#include <vector>

#include "document/superficie.h"

namespace mobrix::teste {

struct TextoEscrito {
    double x, y;
    std::string texto;
    Cor cor;
    int angulo;
    FonteSuperficie fonte;
    bool recortado;
    Recorte recorte;
};

class SuperficieFalsa : public Superficie {
public:
    static constexpr int LarguraCaractere = 6;
    static constexpr int LarguraCaractereNegrito = 7;

    SuperficieFalsa(int largura = 1, int altura = 1) { Redimensionar(largura, altura); }

    int Largura() const override { return largura_; }
    int Altura() const override { return altura_; }
    bool Redimensionar(int largura, int altura) override;
    void Limpar(Cor cor) override;

    void Linha(int x1, int y1, int x2, int y2, Cor cor) override;
    void Pixel(int x, int y, Cor cor) override;
    Cor LerPixel(int x, int y) const override;
    void Retangulo(int x1, int y1, int x2, int y2, Cor cor) override;

    void DefinirFonte(const FonteSuperficie& fonte) override;
    const FonteSuperficie& Fonte() const override { return fonte_; }
    double LarguraTexto(std::string_view texto) override;
    double AlturaTexto(std::string_view texto) override;
    void EscreverTexto(double x, double y, std::string_view texto, Cor cor, int angulo,
                       const Recorte* recorte) override;

    bool CarregarFigura(const std::string& caminho) override;
    void CarregarImagemPadrao(ImagemPadrao imagem) override;
    void Escalar(int largura, int altura) override;
    void Copiar(const Superficie& origem, int x, int y, int largura, int altura) override;

    // Test helpers.
    std::vector<TextoEscrito> textos;
    std::vector<std::string> figurasPedidas;
    // Pictures that CarregarFigura "finds": path -> size; others fail.
    std::vector<std::pair<std::string, std::pair<int, int>>> figurasExistentes;
    ImagemPadrao ultimaImagemPadrao = ImagemPadrao::Erro;
    // Rows of the picture as characters: '#' for black, '.' for white, '?' otherwise.
    std::string Arte() const;
    int LarguraMaximaPermitida = 1 << 15;

private:
    int largura_ = 0, altura_ = 0;
    std::vector<Cor> pixels_;
    FonteSuperficie fonte_;
};

}  // namespace mobrix::teste
