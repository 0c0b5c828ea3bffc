#pragma once
// The main window's output and option commands: "&Copiar como" and
// "&Comandos utilizados", "&Linguagens", "&Visualizar", the band comment,
// the item style, the barcode dialog, and the report options of the
// "&Configurar" menu (all but the unit of measure, "F&onte padrão do Item"
// and "&Exibir o arquivo texto"), with the .cpy step of a save.
//
// At start-up the window calls, once, after CriarMenus and after building
// its Editor:
//
//     ConectarAcoesSaida(menus, ContextoSaida{editor, portas, pdf417, this});
//
// and connects the property panel's "change the barcode" request to
// AlterarCodigoBarras(contexto). Its Vista::AtualizarMenuConfiguracao calls
// AtualizarMenuSaida: the check marks these entries own are refreshed there
// after every option command, as after every new layout, and whenever the
// Configurar menu opens.
#include <QWidget>

#include "app/menus.h"
#include "barcodes/ponte_pdf417.h"
#include "document/editor.h"
#include "output/pasta_linguagens.h"

namespace mobrix {

struct ContextoSaida {
    Editor& editor;
    PortasEditor portas;  // the same ports the editor was built with
    PontePDF417& pdf417;  // the bridge the page is drawn with
    QWidget* janela;      // the parent of the dialogs
};

// Connects the entries and hooks above. Everything referred to by `ctx`
// must live as long as the menus.
void ConectarAcoesSaida(Menus& m, const ContextoSaida& ctx);

// The check marks of the report switches, the e-mail format and "E&xibir
// apenas fontes de impressão", and whether the JPG quality can be set.
void AtualizarMenuSaida(Menus& m, Editor& editor);

// The barcode dialog on the selected item: the current barcode settings are
// taken from the item, edited, and written back with the item options that
// follow the kind; "Mudar para Código de &Barras" then uses them.
void AlterarCodigoBarras(const ContextoSaida& ctx);

// "E&stilo": the style dialog for text and command items, the font dialog
// for every other kind.
void EditarEstiloItem(const ContextoSaida& ctx);

// Where the language templates are: the program's folder and the user's
// data folder (the user's copies win).
PastasLinguagem PastasDoSistema(Sistema& sistema);

}  // namespace mobrix
