#pragma once
// The ports through which the core meets the platform (besides the drawing
// surface). The UI implements them with Qt; tests implement them with fakes.
// Strings: paths and messages UTF-8; clipboard text Windows-1252.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "document/modelo.h"

namespace mobrix {

// ---- Dialogs and messages -------------------------------------------------

enum class Icone { Nenhum, Informacao, Aviso, Erro, Pergunta, Exclamacao };
enum class Botoes { Ok, SimNao, SimNaoCancelar, OkCancelar };
enum class Resposta { Ok, Sim, Nao, Cancelar };

struct FiltroArquivo {
    std::string descricao;  // "Mobrix Layout (*.mbx)"
    std::string padroes;    // "*.mbx" or "*.bmp;*.ico"
};

class Dialogos {
public:
    virtual ~Dialogos() = default;
    // Messages separate their lines with lone carriage returns.
    virtual Resposta Mensagem(const std::string& texto, Icone icone, Botoes botoes, const std::string& titulo) = 0;
    // nullopt when cancelled.
    virtual std::optional<std::string> Entrada(const std::string& prompt, const std::string& titulo,
                                               const std::string& padrao) = 0;
    virtual std::optional<std::string> AbrirArquivo(const std::string& titulo, const std::vector<FiltroArquivo>& filtros,
                                                    const std::string& pastaInicial) = 0;
    virtual std::optional<std::string> SalvarArquivo(const std::string& titulo, const std::vector<FiltroArquivo>& filtros,
                                                     const std::string& nomeInicial) = 0;
    // The font dialog; Tamanho of the result is the point size as chosen
    // (callers apply their own modulo rule), the name Windows-1252.
    virtual std::optional<FonteItem> EscolherFonte(const FonteItem& inicial, double& tamanhoEscolhido) = 0;
    // RGB 0xRRGGBB.
    virtual std::optional<uint32_t> EscolherCor(uint32_t inicial) = 0;
    virtual void CursorOcupado(bool ocupado) = 0;
    virtual void Bipe() = 0;
};

// ---- Settings store --------------------------------------------------------

// Text values by key, under the application's section.
class Configuracoes {
public:
    virtual ~Configuracoes() = default;
    virtual std::optional<std::string> Ler(const std::string& chave) = 0;
    virtual void Gravar(const std::string& chave, const std::string& valor) = 0;
};

// ---- Clipboard --------------------------------------------------------------

class AreaTransferencia {
public:
    virtual ~AreaTransferencia() = default;
    virtual void Limpar() = 0;
    virtual void DefinirTexto(const std::string& cp1252) = 0;
    // Plain and rich text at once (the command pane's copy).
    virtual void DefinirTextoERico(const std::string& cp1252) = 0;
    virtual bool TemTexto() = 0;
};

// ---- System ---------------------------------------------------------------

class Sistema {
public:
    virtual ~Sistema() = default;
    // The user's private temporary folder (mode 0700), with a trailing '/'.
    virtual std::string PastaTemporaria() = 0;
    // The folder of the program, with a trailing '/'.
    virtual std::string PastaPrograma() = 0;
    // The user's data folder for the program (templates, registration), with '/'.
    virtual std::string PastaDadosUsuario() = 0;
    // Binds a function of a shared library loaded by name (the program's
    // folder is searched first). nullptr with `erro` set when it fails.
    virtual void* CarregarFuncao(const std::string& biblioteca, const std::string& simbolo, std::string& erro) = 0;
    // Starts a program found through PATH, detached. False with the error
    // number and description when it cannot start; `naoEncontrado` tells a
    // missing program apart.
    virtual bool IniciarPrograma(const std::string& programa, const std::vector<std::string>& argumentos,
                                 bool& naoEncontrado, int& numeroErro, std::string& descricao) = 0;
    // Opens a document or web address with the desktop; no report on failure.
    virtual void AbrirDocumento(const std::string& caminhoOuEndereco) = 0;
};

}  // namespace mobrix
