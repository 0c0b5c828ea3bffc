// The small option dialogs of the Configurar menu: printer, margins, e-mail
// text and JPG quality.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "controls/ui/numero_ctl.h"
#include "output/opcoes_relatorio.h"
#include "output/ui/caixa_texto.h"
#include "output/ui/frm_margens.h"
#include "output/ui/frm_nome_impressora.h"
#include "output/ui/frm_qualidade_jpg.h"
#include "output/ui/frm_texto_email.h"

using namespace mobrix;

namespace {

const std::vector<std::string> Instaladas = {"HP LaserJet", "Epson LX-300"};

QListWidget* Lista(QDialog& d) { return d.findChild<QListWidget*>("lstImpressoras"); }
QLineEdit* Linha(QDialog& d, const QString& nome) { return d.findChild<QLineEdit*>(nome); }
NumeroCtl* Numero(QDialog& d, const QString& nome) { return d.findChild<NumeroCtl*>(nome); }

void Mostrar(QDialog& d) {
    d.show();
    d.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
}

}  // namespace

TEST(Impressora, AberturaSelecionaAEntradaDoNome) {
    FrmNomeImpressora padrao("", Instaladas);
    EXPECT_EQ(Lista(padrao)->currentRow(), 0);
    EXPECT_EQ(Lista(padrao)->item(0)->text(), QString::fromUtf8("<< Padrão do Windows >>"));
    EXPECT_EQ(Lista(padrao)->count(), 4);
    EXPECT_EQ(padrao.Resultado(), "");

    FrmNomeImpressora usuario("<?>", Instaladas);
    EXPECT_EQ(Lista(usuario)->currentRow(), 1);
    EXPECT_EQ(usuario.Resultado(), "<?>");

    // Capitals aside, the stored name is an installed printer.
    FrmNomeImpressora instalada("hp laserjet", Instaladas);
    EXPECT_EQ(Lista(instalada)->currentRow(), 2);
    EXPECT_EQ(Linha(instalada, "txtImpressora")->text(), "hp laserjet");

    FrmNomeImpressora outra("Rede\\Fila", Instaladas);
    EXPECT_EQ(Lista(outra)->currentRow(), -1);
    EXPECT_EQ(outra.Resultado(), "Rede\\Fila");
}

TEST(Impressora, ListaETextoAcompanhamUmAoOutro) {
    FrmNomeImpressora d("", Instaladas);
    Mostrar(d);
    Lista(d)->setFocus();
    QTest::keyClick(Lista(d), Qt::Key_Down);
    QTest::keyClick(Lista(d), Qt::Key_Down);  // the first installed printer
    EXPECT_EQ(Linha(d, "txtImpressora")->text(), "HP LaserJet");
    EXPECT_EQ(d.Resultado(), "HP LaserJet");

    QLineEdit* txt = Linha(d, "txtImpressora");
    txt->setFocus();
    txt->clear();
    QTest::keyClicks(txt, "epson lx-300");
    EXPECT_EQ(Lista(d)->currentRow(), 3);
    EXPECT_EQ(txt->text(), "epson lx-300");  // what is typed stays as typed
    QTest::keyClick(txt, Qt::Key_Backspace);
    EXPECT_EQ(Lista(d)->currentRow(), -1);
    EXPECT_EQ(d.Resultado(), "epson lx-30");
}

TEST(Impressora, DuploCliqueConfirma) {
    FrmNomeImpressora d("", Instaladas);
    Mostrar(d);
    QListWidgetItem* item = Lista(d)->item(1);
    const QPoint p = Lista(d)->visualItemRect(item).center();
    QTest::mouseClick(Lista(d)->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseDClick(Lista(d)->viewport(), Qt::LeftButton, {}, p);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.Resultado(), "<?>");
}

TEST(Margens, NumeroOuComandoNuncaOsDois) {
    FrmMargens d({"\"10\"", "MARGEM_ESQ", "\"0\""});
    EXPECT_EQ(Numero(d, "numMargem0")->Value().toDouble(), 10.0);
    EXPECT_EQ(Linha(d, "txtMargem0")->text(), "");
    EXPECT_EQ(Numero(d, "numMargem1")->Value().toString(), "");
    EXPECT_EQ(Linha(d, "txtMargem1")->text(), "MARGEM_ESQ");
    Mostrar(d);

    // Typing a number empties the command, typing a command empties the number.
    Numero(d, "numMargem1")->setFocus();
    QTest::keyClicks(Numero(d, "numMargem1")->txtNumero(), "7");
    EXPECT_EQ(Linha(d, "txtMargem1")->text(), "");
    Linha(d, "txtMargem0")->setFocus();
    QTest::keyClicks(Linha(d, "txtMargem0"), "TOPO");
    EXPECT_EQ(Numero(d, "numMargem0")->Value().toString(), "");
    Numero(d, "numMargem2")->SetValue(QString());
    EXPECT_EQ(d.Resultado(), (Margens{"TOPO", "\"7\"", "\"0\""}));
}

TEST(Margens, EnterPassaParaOProximoCampo) {
    FrmMargens d({"\"0\"", "\"0\"", "\"0\""});
    Mostrar(d);
    QLineEdit* num = Numero(d, "numMargem0")->txtNumero();
    num->setFocus();
    QTest::keyClick(num, Qt::Key_Return);
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), Linha(d, "txtMargem0"));
    QTest::keyClick(Linha(d, "txtMargem0"), Qt::Key_Enter);
    EXPECT_EQ(QApplication::focusWidget(), Numero(d, "numMargem1")->txtNumero());
    // On a button Enter presses it.
    d.findChild<QPushButton*>("btnOk")->setFocus();
    QTest::keyClick(d.findChild<QPushButton*>("btnOk"), Qt::Key_Return);
    EXPECT_EQ(d.result(), QDialog::Accepted);
}

TEST(TextoEmail, LinhasPadraoELimpar) {
    FrmTextoEmail d("Prezado,{ENTER}{ENTER}segue o relat\xF3rio.");
    auto* txt = d.findChild<QPlainTextEdit*>("txtEmail");
    EXPECT_EQ(txt->toPlainText(), QString::fromUtf8("Prezado,\n\nsegue o relatório."));
    txt->appendPlainText("Att.");
    EXPECT_EQ(d.Resultado(), "Prezado,{ENTER}{ENTER}segue o relat\xF3rio.{ENTER}Att.");

    d.findChild<QPushButton*>("btnPadrao")->click();
    EXPECT_EQ(TextoDaCaixa(txt), TextoEmailPadrao());

    FrmTextoEmail limpar("algo");
    limpar.findChild<QPushButton*>("btnLimpar")->click();
    EXPECT_EQ(limpar.result(), QDialog::Accepted);
    EXPECT_EQ(limpar.Resultado(), "");
}

TEST(QualidadeJPG, FicaEntreUmECem) {
    FrmQualidadeJPG d(92);
    Mostrar(d);
    NumeroCtl* num = Numero(d, "numQualidade");
    EXPECT_EQ(num->valor(), 92.0);
    num->setFocus();
    num->txtNumero()->selectAll();
    QTest::keyClicks(num->txtNumero(), "150");
    EXPECT_EQ(num->valor(), 100.0);
    EXPECT_EQ(d.Resultado(), 100);
    num->txtNumero()->selectAll();
    QTest::keyClicks(num->txtNumero(), "0");
    EXPECT_EQ(num->valor(), 1.0);
    num->txtNumero()->selectAll();
    QTest::keyClicks(num->txtNumero(), "75");
    EXPECT_EQ(d.Resultado(), 75);
    QTest::keyClick(num->txtNumero(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), d.findChild<QPushButton*>("btnOk"));
    EXPECT_TRUE(d.isVisible());
}
