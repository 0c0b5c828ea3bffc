#include "document/identidade.h"

namespace mobrix {

std::string MensagemFormatoInvalido(const std::string& caminho) {
    std::string menor = std::to_string(VersaoMenor % 100);
    if (menor.size() < 2) menor.insert(0, "0");
    return std::string("Formato inválido!\r\rO arquivo '") + caminho + "' não foi salvo pelo " +
           TituloAplicacao + "." + menor.back() + "." + std::to_string(VersaoRevisao) +
           ".\r\rProvavelmente foi salvo por uma versão mais recente, tente fazer a atualização.";
}

std::string MensagemErroAbrir(const std::string& caminho, const std::string& descricao) {
    return "Ocorreu um erro ao abrir o arquivo '" + caminho + "!\r\r" + descricao;
}

std::string MensagemErroGravar(const std::string& caminho, int numero, const std::string& descricao) {
    return "Ocorreu um erro ao gravar o arquivo '" + caminho + "!\r\r" + std::to_string(numero) + " - " +
           descricao;
}

}  // namespace mobrix
