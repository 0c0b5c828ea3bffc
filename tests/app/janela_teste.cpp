#include "janela_teste.h"

#include <QMouseEvent>
#include <QSettings>

#include "document/identidade.h"
#include "document/operacoes.h"

namespace mobrix::teste {

void LimparConfiguracoes() {
    QSettings s("Korvane", TituloAplicacao);
    s.clear();
    s.sync();
}

void JanelaIniciada::SetUp() {
    LimparConfiguracoes();
    j = std::make_unique<JanelaDeTeste>(pasta.caminho());
    j->Iniciar();
    j->tela()->setFocus();
    ASSERT_TRUE(j->tela()->hasFocus());
}

void JanelaDeTeste::Iniciar(const std::vector<std::string>& argumentos) {
    janela.show();
    janela.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&janela));
    janela.Iniciar(argumentos);
}

void JanelaDeTeste::Ativar() {
    janela.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&janela));
    tela()->setFocus();
}

QAction* JanelaDeTeste::Acao(const char* nome) const {
    QAction* a = janela.findChild<QAction*>(nome);
    EXPECT_NE(a, nullptr) << nome;
    return a;
}

QPoint JanelaDeTeste::MeioDoItem(int banda, int item) {
    const Banda& b = doc().banda(banda);
    const Item& it = b.item(item);
    return QPoint(it.Esquerda + 8 + it.Largura / 2, b.Topo + b.AlturaEfetiva() / 2);
}

void JanelaDeTeste::Clicar(QPoint p, Qt::MouseButton botao, Qt::KeyboardModifiers m) {
    QTest::mouseClick(tela(), botao, m, p);
}

void JanelaDeTeste::Tecla(int tecla, Qt::KeyboardModifiers m) {
    QTest::keyClick(tela(), static_cast<Qt::Key>(tecla), m);
}

void JanelaDeTeste::ArrastarAlca(int indice, int dx, int dy) {
    auto* alca = Controle<QWidget>(("SizePoint" + std::to_string(indice)).c_str());
    ASSERT_TRUE(alca && alca->isVisible());
    const QPoint inicio = alca->geometry().center();  // in canvas coordinates
    QTest::mousePress(alca, Qt::LeftButton, {}, alca->rect().center());
    ASSERT_TRUE(ed().Arrastando());
    // The canvas holds the mouse for the rest of the drag.
    QTest::mouseMove(tela(), inicio + QPoint(dx / 2, dy / 2));
    QTest::mouseMove(tela(), inicio + QPoint(dx, dy));
    QTest::mouseRelease(tela(), Qt::LeftButton, {}, inicio + QPoint(dx, dy));
}

void JanelaDeTeste::AbrirMenu(QMenu* menu) {
    emit menu->aboutToShow();
}

void JanelaDeTeste::Montar(const std::vector<int>& itensPorBanda) {
    Documento& d = doc();
    NovoLayout(d);
    d.Bandas.clear();
    for (size_t b = 0; b < itensPorBanda.size(); ++b) {
        AddBanda(d, 0, false, 18, 64);
        Banda& banda = d.Bandas.back();
        for (int k = 2; k <= itensPorBanda[b]; ++k) AddItem(d, static_cast<int>(b + 1), false, 64);
        for (int k = 1; k <= banda.NumItens(); ++k) banda.item(k).Texto = std::to_string(b + 1) + "." + std::to_string(k);
        ReposicionarItem(banda);  // the redraw places only the selected band's items
    }
    d.BandaSel = 1;
    d.ItemSel = 0;
    ed().ExibirBanda();
    ed().SelecionarItem();
}

}  // namespace mobrix::teste
