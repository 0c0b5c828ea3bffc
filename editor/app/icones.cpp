#include "icones.h"

#include <QPainter>
#include <QPixmap>

namespace mobrix {
namespace {

constexpr int Lado = 32;

// A picture drawn on a 32 x 32 grid; Qt scales it for the buttons.
template <class Desenho>
QIcon Icone(Desenho desenhar) {
    QPixmap pixmap(Lado, Lado);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    desenhar(p);
    p.end();
    return QIcon(pixmap);
}

void Seta(QPainter& p, bool paraEsquerda) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 144));
    const double s = paraEsquerda ? -1 : 1;
    const QPointF seta[] = {{16 - 12 * s, 12}, {16 + 2 * s, 12}, {16 + 2 * s, 5},  {16 + 13 * s, 16},
                            {16 + 2 * s, 27},  {16 + 2 * s, 20}, {16 - 12 * s, 20}};
    p.drawPolygon(seta, 7);
}

}  // namespace

QIcon IconePrograma() {
    QIcon icone;
    for (int lado : {16, 32, 48, 64, 128}) icone.addPixmap(QPixmap::fromImage(DesenharIconePrograma(lado)));
    return icone;
}

QIcon IconeRemover() {
    return Icone([](QPainter& p) {
        p.setPen(QPen(QColor(192, 0, 0), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(8, 8, 24, 24);
        p.drawLine(24, 8, 8, 24);
    });
}

QIcon IconeEsquerda() {
    return Icone([](QPainter& p) { Seta(p, true); });
}

QIcon IconeDireita() {
    return Icone([](QPainter& p) { Seta(p, false); });
}

QIcon IconeMagica() {
    return Icone([](QPainter& p) {
        // A wand with a spark at its tip.
        p.setPen(QPen(QColor(90, 60, 30), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(5, 27, 19, 13);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 170, 40));
        const QPointF estrela[] = {{24, 2},  {26, 7},  {31, 8}, {27, 11}, {28, 16},
                                   {24, 13}, {20, 16}, {21, 11}, {17, 8}, {22, 7}};
        p.drawPolygon(estrela, 10);
    });
}

QIcon IconeResultado() {
    return Icone([](QPainter& p) {
        // A text sheet: lines of two-letter commands.
        p.setPen(QPen(QColor(60, 60, 80), 2));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6, 3, 20, 26));
        p.setPen(QPen(QColor(0, 0, 144), 2));
        for (int y = 9; y <= 24; y += 5) {
            p.drawLine(10, y, 13, y);
            p.drawLine(16, y, y % 2 ? 22 : 20, y);
        }
    });
}

}  // namespace mobrix
