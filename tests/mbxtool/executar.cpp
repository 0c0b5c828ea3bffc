#include "executar.h"

#include "pasta_teste.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

namespace mobrix::teste {

std::string Citar(const std::string& arg) {
    std::string s = "'";
    for (char c : arg) s += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return s + "'";
}

Execucao Executar(const std::string& programa, const std::string& argumentos) {
    static int contador = 0;
    const std::string base = std::filesystem::temp_directory_path() /
                             ("mobrix-exec-" + std::to_string(::getpid()) + "-" + std::to_string(++contador));
    const std::string comando =
        Citar(programa) + " " + argumentos + " >" + Citar(base + ".out") + " 2>" + Citar(base + ".err");
    int bruto = std::system(comando.c_str());
    Execucao e;
    e.status = WIFEXITED(bruto) ? WEXITSTATUS(bruto) : -1;
    e.saida = LerTudo(base + ".out");
    e.erros = LerTudo(base + ".err");
    std::filesystem::remove(base + ".out");
    std::filesystem::remove(base + ".err");
    return e;
}

}  // namespace mobrix::teste
