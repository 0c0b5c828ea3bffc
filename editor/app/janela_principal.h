#pragma once
// The main window: the menu bar, the property panel's place, the item
// buttons, the page canvas and the command-text pane. It turns events into
// calls on the editor object and shows what the editor tells its view; the
// rules live in the editor.
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QSplitter>
#include <QToolButton>
#include <array>
#include <string>
#include <vector>

#include "app/acoes_saida.h"
#include "caixa_resultado.h"
#include "canvas/ui/painel_propriedades.h"
#include "canvas/ui/visor_pagina.h"
#include "document/editor.h"
#include "menus.h"

namespace mobrix {

// The platform the window works with; tests pass fakes of some.
struct PortasJanela {
    Dialogos& dialogos;
    Configuracoes& configuracoes;
    AreaTransferencia& areaTransferencia;
    Sistema& sistema;
};

class JanelaPrincipal : public QMainWindow, public Vista {
    Q_OBJECT
public:
    static constexpr int LarguraMinima = 633;
    static constexpr int AlturaMinima = 384;

    explicit JanelaPrincipal(const PortasJanela& portas, QWidget* pai = nullptr);
    ~JanelaPrincipal() override;

    // Start-up: settings, recent files, and the layout of the command line
    // (program arguments without the program's name) or a new one.
    void Iniciar(const std::vector<std::string>& argumentos);

    Editor& editor() { return editor_; }
    const Menus& menus() const { return menus_; }
    VisorPagina* visor() const { return visor_; }
    PainelPropriedades* painel() const { return painel_; }
    CaixaResultado* resultado() const { return resultado_; }
    // The focus facts of the Editar menu's rules, as they are now.
    Foco FocoAtual() const;

    // ---- Vista ---------------------------------------------------------------
    void Redesenhar(Documento& doc) override;
    void AtualizarComandos(const Documento& doc) override;
    void AtualizarSelecao() override;
    void Validar() override;
    bool ConfirmarEdicoesPendentes() override;
    EstadoPagina Pagina() const override;
    void Rolar(int32_t h, int32_t v) override;
    void ReiniciarPagina() override;
    void MostrarMagica(const std::optional<PropostaMagica>& proposta) override;
    void AbrirMenuEditar() override;
    void DefinirTitulo(const std::string& titulo) override;
    void AtualizarRecentes(const std::vector<std::string>& caminhos) override;
    void AtualizarMenuConfiguracao() override;

public slots:
    // The kind context menu (mnuPopup2) at a point of the screen, when an
    // item is selected.
    void AbrirMenuTipo(const QPoint& global);
    // "&Exibir o arquivo texto" and a click on imgResultado.
    void AlternarResultado();

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void MontarJanela();
    void TamanhoInicialJanela();
    QWidget* CriarBotoes();
    void LigarGanchos();
    void LigarPainel();
    void LigarAtalhosLinhas();
    void AplicarResultadoVisivel();
    void AtualizarBotoesItem();

    // Menus (janela_menus.cpp).
    void LigarMenus();
    void LigarMenuArquivo();
    void LigarMenuEditar();
    void LigarMenuConfigurar();
    void LigarMenuAjuda();
    void LigarMenuTipo();
    void LigarMudarTipo(const std::array<QAction*, 4>& acoes);
    // Enabling and captions of the Editar menu and its submenus.
    void AplicarEstadoEditar();
    void LiberarAtalhosEditar();
    // An Editar command runs only when its menu entry would be enabled now.
    bool Permitido(bool EstadoMenuEditar::*entrada);

    // The output commands, dialogs and report options of the menus.
    ContextoSaida Saida();

    Dialogos& dialogos_;
    Sistema& sistema_;
    PortasEditor portas_;
    Editor editor_;
    Menus menus_;

    PainelPropriedades* painel_ = nullptr;
    QToolButton* btnRemove_ = nullptr;
    QToolButton* btnLeft_ = nullptr;
    QToolButton* btnRight_ = nullptr;
    QToolButton* btnMagic_ = nullptr;
    QToolButton* imgResultado_ = nullptr;
    QLabel* lblSelecionado_ = nullptr;
    QSplitter* divisor_ = nullptr;
    VisorPagina* visor_ = nullptr;
    CaixaResultado* resultado_ = nullptr;
    // The last control of this window that had the focus before a menu took it.
    QPointer<QWidget> ultimoFoco_;
};

}  // namespace mobrix
