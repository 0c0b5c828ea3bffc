#pragma once
// Opening and saving layout files with the user's messages: what the File
// commands and mbxtool share.
#include <string>

#include "document/arquivo_mbx.h"

namespace mobrix {

struct AberturaLayout {
    LeituraMBX::Estado estado = LeituraMBX::Estado::Erro;
    std::string mensagem;  // "Formato inválido!..." or "Ocorreu um erro ao abrir..."
    char versao = 0;
    Layout layout;
    bool ok() const { return estado == LeituraMBX::Estado::Ok; }
};

AberturaLayout AbrirLayout(const std::string& caminho);

struct GravacaoLayout {
    bool ok = false;
    std::string mensagem;  // "Ocorreu um erro ao gravar..."
};

GravacaoLayout SalvarLayout(const std::string& caminho, const Layout& layout);

}  // namespace mobrix
