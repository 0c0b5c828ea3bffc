#include "canvas/redesenho.h"

#include "output/comandos.h"

namespace mobrix {

ResultadoRedesenho DesenharGerarComandosEMarcarAlterado(Pagina& pagina, Documento& doc, ContextoDesenho& ctx) {
    ResultadoRedesenho r;
    r.pagina = pagina.ExibirBanda(doc, ctx);
    r.comandos = GerarComandos(doc);
    doc.Alterado = true;
    return r;
}

}  // namespace mobrix
