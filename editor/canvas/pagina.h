#pragma once
// The page canvas: draws the whole layout into the page surface, sizing it to
// the layout, and tells the window where its decorations go.
#include <cstdint>

#include "barcodes/ponte_pdf417.h"
#include "document/modelo.h"
#include "document/portas.h"
#include "document/superficie.h"
#include "output/variaveis.h"

namespace mobrix {

inline constexpr const char* MensagemMemoriaPagina = "Memória insuficiente para exibir o layout no tamanho total!";

// Page outline of an A4 sheet: width 11520 twips and length 15412 twips.
inline constexpr int LarguraA4 = 768;
inline constexpr int ComprimentoA4 = 1027;
// The canvas starts this size (at least), falls back to TamanhoReserva when
// memory runs out, and never grows past LadoMaximoPagina a side nor past
// PixelsMaximosPagina in all.
inline constexpr int TamanhoMinimoPagina = 1120;
inline constexpr int TamanhoReserva = 2016;
inline constexpr int LadoMaximoPagina = 32767;

// What one redraw needs besides the document.
struct ContextoDesenho {
    Superficie& pagina;   // the canvas (picPagina)
    Superficie& figura;   // where pictures and barcodes are drawn first (picLoadPicture)
    PontePDF417& pdf417;
    const DataHora& agora;          // sample values of header and footer variables
    Dialogos* dialogos = nullptr;   // memory and library messages, busy cursor
};

// Where the window places the decorations that live above the canvas.
struct ResultadoPagina {
    bool cabecalhoVisivel = false;
    int yCabecalho = 0;  // linCabecalho, from x 0 to the canvas width
    bool rodapeVisivel = false;
    int yRodape = 0;     // linRodape
    int largura = 0;     // the canvas size after the redraw
    int altura = 0;
};

// The renderer's state: whether the canvas may still grow.
class Pagina {
public:
    bool PaginaAmpliavel() const { return ampliavel_; }

    // The canvas at its first size: the screen width (at least 1120) by 1120.
    void TamanhoInicial(Superficie& pagina, int larguraTela, Dialogos* dialogos);

    // The full redraw (ExibirBanda): positions items of the selected band and
    // all bands, computes automatic band heights, sizes and clears the canvas
    // and draws the page outline, band markers and every item. It changes only
    // Topo, Esquerda and automatic Altura of the document.
    ResultadoPagina ExibirBanda(Documento& doc, ContextoDesenho& ctx);

private:
    // Falls back to the reserve size, once, when the canvas has no bitmap.
    void VerificarMemoriaPagina(Superficie& pagina, Dialogos* dialogos);
    void Crescer(Superficie& pagina, int64_t largura, int64_t altura, Dialogos* dialogos);

    bool ampliavel_ = true;
    bool avisado_ = false;
};

}  // namespace mobrix
