// The page canvas driven with the mouse and the keyboard.
#include <QLabel>
#include <QScrollBar>
#include <QWheelEvent>

#include "janela_teste.h"

namespace mobrix::teste {
namespace {

class JanelaPagina : public JanelaIniciada {
protected:
    QWidget* Handle(int i) { return j->Controle(("SizePoint" + std::to_string(i)).c_str()); }
};

TEST_F(JanelaPagina, UmCliqueSelecionaACelulaEMostraAsAlcasEORotulo) {
    j->Montar({3, 2});
    j->Clicar(j->MeioDoItem(2, 2));
    EXPECT_EQ(j->doc().BandaSel, 2);
    EXPECT_EQ(j->doc().ItemSel, 2);
    EXPECT_EQ(j->Controle<QLabel>("lblSelecionado")->text(), "(2, 2)");
    const QWidget* contorno = j->Controle("shpSize");
    EXPECT_TRUE(contorno->isVisible());
    EXPECT_EQ(contorno->geometry(), QRect(8 + 64, j->doc().banda(2).Topo, 64, 18));
    for (int i = 0; i < 8; ++i) EXPECT_TRUE(Handle(i)->isVisible()) << i;
    const GeometriaSelecao g = j->ed().Selecao();
    for (int i = 0; i < 8; ++i) {
        const auto& a = g.alcas[static_cast<size_t>(i)];
        EXPECT_EQ(Handle(i)->geometry(), QRect(a.x, a.y, TamanhoAlca, TamanhoAlca)) << i;
    }
    EXPECT_GE(Handle(AlcaDireita)->x(), contorno->geometry().right()) << "outside the cell";
    EXPECT_TRUE(j->Controle("btnRemove")->isEnabled());
    const QWidget* marcador = j->Controle("picBandaSelecionada");
    const int meioBanda2 = j->doc().banda(2).Topo + 9;
    EXPECT_EQ(marcador->geometry().center().y(), meioBanda2);

    // Between the bands' items and the page edge: the band only.
    j->Clicar(QPoint(600, j->MeioDoItem(1, 1).y()));
    EXPECT_EQ(j->doc().BandaSel, 1);
    EXPECT_EQ(j->doc().ItemSel, 0);
    EXPECT_EQ(j->Controle<QLabel>("lblSelecionado")->text(), "(1)");
    EXPECT_FALSE(contorno->isVisible());
    EXPECT_FALSE(Handle(0)->isVisible());
    EXPECT_FALSE(j->Controle("btnRemove")->isEnabled());
    EXPECT_EQ(marcador->geometry().center().y(), meioBanda2 - (j->doc().banda(2).Topo - j->doc().banda(1).Topo));
}

TEST_F(JanelaPagina, DeleteRemoveOItemECtrlBaixoMoveABanda) {
    j->Montar({3, 1, 2});
    j->Clicar(j->MeioDoItem(1, 2));
    j->Tecla(Qt::Key_Delete);
    ASSERT_EQ(j->doc().banda(1).NumItens(), 2);
    EXPECT_EQ(j->Texto(1, 1), "1.1");
    EXPECT_EQ(j->Texto(1, 2), "1.3");

    j->Tecla(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(j->doc().BandaSel, 2);
    EXPECT_EQ(j->Texto(1, 1), "2.1");
    EXPECT_EQ(j->Texto(2, 1), "1.1");
    EXPECT_EQ(j->Controle<QLabel>("lblSelecionado")->text(), "(2, 2)") << "the item stays, the band moved";

    // The keypad's minus deletes too; the main keyboard's types nothing.
    j->Tecla(Qt::Key_Minus);
    EXPECT_EQ(j->doc().banda(2).NumItens(), 2);
    j->Tecla(Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(j->doc().banda(2).NumItens(), 1);
}

TEST_F(JanelaPagina, AlcasRedimensionamEmPassosDeOitoEDeslocamABanda) {
    j->Montar({1, 1});
    j->Clicar(j->MeioDoItem(1, 1));
    j->ArrastarAlca(AlcaDireita, 7, 0);
    EXPECT_EQ(j->doc().banda(1).item(1).Largura, 64) << "less than 8 pixels changes nothing";
    j->ArrastarAlca(AlcaDireita, 9, 30);
    EXPECT_EQ(j->doc().banda(1).item(1).Largura, 72);
    EXPECT_EQ(j->doc().banda(1).Altura, 18) << "the right handle ignores dy";
    j->ArrastarAlca(AlcaInferiorDireita, 16, 16);
    EXPECT_EQ(j->doc().banda(1).item(1).Largura, 88);
    EXPECT_EQ(j->doc().banda(1).Altura, 34);
    for (int i = 0; i < 8; ++i) EXPECT_TRUE(Handle(i)->isVisible()) << "handles back after the drag";
    EXPECT_EQ(j->Controle("shpSize")->geometry(), QRect(8, 16, 88, 34));

    // Band 1 cannot be moved: its top handle is drawn disabled.
    EXPECT_FALSE(static_cast<AlcaSelecao*>(Handle(AlcaDeslocar))->habilitada());
    j->Clicar(j->MeioDoItem(2, 1));
    EXPECT_TRUE(static_cast<AlcaSelecao*>(Handle(AlcaDeslocar))->habilitada());
    j->ArrastarAlca(AlcaDeslocar, 0, -500);
    EXPECT_EQ(j->doc().banda(2).Deslocamento, DeslocamentoAteBandaAnterior);
    EXPECT_EQ(j->doc().banda(2).Topo, j->doc().banda(1).Topo);
}

TEST_F(JanelaPagina, SessaoDeCliquesETeclasDeixaODocumentoEsperado) {
    j->Montar({2});
    j->Clicar(j->MeioDoItem(1, 2));
    j->Tecla(Qt::Key_Plus, Qt::KeypadModifier);  // a new item left of 1.2, which stays selected
    j->Tecla(Qt::Key_Right, Qt::ShiftModifier);  // 1.2 wider by 8, twice
    j->Tecla(Qt::Key_Right, Qt::ShiftModifier);
    j->Tecla(Qt::Key_Down, Qt::ShiftModifier);   // the band taller by 8
    j->Tecla(Qt::Key_Left, Qt::ControlModifier); // 1.2 back left of the new item
    j->Acao("mnuEditarBandaAdicionar")->trigger();
    j->Clicar(j->MeioDoItem(2, 1));
    j->Tecla(Qt::Key_Asterisk, Qt::KeypadModifier);  // an item appended to band 2, nothing selected
    j->Tecla(Qt::Key_Right);                     // the first item
    j->Tecla(Qt::Key_Delete);                    // ... goes
    j->Tecla(Qt::Key_Up);
    j->Tecla(Qt::Key_Escape);

    const Documento& d = j->doc();
    ASSERT_EQ(d.NumBandas(), 2);
    const Banda& b1 = d.banda(1);
    ASSERT_EQ(b1.NumItens(), 3);
    EXPECT_EQ(b1.Altura, 26);
    EXPECT_EQ(b1.item(1).Texto, "1.1");
    EXPECT_EQ(b1.item(2).Texto, "1.2");
    EXPECT_EQ(b1.item(2).Largura, 80);
    EXPECT_EQ(b1.item(3).Esquerda, 64 + 80);
    EXPECT_EQ(b1.item(3).Largura, 64);
    ASSERT_EQ(d.banda(2).NumItens(), 1);
    EXPECT_NE(d.banda(2).item(1).Texto, "2.1");
    EXPECT_EQ(d.banda(2).Topo, 16 + 26);
    EXPECT_EQ(d.BandaSel, 1);
    EXPECT_EQ(d.ItemSel, 0) << "Escape leaves the band selected";
    EXPECT_TRUE(d.Alterado);
}

TEST_F(JanelaPagina, ShiftCliqueEArrastoMostramAFaixa) {
    j->Montar({4, 2});
    j->Clicar(j->MeioDoItem(1, 1));
    j->Clicar(j->MeioDoItem(1, 3), Qt::LeftButton, Qt::ShiftModifier);
    const QWidget* faixa = j->Controle("shpSelectedRange");
    ASSERT_TRUE(faixa->isVisible());
    EXPECT_EQ(faixa->geometry(), QRect(7, 15, 3 * 64 + 2, 20));
    j->Tecla(Qt::Key_Delete);
    EXPECT_EQ(j->doc().banda(1).NumItens(), 1);
    EXPECT_FALSE(faixa->isVisible());

    // Dragging with the left button from band 1 into band 2 covers both.
    j->Clicar(j->MeioDoItem(1, 1));
    QTest::mousePress(j->tela(), Qt::LeftButton, {}, j->MeioDoItem(1, 1));
    QTest::mouseMove(j->tela(), j->MeioDoItem(2, 2));
    QTest::mouseRelease(j->tela(), Qt::LeftButton, {}, j->MeioDoItem(2, 2));
    EXPECT_TRUE(faixa->isVisible());
    EXPECT_EQ(j->doc().SelBandaIni, 1);
    EXPECT_EQ(j->doc().SelBandaFim, 2);
}

TEST_F(JanelaPagina, RodaDoMouseRolaUmOitavoDoPassoGrandeSoComOFocoNaPagina) {
    std::vector<int> bandas(120, 1);
    j->Montar(bandas);
    auto* vsb = j->Controle<QScrollBar>("vsbPagina");
    ASSERT_GT(vsb->maximum(), 0);
    const auto roda = [&](QWidget* alvo, int delta) {
        QWheelEvent e(QPointF(5, 5), alvo->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(alvo, &e);
    };
    roda(j->Controle("rtbResultado"), -360);  // anywhere in the window, any size of turn
    EXPECT_EQ(vsb->value(), vsb->pageStep() / 8);
    EXPECT_EQ(j->tela()->y(), -vsb->value());
    roda(j->tela(), 120);
    EXPECT_EQ(vsb->value(), 0);

    j->Controle("rtbResultado")->setFocus();
    roda(j->tela(), -120);
    EXPECT_EQ(vsb->value(), 0) << "the canvas has no focus";
}

TEST_F(JanelaPagina, TeclasDePaginaEOItemSelecionadoSempreVisivel) {
    std::vector<int> bandas(150, 1);
    j->Montar(bandas);
    auto* vsb = j->Controle<QScrollBar>("vsbPagina");
    j->Tecla(Qt::Key_End);
    EXPECT_EQ(vsb->value(), vsb->maximum());
    j->Tecla(Qt::Key_Home);
    EXPECT_EQ(vsb->value(), 0);
    j->Tecla(Qt::Key_PageDown);
    EXPECT_EQ(vsb->value(), std::min(vsb->pageStep(), vsb->maximum()));

    j->Clicar(QPoint(20, 20));
    for (int i = 0; i < 60; ++i) j->Tecla(Qt::Key_Down);
    const Banda& b = j->doc().banda(61);
    EXPECT_EQ(j->doc().BandaSel, 61);
    const int visivel = j->Controle("picContainer")->height();
    EXPECT_GE(b.Topo, vsb->value());
    EXPECT_LE(b.Topo + 18, vsb->value() + visivel);
}

TEST_F(JanelaPagina, CriacaoComUmCliqueAbaixoDaUltimaBanda) {
    j->Montar({1});
    auto* magica = j->Controle("picMagic");
    auto* botao = j->Controle<QToolButton>("btnMagic");
    ASSERT_TRUE(botao->isChecked()) << "on by default";
    const int fundo = j->doc().banda(1).Topo + 18;
    QTest::mouseMove(j->tela(), QPoint(100, fundo + 30));
    ASSERT_TRUE(magica->isVisible());
    EXPECT_EQ(magica->toolTip(), " 104 x 34 px ");
    QTest::mouseClick(magica, Qt::LeftButton, {}, QPoint(3, 3));
    ASSERT_EQ(j->doc().NumBandas(), 2);
    EXPECT_EQ(j->doc().banda(2).Altura, 34);
    EXPECT_EQ(j->doc().banda(2).item(1).Largura, 104);
    EXPECT_FALSE(magica->isVisible());

    botao->click();
    EXPECT_FALSE(j->ed().Preferencias().MagicItem);
    QTest::mouseMove(j->tela(), QPoint(100, j->doc().banda(2).Topo + 60));
    EXPECT_FALSE(magica->isVisible());
}

TEST_F(JanelaPagina, FocoRecoloreAsAlcas) {
    j->Montar({1});
    j->Clicar(j->MeioDoItem(1, 1));
    auto* alca = static_cast<AlcaSelecao*>(Handle(0));
    EXPECT_EQ(alca->cor(), CorAlcaAtiva);
    j->Controle("rtbResultado")->setFocus();
    EXPECT_EQ(alca->cor(), CorAlcaInativa);
    j->tela()->setFocus();
    j->doc().banda(1).Altura = 0;  // automatic height
    j->ed().ExibirBanda();
    EXPECT_EQ(alca->cor(), CorAlcaAutomatica);
}

// A 1,000-band layout stays quick: moving the selection or clicking never
// redraws the page, and an edit redraws it once.
TEST_F(JanelaPagina, PassosDeTecladoECliquesNaoRedesenhamAPagina) {
    std::vector<int> bandas(1000, 4);
    j->Montar(bandas);
    VisorPagina* visor = j->janela.visor();
    j->Clicar(j->MeioDoItem(1, 1));
    int antes = visor->Redesenhos();
    for (int i = 0; i < 20; ++i) j->Tecla(Qt::Key_Down);
    j->Tecla(Qt::Key_Right);
    j->Tecla(Qt::Key_PageDown);
    j->Clicar(j->MeioDoItem(3, 2));
    j->Clicar(j->MeioDoItem(3, 3), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(visor->Redesenhos(), antes);
    antes = visor->Redesenhos();
    j->Tecla(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(visor->Redesenhos(), antes + 1);
    j->Tecla(Qt::Key_Delete);
    EXPECT_EQ(visor->Redesenhos(), antes + 2);
}

TEST(TeclaDoEvento, TecladoNumericoSeparadoDoPrincipal) {
    EXPECT_EQ(TeclaDoEvento(Qt::Key_Minus, Qt::KeypadModifier), TeclaEditor::Menos);
    EXPECT_EQ(TeclaDoEvento(Qt::Key_Minus, Qt::NoModifier), std::nullopt);
    EXPECT_EQ(TeclaDoEvento(Qt::Key_Asterisk, Qt::KeypadModifier), TeclaEditor::Vezes);
    EXPECT_EQ(TeclaDoEvento(Qt::Key_Plus, Qt::ShiftModifier), std::nullopt);
    EXPECT_EQ(TeclaDoEvento(Qt::Key_Delete, Qt::NoModifier), TeclaEditor::Delete);
    EXPECT_EQ(TeclaDoEvento(Qt::Key_A, Qt::NoModifier), std::nullopt);
}

}  // namespace
}  // namespace mobrix::teste
