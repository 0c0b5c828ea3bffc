#pragma once
// The system port on Linux with Qt: private temporary folder, program and
// data folders, libraries loaded by name, programs started through PATH and
// documents opened with the desktop.
#include <QLibrary>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "document/portas.h"

namespace mobrix {

class SistemaQt : public Sistema {
public:
    // Error number for a program that cannot be found, and for one that was
    // found but could not be started.
    static constexpr int ErroNaoEncontrado = 53;
    static constexpr int ErroAoIniciar = 75;

    std::string PastaTemporaria() override;
    std::string PastaPrograma() override;
    std::string PastaDadosUsuario() override;
    void* CarregarFuncao(const std::string& biblioteca, const std::string& simbolo, std::string& erro) override;
    bool IniciarPrograma(const std::string& programa, const std::vector<std::string>& argumentos,
                         bool& naoEncontrado, int& numeroErro, std::string& descricao) override;
    void AbrirDocumento(const std::string& caminhoOuEndereco) override;

private:
    QLibrary* Biblioteca(const std::string& nome, std::string& erro);

    std::string pastaTemporaria_;  // without the trailing '/'
    // Libraries stay loaded for the life of the process: functions bound from
    // them are kept by their callers.
    std::map<std::string, std::unique_ptr<QLibrary>> bibliotecas_;
};

}  // namespace mobrix
