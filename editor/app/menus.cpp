#include "menus.h"

#include <QKeySequence>

#include "output/variaveis.h"

namespace mobrix {
namespace {

QAction* Acao(QMenu* menu, const char* nome, const QString& titulo, const QKeySequence& atalho = {}) {
    QAction* a = menu->addAction(titulo);
    a->setObjectName(nome);
    if (!atalho.isEmpty()) a->setShortcut(atalho);
    return a;
}

QAction* Marcavel(QMenu* menu, const char* nome, const QString& titulo) {
    QAction* a = Acao(menu, nome, titulo);
    a->setCheckable(true);
    return a;
}

QMenu* Submenu(QMenu* pai, const char* nome, const QString& titulo) {
    QMenu* m = pai->addMenu(titulo);
    m->setObjectName(nome);
    return m;
}

QAction* Separador(QMenu* menu, const char* nome) {
    QAction* s = menu->addSeparator();
    s->setObjectName(nome);
    return s;
}

void MenuArquivo(QMenuBar* barra, Menus& m) {
    m.mnuArquivo = barra->addMenu("&Arquivo");
    m.mnuArquivo->setObjectName("mnuArquivo");
    m.mnuArquivoNovo = Acao(m.mnuArquivo, "mnuArquivoNovo", "&Novo", QKeySequence::New);
    m.mnuArquivoAbrir = Acao(m.mnuArquivo, "mnuArquivoAbrir", "A&brir", QKeySequence::Open);
    m.mnuArquivoSalvar = Acao(m.mnuArquivo, "mnuArquivoSalvar", "&Salvar", QKeySequence::Save);
    m.mnuArquivoSalvarComo = Acao(m.mnuArquivo, "mnuArquivoSalvarComo", "Salvar &como...");
    m.mnuSeparaRecente1 = Separador(m.mnuArquivo, "mnuSeparaRecente1");
    for (size_t i = 0; i < m.mnuArquivoRecente.size(); ++i) {
        const QByteArray nome = "mnuArquivoRecente" + QByteArray::number(static_cast<int>(i + 1));
        m.mnuArquivoRecente[i] = Acao(m.mnuArquivo, nome.constData(), QString());
        m.mnuArquivoRecente[i]->setVisible(false);
    }
    m.mnuSeparaRecente2 = Separador(m.mnuArquivo, "mnuSeparaRecente2");
    m.mnuArquivoExcluirRecentes = Acao(m.mnuArquivo, "mnuArquivoExcluirRecentes", "&Excluir Atalhos");
    m.mnuArquivo->addSeparator();
    m.mnuArquivoSair = Acao(m.mnuArquivo, "mnuArquivoSair", "Sai&r", QKeySequence::Quit);
}

void SubmenuBanda(Menus& m) {
    m.mnuEditarBanda = Submenu(m.mnuEditar, "mnuEditarBanda", "&Banda");
    QMenu* b = m.mnuEditarBanda;
    m.mnuEditarBandaComentario = Acao(b, "mnuEditarBandaComentario", "&Comentário e Programação");
    b->addSeparator();
    m.mnuEditarBandaInserir = Acao(b, "mnuEditarBandaInserir", "&Inserir");
    m.mnuEditarBandaAdicionar = Acao(b, "mnuEditarBandaAdicionar", "&Adicionar");
    m.mnuEditarBandaDuplicar = Acao(b, "mnuEditarBandaDuplicar", "&Duplicar");
    m.mnuEditarBandaRemover = Acao(b, "mnuEditarBandaRemover", "&Remover");
    b->addSeparator();
    m.mnuEditarBandaUp = Acao(b, "mnuEditarBandaUp", "Mover para &cima");
    m.mnuEditarBandaDown = Acao(b, "mnuEditarBandaDown", "Mover para &baixo");
    b->addSeparator();
    m.mnuEditarBandaFonte = Acao(b, "mnuEditarBandaFonte", "&Fonte dos Itens");
    m.mnuEditarBandaPagina = Acao(b, "mnuEditarBandaPagina", "&Quebrar a Página");
    m.mnuEditarBandaAuto = Acao(b, "mnuEditarBandaAuto", "Alt&ura automática");
}

void SubmenuItem(Menus& m) {
    m.mnuEditarItem = Submenu(m.mnuEditar, "mnuEditarItem", "&Item");
    QMenu* i = m.mnuEditarItem;
    m.mnuEditarItemEstilo = Acao(i, "mnuEditarItemEstilo", "E&stilo");
    m.mnuEditarMacro = Submenu(i, "mnuEditarMacro", "Inserir &macro");
    for (size_t k = 0; k < m.mnuEditarMacroItem.size(); ++k) {
        const QByteArray nome = "mnuEditarMacroItem" + QByteArray::number(static_cast<int>(k));
        const bool usuario = static_cast<int>(k) == IndiceVariavelUsuario;
        if (usuario) m.mnuEditarMacro->addSeparator();
        const char* legenda = usuario ? LegendaVariavelUsuario : VariaveisFixas[k].legenda;
        m.mnuEditarMacroItem[k] = Acao(m.mnuEditarMacro, nome.constData(), QString::fromUtf8(legenda));
    }
    i->addSeparator();
    m.mnuEditarItemInserir = Acao(i, "mnuEditarItemInserir", "&Inserir");
    m.mnuEditarItemAdicionar = Acao(i, "mnuEditarItemAdicionar", "&Adicionar");
    m.mnuEditarItemDuplicar = Acao(i, "mnuEditarItemDuplicar", "&Duplicar");
    m.mnuEditarItemRemover = Acao(i, "mnuEditarItemRemover", "&Remover");
    i->addSeparator();
    m.mnuEditarItemLeft = Acao(i, "mnuEditarItemLeft", "Mover para a &esquerda");
    m.mnuEditarItemRight = Acao(i, "mnuEditarItemRight", "Mover para a &direita");
    i->addSeparator();
    m.mnuEditarItemTexto = Acao(i, "mnuEditarItemTexto", "Mudar para &Texto");
    m.mnuEditarItemFigura = Acao(i, "mnuEditarItemFigura", "Mudar para &Figura");
    m.mnuEditarItemComando = Acao(i, "mnuEditarItemComando", "Mudar para &Comando");
    m.mnuEditarItemCodigoBarras = Acao(i, "mnuEditarItemCodigoBarras", "Mudar para Código de &Barras");
}

void MenuEditar(QMenuBar* barra, Menus& m) {
    m.mnuEditar = barra->addMenu("&Editar");
    m.mnuEditar->setObjectName("mnuEditar");
    QMenu* e = m.mnuEditar;
    m.mnuEditarDesfazer = Acao(e, "mnuEditarDesfazer", "&Desfazer", QKeySequence::Undo);
    e->addSeparator();
    m.mnuEditarRecortar = Acao(e, "mnuEditarRecortar", "&Recortar", QKeySequence::Cut);
    m.mnuEditarCopiar = Acao(e, "mnuEditarCopiar", "&Copiar", QKeySequence::Copy);
    m.mnuEditarColar = Submenu(e, "mnuEditarColar", "Co&lar");
    m.mnuEditarColarBanda = Acao(m.mnuEditarColar, "mnuEditarColarBanda", "&Bandas", QKeySequence("Ctrl+Shift+V"));
    m.mnuEditarColarItem = Acao(m.mnuEditarColar, "mnuEditarColarItem", "&Itens", QKeySequence::Paste);
    m.mnuEditarExcluir = Acao(e, "mnuEditarExcluir", "E&xcluir");
    m.mnuEditarTudo = Acao(e, "mnuEditarTudo", "Selecionar &tudo", QKeySequence::SelectAll);
    e->addSeparator();
    m.mnuEditarCopiarComo = Submenu(e, "mnuEditarCopiarComo", "&Copiar como");
    m.mnuEditarCopiarComo->addSeparator();
    m.mnuEditarCopiarComoComandos = Acao(m.mnuEditarCopiarComo, "mnuEditarCopiarComoComandos", "&Comandos utilizados");
    e->addSeparator();
    SubmenuBanda(m);
    SubmenuItem(m);
    e->addSeparator();
    m.mnuEditarLinguagens = Acao(e, "mnuEditarLinguagens", "&Linguagens");
    m.mnuEditarVisualizar = Acao(e, "mnuEditarVisualizar", "&Visualizar", QKeySequence(Qt::Key_F5));
}

void MenuConfigurar(QMenuBar* barra, Menus& m) {
    m.mnuConfig = barra->addMenu("&Configurar");
    m.mnuConfig->setObjectName("mnuConfig");
    QMenu* c = m.mnuConfig;
    m.mnuConfigMedida = Submenu(c, "mnuConfigMedida", "Unidade de medida");
    m.mnuConfigMedidaPixels = Marcavel(m.mnuConfigMedida, "mnuConfigMedidaPixels", "&Pixels");
    m.mnuConfigMedidaMilimetros = Marcavel(m.mnuConfigMedida, "mnuConfigMedidaMilimetros", "&Milimetros");
    m.mnuConfigMedidaCentimetros = Marcavel(m.mnuConfigMedida, "mnuConfigMedidaCentimetros", "&Centimetros");
    m.mnuConfigMedidaPolegadas = Marcavel(m.mnuConfigMedida, "mnuConfigMedidaPolegadas", "P&olegadas");
    m.mnuConfigFonte = Acao(c, "mnuConfigFonte", "F&onte padrão do Item");
    m.mnuConfigFontesImpressora = Marcavel(c, "mnuConfigFontesImpressora", "E&xibir apenas fontes de impressão");
    m.mnuConfigResultado = Marcavel(c, "mnuConfigResultado", "&Exibir o arquivo texto");
    m.mnuConfigCpy = Submenu(c, "mnuConfigCpy", "Gerar CP&Y ao salvar");
    m.mnuConfigCpyNenhum = Marcavel(m.mnuConfigCpy, "mnuConfigCpyNenhum", "&Nenhum");
    c->addSeparator();
    m.mnuConfigNomeImpressora = Acao(c, "mnuConfigNomeImpressora", "&Nome da impressora");
    m.mnuConfigMargens = Acao(c, "mnuConfigMargens", "&Margens do papel");
    m.mnuConfigPaisagem = Marcavel(c, "mnuConfigPaisagem", "Imprimir no modo &Paisagem");
    m.mnuConfigImprimir = Marcavel(c, "mnuConfigImprimir", "&Imprimir sem Visualizar");
    m.mnuConfigVisivel = Marcavel(c, "mnuConfigVisivel", "Manter o relatório &visível");
    m.mnuConfigQuebraPagina = Marcavel(c, "mnuConfigQuebraPagina", "&Finalizar com quebra de página");
    m.mnuConfigTemCapa = Marcavel(c, "mnuConfigTemCapa", "Primeira página sem &cabeçalho e rodapé");
    c->addSeparator();
    m.mnuConfigEmail = Submenu(c, "mnuConfigEmail", "&Tipo de e-mail");
    m.mnuConfigEmailJPG = Marcavel(m.mnuConfigEmail, "mnuConfigEmailJPG", "&JPG");
    m.mnuConfigEmailEMF = Marcavel(m.mnuConfigEmail, "mnuConfigEmailEMF", "&EMF");
    m.mnuConfigEmailGIF = Marcavel(m.mnuConfigEmail, "mnuConfigEmailGIF", "&GIF");
    m.mnuConfigEmailPDF = Marcavel(m.mnuConfigEmail, "mnuConfigEmailPDF", "&PDF");
    m.mnuConfigEmailDOC = Marcavel(m.mnuConfigEmail, "mnuConfigEmailDOC", "&DOC");
    m.mnuConfigQualidadeJPG = Acao(c, "mnuConfigQualidadeJPG", "Qualidade do &JPG no e-mail");
    m.mnuConfigEmailTexto = Acao(c, "mnuConfigEmailTexto", "Texto &do e-mail");
    m.mnuConfigEnviarEmail = Marcavel(c, "mnuConfigEnviarEmail", "Enviar por e-mail &sem Visualizar");
}

void MenuAjuda(QMenuBar* barra, Menus& m) {
    m.mnuAjuda = barra->addMenu("Aj&uda");
    m.mnuAjuda->setObjectName("mnuAjuda");
    m.mnuAjudaConteudo = Acao(m.mnuAjuda, "mnuAjudaConteudo", "&Conteúdo", QKeySequence::HelpContents);
    m.mnuAjudaTutorial = Acao(m.mnuAjuda, "mnuAjudaTutorial", "&Tutorial");
    m.mnuAjuda->addSeparator();
    m.mnuAjudaExemplo = Acao(m.mnuAjuda, "mnuAjudaExemplo", "&Exemplos");
    m.mnuAjudaAtualizar = Acao(m.mnuAjuda, "mnuAjudaAtualizar", "&Atualizar");
    m.mnuAjuda->addSeparator();
    m.mnuAjudaAutor = Acao(m.mnuAjuda, "mnuAjudaAutor", "&Sobre o MobrixEdit");
}

void MenuTipoItem(QMenuBar* barra, Menus& m) {
    m.mnuPopup2 = new QMenu(barra);
    m.mnuPopup2->setObjectName("mnuPopup2");
    m.mnuPopup2Texto = Acao(m.mnuPopup2, "mnuPopup2Texto", "&Texto");
    m.mnuPopup2Figura = Acao(m.mnuPopup2, "mnuPopup2Figura", "&Figura");
    m.mnuPopup2Comando = Acao(m.mnuPopup2, "mnuPopup2Comando", "&Comando");
    m.mnuPopup2CodigoBarras = Acao(m.mnuPopup2, "mnuPopup2CodigoBarras", "Código de &Barras");
}

}  // namespace

void CriarMenus(QMenuBar* barra, Menus& m) {
    MenuArquivo(barra, m);
    MenuEditar(barra, m);
    MenuConfigurar(barra, m);
    MenuAjuda(barra, m);
    MenuTipoItem(barra, m);
}

}  // namespace mobrix
