#pragma once
// "Comentário e Programação adicional da Banda": the band's text for the
// host program, before and after the band's code, with the "&Ferramentas"
// menu that writes a page break or a header variable in any language.
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTimer>
#include <array>
#include <optional>
#include <string>

#include "document/portas.h"
#include "output/comentario.h"
#include "output/pasta_linguagens.h"

namespace mobrix {

struct ContextoLinguagens {
    PastasLinguagem pastas;
    bool cobolString = true;  // "No COBOL usar STRING"
    Dialogos& dialogos;
};

class FrmComentario : public QDialog {
    Q_OBJECT

public:
    // The window's placement is read from and saved to `cfg` in twips.
    FrmComentario(const std::string& comentario, const ContextoLinguagens& ctx, Configuracoes& cfg,
                  QWidget* parent = nullptr);

    // The band's new comment (Windows-1252): after OK the two boxes joined,
    // after "&Limpar" the empty text; nullopt after Cancelar.
    const std::optional<std::string>& Resultado() const { return resultado_; }

    // Shows the dialog modally; nullopt when cancelled.
    static std::optional<std::string> Editar(const std::string& comentario, const ContextoLinguagens& ctx,
                                             Configuracoes& cfg, QWidget* parent);

    // "&Ferramentas": the statement of a tool in a language, over the
    // selection of the box that had the focus last (the "before" box when
    // neither had it).
    void InserirInstrucao(const std::string& linguagem, Ferramenta ferramenta);

    void done(int r) override;

private:
    void CarregarTipo();
    void LinhaColuna(int indice);
    void RestaurarJanela();
    void SalvarJanela();

    ContextoLinguagens ctx_;
    Configuracoes& cfg_;
    std::array<QPlainTextEdit*, 2> txtComentario_{};
    std::array<QLabel*, 2> lblPos_{};
    QMenu* mnuVarMacro_ = nullptr;
    QMenu* mnuQuebra_ = nullptr;
    QTimer* tmrLinhaColuna_ = nullptr;
    std::optional<std::string> resultado_;
};

}  // namespace mobrix
