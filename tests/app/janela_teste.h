#pragma once
// A main window over fake dialogs and system and the real Qt settings and
// clipboard (inside the isolated test home), with helpers that click and
// type on it the way a user does.
#include <QAction>
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "canvas/ui/tela_pagina.h"
#include "canvas/ui/visor_pagina.h"
#include "dialogos_falsos.h"
#include "document/ui/area_transferencia_qt.h"
#include "document/ui/configuracoes_qt.h"
#include "app/janela_principal.h"
#include "pasta_teste.h"
#include "portas_falsas.h"

namespace mobrix::teste {

struct JanelaDeTeste {
    DialogosFalsos dialogos;
    ConfiguracoesQt cfg;
    AreaTransferenciaQt area;
    SistemaFalso sistema;
    JanelaPrincipal janela;

    // Windows made with the same folder share the temporary folder, so the
    // transfer file too.
    explicit JanelaDeTeste(const std::string& pasta) : sistema(pasta), janela({dialogos, cfg, area, sistema}) {}

    void Iniciar(const std::vector<std::string>& argumentos = {});
    // Makes this the active window with the focus on the page (two windows).
    void Ativar();
    Editor& ed() { return janela.editor(); }
    Documento& doc() { return janela.editor().doc(); }
    TelaPagina* tela() { return janela.visor()->tela(); }
    QAction* Acao(const char* nome) const;
    template <class W = QWidget>
    W* Controle(const char* nome) const {
        W* w = janela.findChild<W*>(nome);
        EXPECT_NE(w, nullptr) << nome;
        return w;
    }

    // Canvas pixels of the middle of an item cell.
    QPoint MeioDoItem(int banda, int item);
    void Clicar(QPoint p, Qt::MouseButton botao = Qt::LeftButton, Qt::KeyboardModifiers m = Qt::NoModifier);
    void Tecla(int tecla, Qt::KeyboardModifiers m = Qt::NoModifier);
    // Drags handle `indice` by (dx, dy) with the left button.
    void ArrastarAlca(int indice, int dx, int dy);
    // Opens the menu's rules as the user opening it would, then closes it.
    void AbrirMenu(QMenu* menu);
    // Bands of the given item counts, texts "b.i", manual height 18.
    void Montar(const std::vector<int>& itensPorBanda);
    std::string Texto(int banda, int item) { return doc().banda(banda).item(item).Texto; }
};

// Empties the settings store shared by every window of the tests.
void LimparConfiguracoes();

// A started window with the focus on its page, for each test.
class JanelaIniciada : public ::testing::Test {
protected:
    PastaTeste pasta;
    std::unique_ptr<JanelaDeTeste> j;

    void SetUp() override;
};

}  // namespace mobrix::teste
