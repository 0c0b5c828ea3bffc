#pragma once
// The rules of the "&Configurar" menu's report options and of its small
// dialogs, on the layout's settings. Texts are Windows-1252 unless said.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/modelo.h"

namespace mobrix {

// What the editor does after an option command changed the settings. The
// command text is always regenerated.
struct EfeitoOpcao {
    bool marcarAlterado = true;          // every option but "Manter o relatório visível"
    bool redesenharSemDesfazer = false;  // landscape: the page outline turns, no undo step
    bool operator==(const EfeitoOpcao&) const = default;
};

// The switches of the menu ("&Finalizar com quebra de página" has a rule of
// its own and is not among them).
enum class OpcaoRelatorio { Visivel, EnviarEmail, Paisagem, Imprimir, TemCapa };
EfeitoOpcao AlternarOpcao(ConfigRelatorio& config, OpcaoRelatorio opcao);

// "&Tipo de e-mail": 1 JPG, 2 EMF, 3 GIF, 4 PDF, 5 DOC. JPG and PDF take the
// quality last confirmed in this session, else 92 (JPG) or 100 (PDF).
EfeitoOpcao EscolherFormatoEmail(ConfigRelatorio& config, int16_t formato, int16_t qualidadeSessao);
// The quality dialog is offered for JPG and PDF only.
bool QualidadeJPGHabilitada(const ConfigRelatorio& config);
// The quality field keeps 1..100.
int16_t LimitarQualidadeJPG(double valor);
// OK of the quality dialog: the session's quality and the layout's.
EfeitoOpcao ConfirmarQualidadeJPG(ConfigRelatorio& config, int16_t& qualidadeSessao, double valor);


// Margins dialog: a margin is either millimetres (a quoted literal) or a
// command or variable of the host program.
struct CamposMargem {
    std::optional<double> milimetros;  // empty field: nullopt
    std::string comando;
};
CamposMargem AbrirMargem(const std::string& expressao);
std::string ConfirmarMargem(const CamposMargem& campos);

// E-mail text dialog: the stored text keeps line breaks as "{ENTER}".
std::string TextoEmailParaCaixa(std::string_view armazenado);  // lines joined by CR LF
std::string TextoEmailDaCaixa(std::string_view caixa);         // CR LF, LF or CR become "{ENTER}"
std::string TextoEmailPadrao();                                 // "Padrão"

// Printer dialog. The list holds these two entries (UTF-8 captions), then
// the installed printers; list indices count from 0.
inline constexpr const char* EntradaImpressoraPadrao = "<< Padrão do Windows >>";
inline constexpr const char* EntradaUsuarioSeleciona = "<< O usuário seleciona >>";
inline constexpr const char* ImpressoraEscolhidaAoImprimir = "<?>";
struct SelecaoImpressora {
    int indice = -1;    // the list entry selected, -1 for none
    std::string texto;  // the free name box
};
SelecaoImpressora AbrirImpressora(const std::string& nome, const std::vector<std::string>& instaladas);
// Typing a name selects the installed printer of that name (without regard
// to case), or no entry.
int IndiceDaImpressora(const std::string& texto, const std::vector<std::string>& instaladas);
std::string ConfirmarImpressora(const SelecaoImpressora& s);

}  // namespace mobrix
