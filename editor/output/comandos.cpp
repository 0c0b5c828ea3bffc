#include "output/comandos.h"

#include "output/formatacao.h"
#include "output/percurso.h"

namespace mobrix {
namespace {

class TextoDeComandos : public VisitanteComandos {
public:
    explicit TextoDeComandos(std::string& saida) : s_(saida) {}

    void Impressora(const std::string& nome) override { linha("I " + nome); }
    void Margem(const char* codigo, const std::string& expr) override {
        std::string valor =
            ComecaComAspas(expr) ? Numero(ArredondarLonge(ValorNumerico(RemoverAspas(expr))), 3) : expr;
        linha(std::string(codigo) + " " + valor);
    }
    void Email(const std::string& codigo) override { linha(codigo); }
    void TextoEmail(const std::string& texto) override { linha("ET " + texto); }
    void Simples(const char* codigo) override { linha(codigo); }

    void Fonte(const FonteItem& f) override {
        s_ += "F ";
        s_ += Numero(f.Tamanho, 2);
        s_ += f.Negrito ? '1' : '0';
        s_ += f.Italico ? '1' : '0';
        s_ += f.Sublinhado ? '1' : '0';
        s_ += f.Riscado ? '1' : '0';
        s_ += f.Nome;
        s_ += "\r\n";
    }
    void Moldura(const Item& it) override {
        s_ += "L ";
        s_ += Numero(it.CorLinhas, 2);
        s_ += Numero(it.CorFundo, 2);
        s_ += Numero(it.Esquerda, 5);
        s_ += Numero(it.Largura, 5);
        s_ += it.Linhas.str();
        s_ += Numero(it.Espessura, 2);
        s_ += "\r\n";
    }
    void LinhaItem(const Item& it) override {
        if (it.Tipo == TipoFigura) {
            itemComValor("G 0099", it, it.Esquerda, it.Largura);
            return;
        }
        if (TextoOuLarguraInsuficiente(it)) return;
        if (EhCodigoBarras(it.Tipo)) {
            itemComValor(std::string("B") + LetraCodigoBarras(it.Tipo) + "0099", it, it.Esquerda, it.Largura);
        } else if (it.Tipo == TipoBarraGrafico) {
            itemComValor("LG" + Numero(it.CorTexto, 2) + Numero(it.CorFundo, 2), it, it.Esquerda, it.Largura);
        } else {
            s_ += "T ";
            s_ += Numero(it.CorTexto, 2);
            s_ += "99";
            s_ += Numero(int64_t{it.Esquerda} + 2, 5);
            s_ += Numero(int64_t{it.Largura} - 4, 5);
            s_ += it.Atributos.str();
            s_ += it.Texto;
            s_ += "\r\n";
        }
    }
    void Deslocamento(int32_t d) override { linha("RT " + NumeroDeslocamento(d)); }
    void AlturaBanda(int32_t a) override { linha("RH " + Numero(a, 5)); }

private:
    void linha(const std::string& l) {
        s_ += l;
        s_ += "\r\n";
    }
    void itemComValor(const std::string& prefixo, const Item& it, int64_t esquerda, int64_t largura) {
        s_ += prefixo;
        s_ += Numero(esquerda, 5);
        s_ += Numero(largura, 5);
        s_ += it.Atributos.str();
        s_ += ValorDeItem(it);
        s_ += "\r\n";
    }

    std::string& s_;
};

}  // namespace

std::string GerarComandos(const Layout& layout) {
    std::string saida;
    saida.reserve(64 + static_cast<size_t>(layout.NumBandas()) * 128);
    TextoDeComandos v(saida);
    PercorrerComandos(layout, v);
    return saida;
}

}  // namespace mobrix
