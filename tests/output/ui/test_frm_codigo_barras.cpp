// The barcode dialog: how the item text opens and comes back, the controls
// of each kind, the keyboard, and previews that an independent reader scans.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "dialogos_falsos.h"
#include "document/modelo.h"
#include "document/ui/sistema_qt.h"
#include "leitor_zxing.h"
#include "output/ui/frm_codigo_barras.h"

using namespace mobrix;
using namespace mobrix::teste;

namespace {

class CodigoBarras : public ::testing::Test {
protected:
    SistemaQt sistema;  // binds the real libpdf417enc.so beside the tests
    PontePDF417 ponte{sistema};
    DialogosFalsos dialogos;

    std::unique_ptr<FrmCodigoBarras> Abrir(int tipo, const std::string& texto, bool alturaBanda = false) {
        ConfigCodigoBarras c;
        c.TipoCodigoBarras = static_cast<uint8_t>(tipo);
        c.TextoCodigoBarras = texto;
        c.UsarAlturaBanda = alturaBanda;
        return std::make_unique<FrmCodigoBarras>(c, ponte, dialogos);
    }
    template <typename T>
    static T* Achar(QDialog& d, const QString& nome) {
        T* w = d.findChild<T*>(nome);
        EXPECT_NE(w, nullptr) << nome.toStdString();
        return w;
    }
    static void Tipo(QDialog& d, int tipo) { Achar<QRadioButton>(d, QString("optTipo%1").arg(tipo))->click(); }
    static ConfigCodigoBarras Ok(FrmCodigoBarras& d) {
        Achar<QPushButton>(d, "btnOk")->click();
        EXPECT_EQ(d.result(), QDialog::Accepted);
        return d.Resultado();
    }
};

}  // namespace

TEST_F(CodigoBarras, TextoComAspasAbreSemElasEVoltaEntreAspas) {
    auto d = Abrir(TipoEAN13, "\"12\"3\"");
    EXPECT_EQ(Achar<QLineEdit>(*d, "txtTexto")->text(), "123");
    EXPECT_EQ(Achar<QLineEdit>(*d, "txtComando")->text(), "");
    EXPECT_TRUE(Achar<QRadioButton>(*d, "optTipo31")->isChecked());
    EXPECT_EQ(Ok(*d).TextoCodigoBarras, "\"123\"");

    auto comando = Abrir(TipoCode128B, "CODIGO_CLIENTE", true);
    EXPECT_EQ(Achar<QLineEdit>(*comando, "txtComando")->text(), "CODIGO_CLIENTE");
    EXPECT_TRUE(Achar<QCheckBox>(*comando, "chkCaixaTexto")->isChecked());
    const ConfigCodigoBarras c = Ok(*comando);
    EXPECT_EQ(c.TextoCodigoBarras, "CODIGO_CLIENTE");
    EXPECT_EQ(c.TipoCodigoBarras, TipoCode128B);
    EXPECT_TRUE(c.UsarAlturaBanda);
    EXPECT_FALSE(c.BarraGrafico);

    auto vazio = Abrir(TipoEAN8, "");
    EXPECT_EQ(Ok(*vazio).TextoCodigoBarras, "\"\"");
}

TEST_F(CodigoBarras, BarraDeGraficoGuardaUmNumeroInteiro) {
    const std::pair<const char*, const char*> casos[] = {
        {"12.5", "12"}, {"13.5", "14"}, {"-3", "0"}, {"abc", "0"}, {"99999", "0"}};
    for (auto [digitado, guardado] : casos) {
        auto d = Abrir(TipoEAN13, "");
        Tipo(*d, TipoBarraGrafico);
        Achar<QLineEdit>(*d, "txtTexto")->setText(digitado);
        const ConfigCodigoBarras c = Ok(*d);
        EXPECT_EQ(c.TextoCodigoBarras, std::string("\"") + guardado + "\"") << digitado;
        EXPECT_EQ(Achar<QLineEdit>(*d, "txtTexto")->text(), guardado);
        EXPECT_TRUE(c.BarraGrafico);
        EXPECT_EQ(c.TipoCodigoBarras, TipoBarraGrafico);
    }
}

TEST_F(CodigoBarras, ControlesDeCadaTipo) {
    auto d = Abrir(TipoEAN13, "\"1\"", true);
    auto* chk = Achar<QCheckBox>(*d, "chkCaixaTexto");
    auto* info = Achar<QLabel>(*d, "lblInfo");
    EXPECT_EQ(info->text(), QString::fromUtf8("0 até 9"));
    EXPECT_FALSE(Achar<QLabel>(*d, "lblTitInfo")->isHidden());

    Tipo(*d, TipoBarraGrafico);
    EXPECT_EQ(Achar<QLabel>(*d, "lblValor")->text(), "Altura:");
    EXPECT_FALSE(chk->isChecked());
    EXPECT_FALSE(chk->isEnabled());
    EXPECT_EQ(info->text(), "");
    EXPECT_TRUE(Achar<QLabel>(*d, "lblTitInfo")->isHidden());
    EXPECT_EQ(d->Previa().size(), QSize(80, 52));
    EXPECT_EQ(d->Previa().pixelColor(10, 10), QColor(255, 0, 0));
    EXPECT_EQ(d->Previa().pixelColor(6, 0), QColor(128, 0, 0));
    EXPECT_EQ(d->Previa().pixelColor(40, 40), QColor(0, 255, 0));
    EXPECT_EQ(d->Previa().pixelColor(60, 20), QColor(0, 0, 255));
    EXPECT_EQ(d->Previa().pixelColor(40, 10), QColor(Qt::white));

    Tipo(*d, TipoPDF417);
    EXPECT_EQ(Achar<QLabel>(*d, "lblValor")->text(), QString::fromUtf8("Código de Barras:"));
    EXPECT_FALSE(chk->isEnabled());
    EXPECT_EQ(info->text(), QString::fromUtf8("0 até 9\nA até Z\n! \"#$%&'()*+,-./:\n;<=>?@[\\]^_`{|}~"));

    Tipo(*d, TipoCode39);
    EXPECT_TRUE(chk->isEnabled());
    EXPECT_EQ(info->text(), QString::fromUtf8("0 até 9\nA até Z\n-. $/+%"));
    // The typed value stays whatever the kind.
    EXPECT_EQ(Achar<QLineEdit>(*d, "txtTexto")->text(), "1");
}

TEST_F(CodigoBarras, LiteralEComandoExcluemUmAoOutro) {
    auto d = Abrir(TipoEAN13, "\"123\"");
    d->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(d.get()));
    auto* txt = Achar<QLineEdit>(*d, "txtTexto");
    auto* cmd = Achar<QLineEdit>(*d, "txtComando");
    cmd->setFocus();
    QTest::keyClicks(cmd, "VAR");
    EXPECT_EQ(txt->text(), "");
    txt->setFocus();
    QTest::keyClicks(txt, "9");
    EXPECT_EQ(cmd->text(), "");
    // Set by the program, not typed: nothing is emptied.
    cmd->setText("OUTRA");
    EXPECT_EQ(txt->text(), "9");
}

TEST_F(CodigoBarras, EnterAvancaEmVezDeConfirmar) {
    auto d = Abrir(TipoEAN13, "\"1\"");
    d->show();
    d->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(d.get()));
    auto* txt = Achar<QLineEdit>(*d, "txtTexto");
    txt->setFocus();
    QTest::keyClick(txt, Qt::Key_Return);
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), Achar<QLineEdit>(*d, "txtComando"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(d->result(), QDialog::Rejected);
}

TEST_F(CodigoBarras, CadaPreviaELidaPorUmLeitorIndependente) {
    struct Caso {
        int tipo;
        const char* formato;
        const char* lido;
    };
    const Caso casos[] = {
        {TipoEAN13, "EAN-13", "1234567890128"},
        {TipoEAN8, "EAN-8", "12345670"},
        {TipoCode39Check, "Code39", "ABC123$"},
        {TipoCode128C, "Code128", "1234567890"},
        {TipoIntercalado25, "ITF", "1234567890"},
        {TipoCode39, "Code39", "ABC123"},
        {TipoIntercalado25SemNumeros, "ITF", "1234567890"},
        {TipoIntercalado25NumerosTopo, "ITF", "1234567890"},
        {TipoCode128B, "Code128", "123.456/Abc"},
        {TipoPDF417, "PDF417", "123.456/Abc"},
    };
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    QStringList arquivos;
    // The dialog opens on one kind and the user goes through the others; the
    // typed value never reaches the preview.
    auto d = Abrir(TipoEAN13, "\"999\"");
    for (const Caso& c : casos) {
        Tipo(*d, c.tipo);
        const QPixmap mostrado = Achar<QLabel>(*d, "picCodigoBarras")->pixmap();
        ASSERT_FALSE(mostrado.isNull());
        arquivos << SalvarComMargem(mostrado.toImage(), pasta.filePath(QString("previa%1.png").arg(c.tipo)));
    }
    ASSERT_TRUE(dialogos.mensagens.empty()) << dialogos.Ultima();
    const std::vector<Leitura> lidos = LerComZXing(arquivos, "EAN-13,EAN-8,Code39,Code128,ITF,PDF417");
    ASSERT_EQ(lidos.size(), std::size(casos));
    for (size_t i = 0; i < lidos.size(); ++i) {
        EXPECT_EQ(lidos[i].formato, casos[i].formato) << "tipo " << casos[i].tipo;
        EXPECT_EQ(lidos[i].texto, casos[i].lido) << "tipo " << casos[i].tipo;
    }
}

TEST_F(CodigoBarras, BibliotecaAusenteAvisaUmaVez) {
    // A bridge whose library cannot be loaded draws a blank and says why once.
    struct SemBiblioteca : SistemaQt {
        void* CarregarFuncao(const std::string&, const std::string&, std::string& erro) override {
            erro = "sem biblioteca";
            return nullptr;
        }
    } semBiblioteca;
    PontePDF417 vazia(semBiblioteca);
    ConfigCodigoBarras c;
    c.TipoCodigoBarras = TipoPDF417;
    FrmCodigoBarras d(c, vazia, dialogos);
    Tipo(d, TipoEAN13);
    Tipo(d, TipoPDF417);
    ASSERT_EQ(dialogos.mensagens.size(), 1u);
    EXPECT_EQ(dialogos.mensagens[0].texto, "sem biblioteca");
    EXPECT_EQ(dialogos.mensagens[0].icone, Icone::Erro);
}
