// The program icon, kept apart so the build can write it to a PNG file.
#include <QPainter>
#include <QPainterPath>
#include <iterator>

#include "icones.h"

namespace mobrix {

QImage DesenharIconePrograma(int lado) {
    QImage imagem(lado, lado, QImage::Format_ARGB32_Premultiplied);
    imagem.fill(Qt::transparent);
    QPainter p(&imagem);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(lado / 64.0, lado / 64.0);

    // The sheet with a folded corner.
    QPainterPath folha;
    folha.moveTo(10, 3);
    folha.lineTo(44, 3);
    folha.lineTo(55, 14);
    folha.lineTo(55, 61);
    folha.lineTo(10, 61);
    folha.closeSubpath();
    p.setPen(QPen(QColor(60, 60, 80), 2));
    p.setBrush(Qt::white);
    p.drawPath(folha);
    p.setBrush(QColor(215, 215, 225));
    p.drawPolygon(QPolygonF({QPointF(44, 3), QPointF(44, 14), QPointF(55, 14)}));

    // Header band, detail lines, barcode, footer band.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 144));
    p.drawRect(QRectF(14, 17, 37, 7));
    p.setBrush(QColor(150, 150, 160));
    for (int y : {28, 33, 38}) p.drawRect(QRectF(14, y, y == 33 ? 26 : 34, 2.5));
    p.setBrush(Qt::black);
    const double barras[] = {1, 2, 1, 1, 3, 1, 2, 1, 1, 2, 1, 3, 1};
    double x = 14;
    for (size_t i = 0; i < std::size(barras); ++i) {
        if (i % 2 == 0) p.drawRect(QRectF(x, 43, barras[i], 8));
        x += barras[i] + 0.6;
    }
    p.setBrush(QColor(0, 144, 0));
    p.drawRect(QRectF(14, 54, 37, 4));
    return imagem;
}

}  // namespace mobrix
