#pragma once
// The small controls of the property panel: labels that act on a click, the
// bars of the 16 basic colours, the swatches of the current colours and the
// extended palette popup.
#include <QLabel>
#include <QWidget>

#include "document/superficie.h"

namespace mobrix {

QColor CorQt(Cor cor);

// A label that acts on a left click (lblAuto, lblTexto, lblAlinhamento...).
class RotuloClicavel : public QLabel {
    Q_OBJECT
public:
    explicit RotuloClicavel(const QString& texto, QWidget* parent);

signals:
    void Clicado();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
};

// A colour label: a swatch of its current colour before the caption.
class RotuloCor : public RotuloClicavel {
    Q_OBJECT
public:
    using RotuloClicavel::RotuloClicavel;
    void DefinirCor(Cor cor);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    Cor cor_ = Preto;
};

// picCores / picCoresLinhas: the 16 basic colours, one swatch of 11 pixels
// each, and right of them the "no background" place. The current colour and
// background are marked.
class BarraCoresCtl : public QWidget {
    Q_OBJECT
public:
    explicit BarraCoresCtl(QWidget* parent);
    // Codes outside 0..15 mark no swatch; 99 marks the no-background place.
    void DefinirCores(int principal, int fundo);

signals:
    void Clicada(int x, bool botaoEsquerdo);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    int principal_ = 0;
    int fundo_ = 99;
};

// PicCorItem / picCorLinha: the current colour over the current background
// (hatched when there is none); a click opens the extended palette.
class AmostraCorCtl : public QWidget {
    Q_OBJECT
public:
    explicit AmostraCorCtl(QWidget* parent);
    void DefinirCores(Cor frente, bool temFundo, Cor fundo);

signals:
    void Clicada();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    Cor frente_ = Preto;
    bool temFundo_ = false;
    Cor fundo_ = Branco;
};

// picPaletaExtendida: 8 x 8 cells of 16 pixels, codes 16..79 row by row. It
// takes the focus when shown and hides itself when it loses it or on Escape.
class PaletaExtendidaCtl : public QWidget {
    Q_OBJECT
public:
    explicit PaletaExtendidaCtl(QWidget* parent);
    // Marks the cell of a code (16..79; other codes mark nothing).
    void MarcarCodigo(int codigo);

signals:
    void Escolhida(int x, int y, bool botaoEsquerdo);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    int marcado_ = 0;
};

}  // namespace mobrix
