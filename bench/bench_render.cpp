// The full page redraw (ExibirBanda) on the Qt surface: a 50-band layout of
// 300 items of mixed kinds, and a 1,000-band layout of 10,000 texts.
#include <benchmark/benchmark.h>

#include <iterator>

#include "canvas/pagina.h"
#include "document/operacoes.h"
#include "document/ui/sistema_qt.h"
#include "document/ui/superficie_qt.h"

using namespace mobrix;

namespace {

// The texts of a report: labels, values, variables, a styled word.
const char* const Textos[] = {
    "Cliente:", "{n}Total{/n}", "R$ 1.234,56", "P\xE1gina (%_pag_%)", "Texto 5", "Descri\xE7\xE3o do produto",
    "NOME", "01/02/2024", "Quantidade", "{i}Observa\xE7\xF5" "es{/i}",
};

Documento Layout(int bandas, int itensPorBanda, bool misto) {
    Documento d;
    NovoLayout(d);
    for (int b = 1; b < bandas; ++b) AddBanda(d, 0, false, 0, 0);
    const uint8_t tipos[] = {TipoTexto, TipoComando, TipoFigura, TipoEAN13, TipoBarraGrafico, TipoCode128B};
    for (int b = 1; b <= bandas; ++b) {
        Banda& banda = d.banda(b);
        banda.Altura = misto ? 40 : 18;
        for (int k = 2; k <= itensPorBanda; ++k) AddItem(d, b, false, misto ? 120 : 70);
        for (int k = 1; k <= itensPorBanda; ++k) {
            Item& it = banda.item(k);
            it.Tipo = misto ? tipos[(b + k) % 6] : uint8_t{TipoTexto};
            it.Texto = EhCodigoBarras(it.Tipo) ? "\"789123456789\""
                       : it.Tipo == TipoFigura ? "LOGO"
                       : it.Tipo == TipoBarraGrafico ? "\"25\""
                                                     : Textos[(b * 7 + k) % std::size(Textos)];
            if (k % 3 == 0) it.Linhas = Texto10("1111000000");
            if (k % 4 == 0) it.CorFundo = 24;
        }
        ReposicionarItem(banda);
    }
    if (!misto) d.banda(2).Altura = 0;  // one band of automatic height
    ReposicionarBanda(d);
    return d;
}

void Redesenhar(benchmark::State& state, int bandas, int itens, bool misto) {
    Documento doc = Layout(bandas, itens, misto);
    SuperficieQt pagina, figura;
    SistemaQt sistema;
    PontePDF417 pdf417(sistema);
    const DataHora agora;
    ContextoDesenho ctx{pagina, figura, pdf417, agora};
    Pagina estado;
    estado.TamanhoInicial(pagina, 1920, nullptr);
    estado.ExibirBanda(doc, ctx);  // the canvas reaches its size once
    for (auto _ : state) {
        ResultadoPagina r = estado.ExibirBanda(doc, ctx);
        benchmark::DoNotOptimize(r);
    }
}

void BM_ExibirBanda_50Bandas300ItensMistos(benchmark::State& s) { Redesenhar(s, 50, 6, true); }
void BM_ExibirBanda_1000Bandas10000Textos(benchmark::State& s) { Redesenhar(s, 1000, 10, false); }

BENCHMARK(BM_ExibirBanda_50Bandas300ItensMistos)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExibirBanda_1000Bandas10000Textos)->Unit(benchmark::kMillisecond);

}  // namespace
