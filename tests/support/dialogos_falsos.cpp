#include "dialogos_falsos.h"

#include <stdexcept>

namespace mobrix::teste {
namespace {

template <typename T>
T Proxima(std::deque<T>& roteiro, const std::string& oque) {
    if (roteiro.empty()) throw std::logic_error("Diálogo sem resposta no roteiro do teste: " + oque);
    T r = std::move(roteiro.front());
    roteiro.pop_front();
    return r;
}

}  // namespace

Resposta DialogosFalsos::Mensagem(const std::string& texto, Icone icone, Botoes botoes, const std::string& titulo) {
    mensagens.push_back({texto, icone, botoes, titulo});
    if (botoes == Botoes::Ok) return Resposta::Ok;
    return Proxima(respostas, texto);
}

std::optional<std::string> DialogosFalsos::Entrada(const std::string& prompt, const std::string&, const std::string&) {
    return Proxima(entradas, prompt);
}

std::optional<std::string> DialogosFalsos::AbrirArquivo(const std::string& titulo,
                                                        const std::vector<FiltroArquivo>& filtros,
                                                        const std::string& pastaInicial) {
    pedidosAbrir.push_back({titulo, filtros, pastaInicial});
    return Proxima(arquivosAbrir, titulo);
}

std::optional<std::string> DialogosFalsos::SalvarArquivo(const std::string& titulo,
                                                         const std::vector<FiltroArquivo>& filtros,
                                                         const std::string& nomeInicial) {
    pedidosSalvar.push_back({titulo, filtros, nomeInicial});
    return Proxima(arquivosSalvar, titulo);
}

std::optional<FonteItem> DialogosFalsos::EscolherFonte(const FonteItem& inicial, double& tamanhoEscolhido) {
    fontesIniciais.push_back(inicial);
    EscolhaFonte e = Proxima(fontes, "fonte");
    if (e.fonte) tamanhoEscolhido = e.pontos;
    return e.fonte;
}

std::optional<uint32_t> DialogosFalsos::EscolherCor(uint32_t inicial) {
    coresIniciais.push_back(inicial);
    return Proxima(cores, "cor");
}

void DialogosFalsos::CursorOcupado(bool ocupado) {
    cursorOcupado += ocupado ? 1 : -1;
    if (ocupado) ++vezesOcupado;
}

}  // namespace mobrix::teste
