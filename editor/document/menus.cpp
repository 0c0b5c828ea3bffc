#include "document/menus.h"

#include "document/operacoes.h"

namespace mobrix {

TipoEscolhido TipoEscolhidoDe(int tipo) {
    switch (tipo) {
        case TipoFigura: return TipoEscolhido::Figura;
        case TipoComando: return TipoEscolhido::Comando;
        default: return EhTipoCodigoBarras(tipo) ? TipoEscolhido::CodigoBarras : TipoEscolhido::Texto;
    }
}

EstadoMenuTipo MenuTipo(const Documento& doc) {
    EstadoMenuTipo m;
    if (!doc.TemItemSelecionado() || !ItemValido(doc, doc.BandaSel, doc.ItemSel)) return m;
    switch (TipoEscolhidoDe(doc.itemSel().Tipo)) {
        case TipoEscolhido::Texto: m.texto = false; break;
        case TipoEscolhido::Figura: m.figura = false; break;
        case TipoEscolhido::Comando: m.comando = false; break;
        case TipoEscolhido::CodigoBarras: m.codigoBarras = false; break;
    }
    return m;
}

EstadoMenuEditar MenuEditar(const Documento& doc, const FatosMenuEditar& fatos) {
    EstadoMenuEditar m;
    const bool naPagina = fatos.foco == Foco::Pagina;
    m.desfazer = fatos.foco != Foco::CaixaTexto && fatos.podeDesfazer;
    m.recortar = m.copiar = m.excluir = m.selecionarTudo = naPagina;
    m.colar = naPagina && fatos.transferenciaExiste && !fatos.areaTemTexto;
    m.item = doc.TemItemSelecionado();
    m.mudarPara = MenuTipo(doc);
    m.quebrarPagina = doc.BandaSel >= 2;
    m.legendaQuebrarPagina =
        QuebraPaginaSeek(doc.Config, doc.BandaSel) ? "Remover a &Quebra de Página" : "&Quebrar a Página";
    const bool manual = ItemValido(doc, doc.BandaSel, 0) && doc.bandaSel().Altura >= 1;
    m.legendaAltura = manual ? "Alt&ura automática" : "Alt&ura manual";
    return m;
}

}  // namespace mobrix
