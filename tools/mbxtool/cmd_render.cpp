// Subcommand render: the page canvas of a layout, drawn as the editor shows it
// right after opening the file (band 1 selected), saved as PNG.
#include <QGuiApplication>
#include <QScreen>

#include "canvas/pagina.h"
#include "document/modelo.h"
#include "document/ui/sistema_qt.h"
#include "document/ui/superficie_qt.h"
#include "output/ui/variaveis_qt.h"
#include "png.h"
#include "subcomando.h"

namespace mbxtool {
namespace {

// Messages the editor would show in a box go to standard error.
class DialogosNoTerminal : public mobrix::Dialogos {
public:
    mobrix::Resposta Mensagem(const std::string& texto, mobrix::Icone, mobrix::Botoes,
                              const std::string&) override {
        ImprimirMensagem("mbxtool: " + texto);
        return mobrix::Resposta::Ok;
    }
    std::optional<std::string> Entrada(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> AbrirArquivo(const std::string&, const std::vector<mobrix::FiltroArquivo>&,
                                            const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> SalvarArquivo(const std::string&, const std::vector<mobrix::FiltroArquivo>&,
                                             const std::string&) override {
        return std::nullopt;
    }
    std::optional<mobrix::FonteItem> EscolherFonte(const mobrix::FonteItem&, double&) override {
        return std::nullopt;
    }
    std::optional<uint32_t> EscolherCor(uint32_t) override { return std::nullopt; }
    void CursorOcupado(bool) override {}
    void Bipe() override {}
};

int LarguraTela() {
    const QScreen* tela = QGuiApplication::primaryScreen();
    return tela ? tela->size().width() : 0;
}

int Render(const std::vector<std::string>& args) {
    Argumentos a = Argumentos::Analisar(args, {"-o"}, {});
    if (!a.erro.empty() || a.posicionais.size() != 1) return ErroDeUso(a.erro);
    if (a.valor("-o").empty()) return ErroDeUso("render needs -o PAGE.png");
    mobrix::Documento doc;
    if (int r = CarregarLayout(a.posicionais[0], doc); r != SaidaOk) return r;

    mobrix::SuperficieQt pagina, figura;
    mobrix::SistemaQt sistema;
    mobrix::PontePDF417 pdf417(sistema);
    DialogosNoTerminal dialogos;
    const mobrix::DataHora agora = mobrix::DataHoraAtual();
    mobrix::ContextoDesenho ctx{pagina, figura, pdf417, agora, &dialogos};
    mobrix::Pagina estado;
    estado.TamanhoInicial(pagina, LarguraTela(), &dialogos);
    estado.ExibirBanda(doc, ctx);
    return GravarPng(pagina.imagem(), a.valor("-o"), "the page could not be encoded as PNG", SaidaEscrita);
}

const Registrar r1({"render", "render LAYOUT.mbx -o PAGE.png", true, Render});

}  // namespace
}  // namespace mbxtool
