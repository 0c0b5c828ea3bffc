#include "app/acoes_saida.h"

#include <tuple>

#include "canvas/propriedades_dialogos.h"
#include "canvas/ui/frm_estilo.h"
#include "document/preferencias.h"
#include "output/codigo.h"
#include "output/comandos.h"
#include "output/opcoes_relatorio.h"
#include "output/ui/frm_codigo_barras.h"
#include "output/ui/frm_comentario.h"
#include "output/ui/frm_linguagens.h"
#include "output/ui/frm_margens.h"
#include "output/ui/frm_nome_impressora.h"
#include "output/ui/frm_qualidade_jpg.h"
#include "output/ui/frm_texto_email.h"
#include "output/ui/menu_linguagens.h"
#include "output/visualizar.h"

namespace mobrix {
namespace {

ContextoLinguagens Linguagens(const ContextoSaida& ctx) {
    return {PastasDoSistema(ctx.portas.sistema), ctx.editor.Preferencias().CobolUsarString, ctx.portas.dialogos};
}

ConfigRelatorio& Config(const ContextoSaida& ctx) { return ctx.editor.doc().Config; }

// After a report option changed: the command text, the check marks (the view
// refreshes them), the changed flag, and for the page orientation the page
// itself.
void Concluir(const ContextoSaida& ctx, EfeitoOpcao efeito) {
    if (!efeito.redesenharSemDesfazer) {
        ctx.editor.ExibirResultado(efeito.marcarAlterado);
        return;
    }
    ctx.editor.ExibirBanda(false);
    ctx.portas.vista.AtualizarMenuConfiguracao();
}

// A dialog's value replaces a report option; nothing happens when it is
// cancelled or the value is the same.
template <typename T>
void Trocar(const ContextoSaida& ctx, T& campo, const std::optional<T>& novo) {
    if (!novo || *novo == campo) return;
    campo = *novo;
    Concluir(ctx, {});
}

// ---- Editar ------------------------------------------------------------------

void CarregarCopiarComo(Menus& m, const ContextoSaida& ctx) {
    const std::vector<std::string> linguagens = ListarLinguagens(PastasDoSistema(ctx.portas.sistema));
    QAction* separador = m.mnuEditarCopiarComo->actions().value(0);
    PreencherMenuLinguagens(m.mnuEditarCopiarComo, separador, "mnuEditarCopiarComoTipo", linguagens,
                            [ctx](const std::string& nome) {
                                const ContextoLinguagens l = Linguagens(ctx);
                                CopiarCodigoComo(ctx.editor.doc(), nome, l.pastas, l.cobolString,
                                                 ctx.portas.areaTransferencia, ctx.portas.dialogos);
                            });
    if (separador) separador->setVisible(!linguagens.empty());
}

void CopiarComandosUtilizados(const ContextoSaida& ctx) {
    ctx.portas.areaTransferencia.Limpar();
    ctx.portas.areaTransferencia.DefinirTexto(ComandosUtilizados(ctx.editor.doc()));
}

void EditarComentarioBanda(const ContextoSaida& ctx) {
    const std::optional<std::string> comentario = FrmComentario::Editar(
        ctx.editor.doc().bandaSel().Comentario, Linguagens(ctx), ctx.portas.configuracoes, ctx.janela);
    if (comentario) ctx.editor.DefinirComentarioBanda(*comentario);
}

void GerarCpy(const ContextoSaida& ctx, const Documento& doc, const std::string& linguagem,
              const std::string& caminhoCpy) {
    const ContextoLinguagens l = Linguagens(ctx);
    const std::optional<CopiaCodigo> r = SalvarCpy(doc, caminhoCpy, linguagem, l.pastas, l.cobolString, l.dialogos);
    // The layout is saved all the same; a .cpy that could not be written is said.
    if (r && r->resultado == ResultadoCopia::ErroGravar)
        l.dialogos.Mensagem(r->mensagem, Icone::Aviso, Botoes::Ok, TituloSalvar);
}

void ConectarEditar(Menus& m, const ContextoSaida& ctx) {
    QObject::connect(m.mnuEditar, &QMenu::aboutToShow, m.mnuEditar, [&m, ctx] { CarregarCopiarComo(m, ctx); });
    QObject::connect(m.mnuEditarCopiarComoComandos, &QAction::triggered, [ctx] { CopiarComandosUtilizados(ctx); });
    QObject::connect(m.mnuEditarLinguagens, &QAction::triggered, [ctx] {
        ctx.editor.Preferencias().CobolUsarString =
            FrmLinguagens::Executar(Linguagens(ctx), ctx.portas.configuracoes, ctx.janela);
    });
    QObject::connect(m.mnuEditarVisualizar, &QAction::triggered, [ctx] {
        const Documento& doc = ctx.editor.doc();
        Visualizar(GerarComandos(doc), doc.Config, ctx.portas.sistema, ctx.portas.dialogos);
    });
    QObject::connect(m.mnuEditarBandaComentario, &QAction::triggered, [ctx] { EditarComentarioBanda(ctx); });
    QObject::connect(m.mnuEditarItemEstilo, &QAction::triggered, [ctx] { EditarEstiloItem(ctx); });
    ctx.editor.ganchos.GerarCpy = [ctx](const Documento& doc, const std::string& linguagem,
                                        const std::string& caminhoCpy) {
        GerarCpy(ctx, doc, linguagem, caminhoCpy);
    };
}

// ---- Configurar ------------------------------------------------------------

void CarregarSalvarCPY(Menus& m, const ContextoSaida& ctx) {
    Configuracoes& cfg = ctx.portas.configuracoes;
    const std::vector<std::string> linguagens = ListarLinguagens(PastasDoSistema(ctx.portas.sistema));
    const std::vector<QAction*> entradas =
        PreencherMenuLinguagens(m.mnuConfigCpy, nullptr, "mnuConfigCpyTipo", linguagens,
                                [&cfg](const std::string& nome) { cfg.Gravar(chave::Cpy, nome); });
    const std::string escolhida = LerTexto(cfg, chave::Cpy);
    const int marcada = PosicaoLinguagem(linguagens, escolhida);
    for (size_t k = 0; k < entradas.size(); ++k) {
        entradas[k]->setCheckable(true);
        entradas[k]->setChecked(static_cast<int>(k) == marcada);
    }
    m.mnuConfigCpyNenhum->setChecked(marcada < 0);
    // Kept open while a language is set, so that it can always be turned off.
    m.mnuConfigCpy->setEnabled(!linguagens.empty() || !escolhida.empty());
}

void ConectarAlternancias(Menus& m, const ContextoSaida& ctx) {
    const std::pair<QAction*, OpcaoRelatorio> opcoes[] = {{m.mnuConfigVisivel, OpcaoRelatorio::Visivel},
                                                          {m.mnuConfigEnviarEmail, OpcaoRelatorio::EnviarEmail},
                                                          {m.mnuConfigPaisagem, OpcaoRelatorio::Paisagem},
                                                          {m.mnuConfigImprimir, OpcaoRelatorio::Imprimir},
                                                          {m.mnuConfigTemCapa, OpcaoRelatorio::TemCapa}};
    for (auto [acao, opcao] : opcoes)
        QObject::connect(acao, &QAction::triggered,
                         [ctx, opcao] { Concluir(ctx, AlternarOpcao(Config(ctx), opcao)); });
    // The click has toggled the mark already; a refused switch needs it put back.
    QObject::connect(m.mnuConfigQuebraPagina, &QAction::triggered, [&m, ctx] {
        ctx.editor.FinalizarComQuebra();
        AtualizarMenuSaida(m, ctx.editor);
    });
    QObject::connect(m.mnuConfigFontesImpressora, &QAction::triggered, [&m, ctx] {
        bool& f = ctx.editor.Preferencias().FontesImpressora;
        f = !f;
        AtualizarMenuSaida(m, ctx.editor);
    });
    const QAction* formatos[] = {m.mnuConfigEmailJPG, m.mnuConfigEmailEMF, m.mnuConfigEmailGIF, m.mnuConfigEmailPDF,
                                 m.mnuConfigEmailDOC};
    for (int16_t f = 1; f <= 5; ++f)
        QObject::connect(formatos[f - 1], &QAction::triggered, [ctx, f] {
            Concluir(ctx, EscolherFormatoEmail(Config(ctx), f, ctx.editor.QualidadeSessao()));
        });
}

void ConectarDialogosConfig(Menus& m, const ContextoSaida& ctx) {
    QObject::connect(m.mnuConfigNomeImpressora, &QAction::triggered, [ctx] {
        std::string& nome = Config(ctx).NomeImpressora;
        Trocar(ctx, nome, FrmNomeImpressora::Escolher(nome, ImpressorasInstaladas(), ctx.janela));
    });
    QObject::connect(m.mnuConfigMargens, &QAction::triggered, [ctx] {
        ConfigRelatorio& c = Config(ctx);
        const Margens atuais = {c.MargemSuperior, c.MargemEsquerda, c.MargemInferior};
        const std::optional<Margens> novas = FrmMargens::Editar(atuais, ctx.janela);
        if (!novas || *novas == atuais) return;
        std::tie(c.MargemSuperior, c.MargemEsquerda, c.MargemInferior) =
            std::tie((*novas)[0], (*novas)[1], (*novas)[2]);
        Concluir(ctx, {});
    });
    QObject::connect(m.mnuConfigEmailTexto, &QAction::triggered, [ctx] {
        std::string& texto = Config(ctx).TextoEmail;
        Trocar(ctx, texto, FrmTextoEmail::Editar(texto, ctx.janela));
    });
    QObject::connect(m.mnuConfigQualidadeJPG, &QAction::triggered, [ctx] {
        if (!QualidadeJPGHabilitada(Config(ctx))) return;
        const std::optional<int16_t> q = FrmQualidadeJPG::Editar(Config(ctx).QualidadeJPG, ctx.janela);
        if (!q) return;
        int16_t sessao = ctx.editor.QualidadeSessao();
        Concluir(ctx, ConfirmarQualidadeJPG(Config(ctx), sessao, *q));
        ctx.editor.DefinirQualidadeSessao(sessao);
    });
    QObject::connect(m.mnuConfigCpyNenhum, &QAction::triggered,
                     [ctx] { ctx.portas.configuracoes.Gravar(chave::Cpy, std::string()); });
    QObject::connect(m.mnuConfig, &QMenu::aboutToShow, m.mnuConfig, [&m, ctx] {
        AtualizarMenuSaida(m, ctx.editor);
        CarregarSalvarCPY(m, ctx);
    });
}

}  // namespace

PastasLinguagem PastasDoSistema(Sistema& sistema) { return {sistema.PastaPrograma(), sistema.PastaDadosUsuario()}; }

void AtualizarMenuSaida(Menus& m, Editor& editor) {
    const ConfigRelatorio& c = editor.doc().Config;
    m.mnuConfigVisivel->setChecked(c.Visivel);
    m.mnuConfigEnviarEmail->setChecked(c.EnviarEmail);
    m.mnuConfigPaisagem->setChecked(c.Paisagem);
    m.mnuConfigImprimir->setChecked(c.Imprimir);
    m.mnuConfigQuebraPagina->setChecked(c.QuebraFinal);
    m.mnuConfigTemCapa->setChecked(c.TemCapa);
    m.mnuConfigFontesImpressora->setChecked(editor.Preferencias().FontesImpressora);
    QAction* formatos[] = {m.mnuConfigEmailJPG, m.mnuConfigEmailEMF, m.mnuConfigEmailGIF, m.mnuConfigEmailPDF,
                           m.mnuConfigEmailDOC};
    for (int f = 1; f <= 5; ++f) formatos[f - 1]->setChecked(c.FormatoEmail == f);
    m.mnuConfigQualidadeJPG->setEnabled(QualidadeJPGHabilitada(c));
}

void ConectarAcoesSaida(Menus& m, const ContextoSaida& ctx) {
    ConectarEditar(m, ctx);
    ConectarAlternancias(m, ctx);
    ConectarDialogosConfig(m, ctx);
    AtualizarMenuSaida(m, ctx.editor);
}

void AlterarCodigoBarras(const ContextoSaida& ctx) {
    Editor& ed = ctx.editor;
    if (!ed.IniciarAlteracaoCodigoBarras()) return;
    const std::optional<ConfigCodigoBarras> escolhido =
        FrmCodigoBarras::Editar(ed.CodigoBarras(), ctx.pdf417, ctx.portas.dialogos, ctx.janela);
    if (escolhido) ed.ConcluirAlteracaoCodigoBarras(*escolhido);
}

void EditarEstiloItem(const ContextoSaida& ctx) {
    Editor& ed = ctx.editor;
    if (!ed.doc().TemItemSelecionado()) return;
    const Item& item = ed.doc().itemSel();
    if (item.Tipo != TipoTexto && item.Tipo != TipoComando) {
        AlterarFonte(ed);
    } else {
        const std::optional<std::string> texto = FrmEstilo::Editar(item.Texto, ctx.janela);
        if (!texto || !AplicarTextoEstilo(ed, *texto)) return;
    }
    ctx.portas.vista.Validar();
}

}  // namespace mobrix
