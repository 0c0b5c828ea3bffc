#include "vista_falsa.h"

#include "document/operacoes.h"

namespace mobrix::teste {

VistaFalsa::VistaFalsa() { ReiniciarPagina(); }

void VistaFalsa::Redesenhar(Documento& doc) {
    ++redesenhos;
    for (Banda& b : doc.Bandas)
        if (b.Altura < 1) b.Altura = -AlturaAutomatica;
    ReposicionarItem(doc, doc.BandaSel);
    ReposicionarBanda(doc);
    ++comandos;
}

bool VistaFalsa::ConfirmarEdicoesPendentes() {
    ++confirmacoes;
    return aceitarEdicoes;
}

void VistaFalsa::Rolar(int32_t h, int32_t v) {
    rolagens.push_back({h, v});
    pagina.h = h;
    pagina.v = v;
}

// An 800 x 600 viewport over the initial 1120 x 1120 canvas.
void VistaFalsa::ReiniciarPagina() {
    ++reinicios;
    pagina = EstadoPagina{};
    pagina.larguraPagina = 1120;
    pagina.alturaPagina = 1120;
    pagina.larguraVisivel = 800;
    pagina.alturaVisivel = 600;
    pagina.maximoH = 320;
    pagina.maximoV = 520;
    pagina.passoGrandeV = 560;
}

void VistaFalsa::MostrarMagica(const std::optional<PropostaMagica>& proposta) {
    magica = proposta;
    ++mudancasMagica;
}

}  // namespace mobrix::teste
