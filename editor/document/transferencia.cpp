#include "document/transferencia.h"

#include "document/identidade.h"
#include "document/registros.h"

namespace mobrix {
namespace {

constexpr size_t kTamanhoMarca = 32;

}  // namespace

std::string MarcaClipboard() {
    const std::string menor = std::to_string(VersaoMenor / 10 % 10) + "." + std::to_string(VersaoMenor % 10);
    std::string marca = "MobrixEdit (" + std::to_string(VersaoMaior) + "." + menor + "." +
                        std::to_string(VersaoRevisao) + ") clpbrd\r\n";
    marca.resize(kTamanhoMarca, ' ');
    return marca;
}

std::vector<Banda> BandasParaCopiar(const Documento& doc) {
    const int ini = doc.SelBandaIni, fim = doc.SelBandaFim;
    if (ini < 1 || fim < ini || fim > doc.NumBandas()) return {};
    if (ini != fim) return std::vector<Banda>(doc.Bandas.begin() + (ini - 1), doc.Bandas.begin() + fim);
    const Banda& b = doc.banda(ini);
    if (doc.SelItemIni < 1 || doc.SelItemFim < doc.SelItemIni || doc.SelItemFim > b.NumItens()) return {};
    Banda copia = b;
    copia.Itens.assign(b.Itens.begin() + (doc.SelItemIni - 1), b.Itens.begin() + doc.SelItemFim);
    return {std::move(copia)};
}

Gravacao CodificarTransferencia(const std::vector<Banda>& bandas) {
    EscritorBinario out;
    out.fixo(MarcaClipboard());
    GravarBandas(out, bandas);
    return Concluir(out);
}

LeituraTransferencia LerTransferencia(std::string_view bytes) {
    LeituraTransferencia r;
    if (bytes.size() < kTamanhoMarca || bytes.substr(0, kTamanhoMarca) != MarcaClipboard()) return r;
    LeitorBinario in(bytes.substr(kTamanhoMarca));
    const int16_t n = in.int16();
    std::vector<Banda> bandas = LerBandas(in, n, FormaBanda::Atual, FormaItem::Atual);
    if (!in.ok()) return r;
    r.ok = true;
    r.bandas = std::move(bandas);
    return r;
}

}  // namespace mobrix
