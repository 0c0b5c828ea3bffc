#pragma once
// "&Visualizar": the command text goes to a temporary file and the report
// runtime is started on it.
#include <string>
#include <vector>

#include "document/modelo.h"
#include "document/portas.h"

namespace mobrix {

inline constexpr const char* ProgramaRuntime = "Mobrix";  // found through PATH
inline constexpr const char* EmailAmostra = "destinatario@exemplo.com.br";
inline constexpr const char* TituloVisualizar = "Visualizar";

// The runtime's arguments. The Windows program took one command line,
// "Mobrix.exe /G <file> /T Mobrix[ /ED <address>] /SE"; here each piece
// between blanks is one argument, and the file's path is a single argument
// even when it holds blanks:
//   Mobrix /G <file> /T Mobrix [/ED <address>] /SE
std::vector<std::string> ArgumentosRuntime(const std::string& arquivoTemporario, bool enviarEmail);

std::string MensagemMobrixNaoEncontrado();
std::string MensagemErroVisualizar(int numero, const std::string& descricao);

// Writes the command text (Windows-1252, as it stands) and starts the
// runtime. A file that cannot be written is reported and the runtime is not
// started. Every failure shows its message (exclamation icon, title
// "Visualizar"); true when the runtime started.
bool Visualizar(const std::string& textoComandos, const ConfigRelatorio& config, Sistema& sistema,
                Dialogos& dialogos);

}  // namespace mobrix
