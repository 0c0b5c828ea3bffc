// Copy and paste through the transfer file, select all, undo, and the
// enabling of the Editar menu.
#include <cerrno>

#include "document/arquivos.h"
#include "document/editor.h"
#include "document/identidade.h"
#include "document/operacoes.h"
#include "document/transferencia.h"

namespace mobrix {

bool Editor::CopiarParaTransferencia() {
    if (!faixaVisivel_) {
        doc_.SelBandaIni = doc_.SelBandaFim = doc_.BandaSel;
        doc_.SelItemIni = doc_.TemItemSelecionado() ? doc_.ItemSel : 1;
        doc_.SelItemFim = doc_.TemItemSelecionado() ? doc_.ItemSel : doc_.bandaSel().NumItens();
    }
    const Gravacao g = CodificarTransferencia(BandasParaCopiar(doc_));
    if (!g.ok) {
        dialogos_.Mensagem(MensagemErroGravar(arquivoClipboard_, EINVAL, g.motivo), Icone::Erro, Botoes::Ok,
                           TituloAplicacao);
        return false;
    }
    area_.Limpar();
    if (!GravarArquivoAtomico(arquivoClipboard_, g.bytes).ok()) {
        dialogos_.Mensagem(arquivoClipboard_ + "\r\rNão foi possível substituir o arquivo acima!", Icone::Erro,
                           Botoes::Ok, TituloAplicacao);
        return false;
    }
    return true;
}

void Editor::Copiar() { CopiarParaTransferencia(); }

void Editor::Recortar() {
    // Nothing is deleted unless it is safely in the transfer file.
    if (CopiarParaTransferencia()) Excluir();
}

std::optional<std::vector<Banda>> Editor::LerClipboard() {
    if (!ArquivoExiste(arquivoClipboard_)) {
        dialogos_.Mensagem("Os dados da área de transferência estão vazios!", Icone::Aviso, Botoes::Ok, "Colar");
        return std::nullopt;
    }
    std::string bytes;
    LeituraTransferencia l;
    if (LerArquivo(arquivoClipboard_, bytes).ok()) l = LerTransferencia(bytes);
    if (!l.ok) {
        dialogos_.Mensagem("Os dados da área de transferência são inválidos!", Icone::Aviso, Botoes::Ok, "Colar");
        return std::nullopt;
    }
    return std::move(l.bandas);
}

// The pasted bands or items become the shown range, its first item selected.
void Editor::MostrarColado(PosicaoItem ini, PosicaoItem fim) {
    doc_.SelBandaIni = ini.banda;
    doc_.SelItemIni = ini.item;
    doc_.SelBandaFim = fim.banda;
    doc_.SelItemFim = fim.item;
    doc_.BandaSel = static_cast<int16_t>(ini.banda);
    doc_.ItemSel = static_cast<int16_t>(ini.item);
    ExibirBanda();
    SelecionarItem();
    SelecionarFaixa(-1, -1);
    vista_.Validar();
}

void Editor::ColarBandas() {
    std::optional<std::vector<Banda>> bandas = LerClipboard();
    if (!bandas) return;
    const int n = static_cast<int>(bandas->size());
    if (doc_.NumBandas() + n > MaxBandas) {
        AvisarLimite(false);
        return;
    }
    if (faixaVisivel_) SelecionarFaixa(0, 0);
    const int inicio = abaixoDaUltima_ ? doc_.NumBandas() + 1 : doc_.BandaSel;
    for (Banda& copia : *bandas) {
        // AddBanda renumbers the header and footer markers; the copy then
        // takes the new band's place.
        const int posicao = abaixoDaUltima_ ? 0 : doc_.BandaSel;
        AddBanda(doc_, posicao, false, 0, 0);
        Banda& nova = abaixoDaUltima_ ? doc_.banda(doc_.NumBandas()) : doc_.banda(doc_.BandaSel - 1);
        nova = std::move(copia);
        ReposicionarItem(nova);
    }
    MostrarColado({inicio, 1}, {inicio + n - 1, doc_.banda(inicio).NumItens()});
}

void Editor::ColarItens() {
    std::optional<std::vector<Banda>> bandas = LerClipboard();
    if (!bandas) return;
    std::vector<Item> itens;
    for (Banda& b : *bandas)
        for (Item& it : b.Itens) itens.push_back(std::move(it));
    Banda& destino = doc_.bandaSel();
    if (destino.Itens.size() + itens.size() > static_cast<size_t>(MaxItens)) {
        AvisarLimite(true);
        return;
    }
    if (faixaVisivel_) SelecionarFaixa(0, 0);
    // With no item selected the items are appended.
    const int posicao = doc_.TemItemSelecionado() ? doc_.ItemSel : destino.NumItens() + 1;
    destino.Itens.insert(destino.Itens.begin() + (posicao - 1), std::make_move_iterator(itens.begin()),
                         std::make_move_iterator(itens.end()));
    ReposicionarItem(destino);
    MostrarColado({doc_.BandaSel, posicao}, {doc_.BandaSel, posicao + static_cast<int>(itens.size()) - 1});
}

void Editor::SelecionarTudo() {
    if (faixaVisivel_) SelecionarFaixa(0, 0);
    doc_.BandaSel = 1;
    doc_.ItemSel = 1;
    SelecionarItem();
    doc_.SelBandaIni = 1;
    doc_.SelBandaFim = doc_.NumBandas();
    doc_.SelItemIni = 1;
    doc_.SelItemFim = doc_.banda(1).NumItens();
    SelecionarFaixa(-1, -1);
    vista_.Validar();
}

void Editor::Desfazer() {
    const FotoDesfazer* foto = desfazer_.Desfazer();
    if (!foto) return;
    Restaurar(doc_, *foto);
    if (faixaVisivel_) SelecionarFaixa(0, 0);
    struct Restauracao {
        bool& flag;
        explicit Restauracao(bool& f) : flag(f) { flag = true; }
        ~Restauracao() { flag = false; }
    } restauracao(restaurando_);
    ExibirBanda();
    if (doc_.ItemSel < 1) {
        NadaSelecionado();
    } else {
        SelecionarItem();
    }
    vista_.Validar();
}

EstadoMenuEditar Editor::AbrirMenuEditar(Foco foco) {
    FatosMenuEditar fatos;
    fatos.foco = foco;
    fatos.podeDesfazer = PodeDesfazer();
    fatos.transferenciaExiste = ArquivoExiste(arquivoClipboard_);
    fatos.areaTemTexto = area_.TemTexto();
    if (fatos.areaTemTexto && fatos.transferenciaExiste) {
        // Something else was copied since: the transfer file is stale.
        ExcluirArquivo(arquivoClipboard_);
        fatos.transferenciaExiste = false;
    }
    return MenuEditar(doc_, fatos);
}

void Editor::CopiarTextoComandos(const std::string& selecionado) {
    if (selecionado.empty()) return;
    area_.Limpar();
    area_.DefinirTextoERico(selecionado);
}

}  // namespace mobrix
