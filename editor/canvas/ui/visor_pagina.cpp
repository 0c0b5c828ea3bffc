#include "canvas/ui/visor_pagina.h"

#include <QEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "canvas/redesenho.h"
#include "output/ui/variaveis_qt.h"

namespace mobrix {
namespace {

constexpr int PassoPequeno = 16;  // pixels per scrollbar arrow click

}  // namespace

VisorPagina::VisorPagina(Editor& editor, Sistema& sistema, Dialogos& dialogos, QWidget* pai)
    : QWidget(pai), dialogos_(dialogos), pdf417_(sistema) {
    container_ = new QWidget(this);
    container_->setObjectName("picContainer");
    container_->setAutoFillBackground(true);
    QPalette fundo = container_->palette();
    fundo.setColor(QPalette::Window, QColor(128, 128, 128));
    container_->setPalette(fundo);
    container_->installEventFilter(this);
    tela_ = new TelaPagina(editor, container_);

    hsb_ = new QScrollBar(Qt::Horizontal, this);
    hsb_->setObjectName("hsbPagina");
    vsb_ = new QScrollBar(Qt::Vertical, this);
    vsb_->setObjectName("vsbPagina");
    for (QScrollBar* barra : {hsb_, vsb_}) {
        barra->setSingleStep(PassoPequeno);
        barra->setFocusPolicy(Qt::NoFocus);
        connect(barra, &QScrollBar::valueChanged, this, [this] { tela_->move(-hsb_->value(), -vsb_->value()); });
    }

    auto* grade = new QGridLayout(this);
    grade->setContentsMargins(0, 0, 0, 0);
    grade->setSpacing(0);
    grade->addWidget(container_, 0, 0);
    grade->addWidget(vsb_, 0, 1);
    grade->addWidget(hsb_, 1, 0);
    AtualizarBarras();
}

std::string VisorPagina::Redesenhar(Documento& doc) {
    agora_ = DataHoraAtual();
    ContextoDesenho ctx{tela_->superficie(), figura_, pdf417_, agora_, &dialogos_};
    ResultadoRedesenho r = DesenharGerarComandosEMarcarAlterado(pagina_, doc, ctx);
    ++redesenhos_;
    tela_->AjustarTamanho();
    AtualizarBarras();
    tela_->PosicionarMarcas(r.pagina);
    // Only the part of the canvas inside the viewport is painted again.
    tela_->update();
    return std::move(r.comandos);
}

EstadoPagina VisorPagina::Estado() const {
    EstadoPagina e;
    e.larguraPagina = tela_->width();
    e.alturaPagina = tela_->height();
    e.larguraVisivel = container_->width();
    e.alturaVisivel = container_->height();
    e.h = hsb_->value();
    e.v = vsb_->value();
    e.maximoH = hsb_->maximum();
    e.maximoV = vsb_->maximum();
    e.passoGrandeV = vsb_->pageStep();
    e.verticalHabilitada = vsb_->isEnabled();
    return e;
}

void VisorPagina::Rolar(int32_t h, int32_t v) {
    hsb_->setValue(h);
    vsb_->setValue(v);
}

void VisorPagina::Reiniciar() {
    pagina_.TamanhoInicial(tela_->superficie(), LarguraTela(), &dialogos_);
    tela_->AjustarTamanho();
    AtualizarBarras();
    Rolar(0, 0);
}

int VisorPagina::LarguraTela() const {
    const QScreen* tela = screen() ? screen() : QGuiApplication::primaryScreen();
    return tela ? tela->geometry().width() : TamanhoMinimoPagina;
}

void VisorPagina::AtualizarBarras() {
    const auto ajustar = [](QScrollBar* barra, int pagina, int visivel) {
        const int maximo = std::max(0, pagina - visivel);
        barra->setRange(0, maximo);
        barra->setPageStep(std::max(1, visivel));
        barra->setEnabled(maximo > 0);
    };
    ajustar(hsb_, tela_->width(), container_->width());
    ajustar(vsb_, tela_->height(), container_->height());
    // setRange clamps the values; the canvas follows them.
    tela_->move(-hsb_->value(), -vsb_->value());
}

bool VisorPagina::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == container_ && evento->type() == QEvent::Resize) AtualizarBarras();
    return QWidget::eventFilter(objeto, evento);
}

}  // namespace mobrix
