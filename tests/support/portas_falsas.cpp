#include "portas_falsas.h"

#include <filesystem>

namespace mobrix::teste {

std::optional<std::string> ConfiguracoesFalsas::Ler(const std::string& chave) {
    auto it = valores.find(chave);
    if (it == valores.end()) return std::nullopt;
    return it->second;
}

void AreaTransferenciaFalsa::Limpar() {
    texto.clear();
    rico = false;
    ++limpezas;
}

void AreaTransferenciaFalsa::DefinirTexto(const std::string& cp1252) {
    texto = cp1252;
    rico = false;
}

void AreaTransferenciaFalsa::DefinirTextoERico(const std::string& cp1252) {
    texto = cp1252;
    rico = true;
}

SistemaFalso::SistemaFalso(const std::string& raiz)
    : temporaria_(raiz + "tmp/"), programa_(raiz + "programa/"), dados_(raiz + "dados/") {
    for (const std::string* p : {&temporaria_, &programa_, &dados_}) std::filesystem::create_directories(*p);
}

void* SistemaFalso::CarregarFuncao(const std::string& biblioteca, const std::string& simbolo, std::string& erro) {
    const std::string nome = biblioteca + "/" + simbolo;
    pedidos.push_back(nome);
    auto it = funcoes.find(nome);
    if (it != funcoes.end()) return it->second;
    erro = erroDeCarga;
    return nullptr;
}

bool SistemaFalso::IniciarPrograma(const std::string& programa, const std::vector<std::string>& argumentos,
                                   bool& naoEncontrado, int& numeroErro, std::string& descricao) {
    programas.push_back({programa, argumentos});
    naoEncontrado = !inicia && this->naoEncontrado;
    numeroErro = inicia ? 0 : (naoEncontrado ? 53 : this->numeroErro);
    descricao = inicia ? std::string() : descricaoErro;
    return inicia;
}

}  // namespace mobrix::teste
