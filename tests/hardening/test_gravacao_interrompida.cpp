// A save killed at any moment leaves the previous layout file whole: the new
// file is written beside it and renamed over it only when complete.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <thread>

#include "document/arquivo_layout.h"
#include "document/operacoes.h"
#include "pasta_teste.h"

using namespace mobrix;

namespace {

// A layout big enough that writing it takes a while.
Documento Grande(int bandas, const std::string& marca) {
    Documento d;
    NovoLayout(d);
    for (int b = 1; b < bandas; ++b) AddBanda(d, 0, false, 0, 0);
    for (Banda& b : d.Bandas) b.item(1).Texto = marca + std::string(200, 'x');
    return d;
}

}  // namespace

TEST(GravacaoInterrompida, ArquivoAnteriorSobreviveAMorteDoProcesso) {
    teste::PastaTeste pasta;
    const std::string alvo = pasta / "relatorio.mbx";
    const Documento antigo = Grande(2000, "antigo");
    const Documento novo = Grande(3000, "novo");
    ASSERT_TRUE(SalvarLayout(alvo, antigo).ok);

    // Kills land at random moments; go on until several fell in the middle
    // of writing (their unfinished file is the hidden temporary one beside
    // the layout, never the layout itself).
    auto temporarios = [&] {
        int n = 0;
        for (const auto& e : std::filesystem::directory_iterator(pasta.caminho()))
            n += e.path().filename().string().starts_with(".relatorio.mbx.");
        return n;
    };
    std::mt19937 acaso(20261207);
    for (int rodada = 0; rodada < 400 && temporarios() < 3; ++rodada) {
        const pid_t filho = ::fork();
        ASSERT_GE(filho, 0);
        if (filho == 0) {
            // Save again and again until killed.
            for (;;) SalvarLayout(alvo, (rodada % 2) ? novo : antigo);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(acaso() % 30000));
        ::kill(filho, SIGKILL);
        int estado = 0;
        ::waitpid(filho, &estado, 0);

        AberturaLayout lido = AbrirLayout(alvo);
        ASSERT_TRUE(lido.ok()) << "round " << rodada << ": " << lido.mensagem;
        const Layout& l = lido.layout;
        EXPECT_TRUE(l == static_cast<const Layout&>(antigo) || l == static_cast<const Layout&>(novo))
            << "round " << rodada;
    }
    EXPECT_GE(temporarios(), 3);
}
