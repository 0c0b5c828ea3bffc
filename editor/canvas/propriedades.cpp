#include "canvas/propriedades.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "canvas/opcoes_item.h"
#include "canvas/propriedades_alvos.h"
#include "document/unidades.h"

namespace mobrix {

double ValorMostrado(int32_t pixels, int medida) {
    const double escala = std::pow(10.0, UnidadeDe(medida).Decimais);
    return std::round(PixelsParaValor(pixels, medida) * escala) / escala;
}

namespace {

double Formato(int inteiros, int medida) { return inteiros + UnidadeDe(medida).Decimais / 10.0; }

}  // namespace

double FormatoCampoMedida(int medida) {
    const auto maior = static_cast<int>(PixelsParaValor(LarguraMaximaItem, medida));
    const auto necessarios = static_cast<int>(std::to_string(maior).size());
    return Formato(std::max(UnidadeDe(medida).DigitosInteiros, necessarios), medida);
}

double FormatoCampoPosicao(int medida) { return Formato(6, medida); }

void ConcluirEdicao(Editor& ed) {
    ed.ExibirBanda();
    if (ed.doc().bandaSel().Altura < 1) ed.SelecionarItem();
}

void AlterarTexto(Editor& ed, const std::string& texto) {
    if (AplicarAosAlvos(ed, [&](Item& it) { it.Texto = texto; })) ConcluirEdicao(ed);
}

namespace {

int32_t PixelsLimitados(double valor, int medida, int32_t minimo, int32_t maximo) {
    return std::clamp(ValorParaPixels(valor, medida), minimo, maximo);
}

}  // namespace

double AlterarLargura(Editor& ed, double valor) {
    Documento& d = ed.doc();
    if (!d.TemItemSelecionado()) return 0;
    // The lower limit is one pixel whatever the unit: half a centimetre is a
    // width, not a typing slip to be turned into a whole one.
    const int32_t px = PixelsLimitados(valor, d.Medida, 1, LarguraMaximaItem);
    if (px != d.itemSel().Largura) {
        ed.AplicarLargura(px);
        ed.ExibirBanda();
        ed.SelecionarItem();
    }
    return ValorMostrado(d.itemSel().Largura, d.Medida);
}

double AlterarAltura(Editor& ed, double valor) {
    Documento& d = ed.doc();
    const int32_t px = valor <= 0 ? 0 : PixelsLimitados(valor, d.Medida, 1, AlturaMaximaBanda);
    // An automatic band keeps its current height negated until the redraw
    // recomputes it: compare the settings, not the stored values.
    std::vector<int32_t> antes;
    for (const Banda& b : d.Bandas) antes.push_back(b.Altura);
    ed.AplicarAltura(px);
    bool mudou = false;
    for (size_t i = 0; i < antes.size(); ++i)
        mudou |= std::max(antes[i], 0) != std::max(d.Bandas[i].Altura, 0);
    if (mudou) {
        ed.ExibirBanda();
        ed.SelecionarItem();
    } else {
        for (size_t i = 0; i < antes.size(); ++i) d.Bandas[i].Altura = antes[i];
    }
    return ValorMostrado(d.bandaSel().AlturaEfetiva(), d.Medida);
}

double AlterarDeslocamento(Editor& ed, double valor) {
    Documento& d = ed.doc();
    Banda& b = d.bandaSel();
    if (d.BandaSel >= 2) {
        const int32_t px = PixelsLimitados(valor, d.Medida, -DeslocamentoMaximo, DeslocamentoMaximo);
        if (px != b.Deslocamento) {
            b.Deslocamento = px;
            ed.ExibirBanda();
            ed.SelecionarItem();
        }
    }
    return ValorMostrado(b.Deslocamento, d.Medida);
}

int AlterarEspessura(Editor& ed, double valor) {
    Documento& d = ed.doc();
    if (!d.TemItemSelecionado()) return 0;
    const double inteiro = std::isfinite(valor) ? std::round(valor) : 1;
    const auto espessura = static_cast<uint8_t>(std::clamp(inteiro, 1.0, double{EspessuraMaxima}));
    if (espessura != d.itemSel().Espessura &&
        AplicarAosAlvos(ed, [&](Item& it) { it.Espessura = espessura; }))
        ConcluirEdicao(ed);
    return espessura;
}

void AlterarAlinhamento(Editor& ed, int posicao, bool ligado) {
    if (posicao < 1 || posicao > 10) return;
    const bool mudou = AplicarAosAlvos(ed, [&](Item& it) {
        if (posicao == 7)
            it.Atributos.definirDigito(7, (it.Atributos.digito(7) & 14) | (ligado ? 1 : 0));
        else
            it.Atributos.definir(posicao, ligado);
    });
    if (mudou) ConcluirEdicao(ed);
}

namespace {
constexpr int BitsAngulo[4] = {0, 2, 4, 8};
}  // namespace

void AlterarAngulo(Editor& ed, int indice) {
    if (indice < 0 || indice > 3) return;
    const bool mudou = AplicarAosAlvos(ed, [&](Item& it) {
        if (it.Tipo == TipoFigura || it.Tipo == TipoBarraGrafico) return;
        it.Atributos.definirDigito(7, (it.Atributos.digito(7) & 1) | BitsAngulo[indice]);
    });
    if (mudou) ConcluirEdicao(ed);
}

void AlterarZoom(Editor& ed, int indice) {
    if (indice < 0 || indice > 3 || !ed.doc().TemItemSelecionado()) return;
    const bool mudou = AplicarAosAlvos(ed, [&](Item& it) {
        if (EhCodigoBarras(it.Tipo)) it.Atributos.definirDigito(9, indice + 1);
    });
    if (mudou) ConcluirEdicao(ed);
}

void AlternarLinha(Editor& ed, int linha) {
    if (linha < 1 || linha > 6) return;
    const Item* mostrado = ItemMostrado(ed);
    if (!mostrado) return;
    const bool ligado = !mostrado->Linhas.ligado(linha);
    if (AplicarAosAlvos(ed, [&](Item& it) { it.Linhas.definir(linha, ligado); })) ConcluirEdicao(ed);
}

int IndiceAngulo(const Item& it) {
    switch (AnguloDe(it.Atributos)) {
        case 90: return 1;
        case 180: return 2;
        case 270: return 3;
        default: return 0;
    }
}

int IndiceZoom(const Item& it) { return std::clamp(it.Atributos.digito(9), 1, 4) - 1; }

}  // namespace mobrix
