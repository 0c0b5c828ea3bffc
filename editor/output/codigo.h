#pragma once
// Program code: the host-program statements that write the report command
// text at run time, made from a language template, command by command.
#include <optional>
#include <string>

#include "document/modelo.h"
#include "document/portas.h"
#include "output/linguagem.h"
#include "output/pasta_linguagens.h"

namespace mobrix {

struct OpcoesCodigo {
    bool modoCobol = false;    // fold lines to the COBOL length
    bool cobolString = false;  // fold with STRING instead of continuation lines
};

std::string GerarCodigo(const Layout& layout, const Linguagem& linguagem, OpcoesCodigo opcoes);

// "&Comandos utilizados": the distinct texts of the Comando items (the first
// form met wins, compared without regard to case), each ended by CR LF.
std::string ComandosUtilizados(const Layout& layout);

// What the .cpy file holds: the code followed by a line break.
std::string TextoArquivoCpy(const std::string& codigo);
// The question before an existing file is replaced (title TituloSalvar).
std::string PerguntaSubstituirArquivo(const std::string& caminho);
inline constexpr const char* TituloSalvar = "Salvar";

// Writes code into a file as the .cpy step does: when the file exists the
// user is asked first (Yes/No, title "Salvar").
enum class ResultadoCopia { Gravado, Recusado, ErroGravar };
struct CopiaCodigo {
    ResultadoCopia resultado = ResultadoCopia::Recusado;
    std::string mensagem;  // for ErroGravar: why the file could not be written
};
CopiaCodigo GravarCodigo(const std::string& codigo, const std::string& caminho, Dialogos& dialogos);

// "Copiar como" with a language: loads it (with the messages of
// LerLinguagem) and puts the code on the clipboard. False when the language
// could not be loaded.
bool CopiarCodigoComo(const Layout& layout, const std::string& linguagem, const PastasLinguagem& pastas,
                      bool cobolString, AreaTransferencia& area, Dialogos& dialogos);

// The .cpy step just before a layout is saved, for the language of the
// setting "CPY": nothing when that is empty or cannot be loaded (its message
// is shown); the layout is saved in every case.
std::optional<CopiaCodigo> SalvarCpy(const Layout& layout, const std::string& caminhoCpy,
                                     const std::string& linguagemCpy, const PastasLinguagem& pastas,
                                     bool cobolString, Dialogos& dialogos);

}  // namespace mobrix
