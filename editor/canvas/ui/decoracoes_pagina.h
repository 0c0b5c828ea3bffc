#pragma once
// The small widgets that live above the page canvas and scroll with it: the
// selection outline and its eight handles, the range rectangle, the
// selected-band marker, the header and footer marker lines and the
// one-click creation frame.
#include <QColor>
#include <QPen>
#include <QPoint>
#include <QWidget>

namespace mobrix {

// Colours of the handles (PintarSelection).
inline const QColor CorAlcaAtiva(0, 0, 144);
inline const QColor CorAlcaAutomatica(0, 144, 0);  // active, band of automatic height
inline const QColor CorAlcaInativa(144, 144, 144);
inline const QColor CorContornoMagico(254, 203, 130);

// One of the eight drag handles (SizePoint). A press starts a drag, which the
// canvas then follows; positions are in the canvas's coordinates.
class AlcaSelecao : public QWidget {
    Q_OBJECT
public:
    AlcaSelecao(int indice, QWidget* canvas);
    int indice() const { return indice_; }
    void DefinirCor(const QColor& cor);
    void DefinirHabilitada(bool habilitada);
    bool habilitada() const { return habilitada_; }
    const QColor& cor() const { return cor_; }

signals:
    void arrastoIniciado(int indice, QPoint naPagina);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    int indice_;
    QColor cor_ = CorAlcaAtiva;
    bool habilitada_ = true;
};

// A rectangle drawn as an outline (shpSize, shpSelectedRange); the mouse
// goes through it to the canvas.
class ContornoPagina : public QWidget {
public:
    ContornoPagina(const QPen& caneta, const QColor& preenchimento, QWidget* canvas);
    void DefinirCaneta(const QPen& caneta);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPen caneta_;
    QColor preenchimento_;
};

// A filled strip the mouse goes through: the header and footer marker
// lines, the selected-band marker.
class MarcaPagina : public QWidget {
public:
    enum class Forma { Faixa, Seta };
    MarcaPagina(Forma forma, const QColor& cor, QWidget* canvas);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Forma forma_;
    QColor cor_;
};

// The one-click creation frame (picMagic). A left click creates what it
// proposes; a right click and mouse moves belong to the canvas beneath.
class QuadroMagico : public QWidget {
    Q_OBJECT
public:
    explicit QuadroMagico(QWidget* canvas);

signals:
    void clicado();
    void botaoDireito(QPoint naPagina);
    void mouseMovido(QPoint naPagina, Qt::MouseButtons botoes, Qt::KeyboardModifiers modificadores);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
};

}  // namespace mobrix
