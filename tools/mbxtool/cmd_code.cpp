// Subcommand over language templates: code.
#include "document/modelo.h"
#include "output/codigo.h"
#include "output/pasta_linguagens.h"
#include "subcomando.h"

namespace mbxtool {
namespace {

// The program code of a layout, byte for byte what the editor writes into
// the .cpy file; the COBOL mode follows the template's file name.
int Codigo(const std::vector<std::string>& args) {
    Argumentos a = Argumentos::Analisar(args, {"--template", "-o"}, {"--cobol-string"});
    if (a.erro.empty() && !a.tem("--template")) a.erro = "option --template is required";
    if (!a.erro.empty() || a.posicionais.size() != 1) return ErroDeUso(a.erro);
    const mobrix::CargaLinguagem lin = mobrix::CarregarArquivoLinguagem(a.valor("--template"));
    if (!lin.ok()) {
        ImprimirMensagem(lin.mensagem);
        return lin.estado == mobrix::CargaLinguagem::Estado::Invalido ? SaidaFormato : SaidaLeitura;
    }
    mobrix::Documento doc;
    if (int r = CarregarLayout(a.posicionais[0], doc); r != SaidaOk) return r;
    PrepararComoEditor(doc);
    const mobrix::OpcoesCodigo opcoes{lin.modoCobol, a.temFlag("--cobol-string")};
    return EscreverSaida(a.valor("-o"), mobrix::TextoArquivoCpy(mobrix::GerarCodigo(doc, lin.linguagem, opcoes)));
}

const Registrar r1({"code", "code LAYOUT.mbx --template LANG.lin [--cobol-string] [-o OUT]", false, Codigo});

}  // namespace
}  // namespace mbxtool
