// The template dialog: adding, removing, editing with immediate saving, the
// COBOL STRING option, and templates of both folders.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "document/arquivos.h"
#include "output/ui/frm_linguagens.h"
#include "teste_linguagens.h"

using namespace mobrix;
using namespace mobrix::teste;

namespace {

class Linguagens : public TesteLinguagens {
protected:
    void Gravar(const std::string& pastaDoArquivo, const std::string& nome, const Linguagem& l) {
        std::filesystem::create_directories(pastaDoArquivo);
        GravarTudo(pastaDoArquivo + nome + ".lin", *GravarLin(l));
    }

    template <typename T>
    static T* Achar(QDialog& d, const char* nome) {
        T* w = d.findChild<T*>(nome);
        EXPECT_NE(w, nullptr) << nome;
        return w;
    }
    static QStringList Nomes(QDialog& d) {
        QStringList s;
        auto* cmb = Achar<QComboBox>(d, "cmbLin");
        for (int i = 0; i < cmb->count(); ++i) s << cmb->itemText(i);
        return s;
    }
};

}  // namespace

TEST_F(Linguagens, SemLinguagensOsControlesFicamDesabilitados) {
    FrmLinguagens d(Contexto(), cfg);
    EXPECT_EQ(Achar<QComboBox>(d, "cmbLin")->count(), 0);
    EXPECT_FALSE(Achar<QPlainTextEdit>(d, "txtLin")->isEnabled());
    EXPECT_FALSE(Achar<QPushButton>(d, "btnRemove")->isEnabled());
    EXPECT_FALSE(Achar<QRadioButton>(d, "optLin3")->isEnabled());
    EXPECT_EQ(Achar<QLabel>(d, "lblLIN")->text(), "");
}

TEST_F(Linguagens, AdicionarCriaALegendaNaPastaDoUsuario) {
    FrmLinguagens d(Contexto(), cfg);
    dialogos.entradas.push_back("Meu/Ling?");
    Achar<QPushButton>(d, "btnAdd")->click();
    const std::string arquivo = pasta / "dados/Meu_Ling_.lin";
    ASSERT_TRUE(ArquivoExiste(arquivo));
    EXPECT_EQ(LerLin(LerTudo(arquivo)), NovaLin());
    EXPECT_EQ(Achar<QComboBox>(d, "cmbLin")->currentText(), "Meu_Ling_");
    EXPECT_TRUE(Achar<QRadioButton>(d, "optLin0")->isChecked());
    EXPECT_EQ(Achar<QLabel>(d, "lblLIN")->text().toStdString(), arquivo);

    // The same name again is refused; an empty answer does nothing.
    dialogos.entradas.push_back("Meu_Ling_");
    Achar<QPushButton>(d, "btnAdd")->click();
    ASSERT_EQ(dialogos.mensagens.size(), 1u);
    EXPECT_EQ(dialogos.mensagens[0].texto, "A linguagem 'Meu_Ling_' já existe!");
    EXPECT_EQ(dialogos.mensagens[0].titulo, "Nova Linguagem");
    dialogos.entradas.push_back(std::string("  "));
    Achar<QPushButton>(d, "btnAdd")->click();
    EXPECT_EQ(Nomes(d), QStringList{"Meu_Ling_"});
}

TEST_F(Linguagens, TextoEditadoESalvoAoSairDaCaixa) {
    Gravar(pastas.programa, "Basic", NovaLin());
    FrmLinguagens d(Contexto(), cfg);
    d.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    Achar<QRadioButton>(d, "optLin3")->click();  // Comando T
    auto* txt = Achar<QPlainTextEdit>(d, "txtLin");
    EXPECT_TRUE(txt->toPlainText().startsWith(QString::fromUtf8("§c = Comando\n§cl = Cor do texto")));
    txt->setFocus();
    txt->selectAll();
    QTest::keyClicks(txt, "WRITE '");
    QTest::keyClick(txt, Qt::Key_Return);
    QTest::keyClicks(txt, "2a linha");
    Achar<QComboBox>(d, "cmbLin")->setFocus();  // leaving the box saves

    const CargaLinguagem salva = CarregarArquivoLinguagem(pasta / "dados/Basic.lin");
    ASSERT_TRUE(salva.ok());
    EXPECT_EQ(salva.linguagem.ComandoT, "WRITE '\r\n2a linha");
    EXPECT_EQ(salva.linguagem.ComandoF, NovaLin().ComandoF);
    // The shipped copy stays as it was; the user's copy is now the one read.
    EXPECT_EQ(LerLin(LerTudo(pastas.programa + "Basic.lin")), NovaLin());
    EXPECT_EQ(Achar<QLabel>(d, "lblLIN")->text().toStdString(), pasta / "dados/Basic.lin");

    // Switching options shows each fragment, the edited one included.
    Achar<QRadioButton>(d, "optLin5")->click();
    EXPECT_EQ(txt->toPlainText(), QString::fromUtf8("§c = Comando"));
    Achar<QRadioButton>(d, "optLin3")->click();
    EXPECT_EQ(txt->toPlainText(), "WRITE '\n2a linha");
}

TEST_F(Linguagens, FecharGuardaOQueAindaEstaNaCaixa) {
    Gravar(pastas.usuario, "C", NovaLin());
    {
        FrmLinguagens d(Contexto(), cfg);
        auto* txt = Achar<QPlainTextEdit>(d, "txtLin");
        txt->selectAll();
        QTest::keyClicks(txt, "int x;");  // typed, the focus never left the box
        d.reject();
    }
    EXPECT_EQ(CarregarArquivoLinguagem(pasta / "dados/C.lin").linguagem.Variaveis, "int x;");
}

TEST_F(Linguagens, RemoverPerguntaEPassaParaAProxima) {
    for (const char* nome : {"Alfa", "beta", "Gama"}) Gravar(pastas.usuario, nome, NovaLin());
    FrmLinguagens d(Contexto(), cfg);
    EXPECT_EQ(Nomes(d), (QStringList{"Alfa", "beta", "Gama"}));
    Achar<QComboBox>(d, "cmbLin")->setCurrentIndex(1);

    dialogos.respostas.push_back(Resposta::Nao);
    Achar<QPushButton>(d, "btnRemove")->click();
    EXPECT_EQ(dialogos.Ultima(), "Confirma a exclusão da linguagem 'beta'?");
    EXPECT_EQ(dialogos.mensagens.back().titulo, "Excluir Linguagem");
    EXPECT_TRUE(ArquivoExiste(pasta / "dados/beta.lin"));

    dialogos.respostas.push_back(Resposta::Sim);
    Achar<QPushButton>(d, "btnRemove")->click();
    EXPECT_FALSE(ArquivoExiste(pasta / "dados/beta.lin"));
    EXPECT_EQ(Nomes(d), (QStringList{"Alfa", "Gama"}));
    EXPECT_EQ(Achar<QComboBox>(d, "cmbLin")->currentText(), "Gama");

    // The last entry gone, the new last one; the only one gone, none.
    dialogos.respostas.push_back(Resposta::Sim);
    Achar<QPushButton>(d, "btnRemove")->click();
    EXPECT_EQ(Achar<QComboBox>(d, "cmbLin")->currentText(), "Alfa");
    dialogos.respostas.push_back(Resposta::Sim);
    Achar<QPushButton>(d, "btnRemove")->click();
    EXPECT_EQ(Achar<QComboBox>(d, "cmbLin")->currentIndex(), -1);
    EXPECT_FALSE(Achar<QPushButton>(d, "btnRemove")->isEnabled());
}

TEST_F(Linguagens, ArquivoInvalidoAvisaEDesabilita) {
    std::filesystem::create_directories(pastas.usuario);
    GravarTudo(pastas.usuario + "Ruim.lin", std::string("\x02\0\0\0", 4));
    FrmLinguagens d(Contexto(), cfg);
    ASSERT_EQ(dialogos.mensagens.size(), 1u);
    EXPECT_EQ(dialogos.mensagens[0].texto, "O arquivo '" + pastas.usuario + "Ruim.lin' é inválido!");
    EXPECT_EQ(Achar<QComboBox>(d, "cmbLin")->currentIndex(), -1);
    EXPECT_FALSE(Achar<QPlainTextEdit>(d, "txtLin")->isEnabled());
}

TEST_F(Linguagens, OpcaoStringDoCobolGravadaNaHora) {
    FrmLinguagens d(Contexto(), cfg);
    auto* chk = Achar<QCheckBox>(d, "chkCobolString");
    EXPECT_TRUE(chk->isChecked());
    chk->click();
    EXPECT_EQ(cfg.valores["No COBOL usar STRING"], "false");
    EXPECT_FALSE(d.CobolString());
}
