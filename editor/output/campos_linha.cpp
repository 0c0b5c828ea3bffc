#include "output/campos_linha.h"

#include "output/formatacao.h"
#include "output/linguagem.h"

namespace mobrix {
namespace {

const char* Flag(bool b) { return b ? "1" : "0"; }

}  // namespace

CamposLinha CamposFonte(const FonteItem& f) {
    return {{{MarcadorComando, "F "},
             {MarcadorTexto, Numero(f.Tamanho, 2)},
             {MarcadorNegrito, Flag(f.Negrito)},
             {MarcadorItalico, Flag(f.Italico)},
             {MarcadorSublinhado, Flag(f.Sublinhado)},
             {MarcadorRiscado, Flag(f.Riscado)},
             {MarcadorFonte, f.Nome}}};
}

CamposLinha CamposMoldura(const Item& it) {
    return {{{MarcadorComando, "L "},
             {MarcadorCorLinha, Numero(it.CorLinhas, 2)},
             {MarcadorCorFundo, Numero(it.CorFundo, 2)},
             {MarcadorEsquerda, Numero(it.Esquerda, 5)},
             {MarcadorComprimento, Numero(it.Largura, 5)},
             {MarcadorAlinhamento, it.Linhas.str()},
             {MarcadorEspessura, Numero(it.Espessura, 2)}}};
}

CamposLinha CamposLinhaItem(const Item& it, Marcador valor) {
    const bool barra = it.Tipo == TipoBarraGrafico;
    return {{{MarcadorComando, CodigoDoItem(it)},
             {MarcadorCorLinha, Numero(it.CorTexto, 2)},
             {MarcadorCorFundo, barra ? Numero(it.CorFundo, 2) : "99"},
             {MarcadorEsquerda, Numero(int64_t{it.Esquerda} + (barra ? 0 : 2), 5)},
             {MarcadorComprimento, Numero(int64_t{it.Largura} - (barra ? 0 : 4), 5)},
             {MarcadorAlinhamento, it.Atributos.str()},
             std::move(valor)}};
}

}  // namespace mobrix
