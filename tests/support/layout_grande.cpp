#include "layout_grande.h"

#include "document/operacoes.h"

namespace mobrix::teste {

void MontarLayoutGrande(Documento& d) {
    for (int b = d.NumBandas() + 1; b <= 1000; ++b) AddBanda(d, 0, false, 0, 0);
    for (int b = 1; b <= 1000; ++b) {
        for (int k = d.banda(b).NumItens() + 1; k <= 10; ++k) AddItem(d, b, false, 40);
        for (Item& it : d.banda(b).Itens) it.Texto = "Total do {n}cliente{/n} (%_pag_%)";
        ReposicionarItem(d.banda(b));
    }
    ReposicionarBanda(d);
}

}  // namespace mobrix::teste
