#include "output/texto_sem_caixa.h"

namespace mobrix {

bool SubstituirSemCaixa(std::string& texto, std::string_view de, std::string_view para) {
    if (de.empty() || ProcurarSemCaixa(texto, de) == std::string::npos) return false;
    texto = SubstituirTodos(texto, de, para, true);
    return true;
}

std::string_view AparaEspacos(std::string_view s) {
    size_t a = s.find_first_not_of(' ');
    if (a == std::string_view::npos) return {};
    return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

}  // namespace mobrix
