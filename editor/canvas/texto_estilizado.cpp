#include "canvas/texto_estilizado.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "canvas/opcoes_item.h"
#include "output/estilos_texto.h"
#include "output/macros_cor.h"

namespace mobrix {
namespace {

EstiloTexto EstiloDe(const FonteSuperficie& f) { return {f.Negrito, f.Italico, f.Sublinhado, f.Riscado}; }

FonteSuperficie ComEstilo(FonteSuperficie f, const EstiloTexto& e) {
    f.Negrito = e.Negrito;
    f.Italico = e.Italico;
    f.Sublinhado = e.Sublinhado;
    f.Riscado = e.Riscado;
    return f;
}

// Changes only the style flags of the surface font, and only when they differ.
class Estilos {
public:
    explicit Estilos(Superficie& s) : s_(s), original_(s.Fonte()), atual_(EstiloDe(original_)) {}
    ~Estilos() {
        if (atual_ != EstiloDe(original_)) s_.DefinirFonte(original_);
    }
    void Usar(const EstiloTexto& e) {
        if (e == atual_) return;
        s_.DefinirFonte(ComEstilo(original_, e));
        atual_ = e;
    }
    EstiloTexto Inicial() const { return EstiloDe(original_); }

private:
    Superficie& s_;
    FonteSuperficie original_;
    EstiloTexto atual_;
};

// A line: the words [inicio, fim) of the word list (line breaks excluded) and
// its width (indent, then a space before every word).
struct LinhaTexto {
    size_t inicio = 0, fim = 0;
    double largura = 0;
};

std::vector<LinhaTexto> Preencher(const std::vector<PalavraEstilizada>& palavras,
                                  const std::vector<double>& larguras, double espaco, double recuo,
                                  double disponivel, bool umaLinha) {
    std::vector<LinhaTexto> linhas;
    LinhaTexto atual{0, 0, recuo};
    for (size_t i = 0; i < palavras.size(); ++i) {
        if (palavras[i].quebra) {
            linhas.push_back(atual);
            atual = {i + 1, i + 1, 0};
            continue;
        }
        double w = espaco + larguras[i];
        bool vazia = atual.fim == atual.inicio;
        if (!umaLinha && !vazia && atual.largura + w > disponivel) {
            linhas.push_back(atual);
            atual = {i, i, 0};
        }
        atual.fim = i + 1;
        atual.largura += w;
    }
    linhas.push_back(atual);
    return linhas;
}

// The top-left of a word on the surface, from its offsets along (u) and across
// (v) the lines of the unrotated text.
void PontoNaCaixa(const CaixaTexto& c, int angulo, double wl, double hl, double u, double v, double& x, double& y) {
    switch (angulo) {
        case 90: x = c.X + v - 1, y = c.Y + wl - u - 3; break;
        case 180: x = c.X + wl - u - 1, y = c.Y + hl - v - 2; break;
        case 270: x = c.X + hl - v, y = c.Y + u + 2; break;
        default: x = c.X + u, y = c.Y + v; break;
    }
}

// The box a word drawn at (x, y) covers, lengthened at its end for glyphs
// that reach past their advance (italics); the line height covers the rest.
Recorte CaixaDaPalavra(double x, double y, double largura, double alturaLinha, int angulo) {
    const double m = std::max(2.0, alturaLinha / 4);
    switch (angulo) {
        case 90: return {x, y - largura - m, alturaLinha, largura + m};
        case 180: return {x - largura - m, y - alturaLinha, largura + m, alturaLinha};
        case 270: return {x - alturaLinha, y, alturaLinha, largura + m};
        default: return {x, y, largura + m, alturaLinha};
    }
}

bool Cruza(const Recorte& a, const Recorte& b) {
    return a.x <= b.x + b.largura && b.x <= a.x + a.largura && a.y <= b.y + b.altura && b.y <= a.y + a.altura;
}

bool Dentro(const Recorte& a, const Recorte& b) {
    return a.x >= b.x && a.y >= b.y && a.x + a.largura <= b.x + b.largura && a.y + a.altura <= b.y + b.altura;
}

Recorte AreaVisivel(Superficie& s, const CaixaTexto& c, bool cortar) {
    Recorte tela{0, 0, static_cast<double>(s.Largura()), static_cast<double>(s.Altura())};
    if (!cortar) return tela;
    double x1 = std::max(tela.x, c.X), y1 = std::max(tela.y, c.Y);
    double x2 = std::min(tela.largura, c.X + c.Largura), y2 = std::min(tela.altura, c.Y + c.Altura);
    return {x1, y1, std::max(0.0, x2 - x1), std::max(0.0, y2 - y1)};
}

}  // namespace

double AjustarTamanhoFonte(double tamanho) { return std::nearbyint(tamanho / 0.75) * 0.75; }

double DesenharTexto(Superficie& s, std::string_view texto, const CaixaTexto& caixa, const OpcoesTexto& op, Cor cor) {
    const int angulo = (op.Angulo == 90 || op.Angulo == 180 || op.Angulo == 270) ? op.Angulo : 0;
    const bool deLado = angulo == 90 || angulo == 270;
    const double alturaLinha = s.AlturaTexto("Xg");
    if (op.SoMedir && deLado) return 0;
    if (op.SoMedir && op.UmaLinha) return alturaLinha;

    const double wl = deLado ? caixa.Altura : caixa.Largura;
    const double hl = deLado ? caixa.Largura : caixa.Altura;
    Estilos estilos(s);
    const auto palavras = DividirPalavras(texto, op.UmaLinha, estilos.Inicial());
    const double espaco = s.LarguraTexto(" ") * (op.Justificar ? 0.75 : 1.0);
    const double recuo = static_cast<double>(EspacosIniciais(texto)) * espaco;

    std::vector<double> larguras(palavras.size(), 0.0);
    for (size_t i = 0; i < palavras.size(); ++i) {
        if (palavras[i].quebra || palavras[i].texto.empty()) continue;
        estilos.Usar(palavras[i].estilo);
        larguras[i] = s.LarguraTexto(palavras[i].texto);
    }
    const auto linhas = Preencher(palavras, larguras, espaco, recuo, wl, op.UmaLinha);
    if (op.SoMedir) return static_cast<double>(linhas.size()) * alturaLinha;

    const Recorte recorte{caixa.X, caixa.Y, caixa.Largura, caixa.Altura};
    const Recorte area = AreaVisivel(s, caixa, op.Cortar);
    for (size_t k = 0; k < linhas.size(); ++k) {
        const LinhaTexto& linha = linhas[k];
        double v = static_cast<double>(k) * alturaLinha;
        if (op.UmaLinha && op.CentroVertical) v = std::nearbyint((hl - alturaLinha) / 2);
        else if (op.UmaLinha && op.Base) v = std::nearbyint(hl - alturaLinha - 1);
        double u = k == 0 ? recuo : 0;
        if (op.CentroHorizontal) u += (wl - linha.largura) / 2 + espaco / 2;
        else if (op.Direita) u += wl - linha.largura + espaco - 1;
        const size_t n = linha.fim - linha.inicio;
        const bool ultima = k + 1 == linhas.size();
        double folga = 0;
        if (op.Justificar && n > 1 && (!ultima || linha.largura > 0.75 * wl))
            folga = (wl - linha.largura + espaco) / static_cast<double>(n - 1);
        for (size_t i = linha.inicio; i < linha.fim; ++i) {
            double x, y;
            PontoNaCaixa(caixa, angulo, wl, hl, u, v, x, y);
            const PalavraEstilizada& p = palavras[i];
            const Recorte ocupa = CaixaDaPalavra(x, y, larguras[i], alturaLinha, angulo);
            // Words far outside cost nothing, and a word well inside the cell
            // needs no clipping (which is slow on a tall canvas).
            if (!p.texto.empty() && Cruza(ocupa, area)) {
                estilos.Usar(p.estilo);
                const bool cortar = op.Cortar && !Dentro(ocupa, recorte);
                s.EscreverTexto(x, y, p.texto, cor, angulo, cortar ? &recorte : nullptr);
            }
            u += larguras[i] + espaco + folga;
        }
    }
    return 0;
}

std::string TextoExibido(const std::string& texto, const DataHora& agora) {
    std::string s = texto;
    MacroColor(s);
    if (TemVariaveis(s)) SubstituirVariaveis(s, 1, agora);
    return s;
}

int CalcularAlturaBanda(Superficie& s, const Banda& banda, const DataHora& agora) {
    double maximo = 0;
    for (const Item& it : banda.Itens) {
        s.DefinirFonte(FonteDoItem(it.Fonte));
        if (it.Tipo != TipoTexto && it.Tipo != TipoComando) continue;
        const double esquerda = static_cast<double>(it.Esquerda) + 8;
        double x = esquerda, direita = esquerda + it.Largura;
        if (!it.Texto.empty() && it.Largura > 4) x += 2, direita -= 2;
        OpcoesTexto op;
        op.UmaLinha = it.Atributos.ligado(5);
        op.SoMedir = true;
        op.Angulo = AnguloDe(it.Atributos);
        op.Justificar = Bit1Posicao7(it.Atributos);
        double h = DesenharTexto(s, TextoExibido(it.Texto, agora), {x, 0, direita - x + 1, 1}, op);
        if (h > maximo) maximo = h + 4;
    }
    if (maximo == 0) return 8;
    return static_cast<int>(std::clamp(maximo, 1.0, 1e9));
}

}  // namespace mobrix
