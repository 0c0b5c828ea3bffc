#include "output/texto_sem_caixa.h"

namespace mobrix {

bool SubstituirSemCaixa(std::string& texto, std::string_view de, std::string_view para) {
    if (de.empty() || ProcurarSemCaixa(texto, de) == std::string::npos) return false;
    texto = SubstituirTodos(texto, de, para, true);
    return true;
}

}  // namespace mobrix
