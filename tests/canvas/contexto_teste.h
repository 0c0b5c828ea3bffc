#pragma once
// What the page renderer needs around it in tests: recorded messages, a
// system without the PDF417 library, fixed sample dates.
#include "canvas/pagina.h"
#include "dialogos_falsos.h"
#include "document/operacoes.h"
#include "pasta_teste.h"
#include "portas_falsas.h"

namespace mobrix::teste {

// A page, its off-screen picture and everything else a redraw needs.
template <class Sup>
struct Bancada {
    Sup pagina;
    Sup figura;
    PastaTeste raiz;
    SistemaFalso sistema{raiz.caminho()};  // no library to bind
    PontePDF417 pdf417{sistema};
    DataHora agora;
    DialogosFalsos dialogos;
    ContextoDesenho ctx{pagina, figura, pdf417, agora, &dialogos};
    Pagina estado;
    Documento doc;

    Bancada() {
        NovoLayout(doc);
        estado.TamanhoInicial(pagina, 1024, &dialogos);
    }
    ResultadoPagina Exibir() { return estado.ExibirBanda(doc, ctx); }
    Item& item(int b, int k) { return doc.banda(b).item(k); }
};

}  // namespace mobrix::teste
