// The main window on a layout of 1,000 bands holding 10,000 items, driven by
// Qt events as a user drives it: a key step, a click on an item, a wheel
// step, and an edit (Shift + Down) with its one full page redraw. Offscreen,
// with the test fakes of the ports, so nothing touches the user's settings.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include "app/janela_principal.h"
#include "dialogos_falsos.h"
#include "layout_grande.h"
#include "pasta_teste.h"
#include "portas_falsas.h"

using namespace mobrix;
using namespace mobrix::teste;

namespace {

struct Bancada {
    PastaTeste pasta;
    DialogosFalsos dialogos;
    ConfiguracoesFalsas cfg;
    AreaTransferenciaFalsa area;
    SistemaFalso sistema{pasta.caminho()};
    JanelaPrincipal janela{{dialogos, cfg, area, sistema}};

    Bancada() {
        janela.show();
        Editor& ed = janela.editor();
        ed.NovoMBX();
        Documento& d = ed.doc();
        MontarLayoutGrande(d);
        d.BandaSel = 1;
        d.ItemSel = 1;
        ed.ExibirBanda();
        ed.SelecionarItem();
        tela()->setFocus();
        QApplication::processEvents();
    }
    QWidget* tela() { return janela.visor()->tela(); }
    void Tecla(int tecla, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QKeyEvent e(QEvent::KeyPress, tecla, m);
        QApplication::sendEvent(tela(), &e);
    }
    // Painting of what changed, as the event loop would do it next.
    void Pintar() { QApplication::processEvents(); }
};

void BM_PassoDeTecla(benchmark::State& state) {
    Bancada b;
    bool descendo = true;
    for (auto _ : state) {
        const int banda = b.janela.editor().doc().BandaSel;
        if (banda == 1000) descendo = false;
        if (banda == 1) descendo = true;
        b.Tecla(descendo ? Qt::Key_Down : Qt::Key_Up);
        b.Pintar();
    }
}

void BM_CliqueNumItem(benchmark::State& state) {
    Bancada b;
    int k = 0;
    for (auto _ : state) {
        const QPointF p(8 + 40 * (k % 10) + 20, 16 + 18 * (k % 30) + 9);
        QMouseEvent e(QEvent::MouseButtonPress, p, b.tela()->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
        QApplication::sendEvent(b.tela(), &e);
        b.Pintar();
        ++k;
    }
}

void BM_PassoDaRoda(benchmark::State& state) {
    Bancada b;
    int n = 0;
    for (auto _ : state) {
        const int delta = (n++ / 200) % 2 ? 120 : -120;
        QWheelEvent e(QPointF(50, 50), QPointF(50, 50), {}, QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(b.tela(), &e);
        b.Pintar();
    }
}

void BM_EdicaoComRedesenho(benchmark::State& state) {
    Bancada b;
    bool cresce = true;
    for (auto _ : state) {
        b.Tecla(cresce ? Qt::Key_Down : Qt::Key_Up, Qt::ShiftModifier);
        cresce = !cresce;
        b.Pintar();
    }
}

BENCHMARK(BM_PassoDeTecla)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CliqueNumItem)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PassoDaRoda)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EdicaoComRedesenho)->Unit(benchmark::kMillisecond);

}  // namespace
