#pragma once
// The item property panel beside the page canvas: text, kind, font, position
// and size, band height and offset, options, angle, zoom, frame lines,
// colours and thickness of the selected item, and the header and footer
// marks of its band. Every control edits through the editor (the operations
// of canvas/propriedades*.h) and the panel refills itself after each edit.
//
// What the window does with it:
// - Vista::Validar calls Validar; Vista::ConfirmarEdicoesPendentes calls
//   ConfirmarEdicoesPendentes (also before menu commands and saving, so that
//   a text still being typed is stored first).
// - The full redraw and a click on the window background call OcultarPaleta.
// - Keys on the canvas: Enter and a double click focus CaixaTexto(); a typed
//   character calls ComecarTexto(character), Backspace ComecarTexto("").
// - Alt + 1..6 (not while CaixaTexto() has the focus) and Ctrl + digit call
//   AlternarLinha with the line of the shortcut (LinhaDoAtalho).
// - "Inserir &macro" entry i calls InserirMacro(i).
// - The unit submenu calls Editor::DefinirMedida, whose Validar brings the
//   fields to the new unit (AtualizarMedidas does it directly).
// - The signals: PedirFocoCanvas (Enter stored the text), AbrirMenuTipo (the
//   kind context menu at a global position), AlterarCodigoBarras (the font
//   button of a barcode, graph bar or PDF417 item).
#include <QGroupBox>
#include <QLineEdit>
#include <QPoint>
#include <QWidget>
#include <array>
#include <functional>

#include "canvas/propriedades_cores.h"
#include "document/editor.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class QVBoxLayout;

namespace mobrix {

class NumeroCtl;
class RotuloClicavel;
class RotuloCor;
class BarraCoresCtl;
class AmostraCorCtl;
class PaletaExtendidaCtl;
class DiagramaLinhasCtl;
struct EstadoPainel;

class PainelPropriedades : public QWidget {
    Q_OBJECT
public:
    PainelPropriedades(Editor& ed, Dialogos& dialogos, QWidget* parent = nullptr);

    // Fills the panel from the selection. A text or number the user is still
    // typing for the same item survives a refresh that did not change it.
    void Validar();
    // Stores what was typed and not yet stored (text, width, height, offset,
    // thickness). False when the text box refuses its text: the user was told
    // why and the text stays there to be corrected.
    bool ConfirmarEdicoesPendentes();
    // txtTexto.
    QLineEdit* CaixaTexto() const { return txtTexto_; }
    // Focuses the text box with `inicio` as its whole text, caret at the end
    // (a character typed on the canvas, or "" for Backspace).
    void ComecarTexto(const QString& inicio);
    // The click on line label 1..6.
    void AlternarLinha(int linha);
    // "Inserir &macro" entry 0..12: the variable replaces the text box's
    // selection and is left selected.
    void InserirMacro(int indice);
    // Digits and decimals of the numeric fields for the current unit.
    void AtualizarMedidas();
    void OcultarPaleta();

signals:
    void PedirFocoCanvas();
    void AbrirMenuTipo(const QPoint& global);
    void AlterarCodigoBarras();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    // A numeric field that stores its value when it is left or on Enter, only
    // when the user changed what the panel showed.
    struct Campo {
        NumeroCtl* ctl = nullptr;
        double mostrado = 0;
        std::function<double(double)> aplicar;  // returns the value to show
    };

    void CriarTexto();
    void CriarGeometria();
    void CriarMarcas();
    void CriarAlinhamento();
    void CriarCores();
    void CriarLinhas();
    QGroupBox* Quadro(const char* nome, const QString& titulo);
    NumeroCtl* NovoCampo(const char* nome, bool editavel);
    AmostraCorCtl* NovaAmostra(QWidget* quadro, const char* nome, AlvoPaleta alvo);
    RotuloCor* NovoRotuloCor(QWidget* quadro, const char* nome, const char* legenda, const char* dica, char tipo);
    BarraCoresCtl* NovaBarra(QWidget* quadro, const char* nome, const char* dica, BarraCores barra);
    void LigarCampo(Campo& campo, std::function<double(double)> aplicar);

    // Runs a panel edit: pending edits first, the panel refilled after.
    void Editar(const std::function<void()>& edicao);
    bool ConfirmarTexto();
    void ConfirmarCampo(Campo& campo);
    bool CampoAlterado(const Campo& campo) const;
    void MostrarCampo(Campo& campo, double valor, bool mesmaSelecao);
    void MostrarTexto(const EstadoPainel& e, bool mesmaSelecao);
    void MostrarTipo(const EstadoPainel& e);
    void PintarCores(const EstadoPainel& e);
    void AbrirPaleta(AlvoPaleta alvo, QWidget* junto);
    void ClicarBotaoFonte();

    Editor& ed_;
    Dialogos& dialogos_;
    bool atualizando_ = false;
    int medidaMostrada_ = 0;
    PosicaoItem selecaoMostrada_;
    QString textoMostrado_;      // what txtTexto showed
    std::string textoDoModelo_;  // the item text it was shown for

    QVBoxLayout* coluna_ = nullptr;
    QLineEdit* txtTexto_ = nullptr;
    QComboBox* cmbTipo_ = nullptr;
    QPushButton* btnFonte_ = nullptr;
    NumeroCtl *numTop_ = nullptr, *numLeft_ = nullptr;
    Campo largura_, altura_, deslocamento_, espessura_;
    QWidget* picAuto_ = nullptr;
    RotuloClicavel* lblAuto_ = nullptr;
    QCheckBox *chkCabecalho_ = nullptr, *chkRodape_ = nullptr;
    QGroupBox *fraAlinhamentoTexto_ = nullptr, *fraCor_ = nullptr, *fraLinhas_ = nullptr;
    QWidget* fraZoom_ = nullptr;
    std::array<QCheckBox*, 10> chkAlinhamento_{};  // index 8 (position 9) stays empty: the zoom list
    QComboBox *cmbAngulo_ = nullptr, *cmbTamanho_ = nullptr;
    BarraCoresCtl *picCores_ = nullptr, *picCoresLinhas_ = nullptr;
    AmostraCorCtl *picCorItem_ = nullptr, *picCorLinha_ = nullptr;
    RotuloCor *lblTexto_ = nullptr, *lblFundo_ = nullptr, *lblLinhas_ = nullptr;
    DiagramaLinhasCtl* diagramaLinhas_ = nullptr;
    PaletaExtendidaCtl* picPaletaExtendida_ = nullptr;
    AlvoPaleta alvoPaleta_ = AlvoPaleta::Item;
};

}  // namespace mobrix
