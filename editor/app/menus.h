#pragma once
// The main window's menu bar: every entry carries its control name as object
// name, so code and tests find it the same way.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <array>

namespace mobrix {

struct Menus {
    // Arquivo
    QMenu* mnuArquivo = nullptr;
    QAction *mnuArquivoNovo, *mnuArquivoAbrir, *mnuArquivoSalvar, *mnuArquivoSalvarComo;
    QAction *mnuSeparaRecente1, *mnuSeparaRecente2;
    std::array<QAction*, 4> mnuArquivoRecente{};
    QAction *mnuArquivoExcluirRecentes, *mnuArquivoSair;

    // Editar
    QMenu *mnuEditar = nullptr, *mnuEditarColar = nullptr, *mnuEditarCopiarComo = nullptr;
    QAction *mnuEditarDesfazer, *mnuEditarRecortar, *mnuEditarCopiar, *mnuEditarColarBanda, *mnuEditarColarItem;
    QAction *mnuEditarExcluir, *mnuEditarTudo, *mnuEditarCopiarComoComandos, *mnuEditarLinguagens,
        *mnuEditarVisualizar;
    QMenu* mnuEditarBanda = nullptr;
    QAction *mnuEditarBandaComentario, *mnuEditarBandaInserir, *mnuEditarBandaAdicionar, *mnuEditarBandaDuplicar,
        *mnuEditarBandaRemover, *mnuEditarBandaUp, *mnuEditarBandaDown, *mnuEditarBandaFonte,
        *mnuEditarBandaPagina, *mnuEditarBandaAuto;
    QMenu* mnuEditarItem = nullptr;
    QAction *mnuEditarItemEstilo, *mnuEditarItemInserir, *mnuEditarItemAdicionar, *mnuEditarItemDuplicar,
        *mnuEditarItemRemover, *mnuEditarItemLeft, *mnuEditarItemRight, *mnuEditarItemTexto,
        *mnuEditarItemFigura, *mnuEditarItemComando, *mnuEditarItemCodigoBarras;
    QMenu* mnuEditarMacro = nullptr;
    std::array<QAction*, 13> mnuEditarMacroItem{};

    // Configurar
    QMenu *mnuConfig = nullptr, *mnuConfigMedida = nullptr, *mnuConfigEmail = nullptr, *mnuConfigCpy = nullptr;
    QAction *mnuConfigMedidaPixels, *mnuConfigMedidaMilimetros, *mnuConfigMedidaCentimetros,
        *mnuConfigMedidaPolegadas;
    QAction *mnuConfigVisivel, *mnuConfigNomeImpressora, *mnuConfigMargens, *mnuConfigEmailTexto;
    QAction *mnuConfigEmailJPG, *mnuConfigEmailEMF, *mnuConfigEmailGIF, *mnuConfigEmailPDF, *mnuConfigEmailDOC;
    QAction *mnuConfigQualidadeJPG, *mnuConfigEnviarEmail, *mnuConfigPaisagem, *mnuConfigImprimir,
        *mnuConfigQuebraPagina, *mnuConfigTemCapa, *mnuConfigFontesImpressora, *mnuConfigFonte,
        *mnuConfigCpyNenhum, *mnuConfigResultado;

    // Ajuda
    QMenu* mnuAjuda = nullptr;
    QAction *mnuAjudaConteudo, *mnuAjudaTutorial, *mnuAjudaExemplo, *mnuAjudaAtualizar, *mnuAjudaAutor;

    // The kind context menu of the property panel (not in the bar).
    QMenu* mnuPopup2 = nullptr;
    QAction *mnuPopup2Texto, *mnuPopup2Figura, *mnuPopup2Comando, *mnuPopup2CodigoBarras;
};

// Builds the whole menu bar into `barra`; the caller connects the actions.
void CriarMenus(QMenuBar* barra, Menus& m);

}  // namespace mobrix
