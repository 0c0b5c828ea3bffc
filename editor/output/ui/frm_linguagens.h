#pragma once
// "Linguagens": the language templates, created, removed and edited fragment
// by fragment; every change is saved at once.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <string>

#include "document/portas.h"
#include "output/linguagem.h"
#include "output/ui/frm_comentario.h"

namespace mobrix {

class FrmLinguagens : public QDialog {
    Q_OBJECT

public:
    // `ctx.cobolString` is the state the check box starts with; the check box
    // writes the setting "No COBOL usar STRING" to `cfg` at once.
    FrmLinguagens(const ContextoLinguagens& ctx, Configuracoes& cfg, QWidget* parent = nullptr);

    bool CobolString() const { return cobolString_; }

    // Shows the dialog modally; returns the COBOL STRING option as it was
    // left.
    static bool Executar(const ContextoLinguagens& ctx, Configuracoes& cfg, QWidget* parent);

    void done(int r) override;

private:
    // Fills the list and selects the language named `selecionar`, else the
    // entry at `posicao` (the last one when the list is shorter).
    void CarregarLin(const std::string& selecionar = {}, int posicao = 0);
    void SelecionarLinguagem(int indice);
    void Habilitar(bool ligado);
    void MostrarOpcao(int opcao);
    // A changed text is stored in its fragment and the template saved.
    void ConfirmarTexto();
    void Adicionar();
    void Remover();
    std::string NomeSelecionado() const;

    ContextoLinguagens ctx_;
    Configuracoes& cfg_;
    bool cobolString_;
    Linguagem linguagem_;
    std::string nome_;  // the language being edited; empty when none
    int opcao_ = 0;

    QComboBox* cmbLin_ = nullptr;
    QPushButton* btnAdd_ = nullptr;
    QPushButton* btnRemove_ = nullptr;
    QButtonGroup* optLin_ = nullptr;
    QPlainTextEdit* txtLin_ = nullptr;
    QLabel* lblLIN_ = nullptr;
    QCheckBox* chkCobolString_ = nullptr;
};

}  // namespace mobrix
