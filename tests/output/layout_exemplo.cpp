#include "layout_exemplo.h"

#include "document/operacoes.h"

namespace mobrix::teste {

Documento NovoDoc() {
    Documento d;
    NovoLayout(d);
    return d;
}

Documento Exemplo() {
    Documento d = NovoDoc();
    AddBanda(d, 0, false, 0, 0);
    d.Config.MargemSuperior = "\"10\"";
    d.Config.FimCabecalho = 1;
    d.Config.QuebraFinal = true;
    Item& t = d.banda(1).item(1);
    t.Texto = "Relat\xF3rio de vendas";
    t.Fonte.Negrito = true;
    t.Largura = 300;
    Item& n = d.banda(2).item(1);
    n.Tipo = TipoComando;
    n.Texto = "NOME";
    n.Largura = 200;
    n.Linhas = Texto10("0001000000");
    AddItem(d, 2, false, 100);
    Item& g = d.banda(2).item(2);
    g.Tipo = TipoFigura;
    g.Texto = "\"logo.bmp\"";
    ReposicionarItem(d.banda(2));
    return d;
}

Item& AcrescentarItem(Documento& d, int banda, uint8_t tipo, const std::string& texto) {
    AddItem(d, banda, false, 0);
    Item& it = d.banda(banda).item(d.banda(banda).NumItens());
    it.Tipo = tipo;
    it.Texto = texto;
    ReposicionarItem(d.banda(banda));
    return it;
}

}  // namespace mobrix::teste
