#pragma once
// A main window for the command tests: the real menu bar, an editor over
// the fakes of every port, and the output commands connected to both.
#include <gtest/gtest.h>

#include <QMainWindow>

#include "app/acoes_saida.h"
#include "app/menus.h"
#include "document/operacoes.h"
#include "editor_falso.h"

namespace mobrix::teste {

class JanelaTeste : public ::testing::Test, protected EditorComFalsos {
protected:
    PontePDF417 pdf417{sistema};
    QMainWindow janela;
    Menus m;

    void SetUp() override {
        CriarMenus(janela.menuBar(), m);
        // The Configurar marks follow the editor's refreshes, as in the main window.
        vista.aoAtualizarMenuConfiguracao = [this] { AtualizarMenuSaida(m, ed); };
        ConectarAcoesSaida(m, Contexto());
        ed.NovoMBX();
    }
    ContextoSaida Contexto() { return {ed, Portas(), pdf417, &janela}; }
    Documento& doc() { return ed.doc(); }

    // Item k of band b, selected.
    Item& Selecionar(int banda, int item) {
        doc().BandaSel = static_cast<int16_t>(banda);
        doc().ItemSel = static_cast<int16_t>(item);
        return doc().itemSel();
    }
    void AbrirMenu(QMenu* menu) { emit menu->aboutToShow(); }
};

}  // namespace mobrix::teste
