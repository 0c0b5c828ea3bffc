#pragma once
// A main window for the command tests: the real menu bar, an editor over
// the fakes of every port, and the output commands connected to both.
#include <gtest/gtest.h>

#include <QMainWindow>

#include "app/acoes_saida.h"
#include "app/menus.h"
#include "dialogos_falsos.h"
#include "document/operacoes.h"
#include "pasta_teste.h"
#include "portas_falsas.h"
#include "vista_falsa.h"

namespace mobrix::teste {

// The window's view: the Configurar marks follow the editor's refreshes, as
// the main window's do.
class VistaComMenus : public VistaFalsa {
public:
    Menus* menus = nullptr;
    Editor* editor = nullptr;
    void AtualizarMenuConfiguracao() override {
        VistaFalsa::AtualizarMenuConfiguracao();
        if (menus && editor) AtualizarMenuSaida(*menus, *editor);
    }
};

class JanelaTeste : public ::testing::Test {
protected:
    PastaTeste pasta;
    DialogosFalsos dialogos;
    ConfiguracoesFalsas cfg;
    AreaTransferenciaFalsa area;
    SistemaFalso sistema{pasta.caminho()};
    VistaComMenus vista;
    Editor ed{Portas()};
    PontePDF417 pdf417{sistema};
    QMainWindow janela;
    Menus m;

    void SetUp() override {
        CriarMenus(janela.menuBar(), m);
        vista.menus = &m;
        vista.editor = &ed;
        ConectarAcoesSaida(m, Contexto());
        ed.NovoMBX();
    }
    PortasEditor Portas() { return PortasEditor{dialogos, cfg, area, sistema, vista}; }
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
