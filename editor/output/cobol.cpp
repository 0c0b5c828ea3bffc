#include "output/cobol.h"

#include <vector>

#include "document/textos.h"
#include "output/texto_sem_caixa.h"

namespace mobrix {
namespace {

constexpr std::string_view Continuacao = "      -    \"";  // hyphen in column 7, literal goes on in column 12
const std::string Recuo11(11, ' ');
const std::string Recuo14(14, ' ');

void TrocarPrimeiro(std::string& s, std::string_view de, std::string_view para) {
    size_t p = ProcurarSemCaixa(s, de);
    if (p != std::string::npos) s.replace(p, de.size(), para);
}

void DobrarLinha(std::string linha, bool cobolString, std::vector<std::string>& saida) {
    const size_t limite = cobolString ? 71 : 72;
    if (linha.size() <= limite) {
        saida.push_back(std::move(linha));
        return;
    }
    if (cobolString) TrocarPrimeiro(linha, "move ", "string ");
    const size_t ultimaAspa = linha.rfind('"');
    if (ultimaAspa == std::string::npos) {
        saida.push_back(std::move(linha));
        return;
    }
    // The receiving clause after the literal goes on a line of its own.
    std::string cauda = linha.substr(ultimaAspa + 1);
    std::string resto = linha.substr(0, ultimaAspa + 1);
    if (cobolString) {
        saida.push_back(Recuo11 + "move spaces" + cauda);
        TrocarPrimeiro(cauda, "to ", "delimited by size into ");
    }
    const std::string continuacao = cobolString ? Recuo11 + "\"" : std::string(Continuacao);
    while (resto.size() > limite) {
        saida.push_back(resto.substr(0, limite) + (cobolString ? "\"" : ""));
        resto = continuacao + resto.substr(limite);
    }
    if (AparaEspacos(resto) != "\"\"") saida.push_back(std::move(resto));
    if (!cauda.empty()) saida.push_back(Recuo14 + cauda);
}

}  // namespace

std::string FormatarCobol(std::string_view texto, bool cobolString) {
    std::vector<std::string> linhas;
    size_t inicio = 0;
    while (inicio < texto.size()) {
        size_t cr = texto.find('\r', inicio);
        const size_t fim = cr == std::string_view::npos ? texto.size() : cr;
        DobrarLinha(std::string(texto.substr(inicio, fim - inicio)), cobolString, linhas);
        inicio = fim + 1;
        if (inicio < texto.size() && texto[inicio] == '\n') ++inicio;
    }
    std::string s;
    for (const std::string& l : linhas) s += l + "\r\n";
    return s;
}

}  // namespace mobrix
