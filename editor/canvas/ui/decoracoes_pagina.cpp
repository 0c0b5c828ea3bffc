#include "canvas/ui/decoracoes_pagina.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPen>

#include "document/selecao.h"

namespace mobrix {
namespace {

Qt::CursorShape CursorDaAlca(int indice) {
    switch (indice) {
        case AlcaSuperiorEsquerda:
        case AlcaInferiorDireita: return Qt::SizeFDiagCursor;
        case AlcaInferiorEsquerda:
        case AlcaSuperiorDireita: return Qt::SizeBDiagCursor;
        case AlcaEsquerda:
        case AlcaDireita: return Qt::SizeHorCursor;
        default: return Qt::SizeVerCursor;
    }
}

QPoint NaPagina(const QWidget* w, const QMouseEvent* e) { return w->mapToParent(e->position().toPoint()); }

}  // namespace

AlcaSelecao::AlcaSelecao(int indice, QWidget* canvas) : QWidget(canvas), indice_(indice) {
    setObjectName(QStringLiteral("SizePoint%1").arg(indice));
    setFixedSize(TamanhoAlca, TamanhoAlca);
    setCursor(CursorDaAlca(indice));
    setToolTip(indice == AlcaDeslocar ? "Deslocar a banda selecionada" : "Redimensionar o item - [Shift + Setas]");
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
}

void AlcaSelecao::DefinirCor(const QColor& cor) {
    if (cor == cor_) return;
    cor_ = cor;
    update();
}

void AlcaSelecao::DefinirHabilitada(bool habilitada) {
    if (habilitada == habilitada_) return;
    habilitada_ = habilitada;
    update();
}

void AlcaSelecao::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor fundo = habilitada_ ? QColor(Qt::white) : cor_;
    const QColor quadrado = habilitada_ ? cor_ : QColor(Qt::white);
    p.fillRect(rect(), fundo);
    p.fillRect(QRect(1, 1, 5, 5), quadrado);
}

void AlcaSelecao::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) emit arrastoIniciado(indice_, NaPagina(this, e));
}

ContornoPagina::ContornoPagina(const QPen& caneta, const QColor& preenchimento, QWidget* canvas)
    : QWidget(canvas), caneta_(caneta), preenchimento_(preenchimento) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void ContornoPagina::DefinirCaneta(const QPen& caneta) {
    if (caneta == caneta_) return;
    caneta_ = caneta;
    update();
}

void ContornoPagina::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (preenchimento_.alpha() > 0) p.fillRect(rect(), preenchimento_);
    p.setPen(caneta_);
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

MarcaPagina::MarcaPagina(Forma forma, const QColor& cor, QWidget* canvas) : QWidget(canvas), forma_(forma), cor_(cor) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void MarcaPagina::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (forma_ == Forma::Faixa) {
        p.fillRect(rect(), cor_);
        return;
    }
    // A small arrow pointing at the band, in the gutter left of the items.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(cor_);
    const QPointF ponta[] = {{0, 0}, {qreal(width()), height() / 2.0}, {0, qreal(height())}};
    p.drawPolygon(ponta, 3);
}

QuadroMagico::QuadroMagico(QWidget* canvas) : QWidget(canvas) {
    setObjectName("picMagic");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    hide();
}

void QuadroMagico::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(CorContornoMagico);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void QuadroMagico::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        emit clicado();
    } else if (e->button() == Qt::RightButton) {
        emit botaoDireito(NaPagina(this, e));
    }
}

void QuadroMagico::mouseMoveEvent(QMouseEvent* e) {
    emit mouseMovido(NaPagina(this, e), e->buttons(), e->modifiers());
}

}  // namespace mobrix
