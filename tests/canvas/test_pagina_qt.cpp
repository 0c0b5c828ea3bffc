// The page renderer on the Qt surface: pixels at computed positions, and
// picture files of every format the editor reads (Windows metafiles included).
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <fstream>

#include "barcodes/codigo_por_tipo.h"
#include "contexto_teste.h"
#include "document/ui/superficie_qt.h"

using namespace mobrix;
using Bancada = teste::Bancada<SuperficieQt>;

namespace {

bool Escuro(Cor c) { return ((c >> 16) & 255) + ((c >> 8) & 255) + (c & 255) < 200; }

// First and last dark column of the rows [y1, y2).
std::pair<int, int> ColunasEscuras(const Superficie& s, int y1, int y2) {
    int primeira = -1, ultima = -1;
    for (int x = 0; x < s.Largura(); ++x)
        for (int y = y1; y < y2; ++y)
            if (Escuro(s.LerPixel(x, y))) {
                if (primeira < 0) primeira = x;
                ultima = x;
                break;
            }
    return {primeira, ultima};
}

}  // namespace

TEST(PaginaQt, CelulaLinhasEFundo) {
    Bancada b;
    Item& it = b.item(1, 1);
    it.Texto = "";
    it.Linhas = Texto10("0001010000");  // bottom and left
    it.Espessura = 2;
    it.CorLinhas = 4;
    it.CorFundo = 14;
    AddItem(b.doc, 1, false, 50);
    b.Exibir();
    const Cor linha = Rgb(128, 0, 0), fundo = Rgb(255, 255, 0);
    EXPECT_EQ(b.pagina.LerPixel(8, 20), linha);
    EXPECT_EQ(b.pagina.LerPixel(9, 20), linha);
    EXPECT_EQ(b.pagina.LerPixel(10, 20), fundo);
    EXPECT_EQ(b.pagina.LerPixel(40, 32), linha);
    EXPECT_EQ(b.pagina.LerPixel(40, 31), fundo);
    EXPECT_EQ(b.pagina.LerPixel(71, 16), fundo);
    EXPECT_EQ(b.pagina.LerPixel(72, 16), Rgb(230, 230, 230));  // the next cell's outline
    EXPECT_EQ(b.pagina.LerPixel(121, 33), Rgb(230, 230, 230));
    EXPECT_EQ(b.pagina.LerPixel(122, 33), Branco);
}

TEST(PaginaQt, TextoDentroDaCelulaECortado) {
    Bancada b;
    Item& it = b.item(1, 1);
    it.Texto = "Relatório de vendas muito longo para a célula";
    b.Exibir();
    auto [primeira, ultima] = ColunasEscuras(b.pagina, 17, 33);
    EXPECT_GE(primeira, 10);
    EXPECT_LE(ultima, 69);  // clipped to the narrowed cell
    EXPECT_GT(ultima, 40);
    it.Atributos.definir(8, true);
    b.Exibir();
    EXPECT_GT(ColunasEscuras(b.pagina, 17, 33).second, 100);
}

TEST(PaginaQt, CodigoDeBarrasCentradoEAmpliado) {
    Bancada b;
    b.doc.banda(1).Altura = 60;
    Item& it = b.item(1, 1);
    it.Tipo = TipoEAN13;
    it.Largura = 300;
    it.Texto = "\"5901234123457\"";
    it.Atributos = Texto10("1000000010");  // centred, digits shown, zoom 1
    b.Exibir();
    SuperficieQt referencia;
    DesenharCodigoLinear(referencia, TipoEAN13, 40, "5901234123457", false, 0);
    ASSERT_EQ(referencia.Altura(), 52);
    auto [k1, k2] = ColunasEscuras(referencia, 0, 40);
    const int w = referencia.Largura();
    const int x = 8 + static_cast<int>(std::nearbyint((308.0 - 8 + 1 - w) / 2));
    auto [c1, c2] = ColunasEscuras(b.pagina, 16, 16 + 40);
    EXPECT_EQ(c1, x + k1);
    EXPECT_EQ(c2, x + k2);

    it.Atributos = Texto10("0000000020");  // zoom 2: twice as wide, the band's height
    b.Exibir();
    auto [z1, z2] = ColunasEscuras(b.pagina, 20, 30);
    EXPECT_EQ(z1, 8 + 2 * k1);
    EXPECT_EQ(z2, 8 + 2 * k2 + 1);
    EXPECT_TRUE(Escuro(b.pagina.LerPixel(z1, 16 + 35)));  // bars stretched to 60 - 12 rows
}

namespace {

std::string GravarImagem(const QString& pasta, const char* nome, const char* formato) {
    QImage img(6, 4, QImage::Format_RGB32);
    img.fill(QColor(255, 0, 0));
    const QString caminho = pasta + "/" + nome;
    EXPECT_TRUE(img.save(caminho, formato)) << nome;
    return caminho.toStdString();
}

std::string GravarBytes(const QString& pasta, const char* nome, const std::string& bytes) {
    const std::string caminho = (pasta + "/" + nome).toStdString();
    std::ofstream(caminho, std::ios::binary) << bytes;
    return caminho;
}

// A 4 x 2 red BMP compressed with RLE8.
std::string BmpRle8() {
    std::string s;
    auto u16 = [&](int v) { s += char(v & 255), s += char((v >> 8) & 255); };
    auto u32 = [&](int v) { u16(v & 0xFFFF), u16(v >> 16); };
    const std::string rle = std::string("\x04\x01\x00\x00\x04\x01\x00\x01", 8);
    s += "BM";
    u32(14 + 40 + 8 + static_cast<int>(rle.size()));
    u32(0);
    u32(14 + 40 + 8);
    u32(40), u32(4), u32(2), u16(1), u16(8), u32(1), u32(static_cast<int>(rle.size())), u32(2835), u32(2835);
    u32(2), u32(2);
    s += std::string("\xFF\xFF\xFF\x00\x00\x00\xFF\x00", 8);  // white, red (BGR)
    return s + rle;
}

// A 1 x 1 GIF whose only colour is red.
std::string Gif1x1() {
    return std::string(
        "GIF89a\x01\x00\x01\x00\x80\x00\x00\xFF\x00\x00\x00\x00\x00"
        ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;",
        35);
}

// A placeable metafile, 100 x 50 pixels: a red rectangle over all of it.
std::string Wmf100x50Vermelho() {
    std::string s;
    auto u16 = [&](int v) { s += char(v & 255), s += char((v >> 8) & 255); };
    auto u32 = [&](int v) { u16(v & 0xFFFF), u16((v >> 16) & 0xFFFF); };
    u32(static_cast<int>(0x9AC6CDD7u));
    u16(0), u16(0), u16(0), u16(100), u16(50), u16(96), u32(0);
    int soma = 0;
    for (size_t i = 0; i < s.size(); i += 2) soma ^= (s[i] & 255) | ((s[i + 1] & 255) << 8);
    u16(soma);
    u16(1), u16(9), u16(0x300), u32(9 + 5 + 5 + 7 + 4 + 7 + 3), u16(1), u32(7), u16(0);
    u32(5), u16(0x020B), u16(0), u16(0);    // SetWindowOrg 0, 0
    u32(5), u16(0x020C), u16(50), u16(100); // SetWindowExt 100 x 50
    u32(7), u16(0x02FC), u16(0), u32(0x0000FF), u16(0);  // solid red brush
    u32(4), u16(0x012D), u16(0);            // select it
    u32(7), u16(0x041B), u16(50), u16(100), u16(0), u16(0);  // Rectangle
    u32(3), u16(0);                         // end
    return s;
}

// An enhanced metafile, 100 x 50 pixels: a red rectangle over all of it.
std::string Emf100x50Vermelho() {
    std::string s;
    auto u32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i) s += char((v >> (8 * i)) & 255);
    };
    const uint32_t total = 88 + 24 + 12 + 24 + 20;
    u32(1), u32(88), u32(0), u32(0), u32(99), u32(49);    // header, bounds
    u32(0), u32(0), u32(2645), u32(1322);                 // frame in 0.01 mm
    u32(0x464D4520), u32(0x10000), u32(total), u32(5);    // " EMF", version, bytes, records
    u32(2), u32(0), u32(0), u32(0);                       // handles, description, palette
    u32(1920), u32(1080), u32(508), u32(286);             // device in pixels and millimetres
    u32(39), u32(24), u32(1), u32(0), u32(0x0000FF), u32(0);  // solid red brush
    u32(37), u32(12), u32(1);                             // select it
    u32(43), u32(24), u32(0), u32(0), u32(99), u32(49);   // rectangle
    u32(14), u32(20), u32(0), u32(16), u32(20);           // end
    return s;
}

}  // namespace

TEST(PaginaQt, FigurasDeCadaFormato) {
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    const QString p = pasta.path();
    std::vector<std::string> arquivos = {
        GravarImagem(p, "a.bmp", "BMP"), GravarImagem(p, "a.png", "PNG"), GravarImagem(p, "a.jpg", "JPG"),
        GravarImagem(p, "a.ico", "ICO"), GravarBytes(p, "rle.bmp", BmpRle8()), GravarBytes(p, "a.gif", Gif1x1()),
        GravarBytes(p, "a.wmf", Wmf100x50Vermelho()), GravarBytes(p, "a.emf", Emf100x50Vermelho()),
    };
    {
        std::ifstream ico(arquivos[3], std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(ico)), {});
        bytes[2] = 2;  // a cursor is an icon of type 2
        arquivos.push_back(GravarBytes(p, "a.cur", bytes));
    }
    for (const std::string& arquivo : arquivos) {
        Bancada b;
        b.item(1, 1).Tipo = TipoFigura;
        b.item(1, 1).Texto = "\"" + arquivo + "\"";
        b.Exibir();
        const Cor c = b.pagina.LerPixel(8 + b.figura.Largura() / 2, 16 + b.figura.Altura() / 2);
        EXPECT_GT((c >> 16) & 255, 200u) << arquivo;
        EXPECT_LT((c >> 8) & 255, 60u) << arquivo;
        EXPECT_NE(b.figura.Largura(), 32) << arquivo << " drew the error picture";
    }
}

TEST(PaginaQt, FiguraRelativaAPastaAtualEFiguraReduzida) {
    QTemporaryDir pasta;
    GravarImagem(pasta.path(), "logo.png", "PNG");
    const QString antes = QDir::currentPath();
    QDir::setCurrent(pasta.path());
    Bancada b;
    Item& it = b.item(1, 1);
    it.Tipo = TipoFigura;
    it.Texto = "\"logo.png\"";
    it.Largura = 3;
    it.Atributos.definir(10, true);
    b.Exibir();
    QDir::setCurrent(antes);
    EXPECT_EQ(b.figura.Largura(), 3);
    EXPECT_EQ(b.figura.Altura(), 2);
    EXPECT_EQ(b.pagina.LerPixel(10, 17), Rgb(255, 0, 0));
    EXPECT_EQ(b.pagina.LerPixel(10, 18), Rgb(230, 230, 230));  // the cell outline below it
    EXPECT_EQ(b.pagina.LerPixel(11, 17), Branco);
}

TEST(PaginaQt, FiguraIlegivelMostraErro) {
    QTemporaryDir pasta;
    const std::string wmf = Wmf100x50Vermelho();
    for (const std::string& lixo : {GravarBytes(pasta.path(), "x.bmp", "BM not a picture"),
                                    GravarBytes(pasta.path(), "cortado.wmf", wmf.substr(0, 40)),
                                    GravarBytes(pasta.path(), "cortado.emf", Emf100x50Vermelho().substr(0, 60))}) {
        Bancada b;
        b.item(1, 1).Tipo = TipoFigura;
        b.item(1, 1).Texto = "\"" + lixo + "\"";
        b.Exibir();
        EXPECT_EQ(b.figura.Largura(), 32) << lixo;
        EXPECT_EQ(b.pagina.LerPixel(8 + 15, 16 + 15), b.figura.LerPixel(15, 15));
    }
}

TEST(PaginaQt, MetarquivoEnormeDesenhadoLimitado) {
    QTemporaryDir pasta;
    std::string wmf = Wmf100x50Vermelho();
    wmf[10] = wmf[12] = '\xFF', wmf[11] = wmf[13] = '\x7F';  // 32767 x 32767 units
    wmf[14] = 1, wmf[15] = 0;                                  // at one unit per inch
    Bancada b;
    b.item(1, 1).Tipo = TipoFigura;
    b.item(1, 1).Texto = "\"" + GravarBytes(pasta.path(), "enorme.wmf", wmf) + "\"";
    b.Exibir();
    EXPECT_EQ(b.figura.Largura(), 4096);
    EXPECT_EQ(b.figura.Altura(), 4096);
}
