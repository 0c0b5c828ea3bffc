#pragma once
// Runs a program of the build and captures its exit status and output.
#include <string>

namespace mobrix::teste {

struct Execucao {
    int status = -1;
    std::string saida;  // standard output
    std::string erros;  // standard error
};

// `argumentos` is a shell-quoted argument string appended to the program path.
Execucao Executar(const std::string& programa, const std::string& argumentos);
// Quotes one argument for the shell.
std::string Citar(const std::string& arg);

}  // namespace mobrix::teste
