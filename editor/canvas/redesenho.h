#pragma once
// The follow-up of every edit, in one call: redraw the page, regenerate the
// command text and mark the layout changed. The undo snapshot is the
// editor's (Editor::ExibirBanda), which knows when an undo is being applied.
#include <string>

#include "canvas/pagina.h"

namespace mobrix {

struct ResultadoRedesenho {
    ResultadoPagina pagina;
    std::string comandos;  // the report command text of the layout as drawn
};

ResultadoRedesenho DesenharGerarComandosEMarcarAlterado(Pagina& pagina, Documento& doc, ContextoDesenho& ctx);

}  // namespace mobrix
