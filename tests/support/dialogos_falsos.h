#pragma once
// Dialogs for tests: every message is recorded; questions and file, font and
// input dialogs take their answers from scripts filled by the test. A
// question with no scripted answer throws, so the test fails loudly.
#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "document/portas.h"

namespace mobrix::teste {

struct MensagemMostrada {
    std::string texto;
    Icone icone;
    Botoes botoes;
    std::string titulo;
};

struct PedidoArquivo {
    std::string titulo;
    std::vector<FiltroArquivo> filtros;
    std::string inicial;
};

struct EscolhaFonte {
    std::optional<FonteItem> fonte;  // nullopt = Cancel
    double pontos = 0;
};

class DialogosFalsos : public Dialogos {
public:
    std::vector<MensagemMostrada> mensagens;
    std::deque<Resposta> respostas;
    std::deque<std::optional<std::string>> arquivosAbrir;
    std::deque<std::optional<std::string>> arquivosSalvar;
    std::deque<EscolhaFonte> fontes;
    std::deque<std::optional<std::string>> entradas;
    std::deque<std::optional<uint32_t>> cores;
    std::vector<PedidoArquivo> pedidosAbrir;
    std::vector<PedidoArquivo> pedidosSalvar;
    std::vector<FonteItem> fontesIniciais;
    std::vector<uint32_t> coresIniciais;
    int cursorOcupado = 0;  // current depth
    int vezesOcupado = 0;

    Resposta Mensagem(const std::string& texto, Icone icone, Botoes botoes, const std::string& titulo) override;
    std::optional<std::string> Entrada(const std::string& prompt, const std::string& titulo,
                                       const std::string& padrao) override;
    std::optional<std::string> AbrirArquivo(const std::string& titulo, const std::vector<FiltroArquivo>& filtros,
                                            const std::string& pastaInicial) override;
    std::optional<std::string> SalvarArquivo(const std::string& titulo, const std::vector<FiltroArquivo>& filtros,
                                             const std::string& nomeInicial) override;
    std::optional<FonteItem> EscolherFonte(const FonteItem& inicial, double& tamanhoEscolhido) override;
    std::optional<uint32_t> EscolherCor(uint32_t inicial) override;
    void CursorOcupado(bool ocupado) override;
    void Bipe() override {}

    // The text of the last message ("" when none).
    std::string Ultima() const { return mensagens.empty() ? std::string() : mensagens.back().texto; }
};

}  // namespace mobrix::teste
