#pragma once
// The program's pictures, drawn by the program itself: its icon and the
// pictures of the item buttons.
#include <QIcon>
#include <QImage>

namespace mobrix {

// A page with a header band, detail lines, a barcode and a footer band.
QImage DesenharIconePrograma(int lado);
QIcon IconePrograma();

QIcon IconeRemover();   // btnRemove
QIcon IconeEsquerda();  // btnLeft
QIcon IconeDireita();   // btnRight
QIcon IconeMagica();    // btnMagic
QIcon IconeResultado(); // imgResultado

}  // namespace mobrix
