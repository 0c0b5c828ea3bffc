#include "document/editor.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <system_error>

#include "document/caminhos.h"
#include "document/identidade.h"
#include "document/operacoes.h"
#include "document/transferencia.h"

namespace mobrix {
namespace {

// Centred on the band, halves to even, as every other pixel position.
int32_t TopoMarcadorBanda(const Banda& banda) {
    const double topo =
        static_cast<double>(banda.Topo) + static_cast<double>(banda.AlturaEfetiva()) / 2 - AlturaMarcadorBanda / 2.0;
    return static_cast<int32_t>(std::clamp(std::nearbyint(topo), double{INT32_MIN}, double{INT32_MAX}));
}

}  // namespace

Editor::Editor(const PortasEditor& portas)
    : dialogos_(portas.dialogos),
      configuracoes_(portas.configuracoes),
      area_(portas.areaTransferencia),
      sistema_(portas.sistema),
      vista_(portas.vista) {
    NovoLayout(doc_);
    const std::string temporaria = ComBarraFinal(sistema_.PastaTemporaria());
    arquivoClipboard_ = temporaria + NomeArquivoClipboard;
    arquivoVisualizacao_ = mobrix::ArquivoVisualizacao(temporaria);
    std::error_code ec;
    pastaAtual_ = std::filesystem::current_path(ec).string();
}

std::string Editor::Titulo() const {
    if (doc_.NomeArquivo.empty()) return NomeProduto;
    return std::string(TituloAplicacao) + " - [" + doc_.NomeArquivo + "]";
}

GeometriaSelecao Editor::Selecao() const {
    GeometriaSelecao g;
    g.rotulo = RotuloSelecao(doc_.BandaSel, doc_.ItemSel);
    const Banda& banda = doc_.bandaSel();
    g.alturaAutomatica = banda.Altura < 1;
    g.topoMarcadorBanda = TopoMarcadorBanda(banda);
    if (doc_.TemItemSelecionado()) {
        g.itemSelecionado = true;
        g.contorno = arrasto_ ? contornoArrastado_ : ContornoItem(doc_, doc_.BandaSel, doc_.ItemSel);
        g.alcas = PosicionarAlcas(g.contorno, doc_.BandaSel);
    }
    g.faixaVisivel = faixaVisivel_;
    if (faixaVisivel_) g.faixa = RetanguloFaixa(doc_);
    return g;
}

std::vector<PosicaoItem> Editor::Alvos() const {
    std::vector<PosicaoItem> alvos;
    if (faixaVisivel_ && doc_.SelBandaIni >= 1 && doc_.SelBandaFim <= doc_.NumBandas()) {
        if (doc_.SelBandaIni != doc_.SelBandaFim) {
            for (int b = doc_.SelBandaIni; b <= doc_.SelBandaFim; ++b)
                for (int k = 1; k <= doc_.banda(b).NumItens(); ++k) alvos.push_back({b, k});
        } else {
            const int fim = std::min(doc_.SelItemFim, doc_.bandaSel().NumItens());
            for (int k = std::max(1, doc_.SelItemIni); k <= fim; ++k) alvos.push_back({doc_.BandaSel, k});
        }
    } else if (doc_.TemItemSelecionado()) {
        alvos.push_back({doc_.BandaSel, doc_.ItemSel});
    }
    return alvos;
}

void Editor::ExibirBanda(bool gravarDesfazer) {
    OcultarMagica();
    vista_.Redesenhar(doc_);
    doc_.Alterado = true;
    if (gravarDesfazer && !restaurando_) desfazer_.Gravar(Fotografar(doc_));
    // Automatic band heights may have moved the selected cell.
    vista_.AtualizarSelecao();
}

void Editor::ExibirResultado(bool marcarAlterado) {
    vista_.AtualizarComandos(doc_);
    vista_.AtualizarMenuConfiguracao();
    if (marcarAlterado) doc_.Alterado = true;
}

void Editor::SelecionarItem() {
    vista_.AtualizarSelecao();
    MostrarSelecionado();
}

void Editor::NadaSelecionado() {
    doc_.ItemSel = 0;
    SelecionarFaixa(0, 0);
}

void Editor::SelecionarFaixa(int banda, int item) {
    if (banda == 0 && item == 0) {
        faixaVisivel_ = false;
        doc_.SelBandaIni = doc_.SelItemIni = doc_.SelBandaFim = doc_.SelItemFim = 0;
    } else if (banda > 0) {
        doc_.SelBandaIni = std::min<int>(banda, doc_.BandaSel);
        doc_.SelBandaFim = std::max<int>(banda, doc_.BandaSel);
        doc_.SelItemIni = doc_.TemItemSelecionado() ? std::min<int>(item, doc_.ItemSel) : item;
        doc_.SelItemFim = doc_.TemItemSelecionado() ? std::max<int>(item, doc_.ItemSel) : item;
        faixaVisivel_ = true;
    } else {
        faixaVisivel_ = true;  // (-1, -1): the stored range
    }
    vista_.AtualizarSelecao();
}

void Editor::MostrarSelecionado() {
    if (!doc_.TemItemSelecionado()) return;
    const EstadoPagina p = vista_.Pagina();
    const PosicaoRolagem r = RolagemParaMostrar(doc_, doc_.BandaSel, doc_.ItemSel, p);
    if (r != PosicaoRolagem{p.h, p.v}) vista_.Rolar(r.h, r.v);
}

void Editor::ConcluirComando() {
    ExibirBanda();
    SelecionarItem();
    vista_.Validar();
}

void Editor::AplicarLargura(int32_t largura) {
    for (const PosicaoItem& alvo : Alvos()) doc_.banda(alvo.banda).item(alvo.item).Largura = largura;
    ReposicionarBandasDaFaixa();
}

void Editor::AplicarAltura(int32_t altura) {
    if (faixaVisivel_ && doc_.SelBandaIni != doc_.SelBandaFim) {
        for (int b = doc_.SelBandaIni; b <= doc_.SelBandaFim; ++b) doc_.banda(b).Altura = altura;
    } else {
        doc_.bandaSel().Altura = altura;
    }
}

// Items of bands other than the selected one are not placed by the redraw.
void Editor::ReposicionarBandasDaFaixa() {
    if (faixaVisivel_ && doc_.SelBandaIni != doc_.SelBandaFim) {
        for (int b = doc_.SelBandaIni; b <= doc_.SelBandaFim; ++b) ReposicionarItem(doc_, b);
    }
    ReposicionarItem(doc_, doc_.BandaSel);
}

}  // namespace mobrix
