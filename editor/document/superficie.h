#pragma once
// The drawing-surface port: what barcodes, the styled text block and the page
// renderer need of an off-screen picture. Coordinates are pixels of the
// surface, origin top-left, y downwards. Text arguments are Windows-1252.
#include <cstdint>
#include <string>
#include <string_view>

namespace mobrix {

using Cor = uint32_t;  // 0xRRGGBB
constexpr Cor Rgb(int r, int g, int b) {
    return (static_cast<Cor>(r & 255) << 16) | (static_cast<Cor>(g & 255) << 8) | static_cast<Cor>(b & 255);
}
// The largest picture drawn: the page canvas never grows past it, so no
// symbol drawn for the page needs to be larger either.
inline constexpr int64_t PixelsMaximosPagina = int64_t{64} * 1024 * 1024;

inline constexpr Cor Preto = 0x000000;
inline constexpr Cor Branco = 0xFFFFFF;

struct FonteSuperficie {
    std::string Nome = "Arial";
    double Tamanho = 8;  // points; 96 pixels per inch, so 0.75 point per pixel
    bool Negrito = false;
    bool Italico = false;
    bool Sublinhado = false;
    bool Riscado = false;

    bool operator==(const FonteSuperficie&) const = default;
};

struct Recorte {
    double x, y, largura, altura;
};

enum class ImagemPadrao {
    Erro,    // a picture or barcode that cannot be drawn
    Figura,  // a picture item whose text is an expression, not a file name
};

class Superficie {
public:
    virtual ~Superficie() = default;

    virtual int Largura() const = 0;
    virtual int Altura() const = 0;
    // New size, all white. Returns false (leaving an empty 0 x 0 picture)
    // when a bitmap of that size cannot be allocated.
    virtual bool Redimensionar(int largura, int altura) = 0;
    virtual void Limpar(Cor cor = Branco) = 0;

    // A one-pixel line; both end points are painted. Outside parts are clipped.
    virtual void Linha(int x1, int y1, int x2, int y2, Cor cor) = 0;
    virtual void Pixel(int x, int y, Cor cor) = 0;
    virtual Cor LerPixel(int x, int y) const = 0;  // white outside the picture
    // Filled rectangle; right and bottom exclusive.
    virtual void Retangulo(int x1, int y1, int x2, int y2, Cor cor) = 0;
    // One-pixel box outline through both corners (inclusive).
    void Contorno(int x1, int y1, int x2, int y2, Cor cor) {
        Linha(x1, y1, x2, y1, cor);
        Linha(x1, y2, x2, y2, cor);
        Linha(x1, y1, x1, y2, cor);
        Linha(x2, y1, x2, y2, cor);
    }

    // A face that cannot be set leaves the previous face; a size below the
    // smallest usable one keeps the previous size.
    virtual void DefinirFonte(const FonteSuperficie& fonte) = 0;
    virtual const FonteSuperficie& Fonte() const = 0;
    virtual double LarguraTexto(std::string_view texto) = 0;
    virtual double AlturaTexto(std::string_view texto) = 0;
    // Writes text in the current font with the top-left of its cell at (x, y),
    // rotated counter-clockwise by `angulo` degrees about that point, clipped
    // to `recorte` when one is given.
    virtual void EscreverTexto(double x, double y, std::string_view texto, Cor cor, int angulo,
                               const Recorte* recorte) = 0;

    // Replaces the picture (size included) by a picture file; false when the
    // file cannot be read. The path is UTF-8.
    virtual bool CarregarFigura(const std::string& caminho) = 0;
    virtual void CarregarImagemPadrao(ImagemPadrao imagem) = 0;
    // Resamples the own picture to a new size with smoothing.
    virtual void Escalar(int largura, int altura) = 0;
    // Stretches the whole of `origem` onto this surface at (x, y), size w x h.
    virtual void Copiar(const Superficie& origem, int x, int y, int largura, int altura) = 0;
};

}  // namespace mobrix
