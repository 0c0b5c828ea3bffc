#include "document/criacao_rapida.h"

#include "document/operacoes.h"
#include "document/unidades.h"

namespace mobrix {

std::optional<PropostaMagica> ShowMagic(int64_t x1, int64_t y1, int64_t x2, int64_t y2, int banda, int medida) {
    const int64_t largura = x2 - x1;
    const int64_t altura = y2 - y1 + 1;
    if (largura < 1 || altura < 1 || largura > TamanhoMaximoEditavel || altura > TamanhoMaximoEditavel)
        return std::nullopt;
    PropostaMagica p;
    p.quadro = {static_cast<int32_t>(x1 + MargemItens), static_cast<int32_t>(y1), static_cast<int32_t>(largura),
                static_cast<int32_t>(altura)};
    p.banda = banda;
    p.dica = " " + FormatarMedidaTruncada(p.quadro.largura, medida) + " x " +
             FormatarMedidaTruncada(p.quadro.altura, medida) + " " + UnidadeDe(medida).Sufixo + " ";
    return p;
}

std::optional<PropostaMagica> ProporCriacao(const Layout& layout, int32_t x, int32_t y, int medida) {
    if (layout.NumBandas() < 1) return std::nullopt;
    const PosicaoItem alvo = LocalizarItem(layout, x, y);
    if (alvo.item != 0) return std::nullopt;
    const int64_t x8 = (int64_t{x} + 8) / 8 * 8;
    if (alvo.banda == 0) {
        const Banda& ultima = layout.banda(layout.NumBandas());
        const int64_t fundo = int64_t{ultima.Topo} + ultima.AlturaEfetiva() - 1;  // the last band's bottom row
        if (y <= fundo + 8 || x <= 16) return std::nullopt;
        const int64_t passos = (int64_t{y} + 8 - 18 - fundo) / 8;
        return ShowMagic(0, fundo + 1, x8, fundo + 18 + passos * 8, layout.NumBandas() + 1, medida);
    }
    const Banda& b = layout.banda(alvo.banda);
    if (b.NumItens() < 1) return std::nullopt;
    const Item& ultimo = b.item(b.NumItens());
    const int64_t fimItens = int64_t{ultimo.Esquerda} + ultimo.Largura;
    if (x <= fimItens + 16) return std::nullopt;
    return ShowMagic(fimItens, b.Topo, x8, int64_t{b.Topo} + b.AlturaEfetiva() - 1, alvo.banda, medida);
}

}  // namespace mobrix
