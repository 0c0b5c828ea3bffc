#pragma once
// The folders, dialogs and settings of a test of a dialog that reads
// language templates.
#include <gtest/gtest.h>

#include "dialogos_falsos.h"
#include "output/pasta_linguagens.h"
#include "output/ui/frm_comentario.h"
#include "pasta_teste.h"
#include "portas_falsas.h"

namespace mobrix::teste {

class TesteLinguagens : public ::testing::Test {
protected:
    PastaTeste pasta;
    DialogosFalsos dialogos;
    ConfiguracoesFalsas cfg;
    PastasLinguagem pastas{pasta / "programa/", pasta / "dados/"};

    ContextoLinguagens Contexto(bool cobolString = true) { return {pastas, cobolString, dialogos}; }
};

}  // namespace mobrix::teste
