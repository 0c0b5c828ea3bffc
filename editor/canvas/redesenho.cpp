#include "canvas/redesenho.h"

#include "output/comandos.h"

namespace mobrix {

ResultadoRedesenho DesenharGerarComandosEMarcarAlterado(
    Pagina& pagina, Documento& doc, ContextoDesenho& ctx, const std::function<void(const Documento&)>& registrarDesfazer) {
    ResultadoRedesenho r;
    r.pagina = pagina.ExibirBanda(doc, ctx);
    r.comandos = GerarComandos(doc);
    doc.Alterado = true;
    if (registrarDesfazer) registrarDesfazer(doc);
    return r;
}

}  // namespace mobrix
