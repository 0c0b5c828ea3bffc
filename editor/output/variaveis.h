#pragma once
// Header and footer variables: "(%_pag_%)" and friends, the sample values the
// editor shows for them, and the entries of the menu that inserts them.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace mobrix {

// The clock and the user's names for today, filled by the caller (the window
// from the system clock, tests with fixed values). Names are Windows-1252.
struct DataHora {
    int dia = 1, mes = 1, ano = 2000;
    int hora = 0, minuto = 0, segundo = 0;
    std::string nomeDiaSemana;  // as the locale gives it, e.g. "segunda-feira"
    std::string nomeMes;        // as the locale gives it, e.g. "janeiro"
};

// One entry of the "Inserir macro" menu: caption (UTF-8) and the variable.
struct EntradaVariavel {
    const char* legenda;
    const char* variavel;
};

inline constexpr std::array<EntradaVariavel, 12> VariaveisFixas = {{
    {"Página atual", "(%_pag_%)"},
    {"Número de páginas", "(%_pgs_%)"},
    {"Página atual (Formatado)", "(%_zpg_%)"},
    {"Número de páginas (Formatado)", "(%_zps_%)"},
    {"Dia da semana", "(%_sem_%)"},
    {"Nome do mês", "(%_msn_%)"},
    {"Dia", "(%_dia_%)"},
    {"Mês", "(%_mes_%)"},
    {"Ano", "(%_ano_%)"},
    {"Hora", "(%_hor_%)"},
    {"Minuto", "(%_min_%)"},
    {"Segundo", "(%_seg_%)"},
}};

// Menu index 12: a numbered variable whose value the host program supplies.
inline constexpr int IndiceVariavelUsuario = 12;
inline constexpr const char* LegendaVariavelUsuario = "Variável de cabeçalho e rodapé";
// The question asked for its number; lines separated by CR LF.
extern const char* const PerguntaVariavelUsuario;

// The variable typed as an answer to the question: the first two characters
// of the trimmed answer read as a number ("5" -> "(%_05_%)", "123" ->
// "(%_12_%)", "x" -> "(%_00_%)"); nullopt for an empty answer.
std::optional<std::string> VariavelDoUsuario(std::string_view resposta);

// Replaces every fixed variable, in any letter case, by the value the editor
// shows for it: page `pagina`, 10 pages, today's date and time.
void SubstituirVariaveis(std::string& texto, int pagina, const DataHora& agora);
inline bool TemVariaveis(std::string_view texto) { return texto.find("(%_") != std::string_view::npos; }

}  // namespace mobrix
