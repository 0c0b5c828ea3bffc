#include "document/arquivo_layout.h"

#include <cerrno>

#include "document/arquivos.h"
#include "document/identidade.h"

namespace mobrix {

AberturaLayout AbrirLayout(const std::string& caminho) {
    AberturaLayout r;
    std::string bytes;
    ErroArquivo e = LerArquivo(caminho, bytes);
    if (!e.ok()) {
        r.mensagem = MensagemErroAbrir(caminho, e.descricao);
        return r;
    }
    LeituraMBX leitura = LerMBX(bytes);
    r.estado = leitura.estado;
    r.versao = leitura.versao;
    switch (leitura.estado) {
        case LeituraMBX::Estado::Ok: r.layout = std::move(leitura.layout); break;
        case LeituraMBX::Estado::FormatoInvalido: r.mensagem = MensagemFormatoInvalido(caminho); break;
        case LeituraMBX::Estado::Erro: r.mensagem = MensagemErroAbrir(caminho, leitura.motivo); break;
    }
    return r;
}

GravacaoLayout SalvarLayout(const std::string& caminho, const Layout& layout) {
    GravacaoLayout r;
    GravacaoMBX g = GravarMBX(layout);
    if (!g.ok) {
        r.mensagem = MensagemErroGravar(caminho, EINVAL, g.motivo);
        return r;
    }
    ErroArquivo e = GravarArquivoAtomico(caminho, g.bytes);
    if (!e.ok()) {
        r.mensagem = MensagemErroGravar(caminho, e.numero, e.descricao);
        return r;
    }
    r.ok = true;
    return r;
}

}  // namespace mobrix
