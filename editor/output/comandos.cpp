#include "output/comandos.h"

#include "output/campos_linha.h"
#include "output/formatacao.h"
#include "output/linguagem.h"
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

    void Fonte(const FonteItem& f) override { campos(CamposFonte(f)); }
    void Moldura(const Item& it) override { campos(CamposMoldura(it)); }
    void LinhaItem(const Item& it) override {
        // A picture is never skipped: without a quoted path its line ends
        // after the attributes.
        if (it.Tipo != TipoFigura && TextoOuLarguraInsuficiente(it)) return;
        if (it.Tipo == TipoFigura || EhCodigoBarras(it.Tipo)) {
            // Black on no background, over the whole cell.
            linha(CodigoDoItem(it) + "0099" + Numero(it.Esquerda, 5) + Numero(it.Largura, 5) + it.Atributos.str() +
                  ValorDeItem(it));
        } else {
            const bool barra = it.Tipo == TipoBarraGrafico;
            campos(CamposLinhaItem(it, {MarcadorTexto, barra ? ValorDeItem(it) : it.Texto}));
        }
    }
    void Deslocamento(int32_t d) override { linha("RT " + NumeroDeslocamento(d)); }
    void AlturaBanda(int32_t a) override { linha("RH " + Numero(a, 5)); }

private:
    void linha(const std::string& l) {
        s_ += l;
        s_ += "\r\n";
    }
    void campos(const CamposLinha& cs) {
        for (const Marcador& c : cs) s_ += c.valor;
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
