#pragma once
// The follow-up of every edit, in one call: redraw the page, regenerate the
// command text, mark the layout changed and record the undo snapshot.
#include <functional>
#include <string>

#include "canvas/pagina.h"

namespace mobrix {

struct ResultadoRedesenho {
    ResultadoPagina pagina;
    std::string comandos;  // the report command text of the layout as drawn
};

// `registrarDesfazer` receives the document after the redraw; leave it empty
// while an undo or redo is being applied.
ResultadoRedesenho DesenharGerarComandosEMarcarAlterado(
    Pagina& pagina, Documento& doc, ContextoDesenho& ctx,
    const std::function<void(const Documento&)>& registrarDesfazer = {});

}  // namespace mobrix
