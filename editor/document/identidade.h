#pragma once
// The program's identity: titles, version numbers and the messages built from them.
#include <string>

namespace mobrix {

inline constexpr int VersaoMaior = 2;
inline constexpr int VersaoMenor = 0;
inline constexpr int VersaoRevisao = 1;

inline constexpr const char* TituloAplicacao = "MobrixEdit 2.0";
inline constexpr const char* NomeProduto = "MobrixEdit 2.0 - Editor de Layout do Mobrix";
// File names beside each other in the program's folder.
inline constexpr const char* ArquivoPrograma = "MobrixEdit";
inline constexpr const char* ArquivoIconePrograma = "MobrixEdit.png";  // written by the build

// Messages use a lone carriage return between lines, as the message boxes do.
// Paths are the platform's own bytes (UTF-8); messages are UTF-8.
std::string MensagemFormatoInvalido(const std::string& caminho);
std::string MensagemErroAbrir(const std::string& caminho, const std::string& descricao);
std::string MensagemErroGravar(const std::string& caminho, int numero, const std::string& descricao);

}  // namespace mobrix
