#pragma once
// A system port for tests: a private temporary folder of its own and a
// library whose functions are whatever the test registers.
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "document/portas.h"

namespace mobrix::teste {

class SistemaFalso : public Sistema {
public:
    SistemaFalso();
    ~SistemaFalso() override;

    std::string PastaTemporaria() override { return pasta.string() + "/"; }
    std::string PastaPrograma() override { return "/programa/"; }
    std::string PastaDadosUsuario() override { return "/dados/"; }
    void* CarregarFuncao(const std::string& biblioteca, const std::string& simbolo, std::string& erro) override;
    bool IniciarPrograma(const std::string&, const std::vector<std::string>&, bool&, int&, std::string&) override {
        return false;
    }
    void AbrirDocumento(const std::string&) override {}

    std::filesystem::path pasta;
    // "library/symbol" -> function; anything else fails with `erroDeCarga`.
    std::map<std::string, void*> funcoes;
    std::string erroDeCarga = "biblioteca ausente";
    std::vector<std::string> pedidos;  // "library/symbol", one per call
};

}  // namespace mobrix::teste
