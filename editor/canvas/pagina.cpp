#include "canvas/pagina.h"

#include <algorithm>

#include "canvas/desenho_item.h"
#include "canvas/texto_estilizado.h"
#include "document/identidade.h"
#include "document/operacoes.h"
#include "document/paleta.h"

namespace mobrix {
namespace {

constexpr Cor CorMarcaQuebra = Rgb(0, 0, 255);
constexpr Cor CorMarcaComentario = Rgb(210, 210, 210);

// Automatic bands get their height from their texts, stored negated.
void CalcularAlturasAutomaticas(Documento& doc, Superficie& pagina, const DataHora& agora) {
    bool mudou = false;
    for (Banda& b : doc.Bandas) {
        if (b.Altura >= 1) continue;
        b.Altura = -CalcularAlturaBanda(pagina, b, agora);
        mudou = true;
    }
    if (mudou) ReposicionarBanda(doc);
}

// The width the layout asks for: 128 past the end of the widest band, once
// that end comes within 64 of the running width.
int64_t LarguraNecessaria(const Layout& layout) {
    int64_t r = 0;
    for (const Banda& b : layout.Bandas) {
        if (b.Itens.empty()) continue;
        const Item& u = b.Itens.back();
        const int64_t fim = int64_t{u.Esquerda} + u.Largura;
        if (fim + 64 > r) r = fim + 128;
    }
    return r;
}

// The height the layout asks for: 384 past a band bottom that comes within 64
// of the running height.
int64_t AlturaNecessaria(const Layout& layout, int64_t altura) {
    for (const Banda& b : layout.Bandas) {
        const int64_t base = int64_t{b.Topo} + b.AlturaEfetiva();
        if (altura - 64 < base) altura = base + 384;
    }
    return altura;
}

void DesenharContornoFolha(Superficie& p, bool paisagem) {
    p.DefinirFonte(FonteSuperficie{"Arial", 8, false, false, false, false});
    const Cor textoVermelho = PaletaBasica[12];
    if (!paisagem) {
        const Cor ciano = PaletaBasica[11];
        p.Linha(LarguraA4 + 8, 0, LarguraA4 + 8, ComprimentoA4 + 16, ciano);
        p.Linha(0, ComprimentoA4 + 16, LarguraA4 + 8, ComprimentoA4 + 16, ciano);
        p.EscreverTexto(LarguraA4 + 10, 0, "A4 (Retrato)", textoVermelho, 0, nullptr);
    } else {
        const Cor verde = PaletaBasica[10];
        p.Linha(ComprimentoA4 + 8, 0, ComprimentoA4 + 8, LarguraA4 + 16, verde);
        p.Linha(0, LarguraA4 + 16, ComprimentoA4 + 8, LarguraA4 + 16, verde);
        p.EscreverTexto(ComprimentoA4 + 10, 0, "A4 (Paisagem)", textoVermelho, 0, nullptr);
    }
}

// Gutter marks left of the items: an arrow for a page break, a grey bar for
// a comment.
void DesenharMarcasBanda(Superficie& p, const Banda& b, bool quebra, int topo, int base) {
    const bool comentario = !b.Comentario.empty();
    if (quebra) {
        if (comentario) p.Retangulo(1, topo, 6, base, PaletaBasica[7]);
        p.Linha(3, topo, 6, topo, CorMarcaQuebra);
        p.Linha(3, topo, 3, base - 1, CorMarcaQuebra);
        for (int k = 1; k <= 2; ++k) p.Linha(3 - k, base - 1 - k, 3 + k, base - 1 - k, CorMarcaQuebra);
    } else if (comentario) {
        p.Retangulo(2, topo, 5, base, CorMarcaComentario);
    }
}

}  // namespace

void Pagina::TamanhoInicial(Superficie& pagina, int larguraTela, Dialogos* dialogos) {
    ampliavel_ = true;
    avisado_ = false;
    const int largura = std::clamp(larguraTela, TamanhoMinimoPagina, LadoMaximoPagina);
    if (!pagina.Redimensionar(largura, TamanhoMinimoPagina))
        pagina.Redimensionar(TamanhoMinimoPagina, TamanhoMinimoPagina);
    VerificarMemoriaPagina(pagina, dialogos);
}

void Pagina::VerificarMemoriaPagina(Superficie& pagina, Dialogos* dialogos) {
    if (pagina.Largura() > 0 && pagina.Altura() > 0) return;
    ampliavel_ = false;
    pagina.Redimensionar(TamanhoReserva, TamanhoReserva);
    if (avisado_) return;
    avisado_ = true;
    if (dialogos) dialogos->Mensagem(MensagemMemoriaPagina, Icone::Aviso, Botoes::Ok, TituloAplicacao);
}

void Pagina::Crescer(Superficie& pagina, int64_t largura, int64_t altura, Dialogos* dialogos) {
    largura = std::clamp<int64_t>(std::max<int64_t>(largura, pagina.Largura()), 1, LadoMaximoPagina);
    altura = std::clamp<int64_t>(std::max<int64_t>(altura, pagina.Altura()), 1, LadoMaximoPagina);
    altura = std::min(altura, PixelsMaximosPagina / largura);
    if (largura == pagina.Largura() && altura == pagina.Altura()) return;
    pagina.Redimensionar(static_cast<int>(largura), static_cast<int>(altura));
    VerificarMemoriaPagina(pagina, dialogos);
}

ResultadoPagina Pagina::ExibirBanda(Documento& doc, ContextoDesenho& ctx) {
    Superficie& p = ctx.pagina;
    ResultadoPagina r;
    if (doc.BandaSel >= 1 && doc.BandaSel <= doc.NumBandas()) ReposicionarItem(doc, doc.BandaSel);
    ReposicionarBanda(doc);
    CalcularAlturasAutomaticas(doc, p, ctx.agora);

    // The canvas is sized before anything is drawn: resizing clears it.
    if (ampliavel_) Crescer(p, LarguraNecessaria(doc), AlturaNecessaria(doc, p.Altura()), ctx.dialogos);
    p.Limpar(Branco);
    VerificarMemoriaPagina(p, ctx.dialogos);
    DesenharContornoFolha(p, doc.Config.Paisagem);

    const std::vector<bool> quebras = BandasComQuebra(doc.Config, doc.NumBandas());
    for (int b = 1; b <= doc.NumBandas(); ++b) {
        const Banda& banda = doc.banda(b);
        const int64_t h = banda.AlturaEfetiva();
        const int64_t topo = banda.Topo;
        DesenharMarcasBanda(p, banda, quebras[static_cast<size_t>(b)], Px(topo), Px(topo + h));
        for (const Item& it : banda.Itens) DesenharItem(ctx, it, CelulaDoItem(it, topo, h));
        if (b == doc.Config.FimCabecalho) r.cabecalhoVisivel = true, r.yCabecalho = Px(topo + h);
        if (b == doc.Config.InicioRodape) r.rodapeVisivel = true, r.yRodape = Px(topo - 1);
    }

    r.largura = p.Largura();
    r.altura = p.Altura();
    return r;
}

}  // namespace mobrix
