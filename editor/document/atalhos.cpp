#include "document/atalhos.h"

namespace mobrix {
namespace {

const char* const DescricaoLinha[6] = {
    "Linha horizontal no meio do item", "Linha à direita do item", "Linha vertical no meio do item",
    "Linha embaixo do item",            "Linha em cima do item",   "Linha à esquerda do item",
};

int DigitoCtrl(int linha) {
    for (int d = 1; d <= 9; ++d)
        if (LinhaDoAtalho(d, true) == linha) return d;
    return 0;
}

}  // namespace

std::string DicaLinha(int linha) {
    if (linha < 1 || linha > 6) return {};
    return std::string(DescricaoLinha[linha - 1]) + " - ALT + " + std::to_string(linha) + " ou CTRL + " +
           std::to_string(DigitoCtrl(linha)) + " ";
}

}  // namespace mobrix
