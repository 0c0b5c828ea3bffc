#include "document/codigo_barras_item.h"

namespace mobrix {

ConfigCodigoBarras CodigoBarrasDoItem(const Item& item) {
    ConfigCodigoBarras c;
    c.TextoCodigoBarras = item.Texto;
    c.TipoCodigoBarras = item.Tipo;
    c.UsarAlturaBanda = item.Atributos.ligado(10);
    c.BarraGrafico = item.Atributos.ligado(4);
    return c;
}

void AplicarCodigoBarras(Item& item, const ConfigCodigoBarras& cfg, OrigemCodigoBarras origem) {
    const bool dialogo = origem == OrigemCodigoBarras::Dialogo;
    Texto10& a = item.Atributos;
    if (dialogo) item.Texto = cfg.TextoCodigoBarras;
    item.Tipo = cfg.TipoCodigoBarras;
    a.definir(10, cfg.UsarAlturaBanda);
    a.definir(4, cfg.BarraGrafico);
    if (item.Tipo == TipoBarraGrafico) {
        a.definirDigito(7, a.digito(7) & 1);
        if (dialogo) a.definir(9, '1');
    }
    if (cfg.BarraGrafico) a.definir(3, false);
    if (dialogo && cfg.UsarAlturaBanda && a(6) == '0') {
        a.definir(6, true);
        if (a.ligado(5)) {
            a.definir(5, false);
            a.definir(3, false);
            a.definir(4, false);
        }
    }
}

}  // namespace mobrix
