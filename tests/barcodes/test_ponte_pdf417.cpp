// The PDF417 bridge against a fake library: binding, the working directory,
// painting of the returned bitmap and distrust of what the library returns.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>

#include "barcodes/ponte_pdf417.h"
#include "dialogos_falsos.h"
#include "simbologias.h"
#include "pasta_teste.h"
#include "portas_falsas.h"
#include "superficie_falsa.h"

using namespace mobrix;
using teste::SuperficieFalsa;

namespace {

struct Chamada {
    std::filesystem::path pasta;
    std::string texto;
};

// What the fake GetPDF417 returns, and what it saw.
struct BibliotecaFalsa {
    int32_t resultado = 1, comprimento = 0, colunas = 0;
    std::vector<unsigned char> bytes;
    std::vector<Chamada> chamadas;
} biblioteca;

int32_t GetPDF417Falsa(const char* texto, char* bitmap, int32_t* comprimento, int32_t* colunas) {
    biblioteca.chamadas.push_back({std::filesystem::current_path(), texto});
    std::copy(biblioteca.bytes.begin(), biblioteca.bytes.end(), bitmap);
    *comprimento = biblioteca.comprimento;
    *colunas = biblioteca.colunas;
    return biblioteca.resultado;
}

// Rows of '#' (dark) and '.' as the library's bitmap: dark modules are 0 bits,
// the padding at the end of each row 1 bits.
void Devolver(const std::vector<std::string>& linhas) {
    const int colunas = static_cast<int>(linhas.at(0).size()), porLinha = (colunas + 7) / 8;
    biblioteca.bytes.clear();
    for (const std::string& linha : linhas) {
        std::vector<unsigned char> bytes(static_cast<size_t>(porLinha), 0xFF);
        for (int x = 0; x < colunas; ++x)
            if (linha[x] == '#') bytes[x / 8] &= static_cast<unsigned char>(~(0x80 >> (x % 8)));
        biblioteca.bytes.insert(biblioteca.bytes.end(), bytes.begin(), bytes.end());
    }
    biblioteca.colunas = colunas;
    biblioteca.comprimento = static_cast<int32_t>(biblioteca.bytes.size());
}

const std::string Vazia8x8 = [] {
    std::string s;
    for (int i = 0; i < 8; ++i) s += "........\n";
    return s;
}();

class PontePDF417Teste : public ::testing::Test {
protected:
    void SetUp() override {
        biblioteca = {};
        sistema.funcoes["pdf417enc/GetPDF417"] = reinterpret_cast<void*>(&GetPDF417Falsa);
    }
    teste::PastaTeste raiz;
    teste::SistemaFalso sistema{raiz.caminho()};
    // The temporary folder without its final '/', as paths compare.
    std::filesystem::path pasta = std::filesystem::path(sistema.PastaTemporaria()).parent_path();
    PontePDF417 ponte{sistema};
    SuperficieFalsa s{3, 3};
};

}  // namespace

TEST_F(PontePDF417Teste, TextoVazioNaoChamaABiblioteca) {
    ponte.DesenharPDF417(s, "", 0);
    EXPECT_EQ(s.Arte(), Vazia8x8);
    EXPECT_TRUE(sistema.pedidos.empty());
    EXPECT_TRUE(biblioteca.chamadas.empty());
}

TEST_F(PontePDF417Teste, PintaCadaLinhaComTresPixelsEmTodosOsAngulos) {
    const std::vector<std::string> linhas = {"#.##......#", ".#.......##"};
    std::vector<std::string> esperada;
    for (const std::string& l : linhas) esperada.insert(esperada.end(), 3, l);
    Devolver(linhas);
    for (int16_t angulo : {0, 90, 180, 270}) {
        ponte.DesenharPDF417(s, "dados", angulo);
        EXPECT_EQ(s.Arte(), teste::Girar(esperada, angulo)) << angulo;
    }
    ponte.DesenharPDF417(s, "dados", 45);
    EXPECT_EQ(s.Arte(), teste::Girar(esperada, 0));
    // Bound once, by name, at the first drawing.
    EXPECT_EQ(sistema.pedidos, std::vector<std::string>{"pdf417enc/GetPDF417"});
    ASSERT_EQ(biblioteca.chamadas.size(), 5u);
    EXPECT_EQ(biblioteca.chamadas[0].texto, "dados");
    EXPECT_TRUE(ponte.ErroDeCarga().empty());
}

TEST_F(PontePDF417Teste, TamanhoDoSimboloEGiro) {
    Devolver(std::vector<std::string>(10, std::string(86, '#')));
    ponte.DesenharPDF417(s, "A", 0);
    EXPECT_EQ(s.Largura(), 86);
    EXPECT_EQ(s.Altura(), 30);
    ponte.DesenharPDF417(s, "A", 90);
    EXPECT_EQ(s.Largura(), 30);
    EXPECT_EQ(s.Altura(), 86);
}

TEST_F(PontePDF417Teste, ChamaNaPastaTemporariaERestauraAPasta) {
    const std::filesystem::path antes = std::filesystem::current_path();
    Devolver({"#"});
    ponte.DesenharPDF417(s, "ok", 0);
    EXPECT_EQ(std::filesystem::current_path(), antes);
    biblioteca.resultado = 0;
    ponte.DesenharPDF417(s, "falha", 0);
    EXPECT_EQ(std::filesystem::current_path(), antes);
    EXPECT_EQ(s.Arte(), Vazia8x8);
    ASSERT_EQ(biblioteca.chamadas.size(), 2u);
    EXPECT_EQ(biblioteca.chamadas[0].pasta, pasta);
    EXPECT_EQ(biblioteca.chamadas[1].pasta, pasta);
}

TEST_F(PontePDF417Teste, PastaTemporariaInacessivelNaoImpedeODesenho) {
    const std::filesystem::path antes = std::filesystem::current_path();
    std::filesystem::remove(pasta);
    Devolver({"#"});
    ponte.DesenharPDF417(s, "ok", 0);
    EXPECT_EQ(std::filesystem::current_path(), antes);
    EXPECT_EQ(s.Arte(), "#\n#\n#\n");
}

TEST_F(PontePDF417Teste, ResultadoDaBibliotecaEConferidoAntesDeUsar) {
    struct {
        int32_t comprimento, colunas;
    } hostis[] = {
        {4193, 8},  // past the buffer
        {-1, 8},           {0, 8},     {INT32_MAX, 8},
        {3, 10},           // not whole rows of 2 bytes
        {4, 0},            {4, -8},    {4, INT32_MIN},
        {4192, 4192 * 8 + 1},  // more columns than the buffer has bits
    };
    for (const auto& h : hostis) {
        biblioteca.comprimento = h.comprimento;
        biblioteca.colunas = h.colunas;
        ponte.DesenharPDF417(s, "x", 0);
        EXPECT_EQ(s.Arte(), Vazia8x8) << h.comprimento << " " << h.colunas;
    }
    // The largest bitmap the buffer can hold is accepted.
    biblioteca.comprimento = 4192;
    biblioteca.colunas = 8;
    ponte.DesenharPDF417(s, "x", 0);
    EXPECT_EQ(s.Largura(), 8);
    EXPECT_EQ(s.Altura(), 4192 * 3);
}

TEST_F(PontePDF417Teste, SemBibliotecaDesenhaVazioEInformaOMotivoUmaVez) {
    teste::DialogosFalsos dialogos;
    ponte.InformarErroDeCarga(&dialogos);  // nothing failed yet
    EXPECT_TRUE(dialogos.mensagens.empty());
    sistema.funcoes.clear();
    ponte.DesenharPDF417(s, "A", 0);
    EXPECT_EQ(s.Arte(), Vazia8x8);
    EXPECT_EQ(ponte.ErroDeCarga(), "biblioteca ausente");
    ponte.InformarErroDeCarga(&dialogos);
    ponte.DesenharPDF417(s, "B", 90);
    EXPECT_EQ(s.Arte(), Vazia8x8);
    ponte.InformarErroDeCarga(&dialogos);
    ASSERT_EQ(dialogos.mensagens.size(), 1u);
    EXPECT_EQ(dialogos.Ultima(), "biblioteca ausente");
    EXPECT_EQ(sistema.pedidos.size(), 1u);  // not retried on every drawing
}
