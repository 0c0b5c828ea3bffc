// "&Visualizar" end to end: the command text in Windows-1252 in Mobrix.tmp
// of the private temporary folder, and a test runtime first on PATH that
// records the arguments it was started with.
#include <gtest/gtest.h>

#include <QMainWindow>
#include <QThread>
#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "app/acoes_saida.h"
#include "dialogos_falsos.h"
#include "document/ui/sistema_qt.h"
#include "output/comandos.h"
#include "pasta_teste.h"
#include "portas_falsas.h"
#include "vista_falsa.h"

using namespace mobrix;
using namespace mobrix::teste;

namespace {

namespace fs = std::filesystem;

class Visualizar : public ::testing::Test {
protected:
    PastaTeste pasta;
    std::string pathAntigo = std::getenv("PATH") ? std::getenv("PATH") : "";
    DialogosFalsos dialogos;
    ConfiguracoesFalsas cfg;
    AreaTransferenciaFalsa area;
    SistemaQt sistema;
    VistaFalsa vista;
    Editor ed{PortasEditor{dialogos, cfg, area, sistema, vista}};
    PontePDF417 pdf417{sistema};
    QMainWindow janela;
    Menus m;
    std::string registro = pasta / "argumentos.txt";

    void SetUp() override {
        CriarMenus(janela.menuBar(), m);
        ConectarAcoesSaida(m, {ed, PortasEditor{dialogos, cfg, area, sistema, vista}, pdf417, &janela});
        ed.NovoMBX();
        ed.doc().banda(1).item(1).Texto = "Relat\xF3rio \x80 10";  // ó and the euro sign
        setenv("MOBRIX_REGISTRO", registro.c_str(), 1);
    }
    void TearDown() override { setenv("PATH", pathAntigo.c_str(), 1); }

    // A runtime named Mobrix first on PATH that writes one argument a line.
    void InstalarRuntime() {
        const std::string pastaBin = pasta / "bin";
        fs::create_directories(pastaBin);
        GravarTudo(pastaBin + "/Mobrix",
                   "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$MOBRIX_REGISTRO.part\" && "
                   "mv \"$MOBRIX_REGISTRO.part\" \"$MOBRIX_REGISTRO\"\n");
        fs::permissions(pastaBin + "/Mobrix", fs::perms::owner_all);
        setenv("PATH", (pastaBin + ":" + pathAntigo).c_str(), 1);
    }
    void SemRuntime() {
        fs::create_directories(pasta / "vazia");
        setenv("PATH", (pasta / "vazia").c_str(), 1);
    }
    // The arguments the runtime received; empty when it did not run.
    std::string Argumentos(std::chrono::milliseconds espera = std::chrono::seconds(10)) {
        const auto fim = std::chrono::steady_clock::now() + espera;
        while (!fs::exists(registro) && std::chrono::steady_clock::now() < fim) QThread::msleep(20);
        return fs::exists(registro) ? LerTudo(registro) : std::string();
    }
};

}  // namespace

TEST_F(Visualizar, GravaOTextoEIniciaORuntimeComOsArgumentos) {
    InstalarRuntime();
    m.mnuEditarVisualizar->trigger();
    const std::string tmp = sistema.PastaTemporaria() + "Mobrix.tmp";
    EXPECT_EQ(Argumentos(), "/G\n" + tmp + "\n/T\nMobrix\n/SE\n");
    EXPECT_TRUE(dialogos.mensagens.empty()) << dialogos.Ultima();
    const std::string gravado = LerTudo(tmp);
    EXPECT_EQ(gravado, GerarComandos(ed.doc()));
    EXPECT_NE(gravado.find("Relat\xF3rio \x80 10\r\n"), std::string::npos);
    // The temporary folder is the user's own.
    EXPECT_EQ(fs::status(sistema.PastaTemporaria()).permissions() & fs::perms::all, fs::perms::owner_all);
}

TEST_F(Visualizar, EnviarPorEmailAcrescentaOEndereco) {
    InstalarRuntime();
    m.mnuConfigEnviarEmail->trigger();
    m.mnuEditarVisualizar->trigger();
    const std::string tmp = sistema.PastaTemporaria() + "Mobrix.tmp";
    EXPECT_EQ(Argumentos(), "/G\n" + tmp + "\n/T\nMobrix\n/ED\ndestinatario@exemplo.com.br\n/SE\n");
}

TEST_F(Visualizar, RuntimeAusente) {
    SemRuntime();
    m.mnuEditarVisualizar->trigger();
    ASSERT_EQ(dialogos.mensagens.size(), 1u);
    EXPECT_EQ(dialogos.mensagens[0].texto, "O Mobrix não foi encontrado, ou não está instalado!");
    EXPECT_EQ(dialogos.mensagens[0].icone, Icone::Exclamacao);
    EXPECT_EQ(dialogos.mensagens[0].titulo, "Visualizar");
}

TEST_F(Visualizar, ArquivoTemporarioQueNaoPodeSerGravadoNaoIniciaORuntime) {
    InstalarRuntime();
    const std::string tmp = sistema.PastaTemporaria() + "Mobrix.tmp";
    fs::remove_all(tmp);
    fs::create_directories(tmp + "/ocupado");  // a folder where the file should be
    m.mnuEditarVisualizar->trigger();
    ASSERT_EQ(dialogos.mensagens.size(), 1u);
    EXPECT_EQ(dialogos.mensagens[0].titulo, "Visualizar");
    EXPECT_NE(dialogos.mensagens[0].texto.find(tmp), std::string::npos);
    EXPECT_EQ(Argumentos(std::chrono::milliseconds(500)), "");
    fs::remove_all(tmp);
}
