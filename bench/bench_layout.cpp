// Reading, generating the command text for, and writing a layout of 1,000
// bands holding 10,000 items of mixed kinds.
#include <benchmark/benchmark.h>

#include "document/arquivo_mbx.h"
#include "document/operacoes.h"
#include "output/comandos.h"

using namespace mobrix;

namespace {

Documento LayoutGrande() {
    Documento d;
    NovoLayout(d);
    for (int b = 1; b < 1000; ++b) AddBanda(d, 0, false, 0, 0);
    const uint8_t tipos[] = {TipoTexto, TipoComando, TipoFigura, TipoEAN13, TipoBarraGrafico, TipoPDF417};
    for (int b = 1; b <= 1000; ++b) {
        for (int k = 2; k <= 10; ++k) AddItem(d, b, false, 40);
        Banda& banda = d.banda(b);
        for (int k = 1; k <= 10; ++k) {
            Item& it = banda.item(k);
            it.Tipo = tipos[(b + k) % 6];
            it.Texto = it.Tipo == TipoTexto ? "Total do {n}cliente{/n} (%_pag_%)" : "\"123456789012\"";
            if (k % 3 == 0) it.Linhas = Texto10("1111000000");
            if (k % 4 == 0) it.Fonte.Negrito = true;
        }
        ReposicionarItem(banda);
    }
    ReposicionarBanda(d);
    return d;
}

const Documento& Grande() {
    static const Documento d = LayoutGrande();
    return d;
}

void BM_LerMBX(benchmark::State& state) {
    const std::string bytes = GravarMBX(Grande()).bytes;
    for (auto _ : state) benchmark::DoNotOptimize(LerMBX(bytes));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes.size()));
}

void BM_GerarComandos(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(GerarComandos(Grande()));
}

void BM_GravarMBX(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(GravarMBX(Grande()));
}

}  // namespace

BENCHMARK(BM_LerMBX)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GerarComandos)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GravarMBX)->Unit(benchmark::kMillisecond);
