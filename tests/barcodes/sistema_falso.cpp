#include "sistema_falso.h"

#include <random>

namespace mobrix::teste {

SistemaFalso::SistemaFalso() {
    std::random_device aleatorio;
    pasta = std::filesystem::temp_directory_path() / ("mobrix-teste-" + std::to_string(aleatorio()));
    std::filesystem::create_directory(pasta);
    pasta = std::filesystem::canonical(pasta);
}

SistemaFalso::~SistemaFalso() {
    std::error_code erro;
    std::filesystem::remove_all(pasta, erro);
}

void* SistemaFalso::CarregarFuncao(const std::string& biblioteca, const std::string& simbolo, std::string& erro) {
    pedidos.push_back(biblioteca + "/" + simbolo);
    auto it = funcoes.find(pedidos.back());
    if (it != funcoes.end()) return it->second;
    erro = erroDeCarga;
    return nullptr;
}

}  // namespace mobrix::teste
