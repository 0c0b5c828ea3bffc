#include "canvas/desenho_item.h"

#include <algorithm>
#include <cstdlib>

#include "barcodes/codigo_por_tipo.h"
#include "canvas/figuras.h"
#include "canvas/opcoes_item.h"
#include "canvas/texto_estilizado.h"
#include "document/cp1252.h"
#include "document/paleta.h"
#include "document/textos.h"
#include "output/formatacao.h"
#include "output/macros_cor.h"

namespace mobrix {

int Px(int64_t v) { return static_cast<int>(std::clamp<int64_t>(v, -(int64_t{1} << 30), int64_t{1} << 30)); }

Celula CelulaDoItem(const Item& item, int64_t topoBanda, int64_t alturaBanda) {
    Celula c;
    c.esquerda = int64_t{item.Esquerda} + 8;
    c.direita = int64_t{item.Esquerda} + item.Largura + 8;
    c.topo = topoBanda;
    c.base = topoBanda + alturaBanda;
    return c;
}

namespace {

constexpr Cor CorContornoCelula = Rgb(230, 230, 230);
// A barcode's bars are at most this high, whatever the band, so that the
// encoder's picture stays small.
constexpr int64_t AlturaMaximaBarras = 32767 - 12;
constexpr int64_t AlturaMaximaBarraGrafico = 32767;

void DesenharFundo(Superficie& p, const Item& it, const Celula& c, const CoresMacro& cores) {
    if (it.CorFundo == SemFundo && cores.fundo == SemCorMacro) return;
    p.Retangulo(Px(c.esquerda), Px(c.topo), Px(c.direita), Px(c.base), NovaCor(it.CorFundo, cores.fundo));
}

void DesenharLinhas(Superficie& p, const Item& it, const Celula& c, const CoresMacro& cores) {
    if (it.Linhas.todosZero()) return;
    const Cor cor = NovaCor(it.CorLinhas, cores.linhas);
    const int flags = Alinhamento(it.Linhas);
    const int64_t t = it.Espessura;
    const int64_t h = c.base - c.topo + 1, w = c.direita - c.esquerda + 1;
    auto faixa = [&](int64_t x1, int64_t y1, int64_t x2, int64_t y2) {
        p.Retangulo(Px(x1), Px(y1), Px(x2), Px(y2), cor);
    };
    if (flags & FlagPosicao1) faixa(c.esquerda, c.topo + (h - t) / 2, c.direita, c.topo + (h - t) / 2 + t);
    if (flags & FlagPosicao5) faixa(c.esquerda, c.topo, c.direita, c.topo + t);
    if (flags & FlagPosicao4) faixa(c.esquerda, c.base - t, c.direita, c.base);
    if (flags & FlagPosicao3) faixa(c.esquerda + (w - t) / 2, c.topo, c.esquerda + (w - t) / 2 + t, c.base);
    if (flags & FlagPosicao6) faixa(c.esquerda, c.topo, c.esquerda + t, c.base);
    if (flags & FlagPosicao2) faixa(c.direita - t, c.topo, c.direita, c.base);
}

void DesenharTextoDoItem(ContextoDesenho& ctx, const Item& it, const Celula& c, const CoresMacro& cores) {
    if (it.Texto.empty() || it.Largura < 5) return;
    const Texto10& at = it.Atributos;
    const double x = static_cast<double>(c.esquerda + 2);
    const CaixaTexto caixa{x, static_cast<double>(c.topo), static_cast<double>(c.direita - 2) - x + 1,
                           static_cast<double>(c.AlturaBanda() + 1)};
    OpcoesTexto op;
    op.UmaLinha = at.ligado(5);
    op.Cortar = !at.ligado(8);
    op.CentroVertical = at.ligado(3);
    op.Base = at.ligado(4);
    op.Angulo = AnguloDe(at);
    op.Justificar = Bit1Posicao7(at);
    op.CentroHorizontal = !op.Justificar && at.ligado(1);
    op.Direita = !op.Justificar && at.ligado(2);
    DesenharTexto(ctx.pagina, TextoExibido(it.Texto, ctx.agora), caixa, op, NovaCor(it.CorTexto, cores.texto));
}

void CopiarEmTamanhoNatural(ContextoDesenho& ctx, const Item& it, const Celula& c) {
    CopiarParaCelula(ctx.pagina, ctx.figura, c, it.Atributos, ctx.figura.Largura(), ctx.figura.Altura());
}

void DesenharFiguraDoItem(ContextoDesenho& ctx, const Item& it, const Celula& c) {
    Superficie& f = ctx.figura;
    if (it.Texto.empty()) {
        f.CarregarImagemPadrao(ImagemPadrao::Erro);
    } else if (ComecaComAspas(it.Texto)) {
        const std::string caminho = Cp1252ParaUtf8(AparaEspacos(RemoverAspas(it.Texto)));
        if (!f.CarregarFigura(caminho)) f.CarregarImagemPadrao(ImagemPadrao::Erro);
        else if (it.Atributos.ligado(10)) RedimensionarFigura(f, c.AlturaBanda(), it.Largura, ctx.dialogos);
    } else {
        f.CarregarImagemPadrao(ImagemPadrao::Figura);
    }
    CopiarEmTamanhoNatural(ctx, it, c);
}

// The bar is a filled box with an outline; it is drawn straight onto the page,
// which gives the same pixels as drawing it off-screen and copying it.
void DesenharBarraGrafico(ContextoDesenho& ctx, const Item& it, const Celula& c, const CoresMacro& cores) {
    if (it.Largura < 1) return;
    const double valor = ComecaComAspas(it.Texto) ? ValorNumerico(RemoverAspas(it.Texto)) : 10.0;
    int64_t v = ArredondarPar(valor);
    v = v == INT64_MIN ? INT64_MAX : std::abs(v);
    v = std::clamp<int64_t>(v, 1, AlturaMaximaBarraGrafico);
    const Cor preenchimento = it.CorTexto < 80 ? NovaCor(it.CorTexto, cores.texto) : Preto;
    const Cor contorno = it.CorFundo < 80 ? NovaCor(it.CorFundo, cores.fundo) : preenchimento;
    int64_t x, y;
    PosicionarNaCelula(c, it.Atributos, it.Largura, v, x, y);
    ctx.pagina.Retangulo(Px(x), Px(y), Px(x + it.Largura), Px(y + v), preenchimento);
    ctx.pagina.Contorno(Px(x), Px(y), Px(x + it.Largura - 1), Px(y + v - 1), contorno);
}

// Bar height of a barcode from the band (or, turned, the item width), the
// room for its digits and Atributos 8 and 10.
int64_t AlturaBarras(const Item& it, int64_t alturaBanda, int angulo, int64_t folgaTexto) {
    const int64_t base = (angulo == 90 || angulo == 270) ? it.Largura : alturaBanda;
    const bool p8 = it.Atributos.ligado(8), p10 = it.Atributos.ligado(10);
    int64_t b;
    if (p8 && p10) b = std::max<int64_t>(base - folgaTexto, 40);
    else if (p8) b = 40;
    else {
        b = base - folgaTexto;
        if (b > 40 && it.Atributos(10) == '0') b = 40;
    }
    return std::clamp<int64_t>(b, 1, AlturaMaximaBarras);
}

void DesenharCodigoBarras(ContextoDesenho& ctx, const Item& it, const Celula& c) {
    Superficie& f = ctx.figura;
    if (it.Texto.empty()) {
        f.CarregarImagemPadrao(ImagemPadrao::Erro);
        CopiarEmTamanhoNatural(ctx, it, c);
        return;
    }
    const std::string dados = ComecaComAspas(it.Texto) ? RemoverAspas(it.Texto) : "0123456789";
    const int angulo = AnguloDe(it.Atributos);
    const bool pdf = it.Tipo == TipoPDF417;
    const bool semNumeros = pdf || (it.Tipo != TipoIntercalado25SemNumeros && Bit1Posicao7(it.Atributos));
    const int64_t folgaTexto = semNumeros ? 0 : 12;
    const int64_t barras = AlturaBarras(it, c.AlturaBanda(), angulo, folgaTexto);
    const int64_t alturaTotal = barras + folgaTexto;
    const int z = it.Atributos.digito(9);
    const bool ampliado = z >= 2 && z <= 4;

    if (pdf) {
        ctx.pdf417.DesenharPDF417(f, dados, static_cast<int16_t>(angulo));
        ctx.pdf417.InformarErroDeCarga(ctx.dialogos);
    } else {
        int64_t alturaEncoder = barras;
        if (ampliado) {
            static constexpr int Desconto[] = {0, 0, 6, 8, 9};
            const int desconto = semNumeros ? 0 : Desconto[z];
            alturaEncoder = std::max<int64_t>(1, ArredondarPar(static_cast<double>(barras) / z - desconto));
        }
        DesenharCodigoLinear(f, it.Tipo, static_cast<int16_t>(alturaEncoder), dados, semNumeros,
                             static_cast<int16_t>(angulo));
    }

    int64_t w = f.Largura(), h = f.Altura();
    if (ampliado && pdf) w *= z, h *= z;
    else if (ampliado && (angulo == 90 || angulo == 270)) w = alturaTotal, h *= z;
    else if (ampliado) w *= z, h = alturaTotal;
    CopiarParaCelula(ctx.pagina, f, c, it.Atributos, w, h);
}

}  // namespace

void DesenharItem(ContextoDesenho& ctx, const Item& it, const Celula& c) {
    Superficie& p = ctx.pagina;
    std::string semMacros = it.Texto;
    const CoresMacro cores = MacroColor(semMacros);
    p.Contorno(Px(c.esquerda), Px(c.topo), Px(c.direita - 1), Px(c.base - 1), CorContornoCelula);
    p.DefinirFonte(FonteDoItem(it.Fonte));
    if (it.Tipo != TipoBarraGrafico) {
        DesenharFundo(p, it, c, cores);
        DesenharLinhas(p, it, c, cores);
    }
    if (it.Tipo == TipoFigura) DesenharFiguraDoItem(ctx, it, c);
    else if (it.Tipo == TipoBarraGrafico) DesenharBarraGrafico(ctx, it, c, cores);
    else if (EhCodigoBarras(it.Tipo)) DesenharCodigoBarras(ctx, it, c);
    else DesenharTextoDoItem(ctx, it, c, cores);
}

}  // namespace mobrix
