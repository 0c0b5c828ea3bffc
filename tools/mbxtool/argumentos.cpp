#include <algorithm>
#include <cstdio>

#include "document/arquivo_layout.h"
#include "document/arquivos.h"
#include "document/cp1252.h"
#include "document/operacoes.h"
#include "subcomando.h"

namespace mbxtool {

Argumentos Argumentos::Analisar(const std::vector<std::string>& args, const std::vector<std::string>& comValor,
                                const std::vector<std::string>& semValor) {
    Argumentos a;
    auto contem = [](const std::vector<std::string>& v, const std::string& s) {
        return std::find(v.begin(), v.end(), s) != v.end();
    };
    bool soPosicionais = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& x = args[i];
        if (!soPosicionais && x == "--") {
            soPosicionais = true;
        } else if (!soPosicionais && x.size() > 1 && x[0] == '-') {
            if (contem(comValor, x)) {
                if (i + 1 >= args.size()) {
                    a.erro = "option " + x + " needs a value";
                    return a;
                }
                a.valores.emplace_back(x, args[++i]);
            } else if (contem(semValor, x)) {
                a.flags.push_back(x);
            } else {
                a.erro = "unknown option " + x;
                return a;
            }
        } else {
            a.posicionais.push_back(x);
        }
    }
    return a;
}

std::string Argumentos::valor(const std::string& opcao, const std::string& padrao) const {
    for (auto it = valores.rbegin(); it != valores.rend(); ++it)
        if (it->first == opcao) return it->second;
    return padrao;
}

bool Argumentos::tem(const std::string& opcao) const {
    return std::any_of(valores.begin(), valores.end(), [&](const auto& p) { return p.first == opcao; });
}

bool Argumentos::temFlag(const std::string& flag) const {
    return std::find(flags.begin(), flags.end(), flag) != flags.end();
}

int LerDados(const Argumentos& a, std::string& dados) {
    if (!a.tem("--data-file")) {
        dados = mobrix::Utf8ParaCp1252(a.posicionais.at(0));
        return SaidaOk;
    }
    const std::string caminho = a.valor("--data-file");
    if (mobrix::ErroArquivo e = mobrix::LerArquivo(caminho, dados); !e.ok()) {
        std::fprintf(stderr, "mbxtool: cannot read '%s': %s\n", caminho.c_str(), e.descricao.c_str());
        return SaidaLeitura;
    }
    return SaidaOk;
}

int CarregarLayout(const std::string& caminho, mobrix::Documento& doc, char* versao) {
    mobrix::AberturaLayout a = mobrix::AbrirLayout(caminho);
    if (!a.ok()) {
        ImprimirMensagem(a.mensagem);
        return a.estado == mobrix::LeituraMBX::Estado::FormatoInvalido ? SaidaFormato : SaidaLeitura;
    }
    static_cast<mobrix::Layout&>(doc) = std::move(a.layout);
    doc.NomeArquivo = caminho;
    doc.BandaSel = 1;
    doc.ItemSel = 0;
    if (versao) *versao = a.versao;
    return SaidaOk;
}

void PrepararComoEditor(mobrix::Documento& doc) {
    mobrix::ReposicionarItem(doc, doc.BandaSel);
    mobrix::ReposicionarBanda(doc);
}

}  // namespace mbxtool
