#include "canvas/ui/painel_linhas.h"

#include "document/atalhos.h"

namespace mobrix {
namespace {

// The item outline inside the picture, and the reach of a label around its line.
constexpr int Margem = 6;
constexpr int LarguraCaixa = 56;
constexpr int AlturaCaixa = 36;
constexpr int Alcance = 3;
constexpr int Espessura = 2;

// Where line i lies: a horizontal or vertical stroke of the outline.
QRect Traco(int linha) {
    const int esquerda = Margem, topo = Margem, direita = Margem + LarguraCaixa, base = Margem + AlturaCaixa;
    switch (linha) {
        case 1: return {esquerda, topo + AlturaCaixa / 2, LarguraCaixa, Espessura};
        case 2: return {direita - Espessura, topo, Espessura, AlturaCaixa};
        case 3: return {esquerda + LarguraCaixa / 2, topo, Espessura, AlturaCaixa};
        case 4: return {esquerda, base - Espessura, LarguraCaixa, Espessura};
        case 5: return {esquerda, topo, LarguraCaixa, Espessura};
        default: return {esquerda, topo, Espessura, AlturaCaixa};
    }
}

}  // namespace

DiagramaLinhasCtl::DiagramaLinhasCtl(QWidget* parent) : QWidget(parent) {
    setFixedSize(LarguraCaixa + 2 * Margem, AlturaCaixa + 2 * Margem);
    // The middle lines come last so that they win where they cross the edges.
    for (int linha : {2, 4, 5, 6, 1, 3}) {
        auto* rotulo = new RotuloClicavel(QString(), this);
        rotulo->setObjectName(QString("lblAlinhamento%1").arg(linha));
        rotulo->setToolTip(QString::fromUtf8(DicaLinha(linha)));
        rotulo->setGeometry(Traco(linha).adjusted(-Alcance, -Alcance, Alcance, Alcance));
        auto* traco = new QFrame(rotulo);
        traco->setObjectName(QString("linAlinhamento%1").arg(linha));
        traco->setGeometry(Alcance, Alcance, Traco(linha).width(), Traco(linha).height());
        traco->setAutoFillBackground(true);
        traco->setAttribute(Qt::WA_TransparentForMouseEvents);
        connect(rotulo, &RotuloClicavel::Clicado, this, [this, linha] { emit LinhaClicada(linha); });
        linhas_[static_cast<size_t>(linha - 1)] = traco;
    }
    MostrarLinhas({});
}

void DiagramaLinhasCtl::MostrarLinhas(const std::array<bool, 6>& ligadas) {
    for (size_t i = 0; i < linhas_.size(); ++i) {
        QPalette p = linhas_[i]->palette();
        p.setColor(QPalette::Window, ligadas[i] ? Qt::black : QColor(210, 210, 210));
        linhas_[i]->setPalette(p);
        linhas_[i]->setProperty("ligada", ligadas[i]);
    }
}

}  // namespace mobrix
