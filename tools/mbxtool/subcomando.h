#pragma once
// mbxtool subcommands register themselves here; main.cpp only dispatches.
#include <string>
#include <utility>
#include <vector>

namespace mobrix {
struct Documento;
}

namespace mbxtool {

// Exit codes shared by every subcommand.
enum Saida {
    SaidaOk = 0,
    SaidaUso = 1,
    SaidaFormato = 2,
    SaidaLeitura = 3,
    SaidaEscrita = 4,
};

struct Subcomando {
    const char* nome;
    const char* uso;        // one usage line, after "mbxtool "
    bool precisaGui;        // needs a QGuiApplication (fonts, images)
    int (*executar)(const std::vector<std::string>& args);
};

std::vector<Subcomando>& Registro();

struct Registrar {
    explicit Registrar(const Subcomando& s) { Registro().push_back(s); }
};

// Helpers for subcommands.
int ErroDeUso(const std::string& motivo);
// Writes bytes to the file, or to standard output for an empty name.
int EscreverSaida(const std::string& caminho, const std::string& bytes);
// Prints a message whose lines are separated by lone carriage returns.
void ImprimirMensagem(const std::string& mensagem);

// Splits arguments into positionals, options that take a value and flags.
// Unknown options are an error, so typos are not silently ignored; after
// "--" every argument is a positional, even one that starts with '-'.
struct Argumentos {
    std::vector<std::string> posicionais;
    std::vector<std::pair<std::string, std::string>> valores;
    std::vector<std::string> flags;
    std::string erro;

    // `comValor`: options followed by a value (e.g. "-o"); `semValor`: flags.
    static Argumentos Analisar(const std::vector<std::string>& args, const std::vector<std::string>& comValor,
                               const std::vector<std::string>& semValor);
    // The last value given for an option, or `padrao`.
    std::string valor(const std::string& opcao, const std::string& padrao = "") const;
    bool tem(const std::string& opcao) const;
    bool temFlag(const std::string& flag) const;
};

// The bytes of a symbol: those of the file named by "--data-file", or the
// one positional (UTF-8) in Windows-1252, as the editor stores an item's
// text. Prints why a file cannot be read and returns SaidaLeitura.
int LerDados(const Argumentos& a, std::string& dados);

// Loads a layout file, printing the program's message on failure. Returns
// SaidaOk or SaidaFormato / SaidaLeitura.
int CarregarLayout(const std::string& caminho, mobrix::Documento& doc, char* versao = nullptr);
// What the editor shows after opening a file: the redraw repositions the
// items of the selected band (band 1) and all bands before generating.
void PrepararComoEditor(mobrix::Documento& doc);

}  // namespace mbxtool
