// The editor object on a layout of 1,000 bands holding 10,000 items: a key
// step, a click, and an edit with its redraw bookkeeping (item and band
// positions, the undo snapshot). The view is the test fake, so what is
// measured is the editor's own work around the page renderer.
#include <benchmark/benchmark.h>

#include "editor_falso.h"
#include "layout_grande.h"

using namespace mobrix;
using namespace mobrix::teste;

namespace {

struct Bancada : EditorComFalsos {
    Bancada() {
        ed.NovoMBX();
        Documento& d = ed.doc();
        MontarLayoutGrande(d);
        d.BandaSel = 1;
        d.ItemSel = 1;
        ed.ExibirBanda();  // the undo ring starts from this layout
    }
};

void BM_PassoDeTecla(benchmark::State& state) {
    Bancada b;
    bool descendo = true;
    for (auto _ : state) {
        if (b.ed.doc().BandaSel == 1000) descendo = false;
        if (b.ed.doc().BandaSel == 1) descendo = true;
        b.ed.PressionarTecla(descendo ? TeclaEditor::Baixo : TeclaEditor::Cima, false, false);
    }
}
BENCHMARK(BM_PassoDeTecla);

void BM_Clique(benchmark::State& state) {
    Bancada b;
    int banda = 1;
    for (auto _ : state) {
        banda = banda % 1000 + 1;
        const Banda& alvo = b.ed.doc().banda(banda);
        b.ed.PressionarMouse(alvo.item(5).Esquerda + 10, alvo.Topo + 2, BotaoMouse::Esquerdo, false);
    }
}
BENCHMARK(BM_Clique);

void BM_EdicaoComRedesenho(benchmark::State& state) {
    Bancada b;
    b.ed.doc().BandaSel = 500;
    bool alargar = true;
    for (auto _ : state) {
        b.ed.PressionarTecla(alargar ? TeclaEditor::Direita : TeclaEditor::Esquerda, true, false);
        alargar = !alargar;
    }
}
BENCHMARK(BM_EdicaoComRedesenho);

void BM_Desfazer(benchmark::State& state) {
    Bancada b;
    for (auto _ : state) {
        state.PauseTiming();
        b.ed.PressionarTecla(TeclaEditor::Direita, true, false);
        state.ResumeTiming();
        b.ed.Desfazer();
    }
    if (b.ed.doc().NumBandas() != 1000) state.SkipWithError("undo went past the layout");
}
BENCHMARK(BM_Desfazer);

}  // namespace
