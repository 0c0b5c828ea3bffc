#pragma once
// What the page renderer needs around it in tests: recorded messages, a
// system without the PDF417 library, fixed sample dates.
#include <memory>
#include <string>
#include <vector>

#include "canvas/pagina.h"
#include "document/operacoes.h"

namespace mobrix::teste {

class DialogosGravados : public Dialogos {
public:
    struct Mensagem_ {
        std::string texto;
        Icone icone;
        std::string titulo;
    };
    std::vector<Mensagem_> mensagens;
    int cursorOcupado = 0;

    Resposta Mensagem(const std::string& texto, Icone icone, Botoes, const std::string& titulo) override {
        mensagens.push_back({texto, icone, titulo});
        return Resposta::Ok;
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
    void CursorOcupado(bool ocupado) override { cursorOcupado += ocupado ? 1 : 0; }
    void Bipe() override {}
};

class SistemaSemBiblioteca : public Sistema {
public:
    int cargas = 0;
    std::string PastaTemporaria() override { return "/tmp/"; }
    std::string PastaPrograma() override { return "/tmp/"; }
    std::string PastaDadosUsuario() override { return "/tmp/"; }
    void* CarregarFuncao(const std::string& biblioteca, const std::string&, std::string& erro) override {
        ++cargas;
        erro = "cannot load " + biblioteca;
        return nullptr;
    }
    bool IniciarPrograma(const std::string&, const std::vector<std::string>&, bool&, int&, std::string&) override {
        return false;
    }
    void AbrirDocumento(const std::string&) override {}
};

// A page, its off-screen picture and everything else a redraw needs.
template <class Sup>
struct Bancada {
    Sup pagina;
    Sup figura;
    SistemaSemBiblioteca sistema;
    PontePDF417 pdf417{sistema};
    DataHora agora;
    DialogosGravados dialogos;
    ContextoDesenho ctx{pagina, figura, pdf417, agora, &dialogos, 12};
    Pagina estado;
    Documento doc;

    Bancada() {
        NovoLayout(doc);
        estado.TamanhoInicial(pagina, 1024, &dialogos);
    }
    ResultadoPagina Exibir() { return estado.ExibirBanda(doc, ctx); }
    Item& item(int b, int k) { return doc.banda(b).item(k); }
};

}  // namespace mobrix::teste
