// Keys on the page canvas and the mouse wheel.
#include <algorithm>

#include "document/editor.h"
#include "document/operacoes.h"

namespace mobrix {
namespace {

bool EhSeta(TeclaEditor t) {
    return t == TeclaEditor::Esquerda || t == TeclaEditor::Direita || t == TeclaEditor::Cima || t == TeclaEditor::Baixo;
}

TeclaRolagem RolagemDe(TeclaEditor t) {
    switch (t) {
        case TeclaEditor::PageUp: return TeclaRolagem::PageUp;
        case TeclaEditor::PageDown: return TeclaRolagem::PageDown;
        case TeclaEditor::Home: return TeclaRolagem::Home;
        default: return TeclaRolagem::End;
    }
}

}  // namespace

bool Editor::PressionarTecla(TeclaEditor tecla, bool shift, bool ctrl) {
    if (EhSeta(tecla)) {
        if (ctrl) {
            switch (tecla) {
                case TeclaEditor::Cima: BandaParaCima(); break;
                case TeclaEditor::Baixo: BandaParaBaixo(); break;
                case TeclaEditor::Esquerda: ItemEsquerda(); break;
                default: ItemDireita(); break;
            }
        } else if (shift) {
            RedimensionarPorTecla(tecla);
        } else {
            MoverSelecaoPorTecla(tecla);
        }
        return true;
    }
    switch (tecla) {
        case TeclaEditor::PageUp:
        case TeclaEditor::PageDown:
        case TeclaEditor::Home:
        case TeclaEditor::End: {
            const EstadoPagina p = vista_.Pagina();
            const int32_t v = RolagemPorTecla(RolagemDe(tecla), p);
            if (v != p.v) vista_.Rolar(p.h, v);
            return true;
        }
        case TeclaEditor::Delete:
        case TeclaEditor::Menos:
            if (doc_.TemItemSelecionado()) {
                Excluir();
            } else {
                BandaRemover();
            }
            return true;
        case TeclaEditor::Mais: ItemInserir(); return true;
        case TeclaEditor::Vezes: ItemAdicionar(); return true;
        case TeclaEditor::Escape:
            NadaSelecionado();
            vista_.Validar();
            return true;
        default: return false;
    }
}

void Editor::MoverSelecaoPorTecla(TeclaEditor tecla) {
    const int itens = doc_.bandaSel().NumItens();
    switch (tecla) {
        case TeclaEditor::Esquerda:
            if (doc_.ItemSel < 2) return;
            --doc_.ItemSel;
            break;
        case TeclaEditor::Direita:
            if (doc_.ItemSel >= itens) return;
            ++doc_.ItemSel;
            break;
        case TeclaEditor::Cima:
        case TeclaEditor::Baixo: {
            const int banda = doc_.BandaSel + (tecla == TeclaEditor::Cima ? -1 : 1);
            if (banda < 1 || banda > doc_.NumBandas()) return;
            doc_.BandaSel = static_cast<int16_t>(banda);
            doc_.ItemSel = static_cast<int16_t>(std::clamp<int>(doc_.ItemSel, 1, doc_.bandaSel().NumItens()));
            break;
        }
        default: return;
    }
    if (faixaVisivel_) SelecionarFaixa(0, 0);
    SelecionarItem();
    vista_.Validar();
}

void Editor::RedimensionarPorTecla(TeclaEditor tecla) {
    if (!doc_.TemItemSelecionado()) return;
    const int64_t largura = doc_.itemSel().Largura;
    const int64_t altura = doc_.bandaSel().AlturaEfetiva();
    const auto limitar = [](int64_t v) {
        return static_cast<int32_t>(std::clamp<int64_t>(v, 1, TamanhoMaximoEditavel));
    };
    switch (tecla) {
        case TeclaEditor::Direita: AplicarLargura(limitar(largura + 8)); break;
        case TeclaEditor::Esquerda: AplicarLargura(limitar(largura - 8)); break;
        case TeclaEditor::Baixo: AplicarAltura(limitar(altura + 8)); break;
        default: AplicarAltura(limitar(altura - 8)); break;
    }
    ConcluirComando();
}

void Editor::RodaMouse(DirecaoRoda direcao) {
    const EstadoPagina p = vista_.Pagina();
    const int32_t v = RolagemPorRoda(direcao, p);
    if (v != p.v) vista_.Rolar(p.h, v);
}

}  // namespace mobrix
