#include "output/dialogo_estilo.h"

#include <algorithm>

#include "document/textos.h"

namespace mobrix {
namespace {

std::string Abre(char x) { return std::string("{") + x + "}"; }
std::string Fecha(char x) { return std::string("{/") + x + "}"; }

bool EhLimite(char c) { return c == ' ' || c == '\r' || c == '\n'; }

// Length of a style tag (any letter, any case) at `pos`, or 0.
size_t TagEm(std::string_view t, size_t pos) {
    for (char x : LetrasEstilo)
        for (const std::string& tag : {Abre(x), Fecha(x)})
            if (IguaisSemCaixa(t.substr(pos, tag.size()), tag)) return tag.size();
    return 0;
}

// The caret's position for the state: past the tags that stand right at it.
size_t PosicaoDoEstado(std::string_view t, int posicao) {
    size_t p = std::min(static_cast<size_t>(std::max(posicao, 0)), t.size());
    while (size_t n = TagEm(t, p)) p += n;
    return p;
}

// The text without the tags of one style.
std::string SemTags(std::string_view s, char x) {
    return SubstituirTodos(SubstituirTodos(s, Abre(x), "", true), Fecha(x), "", true);
}

// The state from the text strictly before `pos`.
bool LigadoAntesDe(std::string_view texto, size_t pos, char letra) {
    const std::string antes = MinusculasCp1252(texto.substr(0, pos));
    const size_t abre = antes.rfind(Abre(letra));
    const size_t fecha = antes.rfind(Fecha(letra));
    return abre != std::string::npos && (fecha == std::string::npos || abre > fecha);
}

}  // namespace

std::string TextoParaCaixaEstilo(std::string_view texto) { return SubstituirTodos(texto, "{e}", "\r\n", true); }

std::string TextoDaCaixaEstilo(std::string_view caixa) {
    return SubstituirTodos(TrocarQuebrasDeLinha(caixa, "{e}"), "\t", "        ");
}

SelecaoTexto AlargarParaPalavras(std::string_view texto, SelecaoTexto s) {
    const int n = static_cast<int>(texto.size());
    int inicio = std::clamp(s.inicio, 0, n);
    int fim = std::clamp(s.inicio + std::max(s.tamanho, 0), inicio, n);
    while (inicio > 0 && !EhLimite(texto[static_cast<size_t>(inicio - 1)])) --inicio;
    while (fim < n && !EhLimite(texto[static_cast<size_t>(fim)])) ++fim;
    return {inicio, fim - inicio};
}

bool EstiloLigado(std::string_view texto, int posicao, char letra) {
    return LigadoAntesDe(texto, PosicaoDoEstado(texto, posicao), letra);
}

std::array<bool, 4> EstadosBotoesEstilo(std::string_view texto, SelecaoTexto s) {
    std::array<bool, 4> r{};
    for (size_t k = 0; k < LetrasEstilo.size(); ++k) r[k] = EstiloLigado(texto, s.inicio, LetrasEstilo[k]);
    return r;
}

std::optional<EdicaoEstilo> AplicarBotaoEstilo(std::string_view texto, SelecaoTexto s, char letra) {
    const SelecaoTexto w = AlargarParaPalavras(texto, s);
    if (w.tamanho == 0) return std::nullopt;
    const size_t inicio = static_cast<size_t>(w.inicio), fim = inicio + static_cast<size_t>(w.tamanho);
    const std::string palavras = SemTags(texto.substr(inicio, fim - inicio), letra);
    // The run, if any, goes on after the words as it did before.
    const bool continua = fim < texto.size() && LigadoAntesDe(texto, fim, letra);
    std::string novo;
    if (!EstiloLigado(texto, s.inicio, letra)) {
        novo = Abre(letra) + palavras + (continua ? "" : Fecha(letra));
    } else {
        // Out of the run: closed before the words when it opened before them.
        novo = LigadoAntesDe(texto, inicio, letra) ? Fecha(letra) + " " + palavras : palavras;
        if (continua) novo += " " + Abre(letra);
    }
    std::string r(texto.substr(0, inicio));
    r += novo;
    r += texto.substr(fim);
    return EdicaoEstilo{std::move(r), {w.inicio, static_cast<int>(novo.size())}};
}

}  // namespace mobrix
