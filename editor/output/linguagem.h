#pragma once
// A language template: eight code fragments with § placeholders (the byte
// 0xA7 in Windows-1252), and its file form (.lin).
#include <optional>
#include <string>
#include <string_view>

namespace mobrix {

struct Linguagem {
    std::string Variaveis;          // reference text, not generated
    std::string ComentarioInicial;  // once, at the start of the code
    std::string ComandoF;           // fonts
    std::string ComandoL;           // frames and backgrounds
    std::string ComandoT;           // every item line
    std::string ComandoRH;          // commands with one numeric argument
    std::string ComandosSimples;    // commands without separate arguments
    std::string ChamadaMobrix;      // reference text, not generated

    bool operator==(const Linguagem&) const = default;
};

// The placeholders.
#define MOBRIX_MARCADOR(x) "\xA7" x
inline constexpr std::string_view MarcadorComando = MOBRIX_MARCADOR("c");
inline constexpr std::string_view MarcadorTexto = MOBRIX_MARCADOR("t");  // also the font size in ComandoF
inline constexpr std::string_view MarcadorNegrito = MOBRIX_MARCADOR("n");
inline constexpr std::string_view MarcadorItalico = MOBRIX_MARCADOR("i");
inline constexpr std::string_view MarcadorSublinhado = MOBRIX_MARCADOR("s");
inline constexpr std::string_view MarcadorRiscado = MOBRIX_MARCADOR("r");
inline constexpr std::string_view MarcadorFonte = MOBRIX_MARCADOR("f");
inline constexpr std::string_view MarcadorCorLinha = MOBRIX_MARCADOR("cl");
inline constexpr std::string_view MarcadorCorFundo = MOBRIX_MARCADOR("cf");
inline constexpr std::string_view MarcadorEsquerda = MOBRIX_MARCADOR("ei");
inline constexpr std::string_view MarcadorComprimento = MOBRIX_MARCADOR("ci");
inline constexpr std::string_view MarcadorAlinhamento = MOBRIX_MARCADOR("ai");
inline constexpr std::string_view MarcadorEspessura = MOBRIX_MARCADOR("el");
inline constexpr std::string_view MarcadorRowHeight = MOBRIX_MARCADOR("rh");
#undef MOBRIX_MARCADOR

// A new language: the legend of every fragment's placeholders.
Linguagem NovaLin();

// COBOL gets its lines folded; it is recognised by the language's name.
bool ModoCobol(std::string_view nomeLinguagem);

// The template dialog's eight options, by index: 0 Variaveis, 1 ComandoF,
// 2 ComandoL, 3 ComandoT, 4 ComandoRH, 5 ComandosSimples, 6 ChamadaMobrix,
// 7 ComentarioInicial. An index outside 0..7 selects option 0.
inline constexpr int NumOpcoesLinguagem = 8;
std::string& CampoDaOpcao(Linguagem& l, int opcao);
const char* LegendaDaOpcao(int opcao);  // UTF-8 caption

// The file: version 1 (32-bit), then the eight fields in declaration order,
// each a 16-bit length and its bytes. nullopt for any other version and for
// a damaged or truncated file.
std::optional<Linguagem> LerLin(std::string_view bytes);
// nullopt when a field is longer than 65535 bytes.
std::optional<std::string> GravarLin(const Linguagem& l);

}  // namespace mobrix
