#pragma once
// The canvas area of the main window: the viewport (picContainer) that holds
// the page canvas, its two scrollbars (hsbPagina, vsbPagina) and the
// renderer's state. The scrollbar maxima are always canvas size minus
// viewport size, the large steps the viewport's size.
#include <QScrollBar>
#include <QWidget>
#include <string>

#include "barcodes/ponte_pdf417.h"
#include "canvas/pagina.h"
#include "canvas/ui/tela_pagina.h"
#include "document/editor.h"
#include "document/ui/superficie_qt.h"
#include "output/variaveis.h"

namespace mobrix {

class VisorPagina : public QWidget {
    Q_OBJECT
public:
    VisorPagina(Editor& editor, Sistema& sistema, Dialogos& dialogos, QWidget* pai);

    TelaPagina* tela() const { return tela_; }
    // The PDF417 bridge the page draws with; the barcode dialog previews with it too.
    PontePDF417& pdf417() { return pdf417_; }

    // The full redraw of the page; returns the report command text.
    std::string Redesenhar(Documento& doc);
    EstadoPagina Estado() const;
    void Rolar(int32_t h, int32_t v);
    // The canvas at its initial size, scrolled to the top left.
    void Reiniciar();
    // How many full redraws the page has had (each one renders every band).
    int Redesenhos() const { return redesenhos_; }
    QSize sizeHint() const override { return {800, 500}; }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void AtualizarBarras();
    int LarguraTela() const;

    Dialogos& dialogos_;
    QWidget* container_ = nullptr;  // picContainer
    TelaPagina* tela_ = nullptr;
    QScrollBar* hsb_ = nullptr;
    QScrollBar* vsb_ = nullptr;
    Pagina pagina_;
    SuperficieQt figura_;  // picLoadPicture
    PontePDF417 pdf417_;
    DataHora agora_;
    int redesenhos_ = 0;
};

}  // namespace mobrix
