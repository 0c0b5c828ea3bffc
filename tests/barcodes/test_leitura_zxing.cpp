// Every linear symbol drawn through the Qt surface with its numbers hidden
// scans, at every angle, to the normalised text; and the Qt surface paints
// exactly the pixels of the fake one; a symbol larger than any page is not
// drawn at all.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "barcodes/codigo_por_tipo.h"
#include "document/modelo.h"
#include "document/ui/superficie_qt.h"
#include "leitor_zxing.h"
#include "superficie_falsa.h"

using namespace mobrix;

namespace {

constexpr int16_t Angulos[] = {0, 90, 180, 270};

struct Caso {
    int tipo;
    std::string texto;  // Windows-1252
    std::string formato, lido;
};

const Caso Casos[] = {
    // The check character of Code 39 is read as part of the data.
    {TipoCode39Check, "ABC-123", "Code39", "ABC-123W"},
    {TipoCode39Check, "hello world", "Code39", "HELLO WORLD."},
    {TipoCode39, "abc*12", "Code39", "ABC12"},
    {TipoCode39, "$/+%. 09", "Code39", "$/+%. 09"},
    {TipoCode128C, "12345", "Code128", "012345"},
    {TipoCode128C, "12a4", "Code128", "1204"},
    {TipoCode128C, "99887766554433221100", "Code128", "99887766554433221100"},
    {TipoCode128B, "Hello, World!", "Code128", "Hello, World!"},
    {TipoCode128B, "\xC4" "1", "Code128", "01"},
    {TipoCode128B, "{|}~` @", "Code128", "{|}~` @"},
    {TipoEAN13, "5901234123457", "EAN-13", "5901234123457"},
    {TipoEAN13, "123", "EAN-13", "0000000001236"},
    {TipoEAN13, "9780201379624", "EAN-13", "9780201379624"},
    {TipoEAN8, "1234567", "EAN-8", "12345670"},
    {TipoEAN8, "9638507", "EAN-8", "96385074"},
    // The reader wants six digits or more of Interleaved 2 of 5.
    {TipoIntercalado25, "12345", "ITF", "012345"},
    {TipoIntercalado25, "9876543210", "ITF", "9876543210"},
    {TipoIntercalado25SemNumeros, "123456789012", "ITF", "123456789012"},
    {TipoIntercalado25SemNumeros, "00000000", "ITF", "00000000"},
    {TipoIntercalado25NumerosTopo, "1a3456", "ITF", "103456"},
    {TipoIntercalado25NumerosTopo, "55555555555555", "ITF", "55555555555555"},
};

}  // namespace

TEST(LeituraIndependente, TodosOsCodigosLinearesEmTodosOsAngulos) {
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    QStringList arquivos;
    std::vector<const Caso*> casos;
    std::vector<int> angulos;
    for (const Caso& c : Casos) {
        for (int16_t angulo : Angulos) {
            SuperficieQt s;
            ASSERT_TRUE(DesenharCodigoLinear(s, c.tipo, 40, c.texto, true, angulo));
            arquivos << teste::SalvarComMargem(s.imagem(), pasta.filePath(QString("c%1.png").arg(arquivos.size())));
            casos.push_back(&c);
            angulos.push_back(angulo);
        }
    }
    std::vector<teste::Leitura> lidos = teste::LerComZXing(arquivos, "Code39,Code128,EAN-13,EAN-8,ITF");
    ASSERT_EQ(lidos.size(), casos.size());
    for (size_t i = 0; i < lidos.size(); ++i) {
        const std::string onde = casos[i]->texto + " kind " + std::to_string(casos[i]->tipo) + " at " +
                                 std::to_string(angulos[i]);
        EXPECT_EQ(lidos[i].formato, casos[i]->formato) << onde;
        EXPECT_EQ(lidos[i].texto, casos[i]->lido) << onde;
    }
}

TEST(LeituraIndependente, SuperficieQtPintaComoAFalsa) {
    for (int tipo = 31; tipo <= 39; ++tipo) {
        for (int16_t angulo : Angulos) {
            SuperficieQt qt;
            teste::SuperficieFalsa falsa;
            DesenharCodigoLinear(qt, tipo, 17, "0123456789", true, angulo);
            DesenharCodigoLinear(falsa, tipo, 17, "0123456789", true, angulo);
            ASSERT_EQ(qt.Largura(), falsa.Largura());
            ASSERT_EQ(qt.Altura(), falsa.Altura());
            int diferentes = 0;
            for (int y = 0; y < qt.Altura(); ++y)
                for (int x = 0; x < qt.Largura(); ++x) diferentes += qt.LerPixel(x, y) != falsa.LerPixel(x, y);
            EXPECT_EQ(diferentes, 0) << "kind " << tipo << " at " << angulo;
        }
    }
}

TEST(SimboloQt, MaiorQueQualquerPaginaFicaVazio) {
    // About 6,000 x 32,000 pixels: the Qt surface alone would take 750 MB.
    SuperficieQt s(5, 5);
    EXPECT_TRUE(DesenharCodigoLinear(s, TipoCode128C, 32000, std::string(1100, '7'), true, 0));
    EXPECT_EQ(s.Largura(), 0);
    EXPECT_TRUE(DesenharCodigoLinear(s, TipoCode128C, 3000, std::string(1100, '7'), true, 90));
    EXPECT_EQ(s.Largura(), 3000);
}
