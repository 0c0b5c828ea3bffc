// Random and damaged layouts drawn on the Qt surface, directly and through
// `mbxtool render`: whatever the layout holds, the page is drawn without a
// crash and within the canvas limits.
#include <gtest/gtest.h>

#include <QImageReader>
#include <QTemporaryDir>
#include <cstdlib>
#include <random>

#include "contexto_teste.h"
#include "document/arquivo_mbx.h"
#include "document/arquivos.h"
#include "document/ui/superficie_qt.h"

using namespace mobrix;

namespace {

class Sorteio {
public:
    explicit Sorteio(unsigned semente) : g_(semente) {}
    int entre(int a, int b) { return std::uniform_int_distribution<int>(a, b)(g_); }
    bool chance(int porCento) { return entre(1, 100) <= porCento; }
    template <class T, size_t N>
    T um(const T (&v)[N]) { return v[static_cast<size_t>(entre(0, static_cast<int>(N) - 1))]; }

    std::string Opcoes() {
        std::string s(10, '0');
        for (char& c : s) c = chance(70) ? "01"[entre(0, 1)] : static_cast<char>(entre(0, 255));
        return s;
    }
    std::string Texto() {
        static const char* const Pedacos[] = {
            "Texto", "{n}", "{/n}", "{I}", "{/i}", "{s}", "{/S}", "{r}", "{/r}", "{e}", "\r\n", "  ", " ",
            "(%_pag_%)", "(%_SEM_%)", "(%_07_%)", "<%_F,300,0,0_%>", "<%_T,1,2_%>", "<%_L,9,9,9", "_%>", "\"",
            "\"logo.bmp\"", "\"12\"", "\"-4\"", "\"99999999999\"", "\xE7\xE3o", "x", "0123456789", "\t", "\x81"};
        std::string s;
        for (int n = entre(0, 8); n > 0; --n) s += um(Pedacos);
        return s;
    }
    int32_t Medida() {
        switch (entre(0, 9)) {
            case 0: return entre(-100, 0);
            case 1: return chance(50) ? INT32_MAX : INT32_MIN;
            case 2: return entre(1000, 100000);
            default: return entre(1, 300);
        }
    }

private:
    std::mt19937 g_;
};

Documento LayoutAleatorio(unsigned semente) {
    Sorteio r(semente);
    Documento d;
    NovoLayout(d);
    static const uint8_t Tipos[] = {0, 1, 2, 31, 32, 33, 34, 35, 36, 37, 38, 39, 60, 80, 7, 255};
    d.Bandas.clear();
    const bool hostil = r.chance(15);
    for (int b = r.entre(1, hostil ? 4 : 25); b > 0; --b) {
        Banda banda;
        banda.Altura = hostil ? r.Medida() : r.entre(-5, 120);
        banda.Deslocamento = hostil ? r.Medida() : r.entre(-40, 40);
        banda.Comentario = r.chance(30) ? "coment\xE1rio" : "";
        for (int k = r.entre(1, hostil ? 3 : 8); k > 0; --k) {
            Item it = NovoItem(FonteInicialPadrao(), k, r.entre(1, 250));
            if (hostil) it.Largura = r.Medida(), it.Esquerda = r.Medida();
            it.Tipo = r.um(Tipos);
            it.Texto = r.Texto();
            it.Linhas = Texto10(r.Opcoes());
            it.Atributos = Texto10(r.Opcoes());
            it.CorTexto = static_cast<uint8_t>(r.entre(0, 255));
            it.CorFundo = static_cast<uint8_t>(r.chance(50) ? 99 : r.entre(0, 255));
            it.CorLinhas = static_cast<uint8_t>(r.entre(0, 255));
            it.Espessura = static_cast<uint8_t>(r.chance(90) ? r.entre(0, 4) : r.entre(0, 255));
            it.Fonte.Tamanho = static_cast<int16_t>(r.chance(90) ? r.entre(6, 24) : r.entre(-5, 99));
            it.Fonte.Nome = r.chance(90) ? "Arial" : r.chance(50) ? "" : "Fonte Inexistente";
            it.Fonte.Negrito = r.chance(30);
            it.Fonte.Italico = r.chance(20);
            banda.Itens.push_back(it);
        }
        d.Bandas.push_back(banda);
    }
    d.Config.Paisagem = r.chance(30);
    d.Config.FimCabecalho = r.entre(0, d.NumBandas());
    d.Config.InicioRodape = r.entre(0, d.NumBandas());
    if (r.chance(40)) d.Config.Quebras.push_back(static_cast<int16_t>(r.entre(1, d.NumBandas())));
    d.BandaSel = static_cast<int16_t>(r.entre(1, d.NumBandas()));
    return d;
}

}  // namespace

TEST(LayoutsAleatorios, DesenhamSemFalhaDentroDosLimites) {
    for (unsigned semente = 1; semente <= 30; ++semente) {
        teste::Bancada<SuperficieQt> b;
        b.doc = LayoutAleatorio(semente);
        b.Exibir();
        ResultadoPagina r = b.Exibir();
        EXPECT_GE(r.largura, 1120) << semente;
        EXPECT_LE(r.largura, LadoMaximoPagina) << semente;
        EXPECT_LE(int64_t{r.largura} * r.altura, PixelsMaximosPagina) << semente;
        for (const Banda& banda : b.doc.Bandas) EXPECT_NE(banda.Altura, 0) << semente;
    }
}

TEST(LayoutsAleatorios, MbxtoolRender) {
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    const std::string mbxtool = std::string(MOBRIX_BIN_DIR) + "/mbxtool";
    for (unsigned semente = 100; semente < 104; ++semente) {
        const std::string layout = pasta.filePath(QString("l%1.mbx").arg(semente)).toStdString();
        const std::string png = pasta.filePath(QString("l%1.png").arg(semente)).toStdString();
        GravacaoMBX g = GravarMBX(LayoutAleatorio(semente));
        ASSERT_TRUE(g.ok);
        ASSERT_TRUE(GravarArquivoAtomico(layout, g.bytes).ok());
        const std::string comando = "'" + mbxtool + "' render '" + layout + "' -o '" + png + "' 2>/dev/null";
        EXPECT_EQ(std::system(comando.c_str()), 0) << semente;
        EXPECT_GE(QImageReader(QString::fromStdString(png)).size().width(), 1120) << semente;
    }
    EXPECT_NE(std::system(("'" + mbxtool + "' render /nao/existe.mbx -o x.png 2>/dev/null").c_str()), 0);
}
