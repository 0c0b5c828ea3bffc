// mbxtool barcode: the PNG holds exactly what the encoder paints.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "barcodes/codigo_por_tipo.h"
#include "document/ui/superficie_qt.h"

using namespace mobrix;

namespace {

class MbxtoolBarcode : public ::testing::Test {
protected:
    int Executar(const QStringList& args) {
        QProcess p;
        p.start(MOBRIX_BIN_DIR "/mbxtool", QStringList{"barcode"} + args);
        if (!p.waitForFinished(30000)) return -1;
        erro = QString::fromUtf8(p.readAllStandardError());
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }
    QString Saida(const QString& nome) const { return pasta.filePath(nome); }
    static QImage Desenho(int tipo, int16_t altura, const std::string& texto, bool ocultos, int16_t angulo) {
        SuperficieQt s;
        DesenharCodigoLinear(s, tipo, altura, texto, ocultos, angulo);
        return s.imagem();
    }

    QTemporaryDir pasta;
    QString erro;
};

}  // namespace

TEST_F(MbxtoolBarcode, DesenhaComoOEditor) {
    ASSERT_EQ(Executar({"--kind", "37", "--height", "30", "123456", "-o", Saida("a.png")}), 0) << erro.toStdString();
    QImage a(Saida("a.png"));
    EXPECT_EQ(a.size(), QSize(66, 42));
    EXPECT_EQ(a.convertToFormat(QImage::Format_RGB32), Desenho(37, 30, "123456", false, 0));

    ASSERT_EQ(Executar({"--kind", "31", "--angle", "90", "--no-numbers", "590123412345", "-o", Saida("b.png")}), 0);
    EXPECT_EQ(QImage(Saida("b.png")).convertToFormat(QImage::Format_RGB32),
              Desenho(31, 40, "590123412345", true, 90));
}

TEST_F(MbxtoolBarcode, TextoEmUtf8OuBytesDeArquivo) {
    QFile dados(Saida("dados.txt"));
    ASSERT_TRUE(dados.open(QIODevice::WriteOnly));
    dados.write("\xC4" "1");
    dados.close();
    ASSERT_EQ(Executar({"--kind", "39", "Ä1", "-o", Saida("texto.png")}), 0);
    ASSERT_EQ(Executar({"--kind", "39", "--data-file", Saida("dados.txt"), "-o", Saida("arquivo.png")}), 0);
    const QImage esperada = Desenho(39, 40, "\xC4" "1", false, 0);
    EXPECT_EQ(QImage(Saida("texto.png")).convertToFormat(QImage::Format_RGB32), esperada);
    EXPECT_EQ(QImage(Saida("arquivo.png")).convertToFormat(QImage::Format_RGB32), esperada);
}

TEST_F(MbxtoolBarcode, PDF417VazioNaoPrecisaDaBiblioteca) {
    ASSERT_EQ(Executar({"--kind", "80", "", "-o", Saida("p.png")}), 0) << erro.toStdString();
    EXPECT_EQ(QImage(Saida("p.png")).size(), QSize(8, 8));
}

TEST_F(MbxtoolBarcode, ArgumentosInvalidos) {
    const QString o = Saida("x.png");
    EXPECT_EQ(Executar({"--kind", "60", "1", "-o", o}), 1);
    EXPECT_EQ(Executar({"--kind", "3x", "1", "-o", o}), 1);
    EXPECT_EQ(Executar({"--kind", "33", "--angle", "45", "1", "-o", o}), 1);
    EXPECT_EQ(Executar({"--kind", "33", "--height", "0", "1", "-o", o}), 1);
    EXPECT_EQ(Executar({"--kind", "33", "1"}), 1);
    EXPECT_EQ(Executar({"--kind", "33", "1", "--data-file", o, "-o", o}), 1);
    EXPECT_EQ(Executar({"--kind", "33", "--data-file", Saida("nao-existe"), "-o", o}), 3);
    EXPECT_FALSE(QFile::exists(o));
    EXPECT_EQ(Executar({"--kind", "39", std::string(5000, 'A').c_str(), "-o", o}), 2);
    EXPECT_TRUE(erro.contains("too large")) << erro.toStdString();
}
