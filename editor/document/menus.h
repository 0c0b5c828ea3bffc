#pragma once
// Which entries of the Editar menu (with its Banda and Item submenus) and of
// the kind context menu are enabled, and the captions that change with the
// selection. Pure functions of the editor state and of facts the window
// knows (focus, clipboard).
#include <string>

#include "document/modelo.h"

namespace mobrix {

// The control that has the focus when the menu opens.
enum class Foco { Pagina, CaixaTexto, Outro };

struct FatosMenuEditar {
    Foco foco = Foco::Pagina;
    bool podeDesfazer = false;
    bool transferenciaExiste = false;  // the transfer file is there
    bool areaTemTexto = false;         // the system clipboard holds text
};

// The four kinds a "Mudar para" entry can choose; the type list cmbTipo and
// the context menu mnuPopup2 list them in this order.
enum class TipoEscolhido { Texto = 0, Figura = 1, Comando = 2, CodigoBarras = 3 };
TipoEscolhido TipoEscolhidoDe(int tipo);

struct EstadoMenuTipo {
    bool texto = true, figura = true, comando = true, codigoBarras = true;
};

struct EstadoMenuEditar {
    bool desfazer = false;
    bool recortar = false, copiar = false, colar = false, excluir = false, selecionarTudo = false;
    // Every entry of the Item submenu (style, macros, moves, "Mudar para"...)
    bool item = false;
    EstadoMenuTipo mudarPara;  // within an enabled Item submenu
    bool quebrarPagina = false;
    std::string legendaQuebrarPagina;  // "&Quebrar a Página" / "Remover a &Quebra de Página"
    std::string legendaAltura;         // "Alt&ura automática" / "Alt&ura manual"
};

EstadoMenuEditar MenuEditar(const Documento& doc, const FatosMenuEditar& fatos);
// The kind context menu: all four entries, but the selected item's own kind.
EstadoMenuTipo MenuTipo(const Documento& doc);

}  // namespace mobrix
