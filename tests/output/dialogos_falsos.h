#pragma once
// Recording fakes of the dialog and clipboard ports for the output suites.
#include <string>
#include <vector>

#include "document/portas.h"

namespace mobrix::teste {

struct MensagemMostrada {
    std::string texto;
    Icone icone;
    Botoes botoes;
    std::string titulo;
};

class DialogosFalsos : public Dialogos {
public:
    Resposta resposta = Resposta::Sim;  // the answer to every question
    std::vector<MensagemMostrada> mensagens;

    Resposta Mensagem(const std::string& texto, Icone icone, Botoes botoes, const std::string& titulo) override {
        mensagens.push_back({texto, icone, botoes, titulo});
        return botoes == Botoes::Ok ? Resposta::Ok : resposta;
    }
    std::optional<std::string> Entrada(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> AbrirArquivo(const std::string&, const std::vector<FiltroArquivo>&,
                                            const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> SalvarArquivo(const std::string&, const std::vector<FiltroArquivo>&,
                                             const std::string&) override {
        return std::nullopt;
    }
    std::optional<FonteItem> EscolherFonte(const FonteItem&, double&) override { return std::nullopt; }
    std::optional<uint32_t> EscolherCor(uint32_t) override { return std::nullopt; }
    void CursorOcupado(bool) override {}
    void Bipe() override {}
};

class AreaFalsa : public AreaTransferencia {
public:
    std::string texto;
    int limpezas = 0;
    void Limpar() override {
        ++limpezas;
        texto.clear();
    }
    void DefinirTexto(const std::string& t) override { texto = t; }
    void DefinirTextoERico(const std::string& t) override { texto = t; }
    bool TemTexto() override { return !texto.empty(); }
};

}  // namespace mobrix::teste
