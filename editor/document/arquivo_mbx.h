#pragma once
// The .mbx layout file: every version from (a) to (t) is read, version (t) is
// written. Reading never touches a live document: it yields a fresh Layout.
#include <string>
#include <string_view>

#include "document/binario.h"
#include "document/modelo.h"

namespace mobrix {

inline constexpr char VersaoAtual = 't';

struct LeituraMBX {
    enum class Estado { Ok, FormatoInvalido, Erro };
    Estado estado = Estado::Erro;
    char versao = 0;     // tag letter, when the header matched
    std::string motivo;  // for Erro: why the contents could not be read
    Layout layout;
};

// The version letter of a 32-byte header (trimmed), or 0 when it does not
// match "MobrixEdit 1.0" followed by "(a)" .. "(t)".
char VersaoDoCabecalho(std::string_view cabecalho);

LeituraMBX LerMBX(std::string_view bytes);
// Encodes a layout as version (t). Fails (ok false, with a reason) only for
// contents the format cannot hold: strings over 65535 bytes, counts over 32767.
using GravacaoMBX = Gravacao;
GravacaoMBX GravarMBX(const Layout& layout);

}  // namespace mobrix
