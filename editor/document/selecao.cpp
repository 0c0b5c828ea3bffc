#include "document/selecao.h"

#include <algorithm>

#include "document/operacoes.h"

namespace mobrix {
namespace {

bool BandaContem(const Banda& b, int32_t y) {
    return b.Topo <= y && int64_t{y} <= int64_t{b.Topo} + b.AlturaEfetiva() - 1;
}

bool ItemContem(const Item& it, int32_t x) {
    return int64_t{it.Esquerda} + MargemItens <= x && int64_t{x} <= int64_t{it.Esquerda} + it.Largura + 7;
}

int64_t FimDoItem(const Item& it) { return int64_t{it.Esquerda} + it.Largura; }

}  // namespace

PosicaoItem LocalizarItem(const Layout& layout, int32_t x, int32_t y) {
    PosicaoItem r;
    for (int b = layout.NumBandas(); b >= 1; --b) {
        const Banda& banda = layout.banda(b);
        if (!BandaContem(banda, y)) continue;
        for (int k = 1; k <= banda.NumItens(); ++k) {
            if (ItemContem(banda.item(k), x)) return {b, k};
        }
        r.banda = b;  // searching downwards, the last one kept is the lowest-numbered
    }
    return r;
}

Retangulo ContornoItem(const Layout& layout, int banda, int item) {
    const Banda& b = layout.banda(banda);
    const Item& it = b.item(item);
    return {Saturar(int64_t{it.Esquerda} + MargemItens), b.Topo, it.Largura, b.AlturaEfetiva()};
}

std::array<Alca, 8> PosicionarAlcas(const Retangulo& contorno, int bandaSel) {
    const int64_t esquerda = int64_t{contorno.esquerda} - TamanhoAlca;
    const int64_t topo = int64_t{contorno.topo} - TamanhoAlca;
    const int64_t largura = int64_t{contorno.largura} + 2 * TamanhoAlca;
    const int64_t altura = int64_t{contorno.altura} + 2 * TamanhoAlca;
    const int64_t xs[3] = {esquerda, esquerda + (largura - TamanhoAlca) / 2, esquerda + largura - TamanhoAlca};
    const int64_t ys[3] = {topo, topo + (altura - TamanhoAlca) / 2, topo + altura - TamanhoAlca};
    // Column and row of each handle, in index order.
    constexpr int coluna[8] = {0, 0, 0, 1, 1, 2, 2, 2};
    constexpr int linha[8] = {0, 1, 2, 0, 2, 0, 1, 2};
    std::array<Alca, 8> alcas;
    for (size_t i = 0; i < alcas.size(); ++i) {
        alcas[i] = {Saturar(xs[coluna[i]]), Saturar(ys[linha[i]]), true};
    }
    alcas[AlcaDeslocar].habilitada = bandaSel >= 2;
    return alcas;
}

Retangulo RetanguloFaixa(const Documento& doc) {
    if (!ItemValido(doc, doc.SelBandaIni, 0) || !ItemValido(doc, doc.SelBandaFim, 0)) return {};
    const Banda& ini = doc.banda(doc.SelBandaIni);
    if (doc.SelBandaIni == doc.SelBandaFim) {
        if (doc.SelItemIni < 1 || doc.SelItemFim < doc.SelItemIni || doc.SelItemFim > ini.NumItens()) return {};
        const Item& a = ini.item(doc.SelItemIni);
        const Item& z = ini.item(doc.SelItemFim);
        return {Saturar(int64_t{a.Esquerda} + 7), Saturar(int64_t{ini.Topo} - 1),
                Saturar(FimDoItem(z) - a.Esquerda + 2), Saturar(int64_t{ini.AlturaEfetiva()} + 2)};
    }
    int64_t direita = 0;
    for (int b = doc.SelBandaIni; b <= doc.SelBandaFim; ++b) {
        const Banda& banda = doc.banda(b);
        if (banda.NumItens() > 0) direita = std::max(direita, FimDoItem(banda.item(banda.NumItens())));
    }
    const Banda& fim = doc.banda(doc.SelBandaFim);
    return {7, Saturar(int64_t{ini.Topo} - 1), Saturar(direita + 2),
            Saturar(int64_t{fim.Topo} - ini.Topo + fim.AlturaEfetiva() + 2)};
}

std::string RotuloSelecao(int banda, int item) {
    if (item == 0) return "(" + std::to_string(banda) + ")";
    return "(" + std::to_string(banda) + ", " + std::to_string(item) + ")";
}

}  // namespace mobrix
