#include "document/recentes.h"

#include <algorithm>

#include "document/preferencias.h"
#include "document/textos.h"

namespace mobrix {

bool MesmoCaminho(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return MinusculaAscii(x) == MinusculaAscii(y); });
}

std::vector<std::string> InserirRecente(const std::vector<std::string>& lista, const std::string& caminho) {
    std::vector<std::string> nova{caminho};
    for (const std::string& p : lista) {
        if (nova.size() >= static_cast<size_t>(NumRecentes)) break;
        if (!p.empty() && !MesmoCaminho(p, caminho)) nova.push_back(p);
    }
    return nova;
}

std::vector<std::string> LerRecentes(Configuracoes& cfg) {
    std::vector<std::string> lista;
    for (int i = 1; i <= NumRecentes; ++i) {
        std::string p = LerTexto(cfg, chave::ArquivoRecente(i));
        if (p.empty()) break;
        lista.push_back(std::move(p));
    }
    return lista;
}

void GravarRecentes(Configuracoes& cfg, const std::vector<std::string>& lista) {
    for (int i = 1; i <= NumRecentes; ++i) {
        const size_t k = static_cast<size_t>(i - 1);
        cfg.Gravar(chave::ArquivoRecente(i), k < lista.size() ? lista[k] : std::string());
    }
}

std::string NomeNoMenu(const std::string& caminho) {
    const size_t barra = caminho.find_last_of('/');
    return barra == std::string::npos ? caminho : caminho.substr(barra + 1);
}

}  // namespace mobrix
