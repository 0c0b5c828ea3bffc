#pragma once
// In-memory settings store, clipboard and system for tests. The system's
// folders all lie inside the test's own temporary folder.
#include <map>
#include <string>
#include <vector>

#include "document/portas.h"

namespace mobrix::teste {

class ConfiguracoesFalsas : public Configuracoes {
public:
    std::map<std::string, std::string> valores;

    std::optional<std::string> Ler(const std::string& chave) override;
    void Gravar(const std::string& chave, const std::string& valor) override { valores[chave] = valor; }
};

class AreaTransferenciaFalsa : public AreaTransferencia {
public:
    std::string texto;
    bool rico = false;
    int limpezas = 0;

    void Limpar() override;
    void DefinirTexto(const std::string& cp1252) override;
    void DefinirTextoERico(const std::string& cp1252) override;
    bool TemTexto() override { return !texto.empty(); }
};

struct ProgramaIniciado {
    std::string programa;
    std::vector<std::string> argumentos;
};

class SistemaFalso : public Sistema {
public:
    // Creates "tmp/", "programa/" and "dados/" inside `raiz`.
    explicit SistemaFalso(const std::string& raiz);

    std::vector<ProgramaIniciado> programas;
    std::vector<std::string> documentosAbertos;
    // How the next program start fails, when it does.
    bool inicia = true;
    bool naoEncontrado = false;
    int numeroErro = 13;
    std::string descricaoErro = "Permiss\xC3\xA3o negada";

    // "library/symbol" -> function; anything else fails with `erroDeCarga`.
    std::map<std::string, void*> funcoes;
    std::string erroDeCarga = "biblioteca ausente";
    std::vector<std::string> pedidos;  // "library/symbol", one per call

    void DefinirPastaTemporaria(const std::string& pasta) { temporaria_ = pasta; }

    std::string PastaTemporaria() override { return temporaria_; }
    std::string PastaPrograma() override { return programa_; }
    std::string PastaDadosUsuario() override { return dados_; }
    void* CarregarFuncao(const std::string& biblioteca, const std::string& simbolo, std::string& erro) override;
    bool IniciarPrograma(const std::string& programa, const std::vector<std::string>& argumentos, bool& naoEncontrado,
                         int& numeroErro, std::string& descricao) override;
    void AbrirDocumento(const std::string& caminhoOuEndereco) override { documentosAbertos.push_back(caminhoOuEndereco); }

private:
    std::string temporaria_, programa_, dados_;
};

}  // namespace mobrix::teste
