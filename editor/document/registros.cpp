#include "document/registros.h"

#include <string>

namespace mobrix {
namespace {

FonteItem LerFonte(LeitorBinario& in) {
    FonteItem f;
    f.Nome = in.str();
    f.Tamanho = in.int16();
    f.Negrito = in.booleano();
    f.Italico = in.booleano();
    f.Sublinhado = in.booleano();
    f.Riscado = in.booleano();
    return f;
}

Item LerItem(LeitorBinario& in, FormaItem forma) {
    Item it;
    it.Texto = in.str();
    it.Fonte = LerFonte(in);
    it.Esquerda = in.int32();
    it.Largura = in.int32();
    it.Linhas = Texto10(in.fixo(10));
    it.Atributos = Texto10(in.fixo(10));
    it.CorTexto = in.byte();
    it.CorFundo = in.byte();
    if (forma == FormaItem::Atual) {
        it.CorLinhas = in.byte();
        it.Espessura = in.byte();
    } else {
        it.CorLinhas = 0;
        it.Espessura = 1;
    }
    it.Tipo = in.byte();
    return it;
}

}  // namespace

int LerDescritor(LeitorBinario& in, const std::string& onde) {
    int16_t dimensoes = in.int16();
    if (!in.ok()) return -1;
    if (dimensoes == 0) return 0;
    if (dimensoes != 1) {
        in.falhar("Descritor de matriz inválido " + onde + ": " + std::to_string(dimensoes) +
                  " dimensões (esperado 0 ou 1).");
        return -1;
    }
    int32_t elementos = in.int32();
    int32_t limiteInferior = in.int32();
    if (!in.ok()) return -1;
    if (limiteInferior != 1) {
        in.falhar("Descritor de matriz inválido " + onde + ": limite inferior " +
                  std::to_string(limiteInferior) + " (esperado 1).");
        return -1;
    }
    if (elementos < 0) {
        in.falhar("Descritor de matriz inválido " + onde + ": " + std::to_string(elementos) +
                  " elementos.");
        return -1;
    }
    return elementos;
}

void GravarDescritor(EscritorBinario& out, size_t elementos) {
    if (elementos == 0) {
        out.int16(0);
        return;
    }
    out.int16(1);
    out.int32(static_cast<int32_t>(elementos));
    out.int32(1);
}

Banda LerBanda(LeitorBinario& in, FormaBanda fb, FormaItem fi, int numero) {
    const std::string onde = "na banda " + std::to_string(numero);
    Banda b;
    b.Topo = in.int32();
    b.Altura = in.int32();
    b.Deslocamento = in.int32();
    if (fb == FormaBanda::Atual) b.Comentario = in.str();
    int16_t numItens = in.int16();
    int elementos = LerDescritor(in, onde);
    if (!in.ok()) return b;
    if (numItens < 1) {
        in.falhar("A banda " + std::to_string(numero) + " não tem nenhum item (" +
                  std::to_string(numItens) + ").");
        return b;
    }
    if (elementos != numItens) {
        in.falhar("O número de itens da banda " + std::to_string(numero) + " (" +
                  std::to_string(numItens) + ") difere do descritor (" + std::to_string(elementos) +
                  ").");
        return b;
    }
    if (static_cast<size_t>(numItens) > in.restante() / TamanhoMinimoItem(fi)) {
        in.falhar("A banda " + std::to_string(numero) + " declara " + std::to_string(numItens) +
                  " itens, mais do que o arquivo contém.");
        return b;
    }
    b.Itens.reserve(static_cast<size_t>(numItens));
    for (int k = 0; k < numItens && in.ok(); ++k) b.Itens.push_back(LerItem(in, fi));
    return b;
}

std::vector<Banda> LerBandas(LeitorBinario& in, int n, FormaBanda fb, FormaItem fi) {
    std::vector<Banda> bandas;
    if (!in.ok()) return bandas;
    if (n < 1) {
        in.falhar("O layout não tem nenhuma banda (" + std::to_string(n) + ").");
        return bandas;
    }
    if (static_cast<size_t>(n) > in.restante() / TamanhoMinimoBanda(fb)) {
        in.falhar("O arquivo declara " + std::to_string(n) + " bandas, mais do que contém.");
        return bandas;
    }
    bandas.reserve(static_cast<size_t>(n));
    for (int i = 1; i <= n && in.ok(); ++i) bandas.push_back(LerBanda(in, fb, fi, i));
    return bandas;
}

void GravarItem(EscritorBinario& out, const Item& it) {
    out.str(it.Texto);
    out.str(it.Fonte.Nome);
    out.int16(it.Fonte.Tamanho);
    out.booleano(it.Fonte.Negrito);
    out.booleano(it.Fonte.Italico);
    out.booleano(it.Fonte.Sublinhado);
    out.booleano(it.Fonte.Riscado);
    out.int32(it.Esquerda);
    out.int32(it.Largura);
    out.fixo(std::string_view(it.Linhas.data(), Texto10::size()));
    out.fixo(std::string_view(it.Atributos.data(), Texto10::size()));
    out.byte(it.CorTexto);
    out.byte(it.CorFundo);
    out.byte(it.CorLinhas);
    out.byte(it.Espessura);
    out.byte(it.Tipo);
}

void GravarBanda(EscritorBinario& out, const Banda& b) {
    out.int32(b.Topo);
    out.int32(b.Altura);
    out.int32(b.Deslocamento);
    out.str(b.Comentario);
    if (b.Itens.empty() || b.Itens.size() > 32767) {
        out.falhar("Uma banda tem um número de itens que não pode ser gravado.");
        return;
    }
    out.int16(static_cast<int16_t>(b.Itens.size()));
    GravarDescritor(out, b.Itens.size());
    for (const Item& it : b.Itens) GravarItem(out, it);
}

void GravarBandas(EscritorBinario& out, const std::vector<Banda>& bandas) {
    if (bandas.empty() || bandas.size() > 32767) {
        out.falhar("O layout tem um número de bandas que não pode ser gravado.");
        return;
    }
    out.int16(static_cast<int16_t>(bandas.size()));
    for (const Banda& b : bandas) GravarBanda(out, b);
}

}  // namespace mobrix
