#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "document/arquivos.h"
#include "subcomando.h"

namespace mbxtool {

std::vector<Subcomando>& Registro() {
    static std::vector<Subcomando> registro;
    return registro;
}

void ImprimirMensagem(const std::string& mensagem) {
    std::string s = mensagem;
    for (char& c : s)
        if (c == '\r') c = '\n';
    std::fprintf(stderr, "%s\n", s.c_str());
}

int ErroDeUso(const std::string& motivo) {
    if (!motivo.empty()) std::fprintf(stderr, "mbxtool: %s\n", motivo.c_str());
    std::fprintf(stderr, "usage:\n");
    for (const Subcomando& s : Registro()) std::fprintf(stderr, "  mbxtool %s\n", s.uso);
    std::fprintf(stderr, "arguments after -- are never options (a TEXT or FILE that starts with '-')\n");
    return SaidaUso;
}

int EscreverSaida(const std::string& caminho, const std::string& bytes) {
    if (caminho.empty()) {
        if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() || std::fflush(stdout) != 0) {
            std::fprintf(stderr, "mbxtool: cannot write to standard output\n");
            return SaidaEscrita;
        }
        return SaidaOk;
    }
    mobrix::ErroArquivo e = mobrix::GravarArquivoAtomico(caminho, bytes);
    if (!e.ok()) {
        std::fprintf(stderr, "mbxtool: cannot write '%s': %s\n", caminho.c_str(), e.descricao.c_str());
        return SaidaEscrita;
    }
    return SaidaOk;
}

}  // namespace mbxtool

int main(int argc, char** argv) {
    using namespace mbxtool;
    if (argc < 2) return ErroDeUso("");
    const std::string nome = argv[1];
    for (const Subcomando& s : Registro()) {
        if (nome != s.nome) continue;
        std::vector<std::string> args(argv + 2, argv + argc);
        std::unique_ptr<QGuiApplication> app;
        if (s.precisaGui) {
            // A command-line tool never needs a display.
            if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
            // Qt sees only the program's name: it must not take a subcommand's
            // arguments ("-platform", "-reverse", ...) for its own options.
            static int argcQt = 1;
            app = std::make_unique<QGuiApplication>(argcQt, argv);
        }
        return s.executar(args);
    }
    return ErroDeUso("unknown subcommand '" + nome + "'");
}
