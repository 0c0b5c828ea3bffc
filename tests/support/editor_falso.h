#pragma once
// An editor object wired to fakes of every port, for tests and benchmarks.
#include "dialogos_falsos.h"
#include "document/editor.h"
#include "pasta_teste.h"
#include "portas_falsas.h"
#include "vista_falsa.h"

namespace mobrix::teste {

struct EditorComFalsos {
    PastaTeste pasta;
    DialogosFalsos dialogos;
    ConfiguracoesFalsas cfg;
    AreaTransferenciaFalsa area;
    SistemaFalso sistema{pasta.caminho()};
    VistaFalsa vista;
    Editor ed{Portas()};

    // The same fakes, for a second editor (a restart, another window).
    PortasEditor Portas() { return PortasEditor{dialogos, cfg, area, sistema, vista}; }
};

}  // namespace mobrix::teste
