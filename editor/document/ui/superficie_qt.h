#pragma once
// The drawing surface over a QImage, at 96 pixels per inch whatever the screen.
#include <QFont>
#include <QImage>
#include <utility>
#include <vector>

#include "document/superficie.h"

namespace mobrix {

class SuperficieQt : public Superficie {
public:
    // Largest picture the surface will allocate, per side and in pixels.
    static constexpr int LadoMaximo = 32767;
    static constexpr int64_t PixelsMaximos = int64_t{200} * 1000 * 1000;

    SuperficieQt(int largura = 1, int altura = 1);

    int Largura() const override { return imagem_.width(); }
    int Altura() const override { return imagem_.height(); }
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

    const QImage& imagem() const { return imagem_; }
    // The Qt font of a surface font, pixel-sized for 96 pixels per inch.
    static QFont FonteQt(const FonteSuperficie& f);

private:
    static constexpr size_t FontesGuardadas = 16;

    QImage imagem_;
    FonteSuperficie fonte_;
    QFont fonteQt_;
    std::vector<std::pair<FonteSuperficie, QFont>> fontesUsadas_;
};

// The stock pictures, drawn by the program itself.
QImage ImagemErro();
QImage ImagemFigura();

}  // namespace mobrix
