#include <gtest/gtest.h>

#include <filesystem>

#include "dialogos_falsos.h"
#include "pasta_teste.h"
#include "portas_falsas.h"
#include "document/arquivos.h"
#include "document/binario.h"
#include "layout_exemplo.h"
#include "output/codigo.h"
#include "output/linguagem.h"
#include "output/pasta_linguagens.h"

using namespace mobrix;
using namespace mobrix::teste;
namespace fs = std::filesystem;

namespace {

Linguagem Preenchida() {
    Linguagem l = NovaLin();
    l.Variaveis = "01 LINHA PIC X(300).";
    l.ChamadaMobrix = "CALL 'SYSTEM'\r\n";
    return l;
}

// A fresh pair of template folders under the test's temporary folder.
class PastasTeste : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(pastas.programa); }
    void Escrever(const std::string& pasta, const std::string& nome, const std::string& bytes) {
        fs::create_directories(pasta);
        ASSERT_TRUE(GravarArquivoAtomico(pasta + nome, bytes).ok());
    }

    PastaTeste raiz;
    PastasLinguagem pastas{raiz / "programa/", raiz / "usuario/"};
};

}  // namespace

TEST(Lin, NovaLinguagemTemALegenda) {
    Linguagem l = NovaLin();
    EXPECT_EQ(l.Variaveis, "");
    EXPECT_EQ(l.ChamadaMobrix, "");
    EXPECT_EQ(l.ComandosSimples, "\xA7" "c = Comando");
    EXPECT_EQ(l.ComandoRH, "\xA7" "c = Comando\r\n\xA7" "rh = Row Height");
    EXPECT_EQ(l.ComandoF.substr(l.ComandoF.rfind('\n') + 1), "\xA7" "f = Nome da Fonte x(n)");
    EXPECT_NE(l.ComandoF.find("\xA7i = It\xE1lico 9(1)\r\n"), std::string::npos);
    EXPECT_NE(l.ComandoL.find("\r\n\xA7" "el = Espessura da linha 9(2)"), std::string::npos);
    EXPECT_NE(l.ComandoT.find("\xA7" "cl = Cor do texto 9(2)\r\n"), std::string::npos);
    EXPECT_EQ(l.ComentarioInicial, "*** Aqui podem ser inseridos comandos ou coment\xE1rios iniciais ***");
    EXPECT_EQ(&CampoDaOpcao(l, 7), &l.ComentarioInicial);
    EXPECT_EQ(&CampoDaOpcao(l, 4), &l.ComandoRH);
    EXPECT_STREQ(LegendaDaOpcao(5), "Comandos &Simples");
}

TEST(Lin, GravarELerDeVolta) {
    Linguagem l = Preenchida();
    std::optional<std::string> bytes = GravarLin(l);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->substr(0, 6), std::string("\x01\x00\x00\x00\x14\x00", 6));  // version 1, then 20 bytes
    EXPECT_EQ(LerLin(*bytes), l);
    l.ComandoT.assign(70000, 'x');
    EXPECT_FALSE(GravarLin(l));
}

TEST(Lin, ArquivoDanificadoNuncaDerruba) {
    const std::string bytes = *GravarLin(Preenchida());
    // Every truncation is refused, none reads past the end.
    for (size_t n = 0; n < bytes.size(); ++n) EXPECT_FALSE(LerLin(bytes.substr(0, n))) << n;
    std::string versao2 = bytes;
    versao2[0] = 2;
    EXPECT_FALSE(LerLin(versao2));
    std::string comprido = bytes;
    comprido[4] = '\xFF';  // first length 65535, past the end
    comprido[5] = '\xFF';
    EXPECT_FALSE(LerLin(comprido));
}

TEST_F(PastasTeste, ListagemDasDuasPastasOrdenadaSemCaixa) {
    const std::string lin = *GravarLin(NovaLin());
    for (const char* n : {"cobol.lin", "Basic.lin", "zeta.lin", "\xC3\x81gua.lin", "nao.txt", "x.LIN", ".lin"})
        Escrever(pastas.programa, n, lin);
    fs::create_directories(pastas.programa + "pasta.lin");
    Escrever(pastas.usuario, "C.lin", lin);
    Escrever(pastas.usuario, "zeta.lin", lin);
    EXPECT_EQ(ListarLinguagens(pastas),
              (std::vector<std::string>{"\xC3\x81gua", "Basic", "C", "cobol", "zeta"}));
    EXPECT_EQ(ListarLinguagens({"/nao/existe/", ""}), std::vector<std::string>{});
}

TEST(Lin, LinguagemDoCpySemCaixa) {
    const std::vector<std::string> nomes = {"\xC3\x81gua", "C", "Cobol ANSI"};
    EXPECT_EQ(PosicaoLinguagem(nomes, "cobol ansi"), 2);
    EXPECT_EQ(PosicaoLinguagem(nomes, "\xC3\xA1GUA"), 0);  // accented capitals too
    EXPECT_EQ(PosicaoLinguagem(nomes, "Cobol"), -1);
    EXPECT_EQ(PosicaoLinguagem(nomes, ""), -1);
}

TEST_F(PastasTeste, CopiaDoUsuarioVenceEGravacaoVaiParaEla) {
    Linguagem programa = NovaLin();
    programa.ComandosSimples = "programa";
    Escrever(pastas.programa, "C.lin", *GravarLin(programa));
    DialogosFalsos d;
    Linguagem l;
    bool cobol = true;
    ASSERT_TRUE(LerLinguagem("C", pastas, l, cobol, d));
    EXPECT_EQ(l.ComandosSimples, "programa");
    EXPECT_FALSE(cobol);

    l.ComandosSimples = "usuario";
    EXPECT_EQ(SalvarLin("C", l, pastas), "");  // creates the user's folder
    EXPECT_TRUE(fs::exists(pastas.usuario + "C.lin"));
    ASSERT_TRUE(LerLinguagem("C", pastas, l, cobol, d));
    EXPECT_EQ(l.ComandosSimples, "usuario");
    EXPECT_TRUE(d.mensagens.empty());

    EXPECT_TRUE(ExcluirLinguagem("C", pastas));
    EXPECT_FALSE(LinguagemExiste("C", pastas));
}

TEST_F(PastasTeste, MensagensDeLerLinguagem) {
    DialogosFalsos d;
    Linguagem l = NovaLin();
    const Linguagem antes = l;
    bool cobol = false;
    EXPECT_FALSE(LerLinguagem("Falta", pastas, l, cobol, d));
    ASSERT_EQ(d.mensagens.size(), 1u);
    EXPECT_EQ(d.mensagens[0].texto, "O Arquivo '" + pastas.programa + "Falta.lin' não foi encontrado!");
    EXPECT_EQ(d.mensagens[0].titulo, "Ler Linguagem");
    EXPECT_EQ(d.mensagens[0].icone, Icone::Exclamacao);

    Escrever(pastas.programa, "Meu COBOL.lin", GravarLin(NovaLin())->substr(0, 30));
    EXPECT_FALSE(LerLinguagem("Meu COBOL", pastas, l, cobol, d));
    EXPECT_EQ(d.mensagens.back().texto, "O arquivo '" + pastas.programa + "Meu COBOL.lin' é inválido!");
    EXPECT_EQ(l, antes);
    EXPECT_FALSE(cobol);

    Escrever(pastas.programa, "Meu COBOL.lin", *GravarLin(NovaLin()));
    EXPECT_TRUE(LerLinguagem("Meu COBOL", pastas, l, cobol, d));
    EXPECT_TRUE(cobol);
}

TEST(Lin, NomesETextosDoDialogo) {
    EXPECT_EQ(SanitizarNomeLinguagem("a\\b/c:d*e?f<g>h|i\"j"), "a_b_c_d_e_f_g_h_i_j");
    EXPECT_EQ(SanitizarNomeLinguagem("Cobol ANSI"), "Cobol ANSI");
    EXPECT_EQ(SanitizarNomeLinguagem(" \tC \r\n"), "C");
    EXPECT_EQ(MensagemExclusaoFalhou("/a/C.lin"), "N\xC3\xA3o foi poss\xC3\xADvel excluir o arquivo '/a/C.lin'!");
    EXPECT_EQ(MensagemLinguagemExiste("C"), "A linguagem 'C' já existe!");
    EXPECT_EQ(PerguntaExcluirLinguagem("C"), "Confirma a exclusão da linguagem 'C'?");
}

TEST_F(PastasTeste, CopiarComoEArquivoCpy) {
    Linguagem l;
    l.ComandosSimples = "S \xA7" "c";
    Escrever(pastas.programa, "Simples.lin", *GravarLin(l));
    const Documento d = Exemplo();
    DialogosFalsos dialogos;
    AreaTransferenciaFalsa area;
    area.texto = "antigo";
    EXPECT_FALSE(CopiarCodigoComo(d, "Nenhuma", pastas, false, area, dialogos));
    EXPECT_EQ(area.texto, "antigo");
    ASSERT_TRUE(CopiarCodigoComo(d, "Simples", pastas, false, area, dialogos));
    EXPECT_EQ(area.limpezas, 1);
    EXPECT_EQ(area.texto, GerarCodigo(d, l, {}));

    const std::string cpy = raiz / "relatorio.cpy";
    EXPECT_EQ(SalvarCpy(d, cpy, "", pastas, false, dialogos), std::nullopt);
    std::optional<CopiaCodigo> r = SalvarCpy(d, cpy, "Simples", pastas, false, dialogos);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->resultado, ResultadoCopia::Gravado);
    std::string gravado;
    ASSERT_TRUE(LerArquivo(cpy, gravado).ok());
    EXPECT_EQ(gravado, GerarCodigo(d, l, {}) + "\r\n");
    const size_t mensagens = dialogos.mensagens.size();

    dialogos.respostas.push_back(Resposta::Nao);  // the existing file is kept
    ASSERT_TRUE(GravarArquivoAtomico(cpy, "meu").ok());
    EXPECT_EQ(SalvarCpy(d, cpy, "Simples", pastas, false, dialogos)->resultado, ResultadoCopia::Recusado);
    ASSERT_EQ(dialogos.mensagens.size(), mensagens + 1);
    EXPECT_EQ(dialogos.mensagens.back().texto, cpy + "\r\rO arquivo acima já existe!\r\rDeseja substituí-lo?");
    EXPECT_EQ(dialogos.mensagens.back().titulo, "Salvar");
    LerArquivo(cpy, gravado);
    EXPECT_EQ(gravado, "meu");

    r = SalvarCpy(d, raiz / "nao/x.cpy", "Simples", pastas, false, dialogos);
    EXPECT_EQ(r->resultado, ResultadoCopia::ErroGravar);
    EXPECT_NE(r->mensagem.find("x.cpy"), std::string::npos);
}
