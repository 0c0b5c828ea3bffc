// The Banda submenu, the header and footer check boxes and the final page
// break switch.
#include <utility>

#include "document/editor.h"
#include "document/fontes.h"
#include "document/identidade.h"
#include "document/operacoes.h"

namespace mobrix {
namespace {

constexpr const char* kMensagemRodapeSemQuebra =
    "Não é possível finalizar com quebra de página um relatório com rodapé!";

}  // namespace

void Editor::AvisarLimite(bool itens) {
    dialogos_.Mensagem(itens ? "A banda já tem o número máximo de itens (" + std::to_string(MaxItens) + ")!"
                             : "O layout já tem o número máximo de bandas (" + std::to_string(MaxBandas) + ")!",
                       Icone::Informacao, Botoes::Ok, TituloAplicacao);
}

void Editor::DefinirComentarioBanda(const std::string& comentario) {
    doc_.bandaSel().Comentario = comentario;
    ExibirBanda();
}

void Editor::InserirBanda(int posicao, bool duplicar) {
    if (faixaVisivel_) SelecionarFaixa(0, 0);
    if (!AddBanda(doc_, posicao, duplicar, 0, 0)) {
        AvisarLimite(false);
        return;
    }
    ConcluirComando();
}

void Editor::BandaInserir() { InserirBanda(doc_.BandaSel, false); }
void Editor::BandaAdicionar() { InserirBanda(0, false); }
void Editor::BandaDuplicar() { InserirBanda(doc_.BandaSel, true); }

void Editor::BandaRemover() {
    if (doc_.NumBandas() <= 1) {
        dialogos_.Mensagem("Não é possível remover a última banda!", Icone::Informacao, Botoes::Ok, TituloAplicacao);
        return;
    }
    RemoverBanda(doc_, doc_.BandaSel);
    NadaSelecionado();
    ExibirBanda();
    vista_.Validar();
}

// Band contents move; the header end, footer start and page breaks keep their
// band numbers.
void Editor::MoverBanda(int destino) {
    if (destino < 1 || destino > doc_.NumBandas()) return;
    if (faixaVisivel_) SelecionarFaixa(0, 0);
    std::swap(doc_.bandaSel(), doc_.banda(destino));
    doc_.BandaSel = static_cast<int16_t>(destino);
    ConcluirComando();
}

void Editor::BandaParaCima() { MoverBanda(doc_.BandaSel - 1); }
void Editor::BandaParaBaixo() { MoverBanda(doc_.BandaSel + 1); }

std::optional<FonteItem> Editor::EscolherFonte(const FonteItem& inicial) {
    double pontos = inicial.Tamanho;
    std::optional<FonteItem> f = dialogos_.EscolherFonte(inicial, pontos);
    if (!f) return std::nullopt;
    if (f->Nome.empty()) {
        dialogos_.Mensagem("O nome da fonte não foi informado ou é inválido!", Icone::Informacao, Botoes::Ok, "Fonte");
        return std::nullopt;
    }
    f->Tamanho = TamanhoFonteEscolhido(pontos);
    return f;
}

void Editor::BandaFonte() {
    const std::optional<FonteItem> fonte = EscolherFonte(doc_.FonteInicial);
    if (!fonte) return;
    for (Item& it : doc_.bandaSel().Itens) it.Fonte = *fonte;
    ExibirBanda();
    if (doc_.bandaSel().Altura < 1) SelecionarItem();
}

void Editor::BandaQuebraPagina() {
    if (doc_.BandaSel < 2) return;  // a page break before the first band means nothing
    if (QuebraPaginaSeek(doc_.Config, doc_.BandaSel)) {
        QuebraPaginaRemove(doc_.Config, doc_.BandaSel);
    } else {
        QuebraPaginaAdd(doc_.Config, doc_.BandaSel);
    }
    ExibirBanda();
}

void Editor::BandaAlturaAutomatica() {
    const Banda& b = doc_.bandaSel();
    AplicarAltura(b.Altura >= 1 ? 0 : b.AlturaEfetiva());
    ConcluirComando();
}

// Sets or clears one page marker on the selected band; the other marker is
// dropped when it would cross it. False when no item is selected.
bool Editor::MarcarBanda(int32_t& marca, int32_t& outra, bool ligado, bool outraCruza) {
    if (!doc_.TemItemSelecionado()) return false;
    if (ligado) {
        if (outraCruza) outra = 0;
        marca = doc_.BandaSel;
    } else {
        marca = 0;
    }
    ExibirBanda();
    vista_.Validar();
    return true;
}

void Editor::MarcarCabecalho(bool ligado) {
    ConfigRelatorio& c = doc_.Config;
    // A header cannot end at or below the footer start.
    MarcarBanda(c.FimCabecalho, c.InicioRodape, ligado, c.InicioRodape <= doc_.BandaSel);
}

void Editor::MarcarRodape(bool ligado) {
    ConfigRelatorio& c = doc_.Config;
    if (!MarcarBanda(c.InicioRodape, c.FimCabecalho, ligado, c.FimCabecalho >= doc_.BandaSel)) return;
    if (c.QuebraFinal) {
        dialogos_.Mensagem(std::string(kMensagemRodapeSemQuebra) + "\r\rA quebra de página será removida do final da página.",
                           Icone::Informacao, Botoes::Ok, "Rodapé");
        FinalizarComQuebra();
    }
}

void Editor::FinalizarComQuebra() {
    ConfigRelatorio& c = doc_.Config;
    if (!c.QuebraFinal && c.InicioRodape != 0) {
        dialogos_.Mensagem(kMensagemRodapeSemQuebra, Icone::Informacao, Botoes::Ok, "Rodapé");
        return;
    }
    c.QuebraFinal = !c.QuebraFinal;
    ExibirResultado();
}

}  // namespace mobrix
