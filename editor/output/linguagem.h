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
inline constexpr std::string_view MarcadorComando = "\xA7" "c";
inline constexpr std::string_view MarcadorTexto = "\xA7" "t";  // also the font size in ComandoF
inline constexpr std::string_view MarcadorNegrito = "\xA7" "n";
inline constexpr std::string_view MarcadorItalico = "\xA7" "i";
inline constexpr std::string_view MarcadorSublinhado = "\xA7" "s";
inline constexpr std::string_view MarcadorRiscado = "\xA7" "r";
inline constexpr std::string_view MarcadorFonte = "\xA7" "f";
inline constexpr std::string_view MarcadorCorLinha = "\xA7" "cl";
inline constexpr std::string_view MarcadorCorFundo = "\xA7" "cf";
inline constexpr std::string_view MarcadorEsquerda = "\xA7" "ei";
inline constexpr std::string_view MarcadorComprimento = "\xA7" "ci";
inline constexpr std::string_view MarcadorAlinhamento = "\xA7" "ai";
inline constexpr std::string_view MarcadorEspessura = "\xA7" "el";
inline constexpr std::string_view MarcadorRowHeight = "\xA7" "rh";

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
