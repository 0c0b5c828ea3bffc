#include "document/arrasto.h"

#include <algorithm>

namespace mobrix {
namespace {

int64_t TruncarOito(int64_t v) { return v / 8 * 8; }  // towards zero

bool MoveEsquerda(int alca) { return alca == AlcaSuperiorEsquerda || alca == AlcaEsquerda || alca == AlcaInferiorEsquerda; }
bool MoveTopo(int alca) { return alca == AlcaSuperiorEsquerda || alca == AlcaSuperiorDireita; }
bool MoveDireita(int alca) { return alca == AlcaSuperiorDireita || alca == AlcaDireita || alca == AlcaInferiorDireita; }
bool MoveBase(int alca) { return alca == AlcaInferiorEsquerda || alca == AlcaInferior || alca == AlcaInferiorDireita; }

}  // namespace

int32_t LimiteTopo(const Layout& layout, int bandaSel, int itemSel) {
    if (bandaSel <= 1 || itemSel == 0 || bandaSel > layout.NumBandas()) return 8;
    return layout.banda(bandaSel - 1).Topo;
}

Retangulo ContornoArrastado(const Arrasto& a, int32_t x, int32_t y, int32_t larguraPagina, int32_t alturaPagina) {
    const int64_t dx = TruncarOito(int64_t{x} - a.mouseX);
    const int64_t dy = TruncarOito(int64_t{y} - a.mouseY);
    const int64_t L = a.inicio.esquerda, T = a.inicio.topo, W = a.inicio.largura, H = a.inicio.altura;
    int64_t esquerda = L, topo = T, largura = W, altura = H;
    if (MoveEsquerda(a.alca)) {
        esquerda = std::max<int64_t>(0, L + dx);
        largura = W - (esquerda - L);
        if (largura < 8) {
            largura = 8;
            esquerda = L + W - 8;
        }
    }
    if (MoveTopo(a.alca) || a.alca == AlcaDeslocar) {
        topo = std::max<int64_t>(a.limiteTopo, T + dy);
        if (MoveTopo(a.alca)) {
            altura = H - (topo - T);
            if (altura < 1) {
                altura = 1;
                topo = T + H - 1;
            }
        }
    }
    if (MoveDireita(a.alca)) {
        largura = std::max<int64_t>(8, W + dx);
        if (esquerda + largura > larguraPagina) largura = std::max<int64_t>(1, TruncarOito(larguraPagina) - esquerda);
    }
    if (MoveBase(a.alca)) {
        altura = std::max<int64_t>(1, H + dy);
        if (topo + altura > alturaPagina) altura = std::max<int64_t>(1, TruncarOito(alturaPagina) - topo);
    }
    return {Saturar(esquerda), Saturar(topo), Saturar(largura), Saturar(altura)};
}

int32_t NovoDeslocamento(int32_t deslocamento, int64_t movimento, int32_t alturaAnterior) {
    // An offset reaching further up than the band above only counts as far
    // as that band's top, so a band at -9999 moves from where it is drawn.
    const int64_t d = std::max<int64_t>(deslocamento, -int64_t{alturaAnterior}) + movimento;
    if (d <= -int64_t{alturaAnterior}) return DeslocamentoAteBandaAnterior;
    return Saturar(d);
}

}  // namespace mobrix
