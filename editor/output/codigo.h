#pragma once
// Program code: the host-program statements that write the report command
// text at run time, made from a language template, command by command.
#include <string>

#include "document/modelo.h"
#include "document/portas.h"
#include "output/linguagem.h"

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
// The layout's path with its extension replaced by ".cpy" (appended when the
// file name has no extension).
std::string CaminhoCpy(const std::string& caminhoLayout);
// The question before an existing file is replaced (title TituloSalvar).
std::string PerguntaSubstituirArquivo(const std::string& caminho);
inline constexpr const char* TituloSalvar = "Salvar";

// "Copiar como": the code goes to the clipboard when `caminho` is empty,
// otherwise into that file after the overwrite question when it exists.
enum class ResultadoCopia { NaAreaTransferencia, Gravado, Recusado, ErroGravar };
struct CopiaCodigo {
    ResultadoCopia resultado = ResultadoCopia::Recusado;
    std::string mensagem;  // for ErroGravar: why the file could not be written
};
CopiaCodigo CopiarComo(const std::string& codigo, const std::string& caminho, AreaTransferencia& area,
                       Dialogos& dialogos);

}  // namespace mobrix
