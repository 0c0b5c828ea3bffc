// The Item submenu, the item buttons, the kind changes and Excluir.
#include <algorithm>
#include <utility>

#include "document/editor.h"
#include "document/identidade.h"
#include "document/operacoes.h"

namespace mobrix {

void Editor::ItemInserir() {
    if (faixaVisivel_) SelecionarFaixa(0, 0);
    if (!AddItem(doc_, doc_.BandaSel, false, 0)) {
        AvisarLimite(true);
        return;
    }
    ConcluirComando();
}

void Editor::ItemAdicionar() {
    NadaSelecionado();
    ItemInserir();
}

void Editor::ItemDuplicar() {
    if (!doc_.TemItemSelecionado()) return;
    if (faixaVisivel_) SelecionarFaixa(0, 0);
    if (!AddItem(doc_, doc_.BandaSel, true, 0)) {
        AvisarLimite(true);
        return;
    }
    ConcluirComando();
}

void Editor::ItemRemover() {
    if (!doc_.TemItemSelecionado()) return;
    if (doc_.bandaSel().NumItens() > 1) {
        if (faixaVisivel_) SelecionarFaixa(0, 0);
        RemoverItem(doc_, doc_.BandaSel, doc_.ItemSel);
        ConcluirComando();
        return;
    }
    const Resposta r = dialogos_.Mensagem("Este é o último item da banda!\r\rVocê deseja remover a banda selecionada?",
                                          Icone::Pergunta, Botoes::SimNao, TituloAplicacao);
    if (r != Resposta::Nao) BandaRemover();
}

void Editor::MoverItem(int destino) {
    if (!doc_.TemItemSelecionado() || destino < 1 || destino > doc_.bandaSel().NumItens()) return;
    if (faixaVisivel_) SelecionarFaixa(0, 0);
    std::swap(doc_.itemSel(), doc_.bandaSel().item(destino));
    doc_.ItemSel = static_cast<int16_t>(destino);
    ConcluirComando();
}

void Editor::ItemEsquerda() { MoverItem(doc_.ItemSel - 1); }
void Editor::ItemDireita() { MoverItem(doc_.ItemSel + 1); }

void Editor::MudarTipo(TipoEscolhido tipo) {
    const std::vector<PosicaoItem> alvos = Alvos();
    if (alvos.empty()) return;
    // A picture keeps only the justify bit of the selected item's position 7.
    const int digito7 = doc_.TemItemSelecionado() ? doc_.itemSel().Atributos.digito(7) : -1;
    for (const PosicaoItem& alvo : alvos) {
        Item& it = doc_.banda(alvo.banda).item(alvo.item);
        switch (tipo) {
            case TipoEscolhido::Texto: it.Tipo = TipoTexto; break;
            case TipoEscolhido::Comando: it.Tipo = TipoComando; break;
            case TipoEscolhido::Figura:
                it.Tipo = TipoFigura;
                it.Atributos.definirDigito(7, (digito7 >= 0 ? digito7 : it.Atributos.digito(7)) & 1);
                break;
            case TipoEscolhido::CodigoBarras: AplicarCodigoBarras(it, codigoBarras_, OrigemCodigoBarras::Menu); break;
        }
    }
    ConcluirComando();
}

bool Editor::IniciarAlteracaoCodigoBarras() {
    if (!doc_.TemItemSelecionado()) return false;
    codigoBarras_ = CodigoBarrasDoItem(doc_.itemSel());
    return true;
}

void Editor::ConcluirAlteracaoCodigoBarras(const ConfigCodigoBarras& escolhido) {
    if (!doc_.TemItemSelecionado()) return;
    codigoBarras_ = escolhido;
    AplicarCodigoBarras(doc_.itemSel(), escolhido, OrigemCodigoBarras::Dialogo);
    ExibirBanda();
    vista_.Validar();
}

void Editor::Excluir() {
    if (!faixaVisivel_) {
        if (doc_.TemItemSelecionado()) {
            ItemRemover();
        } else {
            BandaRemover();
        }
        return;
    }
    const int ini = doc_.SelBandaIni, fim = doc_.SelBandaFim;
    if (ini != fim) {
        if (ini <= 1 && fim >= doc_.NumBandas()) {
            dialogos_.Mensagem("Não é possível excluir todas as bandas!", Icone::Informacao, Botoes::Ok,
                               TituloAplicacao);
            return;
        }
        for (int n = fim - ini + 1; n > 0; --n) RemoverBanda(doc_, ini);
        doc_.BandaSel = static_cast<int16_t>(std::min(ini, doc_.NumBandas()));
        NadaSelecionado();
        ExibirBanda();
        vista_.Validar();
        return;
    }
    const int primeiro = doc_.SelItemIni, ultimo = doc_.SelItemFim;
    doc_.BandaSel = static_cast<int16_t>(ini);
    if (primeiro <= 1 && ultimo >= doc_.bandaSel().NumItens()) {
        BandaRemover();
        return;
    }
    for (int n = ultimo - primeiro + 1; n > 0; --n) RemoverItem(doc_, ini, primeiro);
    SelecionarFaixa(0, 0);
    ConcluirComando();
}

}  // namespace mobrix
