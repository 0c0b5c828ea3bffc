#pragma once
// Where language templates live: the program's folder, which an installed
// copy often cannot write, and the user's data folder, which wins on equal
// names and receives every template the editor writes.
#include <string>
#include <vector>

#include "document/portas.h"
#include "output/linguagem.h"

namespace mobrix {

struct PastasLinguagem {
    std::string programa;  // the program's folder
    std::string usuario;   // the user's data folder; empty when there is none
};

// The names (file names without ".lin") of both folders, each once, sorted
// alphabetically without regard to case.
std::vector<std::string> ListarLinguagens(const PastasLinguagem& pastas);
// The file that is read for a name: the user's copy when there is one.
std::string LocalizarLinguagem(const std::string& nome, const PastasLinguagem& pastas);
bool LinguagemExiste(const std::string& nome, const PastasLinguagem& pastas);
// The position in `linguagens` of the one named `escolhida` (letter case
// ignored), or -1: the entry of "Gerar CP&Y ao salvar" that is checked.
int PosicaoLinguagem(const std::vector<std::string>& linguagens, const std::string& escolhida);

struct CargaLinguagem {
    enum class Estado { Ok, NaoEncontrado, ErroLeitura, Invalido } estado = Estado::NaoEncontrado;
    bool ok() const { return estado == Estado::Ok; }
    Linguagem linguagem;
    bool modoCobol = false;
    std::string mensagem;  // why it failed, for a box titled TituloLerLinguagem
};
inline constexpr const char* TituloLerLinguagem = "Ler Linguagem";
// Reads one template file; the COBOL mode follows the file's name.
CargaLinguagem CarregarArquivoLinguagem(const std::string& caminho);
CargaLinguagem CarregarLinguagem(const std::string& nome, const PastasLinguagem& pastas);
// Loads a template into `destino` and `modoCobol`, showing the message
// (exclamation icon) when it fails; both are left alone then.
bool LerLinguagem(const std::string& nome, const PastasLinguagem& pastas, Linguagem& destino, bool& modoCobol,
                  Dialogos& dialogos);

// Writes a template into the user's folder (created when missing). Returns an
// empty text, or the message telling why it could not be written.
std::string SalvarLin(const std::string& nome, const Linguagem& linguagem, const PastasLinguagem& pastas);
// Deletes the template from both folders; false when a copy remains (a
// folder that cannot be written).
bool ExcluirLinguagem(const std::string& nome, const PastasLinguagem& pastas);

// The template dialog's texts.
inline constexpr const char* TituloNovaLinguagem = "Nova Linguagem";
inline constexpr const char* PromptNovaLinguagem = "Digite o nome da nova linguagem:";
inline constexpr const char* TituloExcluirLinguagem = "Excluir Linguagem";
inline constexpr const char* TituloSalvarLinguagem = "Salvar Linguagem";
// Blanks around the name are dropped (they only cause trouble in a file
// name) and characters that cannot stand in a file name become "_".
std::string SanitizarNomeLinguagem(const std::string& nome);
std::string MensagemExclusaoFalhou(const std::string& caminho);
std::string MensagemLinguagemExiste(const std::string& nome);
std::string PerguntaExcluirLinguagem(const std::string& nome);

}  // namespace mobrix
