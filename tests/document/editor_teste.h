#pragma once
// An editor wired to fakes of every port, for tests that run commands the
// way the window would and check the document, messages and view calls.
#include <gtest/gtest.h>

#include "document/operacoes.h"
#include "editor_falso.h"

namespace mobrix::teste {

class EditorTeste : public ::testing::Test, protected EditorComFalsos {
protected:
    void SetUp() override { ed.NovoMBX(); }

    Documento& doc() { return ed.doc(); }

    // A layout of `bandas` bands with `itens` items each, placed as a
    // redraw would; texts "b.k" name band and item so that moves can be
    // followed. Band 1 selected, no item.
    void Montar(int bandas, int itens) {
        Documento& d = ed.doc();
        NovoLayout(d);
        for (int b = 2; b <= bandas; ++b) AddBanda(d, 0, false, 0, 0);
        for (int b = 1; b <= bandas; ++b) {
            for (int k = 2; k <= itens; ++k) AddItem(d, b, false, 0);
            for (int k = 1; k <= itens; ++k) d.banda(b).item(k).Texto = std::to_string(b) + "." + std::to_string(k);
            ReposicionarItem(d.banda(b));
        }
        ReposicionarBanda(d);
        d.BandaSel = 1;
        d.ItemSel = 0;
    }

    // Selects an item (or a band with item 0) as a click on it would.
    void Selecionar(int banda, int item) {
        doc().BandaSel = static_cast<int16_t>(banda);
        doc().ItemSel = static_cast<int16_t>(item);
    }

    // A point inside an item cell (item 0: the band's gutter).
    std::pair<int32_t, int32_t> Ponto(int banda, int item) {
        const Banda& b = doc().banda(banda);
        const int32_t x = item == 0 ? 2 : b.item(item).Esquerda + 8 + 1;
        return {x, b.Topo + 1};
    }
    void Clicar(int banda, int item, BotaoMouse botao = BotaoMouse::Esquerdo, bool shift = false) {
        auto [x, y] = Ponto(banda, item);
        ed.PressionarMouse(x, y, botao, shift);
    }

    std::vector<std::string> Textos(int banda) {
        std::vector<std::string> t;
        for (const Item& it : doc().banda(banda).Itens) t.push_back(it.Texto);
        return t;
    }
    std::vector<std::string> PrimeirosTextos() {
        std::vector<std::string> t;
        for (const Banda& b : doc().Bandas) t.push_back(b.Itens.front().Texto);
        return t;
    }
};

}  // namespace mobrix::teste
