#include "barcodes/tabelas.h"

#include <charconv>

namespace mobrix::tabelas {

std::vector<Registro> Registros(std::string_view texto) {
    std::vector<Registro> registros;
    while (!texto.empty()) {
        size_t fim = texto.find('\n');
        std::string_view linha = texto.substr(0, fim);
        texto.remove_prefix(fim == std::string_view::npos ? texto.size() : fim + 1);
        if (!linha.empty() && linha.back() == '\r') linha.remove_suffix(1);
        if (linha.empty() || linha.front() == '#') continue;
        Registro campos;
        while (!linha.empty()) {
            size_t espaco = linha.find(' ');
            campos.push_back(linha.substr(0, espaco));
            linha.remove_prefix(espaco == std::string_view::npos ? linha.size() : espaco + 1);
        }
        registros.push_back(std::move(campos));
    }
    return registros;
}

int Numero(std::string_view campo) {
    int valor = -1;
    auto [fim, erro] = std::from_chars(campo.data(), campo.data() + campo.size(), valor);
    return erro == std::errc() && fim == campo.data() + campo.size() && valor >= 0 ? valor : -1;
}

}  // namespace mobrix::tabelas
