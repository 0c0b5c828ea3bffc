#pragma once
// The view port: what the editor window does for the editor object. The
// editor changes the document and its own state, then tells the view what to
// show; the view draws from the document and from the editor's queries
// (Editor::Selecao, Editor::Magica, Editor::Titulo...).
#include <optional>
#include <string>
#include <vector>

#include "document/criacao_rapida.h"
#include "document/modelo.h"
#include "document/rolagem.h"

namespace mobrix {

class Vista {
public:
    virtual ~Vista() = default;

    // The full redraw of the page: item positions of the selected band and
    // all band positions, automatic band heights (stored negated in Altura),
    // the page bitmap with its markers, then the command text regenerated.
    virtual void Redesenhar(Documento& doc) = 0;
    // Only the command text, for a report setting the page does not show.
    virtual void AtualizarComandos(const Documento& doc) = 0;

    // The selection or its geometry changed (also after every redraw, when
    // automatic heights may have moved it): outline and handles, range
    // rectangle, selected band marker and selection label follow
    // Editor::Selecao().
    virtual void AtualizarSelecao() = 0;
    // The property panel is refilled from the selection (Validar).
    virtual void Validar() = 0;
    // Pending edits of the property panel are stored before a click moves the
    // selection; false when the item text refuses them.
    virtual bool ConfirmarEdicoesPendentes() = 0;

    // The canvas and viewport sizes and scroll values, and new scroll values.
    virtual EstadoPagina Pagina() const = 0;
    virtual void Rolar(int32_t h, int32_t v) = 0;
    // The canvas back to its initial size, scrolled to the top left.
    virtual void ReiniciarPagina() = 0;

    // The one-click creation frame: shown at a proposal, or hidden.
    virtual void MostrarMagica(const std::optional<PropostaMagica>& proposta) = 0;
    // The Editar menu as a context menu at the mouse.
    virtual void AbrirMenuEditar() = 0;

    virtual void DefinirTitulo(const std::string& titulo) = 0;
    // The recent-files entries (paths, most recent first; empty hides them
    // and "&Excluir Atalhos").
    virtual void AtualizarRecentes(const std::vector<std::string>& caminhos) = 0;
    // Check marks of the configuration menu (report switches and the unit).
    virtual void AtualizarMenuConfiguracao() = 0;
};

}  // namespace mobrix
