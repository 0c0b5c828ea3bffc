#pragma once
// The frame-line picture of the property panel: an item outline with its six
// lines (linAlinhamento1..6), each under a label (lblAlinhamento1..6) that
// switches the line on a click.
#include <QFrame>
#include <QWidget>
#include <array>

#include "canvas/ui/painel_cores.h"

namespace mobrix {

class DiagramaLinhasCtl : public QWidget {
    Q_OBJECT
public:
    explicit DiagramaLinhasCtl(QWidget* parent);
    // Linhas positions 1..6, drawn dark when on.
    void MostrarLinhas(const std::array<bool, 6>& ligadas);

signals:
    void LinhaClicada(int linha);

private:
    std::array<QFrame*, 6> linhas_{};
};

}  // namespace mobrix
