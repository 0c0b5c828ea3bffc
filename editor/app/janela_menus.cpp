// The menus of the main window wired to the editor object.
#include <QActionGroup>

#include "ajuda.h"
#include "canvas/propriedades_dialogos.h"
#include "document/modelo.h"
#include "janela_principal.h"

namespace mobrix {

void JanelaPrincipal::LigarMenus() {
    LigarMenuArquivo();
    LigarMenuEditar();
    LigarMenuConfigurar();
    LigarMenuAjuda();
    LigarMenuTipo();
}

void JanelaPrincipal::LigarMenuArquivo() {
    const Menus& m = menus_;
    // A text still being typed in the panel belongs to the layout that is saved or left.
    connect(m.mnuArquivoNovo, &QAction::triggered, this, [this] {
        if (ConfirmarEdicoesPendentes()) editor_.ArquivoNovo();
    });
    connect(m.mnuArquivoAbrir, &QAction::triggered, this, [this] {
        if (ConfirmarEdicoesPendentes()) editor_.ArquivoAbrir();
    });
    connect(m.mnuArquivoSalvar, &QAction::triggered, this, [this] {
        if (ConfirmarEdicoesPendentes()) editor_.ArquivoSalvar();
    });
    connect(m.mnuArquivoSalvarComo, &QAction::triggered, this, [this] {
        if (ConfirmarEdicoesPendentes()) editor_.ArquivoSalvarComo();
    });
    for (size_t i = 0; i < m.mnuArquivoRecente.size(); ++i) {
        connect(m.mnuArquivoRecente[i], &QAction::triggered, this, [this, i] {
            if (ConfirmarEdicoesPendentes()) editor_.AbrirRecente(static_cast<int>(i) + 1);
        });
    }
    connect(m.mnuArquivoExcluirRecentes, &QAction::triggered, this, [this] { editor_.ExcluirRecentes(); });
    connect(m.mnuArquivoSair, &QAction::triggered, this, &QWidget::close);
}

void JanelaPrincipal::LigarMenuEditar() {
    const Menus& m = menus_;
    using E = EstadoMenuEditar;
    // Entries with a shortcut check their rule when they run, since a
    // shortcut does not open the menu.
    const auto ligar = [this](QAction* acao, bool E::*regra, void (Editor::*comando)()) {
        connect(acao, &QAction::triggered, this, [this, regra, comando] {
            if (!regra || Permitido(regra)) (editor_.*comando)();
        });
    };
    ligar(m.mnuEditarDesfazer, &E::desfazer, &Editor::Desfazer);
    ligar(m.mnuEditarRecortar, &E::recortar, &Editor::Recortar);
    ligar(m.mnuEditarCopiar, &E::copiar, &Editor::Copiar);
    ligar(m.mnuEditarColarBanda, &E::colar, &Editor::ColarBandas);
    ligar(m.mnuEditarColarItem, &E::colar, &Editor::ColarItens);
    ligar(m.mnuEditarExcluir, &E::excluir, &Editor::Excluir);
    ligar(m.mnuEditarTudo, &E::selecionarTudo, &Editor::SelecionarTudo);

    ligar(m.mnuEditarBandaInserir, nullptr, &Editor::BandaInserir);
    ligar(m.mnuEditarBandaAdicionar, nullptr, &Editor::BandaAdicionar);
    ligar(m.mnuEditarBandaDuplicar, nullptr, &Editor::BandaDuplicar);
    ligar(m.mnuEditarBandaRemover, nullptr, &Editor::BandaRemover);
    ligar(m.mnuEditarBandaUp, nullptr, &Editor::BandaParaCima);
    ligar(m.mnuEditarBandaDown, nullptr, &Editor::BandaParaBaixo);
    ligar(m.mnuEditarBandaFonte, nullptr, &Editor::BandaFonte);
    ligar(m.mnuEditarBandaPagina, &E::quebrarPagina, &Editor::BandaQuebraPagina);
    ligar(m.mnuEditarBandaAuto, nullptr, &Editor::BandaAlturaAutomatica);

    ligar(m.mnuEditarItemInserir, &E::item, &Editor::ItemInserir);
    ligar(m.mnuEditarItemAdicionar, &E::item, &Editor::ItemAdicionar);
    ligar(m.mnuEditarItemDuplicar, &E::item, &Editor::ItemDuplicar);
    ligar(m.mnuEditarItemRemover, &E::item, &Editor::ItemRemover);
    ligar(m.mnuEditarItemLeft, &E::item, &Editor::ItemEsquerda);
    ligar(m.mnuEditarItemRight, &E::item, &Editor::ItemDireita);
    LigarMudarTipo({m.mnuEditarItemTexto, m.mnuEditarItemFigura, m.mnuEditarItemComando, m.mnuEditarItemCodigoBarras});

    for (size_t i = 0; i < m.mnuEditarMacroItem.size(); ++i)
        connect(m.mnuEditarMacroItem[i], &QAction::triggered, this,
                [this, i] { painel_->InserirMacro(static_cast<int>(i)); });

    for (QMenu* menu : {m.mnuEditar, m.mnuEditarColar, m.mnuEditarBanda, m.mnuEditarItem})
        connect(menu, &QMenu::aboutToShow, this, &JanelaPrincipal::AplicarEstadoEditar);
    connect(m.mnuEditar, &QMenu::aboutToHide, this, &JanelaPrincipal::LiberarAtalhosEditar);
}

bool JanelaPrincipal::Permitido(bool EstadoMenuEditar::*entrada) {
    return editor_.AbrirMenuEditar(FocoAtual()).*entrada;
}

void JanelaPrincipal::AplicarEstadoEditar() {
    const Menus& m = menus_;
    const EstadoMenuEditar e = editor_.AbrirMenuEditar(FocoAtual());
    m.mnuEditarDesfazer->setEnabled(e.desfazer);
    m.mnuEditarRecortar->setEnabled(e.recortar);
    m.mnuEditarCopiar->setEnabled(e.copiar);
    m.mnuEditarColar->menuAction()->setEnabled(e.colar);
    m.mnuEditarColarBanda->setEnabled(e.colar);
    m.mnuEditarColarItem->setEnabled(e.colar);
    m.mnuEditarExcluir->setEnabled(e.excluir);
    m.mnuEditarTudo->setEnabled(e.selecionarTudo);

    for (QAction* acao : m.mnuEditarItem->actions())
        if (!acao->isSeparator()) acao->setEnabled(e.item);
    for (QAction* acao : m.mnuEditarMacroItem) acao->setEnabled(e.item);
    m.mnuEditarItemTexto->setEnabled(e.item && e.mudarPara.texto);
    m.mnuEditarItemFigura->setEnabled(e.item && e.mudarPara.figura);
    m.mnuEditarItemComando->setEnabled(e.item && e.mudarPara.comando);
    m.mnuEditarItemCodigoBarras->setEnabled(e.item && e.mudarPara.codigoBarras);

    m.mnuEditarBandaPagina->setEnabled(e.quebrarPagina);
    m.mnuEditarBandaPagina->setText(QString::fromUtf8(e.legendaQuebrarPagina));
    m.mnuEditarBandaAuto->setText(QString::fromUtf8(e.legendaAltura));
}

// Between openings of the menu the entries with shortcuts stay enabled; each
// checks its rule when it runs.
void JanelaPrincipal::LiberarAtalhosEditar() {
    const Menus& m = menus_;
    for (QAction* acao : {m.mnuEditarDesfazer, m.mnuEditarRecortar, m.mnuEditarCopiar, m.mnuEditarColar->menuAction(),
                          m.mnuEditarColarBanda, m.mnuEditarColarItem, m.mnuEditarExcluir, m.mnuEditarTudo})
        acao->setEnabled(true);
}

void JanelaPrincipal::LigarMenuConfigurar() {
    const Menus& m = menus_;
    auto* unidades = new QActionGroup(this);
    const std::pair<QAction*, int16_t> medidas[] = {{m.mnuConfigMedidaPixels, MedidaPixels},
                                                    {m.mnuConfigMedidaMilimetros, MedidaMilimetros},
                                                    {m.mnuConfigMedidaCentimetros, MedidaCentimetros},
                                                    {m.mnuConfigMedidaPolegadas, MedidaPolegadas}};
    for (const auto& [acao, medida] : medidas) {
        unidades->addAction(acao);
        connect(acao, &QAction::triggered, this, [this, medida] { editor_.DefinirMedida(medida); });
    }
    connect(m.mnuConfigResultado, &QAction::triggered, this, &JanelaPrincipal::AlternarResultado);
    connect(m.mnuConfigFonte, &QAction::triggered, this, [this] { ConfigurarFontePadrao(editor_); });
}

void JanelaPrincipal::LigarMenuAjuda() {
    const Menus& m = menus_;
    connect(m.mnuAjudaConteudo, &QAction::triggered, this,
            [this] { AbrirDocumentoDoPrograma(sistema_, DocumentoConteudo); });
    connect(m.mnuAjudaTutorial, &QAction::triggered, this,
            [this] { AbrirDocumentoDoPrograma(sistema_, DocumentoTutorial); });
    connect(m.mnuAjudaExemplo, &QAction::triggered, this, [this] { sistema_.AbrirDocumento(EnderecoExemplos); });
    connect(m.mnuAjudaAtualizar, &QAction::triggered, this, [this] { sistema_.AbrirDocumento(EnderecoAtualizacao); });
    connect(m.mnuAjudaAutor, &QAction::triggered, this, [this] { MostrarSobre(this); });
}

void JanelaPrincipal::LigarMenuTipo() {
    const Menus& m = menus_;
    connect(m.mnuPopup2, &QMenu::aboutToShow, this, [this] {
        const EstadoMenuTipo e = MenuTipo(editor_.doc());
        menus_.mnuPopup2Texto->setEnabled(e.texto);
        menus_.mnuPopup2Figura->setEnabled(e.figura);
        menus_.mnuPopup2Comando->setEnabled(e.comando);
        menus_.mnuPopup2CodigoBarras->setEnabled(e.codigoBarras);
    });
    LigarMudarTipo({m.mnuPopup2Texto, m.mnuPopup2Figura, m.mnuPopup2Comando, m.mnuPopup2CodigoBarras});
}

// The four "Mudar para" entries, in the order of TipoEscolhido.
void JanelaPrincipal::LigarMudarTipo(const std::array<QAction*, 4>& acoes) {
    for (size_t i = 0; i < acoes.size(); ++i) {
        const auto tipo = static_cast<TipoEscolhido>(i);
        connect(acoes[i], &QAction::triggered, this, [this, tipo] { editor_.MudarTipo(tipo); });
    }
}

void JanelaPrincipal::AbrirMenuTipo(const QPoint& global) {
    if (editor_.doc().TemItemSelecionado()) menus_.mnuPopup2->popup(global);
}

}  // namespace mobrix
