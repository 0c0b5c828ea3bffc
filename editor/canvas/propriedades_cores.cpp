#include "canvas/propriedades_cores.h"

#include <algorithm>
#include <string>

#include "canvas/propriedades.h"
#include "canvas/propriedades_alvos.h"
#include "document/paleta.h"
#include "output/macros_cor.h"

namespace mobrix {
namespace {

// The field of a colour kind and the letter of its macros.
enum class CampoCor { Texto, Fundo, Linhas };

char LetraDe(CampoCor campo) {
    switch (campo) {
        case CampoCor::Texto: return 'T';
        case CampoCor::Fundo: return 'F';
        case CampoCor::Linhas: break;
    }
    return 'L';
}

uint8_t& CampoDe(Item& it, CampoCor campo) {
    switch (campo) {
        case CampoCor::Texto: return it.CorTexto;
        case CampoCor::Fundo: return it.CorFundo;
        case CampoCor::Linhas: break;
    }
    return it.CorLinhas;
}

// A palette colour replaces the custom colour of the same kind.
void DefinirCor(Editor& ed, CampoCor campo, int codigo) {
    const char letra = LetraDe(campo);
    const bool mudou = AplicarAosAlvos(ed, [&](Item& it) {
        CampoDe(it, campo) = static_cast<uint8_t>(codigo);
        it.Texto = MacroColorRemover(it.Texto, letra);
    });
    if (mudou) ConcluirEdicao(ed);
}

CampoCor CampoDoBotao(bool linhas, bool botaoEsquerdo) {
    if (!botaoEsquerdo) return CampoCor::Fundo;
    return linhas ? CampoCor::Linhas : CampoCor::Texto;
}

}  // namespace

int CodigoDaPaleta(int x, int y) {
    const int coluna = std::clamp(x / LadoCelulaPaleta, 0, CelulasPorLado - 1);
    const int linha = std::clamp(y / LadoCelulaPaleta, 0, CelulasPorLado - 1);
    return (linha + 2) * CelulasPorLado + coluna;
}

void ClicarBarraCores(Editor& ed, BarraCores barra, int x, bool botaoEsquerdo) {
    if (x < 0) return;
    const int amostra = x / LarguraAmostra;
    if (amostra >= NumAmostras && botaoEsquerdo) return;  // only the background has "none"
    DefinirCor(ed, CampoDoBotao(barra == BarraCores::Linhas, botaoEsquerdo),
               amostra < NumAmostras ? amostra : SemFundo);
}

void ClicarPaleta(Editor& ed, AlvoPaleta alvo, int x, int y, bool botaoEsquerdo) {
    if (x < 0 || y < 0) return;
    DefinirCor(ed, CampoDoBotao(alvo == AlvoPaleta::Linha, botaoEsquerdo), CodigoDaPaleta(x, y));
}

namespace {

CoresMacro MacrosDe(const Item& it) {
    std::string texto = it.Texto;
    return MacroColor(texto);
}

}  // namespace

Cor CorDoRotulo(const Item& it, char tipo) {
    const CoresMacro macros = MacrosDe(it);
    switch (tipo) {
        case 'T': return NovaCor(it.CorTexto, macros.texto);
        case 'L': return NovaCor(it.CorLinhas, macros.linhas);
        default: return macros.fundo == SemCorMacro && it.CorFundo == SemFundo ? Branco : NovaCor(it.CorFundo, macros.fundo);
    }
}

bool TemFundo(const Item& it) { return it.CorFundo != SemFundo || MacrosDe(it).fundo != SemCorMacro; }

void InserirMacroCor(Editor& ed, Dialogos& dialogos, char tipo) {
    if (!ed.doc().TemItemSelecionado()) return;
    const std::optional<uint32_t> cor = dialogos.EscolherCor(CorDoRotulo(ed.doc().itemSel(), tipo));
    if (!cor) return;
    // The palette code kept beside the macro: near-white (16) with a custom
    // text colour, near-black (72) with a custom background or line colour.
    const uint8_t corTexto = tipo == 'T' ? 16 : 72;
    const bool mudou = AplicarAosAlvos(ed, [&](Item& it) {
        if (it.Tipo != TipoTexto) return;
        it.Texto = AplicarMacroDeCor(it.Texto, tipo, *cor & 0xFFFFFFu);
        it.CorTexto = corTexto;
    });
    if (mudou) ConcluirEdicao(ed);
}

}  // namespace mobrix
