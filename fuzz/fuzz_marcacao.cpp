// The markup of item texts: colour macros, header and footer variables and
// the style-tag splitter, on any text.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "output/estilos_texto.h"
#include "output/macros_cor.h"
#include "output/texto_sem_caixa.h"
#include "output/variaveis.h"

namespace {

using namespace mobrix;

void Macros(const std::string& entrada) {
    std::string texto = entrada;
    MacroColor(texto);
    if (texto.size() > entrada.size()) std::abort();
    for (char tipo : {'F', 'T', 'L'}) {
        std::string sem = MacroColorRemover(entrada, tipo);
        if (sem.size() > entrada.size()) std::abort();
    }
}

void Variaveis(const std::string& entrada) {
    DataHora agora;
    agora.nomeDiaSemana = "Quarta-feira";
    agora.nomeMes = "dezembro";
    std::string texto = entrada;
    SubstituirVariaveis(texto, 1, agora);
    // No fixed variable survives; the values put in cannot form a new one.
    for (const EntradaVariavel& v : VariaveisFixas)
        if (ContemSemCaixa(texto, v.variavel)) std::abort();
}

// Tags are taken off the words (once, as a plain replace: taking one off can
// join the text around it into another), so the words never hold more than
// the text did; on a single line no line break is left.
void Palavras(const std::string& entrada, bool umaLinha) {
    size_t total = 0;
    for (const PalavraEstilizada& p : DividirPalavras(entrada, umaLinha, EstiloTexto{})) {
        if (umaLinha && p.quebra) std::abort();
        total += p.texto.size();
    }
    if (total > entrada.size() + 2 * (entrada.size() + 1)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 20000) return 0;
    const std::string texto(reinterpret_cast<const char*>(data), size);
    Macros(texto);
    Variaveis(texto);
    Palavras(texto, false);
    Palavras(texto, true);
    return 0;
}
