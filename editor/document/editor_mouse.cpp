// The mouse on the page canvas: clicks, range extension, handle drags and
// one-click creation.
#include <algorithm>

#include "document/editor.h"
#include "document/operacoes.h"

namespace mobrix {
namespace {

bool DentroDaFaixa(const Documento& doc, PosicaoItem p) {
    if (p.banda < doc.SelBandaIni || p.banda > doc.SelBandaFim) return false;
    return doc.SelBandaIni != doc.SelBandaFim || (p.item >= doc.SelItemIni && p.item <= doc.SelItemFim);
}

// Dragging outside every band: above the selected band the nearest band
// starting below the mouse, otherwise the last band starting at or above it.
int BandaDoArrasto(const Documento& doc, int32_t y) {
    const int sel = doc.BandaSel;
    if (y < doc.bandaSel().Topo) {
        for (int b = 1; b <= sel; ++b)
            if (doc.banda(b).Topo > y) return b;
    } else {
        for (int b = doc.NumBandas(); b >= sel; --b)
            if (doc.banda(b).Topo <= y) return b;
    }
    return sel;
}

}  // namespace

void Editor::PressionarMouse(int32_t x, int32_t y, BotaoMouse botao, bool shift) {
    if (shift) {
        EstenderFaixaAte(LocalizarItem(doc_, x, y));
        return;
    }
    abaixoDaUltima_ = false;
    if (doc_.TemItemSelecionado() && !vista_.ConfirmarEdicoesPendentes()) return;
    const PosicaoItem alvo = LocalizarItem(doc_, x, y);
    if (botao == BotaoMouse::Direito && faixaVisivel_ && DentroDaFaixa(doc_, alvo)) {
        vista_.AbrirMenuEditar();
        return;
    }
    if (faixaVisivel_) SelecionarFaixa(0, 0);
    const int banda = alvo.banda != 0 ? alvo.banda : BandaForaDasBandas(y);
    if (banda == 0) {
        NadaSelecionado();
    } else if (!(banda == doc_.BandaSel && alvo.item == doc_.ItemSel)) {
        doc_.BandaSel = static_cast<int16_t>(banda);
        if (alvo.item == 0) {
            NadaSelecionado();
        } else {
            doc_.ItemSel = static_cast<int16_t>(alvo.item);
            SelecionarItem();
        }
    }
    vista_.Validar();
    if (botao == BotaoMouse::Direito) vista_.AbrirMenuEditar();
}

// A click that hit no band: above them band 1, below them the last band
// (where a band paste then goes), 0 between two bands.
int Editor::BandaForaDasBandas(int32_t y) {
    const Banda& ultima = doc_.banda(doc_.NumBandas());
    if (y < doc_.banda(1).Topo) return 1;
    if (int64_t{y} >= int64_t{ultima.Topo} + ultima.AlturaEfetiva()) {
        abaixoDaUltima_ = true;
        return doc_.NumBandas();
    }
    return 0;
}

// Shift + click: the range runs from the selection to the item clicked; a
// click on the selected item itself removes it.
void Editor::EstenderFaixaAte(PosicaoItem alvo) {
    if (alvo.item == 0) return;
    if (alvo == PosicaoItem{doc_.BandaSel, doc_.ItemSel}) {
        SelecionarFaixa(0, 0);
    } else {
        SelecionarFaixa(alvo.banda, alvo.item);
    }
    vista_.Validar();
}

void Editor::ArrastarMouse(int32_t x, int32_t y) {
    if (!doc_.TemItemSelecionado() || arrasto_) return;
    PosicaoItem alvo = LocalizarItem(doc_, x, y);
    if (alvo.banda == 0) alvo.banda = BandaDoArrasto(doc_, y);
    if (alvo.item == 0) alvo.item = x >= MargemItens ? doc_.banda(alvo.banda).NumItens() : 1;
    if (alvo == PosicaoItem{doc_.BandaSel, doc_.ItemSel}) {
        if (faixaVisivel_) {
            SelecionarFaixa(0, 0);
            vista_.Validar();
        }
        return;
    }
    // Mouse moves within the same cell change nothing.
    const bool mesmaFaixa = faixaVisivel_ && doc_.SelBandaIni == std::min<int>(alvo.banda, doc_.BandaSel) &&
                            doc_.SelBandaFim == std::max<int>(alvo.banda, doc_.BandaSel) &&
                            doc_.SelItemIni == std::min<int>(alvo.item, doc_.ItemSel) &&
                            doc_.SelItemFim == std::max<int>(alvo.item, doc_.ItemSel);
    if (!mesmaFaixa) SelecionarFaixa(alvo.banda, alvo.item);
}

std::optional<Retangulo> Editor::IniciarArrasto(int alca, int32_t x, int32_t y) {
    if (!doc_.TemItemSelecionado() || alca < 0 || alca > AlcaInferiorDireita) return std::nullopt;
    if (alca == AlcaDeslocar && doc_.BandaSel < 2) return std::nullopt;
    Arrasto a;
    a.alca = alca;
    a.inicio = ContornoItem(doc_, doc_.BandaSel, doc_.ItemSel);
    a.mouseX = x;
    a.mouseY = y;
    a.limiteTopo = LimiteTopo(doc_, doc_.BandaSel, doc_.ItemSel);
    arrasto_ = a;
    contornoArrastado_ = a.inicio;
    return a.inicio;
}

Retangulo Editor::MoverArrasto(int32_t x, int32_t y) {
    if (!arrasto_) return {};
    const EstadoPagina p = vista_.Pagina();
    contornoArrastado_ = ContornoArrastado(*arrasto_, x, y, p.larguraPagina, p.alturaPagina);
    return contornoArrastado_;
}

void Editor::TerminarArrasto() {
    if (!arrasto_) return;
    arrasto_.reset();
    const Retangulo c = contornoArrastado_;
    Banda& banda = doc_.bandaSel();
    const bool novaLargura = c.largura != doc_.itemSel().Largura;
    const bool novaAltura = c.altura != banda.AlturaEfetiva();
    const bool novoTopo = c.topo != banda.Topo;
    if (novaLargura || novaAltura || novoTopo) {
        if (novaLargura) AplicarLargura(c.largura);
        if (novaAltura) AplicarAltura(c.altura);
        if (novoTopo && doc_.BandaSel > 1) {
            banda.Deslocamento = NovoDeslocamento(banda.Deslocamento, int64_t{c.topo} - banda.Topo,
                                                  doc_.banda(doc_.BandaSel - 1).AlturaEfetiva());
        }
        ExibirBanda();
        vista_.Validar();
    }
    SelecionarItem();  // the handles come back around the item
}

void Editor::PassarMouse(int32_t x, int32_t y, bool botaoOuShift) {
    std::optional<PropostaMagica> proposta;
    if (preferencias_.MagicItem && !faixaVisivel_ && !botaoOuShift) proposta = ProporCriacao(doc_, x, y, doc_.Medida);
    if (proposta == magica_) return;
    magica_ = std::move(proposta);
    vista_.MostrarMagica(magica_);
}

void Editor::OcultarMagica() {
    if (!magica_) return;
    magica_.reset();
    vista_.MostrarMagica(std::nullopt);
}

void Editor::DefinirCriacaoRapida(bool ligada) {
    preferencias_.MagicItem = ligada;
    if (!ligada) OcultarMagica();
}

void Editor::ClicarMagica() {
    if (!magica_) return;
    const PropostaMagica p = *magica_;
    NadaSelecionado();
    bool criado;
    if (p.banda >= 1 && p.banda <= doc_.NumBandas()) {
        doc_.BandaSel = static_cast<int16_t>(p.banda);
        criado = AddItem(doc_, p.banda, false, p.largura());
    } else {
        criado = AddBanda(doc_, 0, false, p.altura(), p.largura());
    }
    if (!criado) {
        AvisarLimite(p.banda <= doc_.NumBandas());
        OcultarMagica();
        return;
    }
    ConcluirComando();
}

}  // namespace mobrix
