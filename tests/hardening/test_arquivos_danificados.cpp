// Every damaged layout and template of tests/data/bad is refused with the
// message recorded beside it, and opening one in the editor keeps the
// document that was open. MOBRIX_GRAVAR_MENSAGENS=1 records the messages anew.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "document/arquivo_layout.h"
#include "document/arquivos.h"
#include "document/operacoes.h"
#include "editor_falso.h"
#include "output/pasta_linguagens.h"

using namespace mobrix;
using namespace mobrix::teste;
namespace fs = std::filesystem;

namespace {

const fs::path kPasta = fs::path(MOBRIX_TEST_DATA) / "bad";

std::vector<fs::path> Arquivos(const std::string& extensao) {
    std::vector<fs::path> lista;
    for (const auto& e : fs::directory_iterator(kPasta))
        if (e.path().extension() == extensao) lista.push_back(e.path());
    std::sort(lista.begin(), lista.end());
    return lista;
}

// The message with the file's path written as {arquivo}, so that the
// recorded text does not depend on where the repository lies.
std::string SemCaminho(std::string mensagem, const std::string& caminho) {
    for (size_t p; (p = mensagem.find(caminho)) != std::string::npos;) mensagem.replace(p, caminho.size(), "{arquivo}");
    return mensagem;
}

void Conferir(const fs::path& arquivo, const std::string& mensagem) {
    ASSERT_FALSE(mensagem.empty()) << arquivo;
    const std::string esperado = arquivo.string() + ".msg";
    if (std::getenv("MOBRIX_GRAVAR_MENSAGENS")) {
        ASSERT_TRUE(GravarArquivoAtomico(esperado, mensagem + "\n").ok());
        return;
    }
    std::string gravado;
    ASSERT_TRUE(LerArquivo(esperado, gravado).ok()) << "no recorded message for " << arquivo;
    EXPECT_EQ(mensagem + "\n", gravado) << arquivo;
}

}  // namespace

TEST(ArquivosDanificados, CadaLayoutTemSuaMensagem) {
    const auto layouts = Arquivos(".mbx");
    ASSERT_GT(layouts.size(), 60u);
    for (const fs::path& p : layouts) {
        AberturaLayout a = AbrirLayout(p.string());
        EXPECT_FALSE(a.ok()) << p;
        EXPECT_TRUE(a.layout.Bandas.empty()) << p;
        Conferir(p, SemCaminho(a.mensagem, p.string()));
    }
}

TEST(ArquivosDanificados, CadaModeloTemSuaMensagem) {
    const auto modelos = Arquivos(".lin");
    ASSERT_GT(modelos.size(), 8u);
    for (const fs::path& p : modelos) {
        DialogosFalsos dialogos;
        Linguagem linguagem = NovaLin();
        const Linguagem antes = linguagem;
        bool cobol = false;
        const PastasLinguagem pastas{kPasta.string() + "/", ""};
        EXPECT_FALSE(LerLinguagem(p.stem().string(), pastas, linguagem, cobol, dialogos)) << p;
        EXPECT_TRUE(linguagem == antes) << p;
        ASSERT_EQ(dialogos.mensagens.size(), 1u) << p;
        EXPECT_EQ(dialogos.mensagens[0].titulo, "Ler Linguagem");
        Conferir(p, SemCaminho(dialogos.mensagens[0].texto, p.string()));
    }
}

TEST(ArquivosDanificados, OEditorMantemODocumentoAberto) {
    EditorComFalsos e;
    e.ed.NovoMBX();
    AddBanda(e.ed.doc(), 0, false, 0, 0);
    e.ed.doc().banda(2).item(1).Texto = "meu trabalho";
    const std::string salvo = e.pasta / "meu.mbx";
    ASSERT_TRUE(SalvarLayout(salvo, e.ed.doc()).ok);
    ASSERT_TRUE(e.ed.AbrirMBX(salvo));
    const Layout antes = e.ed.doc();
    for (const fs::path& p : Arquivos(".mbx")) {
        const size_t mensagens = e.dialogos.mensagens.size();
        EXPECT_FALSE(e.ed.AbrirMBX(p.string())) << p;
        ASSERT_EQ(e.dialogos.mensagens.size(), mensagens + 1) << p;
        EXPECT_TRUE(static_cast<const Layout&>(e.ed.doc()) == antes) << p;
        EXPECT_EQ(e.ed.doc().NomeArquivo, salvo) << p;
    }
}
