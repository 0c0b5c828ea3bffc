// The property panel in an offscreen window over an editor with fake ports:
// typing, clicking and choosing in its controls, then reading the document.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "canvas/ui/painel_propriedades.h"
#include "controls/ui/numero_ctl.h"
#include "dialogos_falsos.h"
#include "document/operacoes.h"
#include "pasta_teste.h"
#include "portas_falsas.h"
#include "vista_falsa.h"

namespace mobrix::teste {
namespace {

// The window's view: the editor's Validar and pending-edit calls reach the panel.
class VistaComPainel : public VistaFalsa {
public:
    PainelPropriedades* painel = nullptr;
    void Validar() override {
        VistaFalsa::Validar();
        if (painel) painel->Validar();
    }
    bool ConfirmarEdicoesPendentes() override {
        VistaFalsa::ConfirmarEdicoesPendentes();
        return painel == nullptr || painel->ConfirmarEdicoesPendentes();
    }
};

class PainelQt : public ::testing::Test {
protected:
    PastaTeste pasta;
    DialogosFalsos dialogos;
    ConfiguracoesFalsas cfg;
    AreaTransferenciaFalsa area;
    SistemaFalso sistema{pasta.caminho()};
    VistaComPainel vista;
    Editor ed{PortasEditor{dialogos, cfg, area, sistema, vista}};
    QWidget janela;
    PainelPropriedades* painel = nullptr;
    QLineEdit* canvas = nullptr;  // where the focus goes when it leaves the panel

    // Two bands of three items, item (1, 2) selected and shown.
    void SetUp() override {
        Documento& d = ed.doc();
        NovoLayout(d);
        AddBanda(d, 0, false, 0, 0);
        for (int b = 1; b <= 2; ++b)
            for (int k = 2; k <= 3; ++k) AddItem(d, b, false, 0);
        ed.ExibirBanda();
        painel = new PainelPropriedades(ed, dialogos, &janela);
        vista.painel = painel;
        canvas = new QLineEdit(&janela);
        canvas->setObjectName("canvas");
        canvas->move(painel->sizeHint().width() + 10, 0);
        janela.resize(painel->sizeHint().width() + 200, painel->sizeHint().height());
        painel->resize(painel->sizeHint());
        janela.show();
        janela.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&janela));
        Selecionar(1, 2);
    }

    void Selecionar(int banda, int item) {
        ed.doc().BandaSel = static_cast<int16_t>(banda);
        ed.doc().ItemSel = static_cast<int16_t>(item);
        painel->Validar();
    }
    Item& It(int b, int k) { return ed.doc().banda(b).item(k); }

    template <class T>
    T* Achar(const char* nome) {
        T* w = painel->findChild<T*>(nome);
        EXPECT_NE(w, nullptr) << nome;
        return w;
    }
    QLineEdit* Caixa(const char* campo) { return Achar<NumeroCtl>(campo)->txtNumero(); }
    // Focuses a numeric field as Tab would (its whole text selected) and types.
    void Digitar(const char* campo, const char* teclas) {
        QLineEdit* c = Caixa(campo);
        c->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(c, teclas);
    }
    void Sair() { canvas->setFocus(Qt::TabFocusReason); }
    void Clicar(QWidget* w, QPoint p = {}, Qt::MouseButton botao = Qt::LeftButton) {
        QTest::mouseClick(w, botao, Qt::NoModifier, p.isNull() ? w->rect().center() : p);
    }
    // A check box is clicked on its indicator.
    void Marcar(QCheckBox* caixa) { Clicar(caixa, {6, caixa->height() / 2}); }
    QString Decimal() const { return QString(QChar(SeparadoresDoLocale(QLocale::system()).decimal)); }
};

TEST_F(PainelQt, LarguraDigitadaGuardaAoSairEComEnter) {
    Digitar("numWidth", "100");
    EXPECT_EQ(It(1, 2).Largura, 64);  // nothing stored while typing
    Sair();
    EXPECT_EQ(It(1, 2).Largura, 100);
    EXPECT_EQ(It(1, 3).Esquerda, 164);
    EXPECT_EQ(Achar<NumeroCtl>("numLeft")->valor(), 64);

    // Enter stores and moves on to the next field.
    Digitar("numWidth", "80\r");
    EXPECT_EQ(It(1, 2).Largura, 80);
    EXPECT_FALSE(Caixa("numWidth")->hasFocus());

    // Escape gives back the shown value; leaving a field the user did not
    // change stores nothing.
    Digitar("numWidth", "5");
    QTest::keyClick(Caixa("numWidth"), Qt::Key_Escape);
    EXPECT_EQ(Caixa("numWidth")->text(), "80");
    const int redesenhos = vista.redesenhos;
    Caixa("numHeight")->setFocus(Qt::TabFocusReason);
    Sair();
    EXPECT_EQ(vista.redesenhos, redesenhos);
}

TEST_F(PainelQt, EspessuraLimitadaEntreUmESessentaEQuatro) {
    It(1, 2).Espessura = 5;
    painel->Validar();
    Digitar("numThickness", "0\r");
    EXPECT_EQ(It(1, 2).Espessura, 1);
    EXPECT_EQ(Caixa("numThickness")->text(), "1");
    Digitar("numThickness", "200");
    Sair();
    EXPECT_EQ(It(1, 2).Espessura, 64);
    EXPECT_EQ(Caixa("numThickness")->text(), "64");
}

TEST_F(PainelQt, CentimetrosComTresDecimais) {
    ed.DefinirMedida(MedidaCentimetros);
    EXPECT_EQ(Caixa("numWidth")->text(), "1" + Decimal() + "693");
    // Passing through the field changes nothing.
    Caixa("numWidth")->setFocus(Qt::TabFocusReason);
    Sair();
    EXPECT_EQ(It(1, 2).Largura, 64);
    Digitar("numWidth", "2");
    Sair();
    EXPECT_EQ(It(1, 2).Largura, 76);  // 75.59 pixels, rounded
    EXPECT_EQ(Caixa("numWidth")->text(), "2" + Decimal() + "011");
    ed.DefinirMedida(MedidaPixels);
    EXPECT_EQ(Caixa("numWidth")->text(), "76");

    // The widest item still fits the centimetre field, and leaving it untouched
    // changes nothing.
    It(1, 2).Largura = 9999;
    ed.DefinirMedida(MedidaCentimetros);
    EXPECT_EQ(Caixa("numWidth")->text(), "264" + Decimal() + "557");
    Caixa("numWidth")->setFocus(Qt::TabFocusReason);
    Sair();
    EXPECT_EQ(It(1, 2).Largura, 9999);
}

TEST_F(PainelQt, AlturaEDeslocamentoDaBanda) {
    EXPECT_FALSE(Achar<NumeroCtl>("numDeslocamento")->isEnabled());  // band 1 has no offset
    Selecionar(2, 1);
    ASSERT_TRUE(Achar<NumeroCtl>("numDeslocamento")->isEnabled());
    Digitar("numDeslocamento", "-4\r");
    EXPECT_EQ(ed.doc().banda(2).Deslocamento, -4);

    QWidget* picAuto = Achar<QWidget>("picAuto");
    EXPECT_TRUE(picAuto->isHidden());
    Digitar("numHeight", "0");
    Sair();
    EXPECT_LT(ed.doc().banda(2).Altura, 1);
    EXPECT_FALSE(picAuto->isHidden());
    EXPECT_EQ(Caixa("numHeight")->text(), QString::number(VistaFalsa::AlturaAutomatica));
    Clicar(Achar<QWidget>("lblAuto"));  // back to a manual height, the current one
    EXPECT_EQ(ed.doc().banda(2).Altura, VistaFalsa::AlturaAutomatica);
    EXPECT_TRUE(picAuto->isHidden());
}

TEST_F(PainelQt, AnguloPelaLista) {
    It(1, 2).Atributos.definirDigito(7, 1);  // justified
    painel->Validar();
    auto* angulo = Achar<QComboBox>("cmbAngulo");
    ASSERT_EQ(angulo->count(), 4);
    EXPECT_EQ(angulo->itemText(2), "180°");
    angulo->setFocus();
    QTest::keyClick(angulo, Qt::Key_Down);
    QTest::keyClick(angulo, Qt::Key_Down);
    EXPECT_EQ(It(1, 2).Atributos(7), '5');
    QTest::keyClick(angulo, Qt::Key_Home);
    EXPECT_EQ(It(1, 2).Atributos(7), '1');

    It(1, 2).Tipo = TipoFigura;
    painel->Validar();
    EXPECT_FALSE(angulo->isEnabled());
    EXPECT_EQ(angulo->currentIndex(), 0);
}

TEST_F(PainelQt, CaixasDeOpcaoEApresentacaoPorTipo) {
    auto* justificar = Achar<QCheckBox>("chkAlinhamento7");
    EXPECT_EQ(justificar->text(), "&Justificar");
    EXPECT_EQ(Achar<QPushButton>("btnFonte")->text(), "&Fonte");
    Marcar(justificar);
    EXPECT_EQ(It(1, 2).Atributos(7), '1');
    Marcar(Achar<QCheckBox>("chkAlinhamento10"));
    EXPECT_TRUE(It(1, 2).Atributos.ligado(10));

    // Showing another item sets the boxes without touching any item.
    const Item antes = It(1, 3);
    Selecionar(1, 3);
    EXPECT_FALSE(justificar->isChecked());
    EXPECT_EQ(It(1, 3), antes);

    It(1, 3).Tipo = TipoEAN13;
    painel->Validar();
    EXPECT_EQ(justificar->text(), "&Somente as barras");
    EXPECT_EQ(Achar<QPushButton>("btnFonte")->text(), "A&lterar");
    EXPECT_FALSE(Achar<QWidget>("fraZoom")->isHidden());
    EXPECT_TRUE(Achar<QCheckBox>("chkAlinhamento5")->isHidden());
    auto* zoom = Achar<QComboBox>("cmbTamanho");
    EXPECT_EQ(zoom->itemText(0), " 1 ×");
    zoom->setFocus();
    QTest::keyClick(zoom, Qt::Key_End);
    EXPECT_EQ(It(1, 3).Atributos(9), '4');

    It(1, 3).Tipo = TipoBarraGrafico;
    painel->Validar();
    EXPECT_EQ(Achar<QGroupBox>("fraCor")->title(), "Cor da barra:");
    EXPECT_TRUE(Achar<QGroupBox>("fraLinhas")->isHidden());
    EXPECT_TRUE(justificar->isHidden());
}

TEST_F(PainelQt, RotulosDasLinhas) {
    QWidget* rotulo = Achar<QWidget>("lblAlinhamento4");
    EXPECT_TRUE(rotulo->toolTip().endsWith(" ALT + 4 ou CTRL + 2 "));
    EXPECT_TRUE(Achar<QWidget>("lblAlinhamento6")->toolTip().endsWith(" ALT + 6 ou CTRL + 4 "));
    Clicar(rotulo);
    EXPECT_TRUE(It(1, 2).Linhas.ligado(4));
    EXPECT_TRUE(Achar<QWidget>("linAlinhamento4")->property("ligada").toBool());
    painel->AlternarLinha(4);
    EXPECT_FALSE(It(1, 2).Linhas.ligado(4));
}

TEST_F(PainelQt, BarrasDeCoresEPaleta) {
    QWidget* cores = Achar<QWidget>("picCores");
    Clicar(cores, {25, 5});
    EXPECT_EQ(It(1, 2).CorTexto, 2);
    Clicar(cores, {16 * 11 + 3, 5}, Qt::RightButton);
    EXPECT_EQ(It(1, 2).CorFundo, 99);
    Clicar(cores, {11 * 4 + 1, 5}, Qt::RightButton);
    EXPECT_EQ(It(1, 2).CorFundo, 4);
    Clicar(Achar<QWidget>("picCoresLinhas"), {11 * 9 + 1, 5});
    EXPECT_EQ(It(1, 2).CorLinhas, 9);

    QWidget* paleta = Achar<QWidget>("picPaletaExtendida");
    EXPECT_TRUE(paleta->isHidden());
    Clicar(Achar<QWidget>("PicCorItem"));
    ASSERT_TRUE(paleta->isVisible());
    EXPECT_EQ(paleta->size(), QSize(128, 128));
    Clicar(paleta, {40, 20});
    EXPECT_EQ(It(1, 2).CorTexto, 26);
    EXPECT_TRUE(paleta->isHidden());

    Clicar(Achar<QWidget>("picCorLinha"));
    Clicar(paleta, {0, 112}, Qt::RightButton);
    EXPECT_EQ(It(1, 2).CorFundo, 72);
    Clicar(Achar<QWidget>("picCorLinha"));
    Clicar(paleta, {17, 0});
    EXPECT_EQ(It(1, 2).CorLinhas, 17);

    // The palette goes away when it loses the focus or the frames are clicked.
    Clicar(Achar<QWidget>("PicCorItem"));
    ASSERT_TRUE(paleta->isVisible());
    Sair();
    EXPECT_TRUE(paleta->isHidden());
    Clicar(Achar<QWidget>("PicCorItem"));
    ASSERT_TRUE(paleta->isVisible());
    Clicar(Achar<QWidget>("fraLinhas"), {2, 2});
    EXPECT_TRUE(paleta->isHidden());
}

TEST_F(PainelQt, RotuloDeCorPersonalizada) {
    EXPECT_EQ(Achar<QWidget>("lblLinhas")->toolTip(), "Cor das Linhas (Somente para itens de Texto)");
    EXPECT_EQ(Achar<QWidget>("picCores")->toolTip(), "Clique com o botão direito para mudar a cor do fundo");
    dialogos.cores.push_back(0x102030);
    Clicar(Achar<QWidget>("lblFundo"));
    EXPECT_EQ(It(1, 2).Texto, "<%_F,16,32,48_%>Texto 2");
    EXPECT_EQ(It(1, 2).CorTexto, 72);
    EXPECT_EQ(Achar<QLineEdit>("txtTexto")->text(), "<%_F,16,32,48_%>Texto 2");
}

TEST_F(PainelQt, FiguraEscolhidaEntreAspas) {
    ed.MudarTipo(TipoEscolhido::Figura);
    auto* botao = Achar<QPushButton>("btnFonte");
    EXPECT_EQ(botao->text(), "&Figura");
    dialogos.arquivosAbrir.push_back(pasta / "logo.bmp");
    Clicar(botao);
    ASSERT_EQ(dialogos.pedidosAbrir.size(), 1u);
    EXPECT_EQ(dialogos.pedidosAbrir[0].titulo, "Abrir Figura...");
    EXPECT_EQ(It(1, 2).Texto, "\"" + pasta / "logo.bmp" + "\"");
    EXPECT_EQ(Achar<QLineEdit>("txtTexto")->text().toStdString(), It(1, 2).Texto);
}

TEST_F(PainelQt, BotaoFonteDeTextoEDeCodigoDeBarras) {
    dialogos.fontes.push_back({FonteItem{"Courier", 9, true}, 9.0});
    Clicar(Achar<QPushButton>("btnFonte"));
    EXPECT_EQ(It(1, 2).Fonte, (FonteItem{"Courier", 9, true}));

    QSignalSpy codigo(painel, &PainelPropriedades::AlterarCodigoBarras);
    QSignalSpy menu(painel, &PainelPropriedades::AbrirMenuTipo);
    It(1, 2).Tipo = TipoPDF417;
    painel->Validar();
    Clicar(Achar<QPushButton>("btnFonte"));
    EXPECT_EQ(codigo.count(), 1);
    Clicar(Achar<QPushButton>("btnFonte"), {}, Qt::RightButton);
    EXPECT_EQ(menu.count(), 1);
}

TEST_F(PainelQt, MarcasDeCabecalhoERodapeSoPeloUsuario) {
    ed.doc().Config.FimCabecalho = 1;
    painel->Validar();
    auto* cabecalho = Achar<QCheckBox>("chkCabecalho");
    auto* rodape = Achar<QCheckBox>("chkRodape");
    EXPECT_TRUE(cabecalho->isChecked());
    Selecionar(2, 1);
    EXPECT_FALSE(cabecalho->isChecked());
    EXPECT_EQ(ed.doc().Config.FimCabecalho, 1);  // showing band 2 changed nothing

    Selecionar(1, 1);
    Marcar(rodape);  // the footer cannot start at or above the header's end
    EXPECT_EQ(ed.doc().Config.InicioRodape, 1);
    EXPECT_EQ(ed.doc().Config.FimCabecalho, 0);
    EXPECT_FALSE(cabecalho->isChecked());
    EXPECT_TRUE(rodape->isChecked());
    Marcar(rodape);
    EXPECT_EQ(ed.doc().Config.InicioRodape, 0);

    Selecionar(1, 0);
    EXPECT_FALSE(rodape->isEnabled());
    EXPECT_FALSE(Achar<QLineEdit>("txtTexto")->isEnabled());
    EXPECT_FALSE(Achar<NumeroCtl>("numWidth")->isEnabled());
}

TEST_F(PainelQt, TipoSoPeloUsuario) {
    auto* tipo = Achar<QComboBox>("cmbTipo");
    ed.doc().itemSel().Tipo = TipoComando;
    painel->Validar();
    EXPECT_EQ(tipo->currentText(), "Comando");
    EXPECT_EQ(It(1, 2).Tipo, TipoComando);
    tipo->setFocus();
    QTest::keyClick(tipo, Qt::Key_Up);
    EXPECT_EQ(It(1, 2).Tipo, TipoFigura);
}

TEST_F(PainelQt, TextoComEnterEValidacao) {
    QSignalSpy foco(painel, &PainelPropriedades::PedirFocoCanvas);
    QLineEdit* texto = Achar<QLineEdit>("txtTexto");
    painel->ComecarTexto("N");
    QTest::keyClicks(texto, "ome");
    QTest::sendKeyEvent(QTest::Click, texto, Qt::Key_Ccedilla, QString::fromUtf8("\xC3\xA7"), Qt::NoModifier);
    EXPECT_EQ(It(1, 2).Texto, "Texto 2");
    QTest::keyClick(texto, Qt::Key_Return);
    EXPECT_EQ(It(1, 2).Texto, "Nome\xE7");
    EXPECT_EQ(foco.count(), 1);
    QTest::keyClicks(texto, "xyz");
    QTest::keyClick(texto, Qt::Key_Escape);
    EXPECT_EQ(texto->text(), QString::fromUtf8("Nome\xC3\xA7"));

    // A character the layout cannot hold is refused and stays for correction.
    texto->setFocus();
    texto->setText(QString::fromUtf8("seta \xE2\x86\x92"));
    EXPECT_FALSE(painel->ConfirmarEdicoesPendentes());
    EXPECT_EQ(dialogos.mensagens.back().titulo, "Texto");
    EXPECT_EQ(It(1, 2).Texto, "Nome\xE7");
    EXPECT_EQ(texto->text(), QString::fromUtf8("seta \xE2\x86\x92"));
    QTest::keyClick(texto, Qt::Key_Return);
    EXPECT_EQ(foco.count(), 1);
    texto->setText("seta");
    EXPECT_TRUE(painel->ConfirmarEdicoesPendentes());
    EXPECT_EQ(It(1, 2).Texto, "seta");
}

TEST_F(PainelQt, TextoDigitadoSobreviveAUmaAtualizacao) {
    QLineEdit* texto = Achar<QLineEdit>("txtTexto");
    texto->setFocus();
    texto->setText("ainda digitando");
    painel->Validar();  // e.g. a menu command on the same item
    EXPECT_EQ(texto->text(), "ainda digitando");
    // Another item shown: its own text replaces what was not stored.
    ASSERT_TRUE(painel->ConfirmarEdicoesPendentes());
    texto->setText("perdido");
    Selecionar(2, 2);
    EXPECT_EQ(texto->text(), "Texto 2");
    EXPECT_EQ(It(1, 2).Texto, "ainda digitando");

    // Line breaks stored in a text are shown and kept as they are.
    It(2, 2).Texto = "um\r\ndois";
    painel->Validar();
    EXPECT_EQ(texto->text(), "um\r\ndois");
    Sair();
    EXPECT_EQ(It(2, 2).Texto, "um\r\ndois");
}

TEST_F(PainelQt, InserirMacroNaSelecao) {
    QLineEdit* texto = Achar<QLineEdit>("txtTexto");
    texto->setFocus();
    texto->setSelection(0, 5);  // "Texto"
    painel->InserirMacro(0);
    EXPECT_EQ(texto->text(), "(%_pag_%) 2");
    EXPECT_EQ(texto->selectedText(), "(%_pag_%)");
    dialogos.entradas.push_back("7");
    texto->setCursorPosition(texto->text().size());
    painel->InserirMacro(12);
    EXPECT_EQ(texto->text(), "(%_pag_%) 2(%_07_%)");
    EXPECT_EQ(texto->selectedText(), "(%_07_%)");
    Sair();
    EXPECT_EQ(It(1, 2).Texto, "(%_pag_%) 2(%_07_%)");
}

}  // namespace
}  // namespace mobrix::teste
