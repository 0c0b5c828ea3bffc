// The whole road to the real encoder: SistemaQt binds libpdf417enc.so from
// the program's folder, the bridge paints its bitmap, an independent reader
// scans it.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>

#include "barcodes/ponte_pdf417.h"
#include "document/ui/sistema_qt.h"
#include "document/ui/superficie_qt.h"
#include "leitor_zxing.h"

using namespace mobrix;

TEST(PDF417Real, DesenhaOSimboloQueOLeitorLe) {
    SistemaQt sistema;
    PontePDF417 ponte(sistema);
    QTemporaryDir pasta;
    const auto antes = std::filesystem::current_path();

    struct {
        std::string texto;
        int16_t angulo;
    } casos[] = {{"A", 0}, {"A", 90}, {"Hello, PDF417! 0123456789", 180}, {"1234567890123456789012345", 270}};
    QStringList arquivos;
    for (const auto& c : casos) {
        SuperficieQt s;
        ponte.DesenharPDF417(s, c.texto, c.angulo);
        ASSERT_TRUE(ponte.ErroDeCarga().empty()) << ponte.ErroDeCarga();
        arquivos << teste::SalvarComMargem(s.imagem(), pasta.filePath(QString("p%1.png").arg(arquivos.size())));
        if (c.texto == "A") {
            const bool deitado = c.angulo == 90;
            EXPECT_EQ(s.Largura(), deitado ? 30 : 86);
            EXPECT_EQ(s.Altura(), deitado ? 86 : 30);
        }
    }
    EXPECT_EQ(std::filesystem::current_path(), antes);
    std::vector<teste::Leitura> lidos = teste::LerComZXing(arquivos, "PDF417");
    ASSERT_EQ(lidos.size(), std::size(casos));
    for (size_t i = 0; i < lidos.size(); ++i) {
        EXPECT_EQ(lidos[i].formato, "PDF417") << casos[i].texto << " at " << casos[i].angulo;
        EXPECT_EQ(lidos[i].texto, casos[i].texto) << casos[i].texto << " at " << casos[i].angulo;
    }
}
