#pragma once
// The editor object of one window: the document with its selection and
// range, the undo ring, the current barcode settings, the editor settings and
// recent files, and every command of the Arquivo and Editar menus, of the
// canvas mouse and keys and of the item buttons. It draws nothing: each
// command ends with calls on the view port (ExibirBanda, SelecionarItem,
// Validar), so the same commands run with or without a window.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "document/arrasto.h"
#include "document/codigo_barras_item.h"
#include "document/criacao_rapida.h"
#include "document/desfazer.h"
#include "document/menus.h"
#include "document/modelo.h"
#include "document/portas.h"
#include "document/preferencias.h"
#include "document/registro_tipo.h"
#include "document/rolagem.h"
#include "document/selecao.h"
#include "document/vista.h"

namespace mobrix {

struct PortasEditor {
    Dialogos& dialogos;
    Configuracoes& configuracoes;
    AreaTransferencia& areaTransferencia;
    Sistema& sistema;
    Vista& vista;
};

// The selected-band marker (picBandaSelecionada) is this many pixels high.
inline constexpr int AlturaMarcadorBanda = 11;

// What the window draws for the selection.
struct GeometriaSelecao {
    bool itemSelecionado = false;
    Retangulo contorno;             // shpSize, the selected item cell
    std::array<Alca, 8> alcas{};    // SizePoint 0..7
    bool alturaAutomatica = false;  // the band's height follows its text (handle colour)
    bool faixaVisivel = false;
    Retangulo faixa;                // shpSelectedRange
    int32_t topoMarcadorBanda = 0;  // picBandaSelecionada, centred on the selected band
    std::string rotulo;             // lblSelecionado
};

enum class BotaoMouse { Esquerdo, Direito };

// Keys the canvas handles on key down; Menos, Mais and Vezes are the
// numeric keypad's "-", "+" and "*".
enum class TeclaEditor { Esquerda, Direita, Cima, Baixo, PageUp, PageDown, Home, End, Delete, Menos, Mais, Vezes, Escape };

class Editor {
public:
    explicit Editor(const PortasEditor& portas);

    // Set by the application: writing the .cpy file of a language, and
    // registering the .mbx file type.
    struct Ganchos {
        std::function<void(const Documento& doc, const std::string& linguagem, const std::string& caminhoCpy)> GerarCpy;
        std::function<void(const TipoArquivo& tipo)> RegistrarTipoArquivo;
    };
    Ganchos ganchos;

    // ---- State ---------------------------------------------------------------
    Documento& doc() { return doc_; }
    const Documento& doc() const { return doc_; }
    bool FaixaVisivel() const { return faixaVisivel_; }
    bool AbaixoDaUltima() const { return abaixoDaUltima_; }
    bool PodeDesfazer() const { return desfazer_.PodeDesfazer(); }
    ConfigCodigoBarras& CodigoBarras() { return codigoBarras_; }
    PreferenciasEditor& Preferencias() { return preferencias_; }
    const std::vector<std::string>& Recentes() const { return recentes_; }
    // The JPG quality confirmed in the quality dialog since the layout was
    // started or opened; 0 = none.
    int16_t QualidadeSessao() const { return qualidadeSessao_; }
    void DefinirQualidadeSessao(int16_t q) { qualidadeSessao_ = q; }
    const std::string& ArquivoClipboard() const { return arquivoClipboard_; }
    const std::string& ArquivoVisualizacao() const { return arquivoVisualizacao_; }
    // The folder the open dialog starts in.
    const std::string& PastaAtual() const { return pastaAtual_; }
    std::string Titulo() const;
    GeometriaSelecao Selecao() const;
    const std::optional<PropostaMagica>& Magica() const { return magica_; }
    bool Arrastando() const { return arrasto_.has_value(); }
    // The items an edit applies to: every item of every band of a range over
    // several bands, the items of a range within one band, or the selected
    // item.
    std::vector<PosicaoItem> Alvos() const;

    // ---- Follow-up of every edit ---------------------------------------------
    // Full redraw; sets Alterado and records an undo snapshot (not while an
    // undo is being put back, nor when told not to: a change of page
    // orientation is no step of its own).
    void ExibirBanda(bool gravarDesfazer = true);
    // A report setting changed: the command text is regenerated and the
    // configuration menu refreshed; Alterado unless told otherwise.
    void ExibirResultado(bool marcarAlterado = true);
    void SelecionarItem();
    void NadaSelecionado();
    // (0, 0) clears the range; (-1, -1) shows the stored one; otherwise the
    // range from the selection to (banda, item).
    void SelecionarFaixa(int banda, int item);
    // Scrolls so that the selected item is visible.
    void MostrarSelecionado();

    // ---- Canvas mouse and keys -----------------------------------------------
    void PressionarMouse(int32_t x, int32_t y, BotaoMouse botao, bool shift);
    // Left button held down over the canvas (not on a handle).
    void ArrastarMouse(int32_t x, int32_t y);
    bool PressionarTecla(TeclaEditor tecla, bool shift, bool ctrl);
    void RodaMouse(DirecaoRoda direcao);

    // One-click creation: hovering proposes, a click on the frame creates.
    void PassarMouse(int32_t x, int32_t y, bool botaoOuShift);
    void OcultarMagica();
    void ClicarMagica();
    void DefinirCriacaoRapida(bool ligada);

    // Handle drag: the outline to show at each step, committed on release.
    std::optional<Retangulo> IniciarArrasto(int alca, int32_t x, int32_t y);
    Retangulo MoverArrasto(int32_t x, int32_t y);
    void TerminarArrasto();

    // ---- Band commands ---------------------------------------------------------
    void DefinirComentarioBanda(const std::string& comentario);
    void BandaInserir();
    void BandaAdicionar();
    void BandaDuplicar();
    void BandaRemover();
    void BandaParaCima();
    void BandaParaBaixo();
    void BandaFonte();
    void BandaQuebraPagina();
    void BandaAlturaAutomatica();
    // The header and footer check boxes of the panel, clicked by the user.
    void MarcarCabecalho(bool ligado);
    void MarcarRodape(bool ligado);
    // "&Finalizar com quebra de página".
    void FinalizarComQuebra();
    // The font dialog for items: size rule applied, an empty face refused
    // with a message. nullopt when cancelled or refused.
    std::optional<FonteItem> EscolherFonte(const FonteItem& inicial);

    // ---- Item commands -------------------------------------------------------
    void ItemInserir();
    void ItemAdicionar();
    void ItemDuplicar();
    void ItemRemover();
    void ItemEsquerda();
    void ItemDireita();
    void MudarTipo(TipoEscolhido tipo);
    // "Alterar o Código de Barras": the selected item's settings become the
    // current ones, whatever the dialog's outcome (false: no item selected);
    // the settings chosen in the dialog then go to the item.
    bool IniciarAlteracaoCodigoBarras();
    void ConcluirAlteracaoCodigoBarras(const ConfigCodigoBarras& escolhido);
    void Excluir();
    // Width of the targets and height of the selected band (or of every band
    // of a range over several bands), without redraw: the keyboard, the
    // handles and the panel share them.
    void AplicarLargura(int32_t largura);
    void AplicarAltura(int32_t altura);

    // ---- Clipboard and undo --------------------------------------------------
    void Copiar();
    void Recortar();
    void ColarBandas();
    void ColarItens();
    void SelecionarTudo();
    void Desfazer();
    // The Editar menu is opening: text on the system clipboard since the last
    // copy deletes the transfer file.
    EstadoMenuEditar AbrirMenuEditar(Foco foco);
    // "&Copiar" of the command pane's context menu.
    void CopiarTextoComandos(const std::string& selecionado);

    // ---- Files -----------------------------------------------------------------
    void NovoMBX();
    // "" asks for a file. True when a layout was read.
    bool AbrirMBX(const std::string& caminho);
    bool SalvarMBX(bool salvarComo);
    void ArquivoNovo();
    void ArquivoAbrir();
    void ArquivoSalvar();
    void ArquivoSalvarComo();
    // Recent entry i (1-based).
    void AbrirRecente(int i);
    void ExcluirRecentes();

    // ---- Start-up, settings and exit -----------------------------------------
    void Iniciar(const std::vector<std::string>& argumentos);
    // False when the user keeps the window open (Cancel, or a failed save).
    bool Encerrar();
    void DefinirMedida(int16_t medida);

private:
    // Standard follow-up after a structural command.
    void ConcluirComando();
    void AvisarLimite(bool itens);
    void InserirBanda(int posicao, bool duplicar);
    void MoverBanda(int destino);
    bool MarcarBanda(int32_t& marca, int32_t& outra, bool ligado, bool outraCruza);
    void MoverItem(int destino);
    void ReposicionarBandasDaFaixa();
    int BandaForaDasBandas(int32_t y);
    void EstenderFaixaAte(PosicaoItem alvo);
    void MoverSelecaoPorTecla(TeclaEditor tecla);
    void RedimensionarPorTecla(TeclaEditor tecla);
    bool CopiarParaTransferencia();
    std::optional<std::vector<Banda>> LerClipboard();
    void MostrarColado(PosicaoItem ini, PosicaoItem fim);
    void RedefinirVista();
    bool ConfirmarDescarte(const char* titulo);
    void RegistrarRecente(const std::string& caminho);
    void AtualizarRecentes();

    Dialogos& dialogos_;
    Configuracoes& configuracoes_;
    AreaTransferencia& area_;
    Sistema& sistema_;
    Vista& vista_;

    Documento doc_;
    bool faixaVisivel_ = false;
    bool abaixoDaUltima_ = false;
    bool restaurando_ = false;
    AnelDesfazer desfazer_;
    ConfigCodigoBarras codigoBarras_;
    PreferenciasEditor preferencias_;
    std::vector<std::string> recentes_;
    int16_t qualidadeSessao_ = 0;
    std::optional<PropostaMagica> magica_;
    std::optional<Arrasto> arrasto_;
    Retangulo contornoArrastado_;
    std::string arquivoClipboard_;
    std::string arquivoVisualizacao_;
    std::string pastaAtual_;
};

}  // namespace mobrix
