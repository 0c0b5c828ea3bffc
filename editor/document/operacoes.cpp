#include "document/operacoes.h"

#include <algorithm>
#include <string>

namespace mobrix {

FonteItem FonteInicialPadrao() {
    FonteItem f;
    f.Nome = "Arial";
    f.Tamanho = 10;
    return f;
}

Item NovoItem(const FonteItem& fonte, int numero, int32_t largura) {
    Item it;
    it.Texto = "Texto " + std::to_string(numero);
    it.Largura = largura == 0 ? 64 : largura;
    it.Linhas = Texto10("0000000000");
    it.Atributos = Texto10("0000100010");
    it.CorTexto = 0;
    it.CorFundo = 99;
    it.CorLinhas = 0;
    it.Espessura = 1;
    it.Tipo = TipoTexto;
    it.Fonte = fonte;
    return it;
}

bool AddBanda(Documento& doc, int posicao, bool duplicar, int32_t altura, int32_t larguraItem) {
    if (doc.NumBandas() >= MaxBandas) return false;
    if (posicao < 0 || posicao > doc.NumBandas()) posicao = 0;
    if (duplicar && posicao == 0) duplicar = false;  // nothing to copy from
    ConfigRelatorio& cfg = doc.Config;
    if (posicao != 0) {
        if (cfg.FimCabecalho >= 1 && posicao <= cfg.FimCabecalho) ++cfg.FimCabecalho;
        if (cfg.InicioRodape > 0 && posicao <= cfg.InicioRodape) ++cfg.InicioRodape;
    }
    size_t p;
    if (posicao != 0) {
        p = static_cast<size_t>(posicao - 1);
        doc.BandaSel = static_cast<int16_t>(posicao + 1);
    } else {
        p = doc.Bandas.size();
    }
    if (duplicar) {
        Banda copia = doc.Bandas[p];
        doc.Bandas.insert(doc.Bandas.begin() + static_cast<std::ptrdiff_t>(p), std::move(copia));
        doc.Bandas[p + 1].Deslocamento = 0;
        return true;
    }
    Banda nova;
    nova.Altura = altura == 0 ? 18 : altura;
    doc.Bandas.insert(doc.Bandas.begin() + static_cast<std::ptrdiff_t>(p), std::move(nova));
    AddItem(doc, static_cast<int>(p + 1), false, larguraItem);
    return true;
}

bool AddItem(Documento& doc, int banda, bool duplicar, int32_t largura) {
    if (banda < 1 || banda > doc.NumBandas()) return false;
    Banda& b = doc.banda(banda);
    if (b.NumItens() >= MaxItens) return false;
    size_t q;
    if (doc.ItemSel != 0 && doc.BandaSel == banda && doc.ItemSel <= b.NumItens()) {
        q = static_cast<size_t>(doc.ItemSel - 1);
        ++doc.ItemSel;
    } else {
        q = b.Itens.size();
    }
    if (duplicar && q < b.Itens.size()) {
        Item copia = b.Itens[q];
        b.Itens.insert(b.Itens.begin() + static_cast<std::ptrdiff_t>(q), std::move(copia));
        return true;
    }
    Item novo = NovoItem(doc.FonteInicial, b.NumItens() + 1, largura);
    b.Itens.insert(b.Itens.begin() + static_cast<std::ptrdiff_t>(q), std::move(novo));
    return true;
}

void RemoverBanda(Documento& doc, int banda) {
    if (banda < 1 || banda > doc.NumBandas()) return;
    ConfigRelatorio& cfg = doc.Config;
    if (cfg.FimCabecalho > 0 && banda <= cfg.FimCabecalho) --cfg.FimCabecalho;
    if (cfg.InicioRodape > 0 && banda <= cfg.InicioRodape) --cfg.InicioRodape;
    doc.Bandas.erase(doc.Bandas.begin() + (banda - 1));
    if (doc.BandaSel > doc.NumBandas()) doc.BandaSel = static_cast<int16_t>(doc.NumBandas());
}

void RemoverItem(Documento& doc, int banda, int item) {
    if (!ItemValido(doc, banda, item) || item < 1) return;
    Banda& b = doc.banda(banda);
    b.Itens.erase(b.Itens.begin() + (item - 1));
    if (doc.BandaSel >= 1 && doc.BandaSel <= doc.NumBandas()) {
        int n = doc.bandaSel().NumItens();
        if (doc.ItemSel > n) doc.ItemSel = static_cast<int16_t>(n);
    }
}

void ReposicionarBanda(Layout& layout) {
    if (layout.Bandas.empty()) return;
    layout.Bandas[0].Topo = 16;
    int64_t base = 16 + static_cast<int64_t>(layout.Bandas[0].AlturaEfetiva());
    for (size_t i = 1; i < layout.Bandas.size(); ++i) {
        Banda& b = layout.Bandas[i];
        int64_t topo = base + b.Deslocamento;
        topo = std::max<int64_t>(topo, layout.Bandas[i - 1].Topo);
        // Hostile heights and offsets must not overflow the 32-bit positions.
        topo = std::min<int64_t>(topo, INT32_MAX / 2);
        b.Topo = static_cast<int32_t>(topo);
        base = topo + b.AlturaEfetiva();
    }
}

void ReposicionarItem(Banda& banda) {
    int64_t soma = 0;
    for (Item& it : banda.Itens) {
        it.Esquerda = static_cast<int32_t>(std::clamp<int64_t>(soma, INT32_MIN / 2, INT32_MAX / 2));
        soma += it.Largura;
    }
}

bool QuebraPaginaSeek(const ConfigRelatorio& config, int banda) {
    return std::find(config.Quebras.begin(), config.Quebras.end(), banda) != config.Quebras.end();
}

std::vector<bool> BandasComQuebra(const ConfigRelatorio& config, int numBandas) {
    std::vector<bool> marcas(static_cast<size_t>(std::max(numBandas, 0)) + 1, false);
    for (int16_t b : config.Quebras)
        if (b >= 1 && b <= numBandas) marcas[static_cast<size_t>(b)] = true;
    return marcas;
}

void QuebraPaginaAdd(ConfigRelatorio& config, int banda) {
    config.Quebras.push_back(static_cast<int16_t>(banda));
}

void QuebraPaginaRemove(ConfigRelatorio& config, int banda) {
    auto it = std::find(config.Quebras.begin(), config.Quebras.end(), banda);
    if (it == config.Quebras.end()) return;
    *it = config.Quebras.back();
    config.Quebras.pop_back();
}

void NovoLayout(Documento& doc) {
    doc.BandaSel = 1;
    doc.ItemSel = 0;
    doc.SelBandaIni = doc.SelItemIni = doc.SelBandaFim = doc.SelItemFim = 0;
    doc.Bandas.clear();
    doc.NomeArquivo.clear();
    doc.NomeAnterior.clear();
    doc.Alterado = false;
    doc.Config = ConfigRelatorio{};
    AddBanda(doc, 0, false, 0, 0);
    ReposicionarItem(doc.banda(1));
    ReposicionarBanda(doc);
}

bool ItemValido(const Layout& layout, int banda, int item) {
    if (banda < 1 || banda > layout.NumBandas()) return false;
    return item <= 0 || item <= layout.banda(banda).NumItens();
}

}  // namespace mobrix
