#include "document/rolagem.h"

#include <algorithm>

namespace mobrix {
namespace {

int32_t Limitar(int64_t valor, int32_t maximo) {
    return static_cast<int32_t>(std::clamp<int64_t>(valor, 0, std::max(0, maximo)));
}

}  // namespace

PosicaoRolagem RolagemParaMostrar(const Layout& layout, int banda, int item, const EstadoPagina& p) {
    int64_t h = p.h, v = p.v;
    const Banda& b = layout.banda(banda);
    const Item& it = b.item(item);
    const int64_t base = int64_t{b.Topo} + b.AlturaEfetiva();
    if (base > int64_t{v} + p.alturaVisivel - 8) {
        v = base - p.alturaVisivel + 8;
    } else if (b.Topo < v + 8) {
        v = int64_t{b.Topo} - 8;
    }
    const int64_t direita = int64_t{it.Esquerda} + it.Largura;
    if (direita > h + p.larguraVisivel - 16) {
        h = direita - p.larguraVisivel + 16;
    } else if (it.Esquerda < h) {
        h = it.Esquerda;
    }
    return {Limitar(h, p.maximoH), Limitar(v, p.maximoV)};
}

int32_t RolagemPorTecla(TeclaRolagem tecla, const EstadoPagina& p) {
    switch (tecla) {
        case TeclaRolagem::PageUp: return Limitar(int64_t{p.v} - p.passoGrandeV, p.maximoV);
        case TeclaRolagem::PageDown: return Limitar(int64_t{p.v} + p.passoGrandeV, p.maximoV);
        case TeclaRolagem::Home: return 0;
        case TeclaRolagem::End: return std::max(0, p.maximoV);
    }
    return p.v;
}

int32_t RolagemPorRoda(DirecaoRoda direcao, const EstadoPagina& p) {
    if (!p.verticalHabilitada) return p.v;
    const int64_t passo = p.passoGrandeV / 8;
    return Limitar(direcao == DirecaoRoda::Cima ? int64_t{p.v} - passo : int64_t{p.v} + passo, p.maximoV);
}

}  // namespace mobrix
