#pragma once
// The page canvas (picPagina): shows the page picture the renderer draws, at
// one screen pixel per page pixel, with the selection decorations above it,
// and turns mouse and keys into calls on the editor object.
#include <QTimer>
#include <QWidget>
#include <array>
#include <optional>

#include "canvas/pagina.h"
#include "canvas/ui/decoracoes_pagina.h"
#include "document/editor.h"
#include "document/ui/superficie_qt.h"

namespace mobrix {

// The editor key for a key press on the canvas, if it is one of its keys.
// The keypad's "-", "+" and "*" are told apart from the main keyboard's.
std::optional<TeclaEditor> TeclaDoEvento(int tecla, Qt::KeyboardModifiers modificadores);

class TelaPagina : public QWidget {
    Q_OBJECT
public:
    TelaPagina(Editor& editor, QWidget* pai);

    SuperficieQt& superficie() { return superficie_; }
    // The widget takes the size of the page picture.
    void AjustarTamanho();

    // Outline, handles, range and band marker from the editor's selection.
    void MostrarSelecao(const GeometriaSelecao& g, bool arrastando);
    // Header and footer lines after a redraw.
    void PosicionarMarcas(const ResultadoPagina& r);
    void MostrarMagica(const std::optional<PropostaMagica>& proposta);
    // Handle colours: active while the canvas has the focus.
    void PintarSelection(bool ativo);

signals:
    // Enter or a double click: the item text box takes the focus.
    void focoParaCaixaTexto();
    // Backspace (empty text) or a typed character: the item text box takes
    // the focus with this text.
    void textoParaCaixaTexto(const QString& texto);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void Pressionar(QPoint p, Qt::MouseButton botao, Qt::KeyboardModifiers modificadores);
    void Mover(QPoint p, Qt::MouseButtons botoes, Qt::KeyboardModifiers modificadores);
    void IniciarArrasto(int alca, QPoint p);
    void VerificarMagica();
    void CriarDecoracoes();

    Editor& editor_;
    SuperficieQt superficie_;
    ContornoPagina* faixa_ = nullptr;     // shpSelectedRange
    MarcaPagina* cabecalho_ = nullptr;    // linCabecalho
    MarcaPagina* rodape_ = nullptr;       // linRodape
    MarcaPagina* bandaSelecionada_ = nullptr;  // picBandaSelecionada
    ContornoPagina* contorno_ = nullptr;  // shpSize
    std::array<AlcaSelecao*, 8> alcas_{};
    QuadroMagico* magica_ = nullptr;      // picMagic
    QTimer* tmrMagic_ = nullptr;
    bool alturaAutomatica_ = false;
};

}  // namespace mobrix
