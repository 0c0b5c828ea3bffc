#include "canvas/figuras.h"

#include <algorithm>
#include <cmath>

#include "output/formatacao.h"

namespace mobrix {

void RedimensionarFigura(Superficie& figura, int64_t alturaMax, int64_t larguraMax, Dialogos* dialogos) {
    const double hm = static_cast<double>(std::max<int64_t>(alturaMax, 1));
    const double wm = static_cast<double>(std::max<int64_t>(larguraMax, 1));
    const double w = figura.Largura(), h = figura.Altura();
    if (w < 1 || h < 1) return;
    if (w < wm && h < hm) return;
    const double r = (w / h) / (wm / hm);
    double nw = wm, nh = hm;
    if (r <= 1) nw = std::nearbyint(wm * r);
    else nh = std::nearbyint(hm / r);
    nw = std::clamp(nw, 1.0, wm);
    nh = std::clamp(nh, 1.0, hm);
    if (dialogos) dialogos->CursorOcupado(true);
    figura.Escalar(static_cast<int>(nw), static_cast<int>(nh));
    if (dialogos) dialogos->CursorOcupado(false);
}

void PosicionarNaCelula(const Celula& c, const Texto10& at, int64_t largura, int64_t altura, int64_t& x, int64_t& y) {
    const int64_t direita = c.direita, base = c.base;
    if (at.ligado(1)) x = c.esquerda + ArredondarPar(static_cast<double>(direita - c.esquerda + 1 - largura) / 2);
    else if (at.ligado(2)) x = direita - largura;
    else x = c.esquerda;
    if (at.ligado(3)) y = c.topo + ArredondarPar(static_cast<double>(base - c.topo + 1 - altura) / 2);
    else if (at.ligado(4)) y = base - altura;
    else y = c.topo;
}

void CopiarParaCelula(Superficie& pagina, const Superficie& figura, const Celula& c, const Texto10& atributos,
                      int64_t largura, int64_t altura) {
    if (largura < 1 || altura < 1 || figura.Largura() < 1 || figura.Altura() < 1) return;
    int64_t x, y;
    PosicionarNaCelula(c, atributos, largura, altura, x, y);
    pagina.Copiar(figura, Px(x), Px(y), Px(largura), Px(altura));
}

}  // namespace mobrix
