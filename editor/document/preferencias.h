#pragma once
// The editor's per-user settings: their keys and defaults, and readers that
// take the default for any value that is missing, of the wrong type or out of
// range, so a damaged settings store never reaches the editor.
#include <cstdint>
#include <string>

#include "document/modelo.h"
#include "document/portas.h"

namespace mobrix::chave {
inline constexpr const char* Pasta = "Pasta";
inline constexpr const char* ExibirResultado = "Exibir Resultado";
inline constexpr const char* FontesImpressora = "Fontes Impressora";
inline constexpr const char* UnidadeMedida = "Unidade de Medida";
inline constexpr const char* CobolUsarString = "No COBOL usar STRING";
inline constexpr const char* MagicItem = "MagicItem";
inline constexpr const char* FontName = "FontName";
inline constexpr const char* FontSize = "FontSize";
inline constexpr const char* FontBold = "FontBold";
inline constexpr const char* FontItalic = "FontItalic";
inline constexpr const char* FontUnderline = "FontUnderline";
inline constexpr const char* FontStrikethrough = "FontStrikethrough";
inline constexpr const char* Cpy = "CPY";
// "Arquivo recente 1" .. "Arquivo recente 4".
std::string ArquivoRecente(int i);
}  // namespace mobrix::chave

namespace mobrix {

// Booleans are written as "true" / "false"; "-1", "0", "1" and any letter case
// are read too.
bool LerBooleano(Configuracoes& cfg, const std::string& chave, bool padrao);
void GravarBooleano(Configuracoes& cfg, const std::string& chave, bool valor);
// A decimal integer within [minimo, maximo], else the default.
int64_t LerInteiro(Configuracoes& cfg, const std::string& chave, int64_t padrao, int64_t minimo, int64_t maximo);
std::string LerTexto(Configuracoes& cfg, const std::string& chave, const std::string& padrao = "");

// Editor switches kept across runs (the unit and the default item font live
// in the document).
struct PreferenciasEditor {
    bool ExibirResultado = true;    // the command-text pane is shown
    bool FontesImpressora = false;  // "E&xibir apenas fontes de impressão"
    bool MagicItem = true;          // one-click creation is on
    bool CobolUsarString = true;    // the COBOL STRING option of the language templates
};

PreferenciasEditor LerPreferencias(Configuracoes& cfg);
// One of 3, 5, 6, 7; anything else gives pixels.
int16_t LerMedida(Configuracoes& cfg);
// Sizes outside 1..99 and empty names give the defaults ("Arial", 10).
FonteItem LerFonteInicial(Configuracoes& cfg);
// What is written at exit (the COBOL option belongs to the language dialog).
void GravarPreferencias(Configuracoes& cfg, const PreferenciasEditor& p, int16_t medida, const FonteItem& fonte);

// A dialog's placement, stored under prefix + ".Width", ".Height", ".Top"
// and ".Left".
struct Colocacao {
    int64_t esquerda = 0;
    int64_t topo = 0;
    int64_t largura = 0;
    int64_t altura = 0;

    bool operator==(const Colocacao&) const = default;
};
void GravarColocacao(Configuracoes& cfg, const std::string& prefixo, const Colocacao& c);

}  // namespace mobrix
