#include "output/visualizar.h"

#include "document/arquivos.h"
#include "document/caminhos.h"
#include "document/identidade.h"

namespace mobrix {

std::vector<std::string> ArgumentosRuntime(const std::string& arquivoTemporario, bool enviarEmail) {
    std::vector<std::string> a = {"/G", arquivoTemporario, "/T", "Mobrix"};
    if (enviarEmail) a.insert(a.end(), {"/ED", EmailAmostra});
    a.push_back("/SE");
    return a;
}

std::string MensagemMobrixNaoEncontrado() { return "O Mobrix não foi encontrado, ou não está instalado!"; }

std::string MensagemErroVisualizar(int numero, const std::string& descricao) {
    return "Ocorreu o erro número " + std::to_string(numero) + " ao tentar visualizar!\r\r" + descricao;
}

bool Visualizar(const std::string& textoComandos, const ConfigRelatorio& config, Sistema& sistema,
                Dialogos& dialogos) {
    auto avisar = [&](const std::string& texto) {
        dialogos.Mensagem(texto, Icone::Exclamacao, Botoes::Ok, TituloVisualizar);
        return false;
    };
    const std::string arquivo = ArquivoVisualizacao(sistema.PastaTemporaria());
    const ErroArquivo e = GravarArquivoAtomico(arquivo, textoComandos);
    if (!e.ok()) return avisar(MensagemErroGravar(arquivo, e.numero, e.descricao));
    bool naoEncontrado = false;
    int numero = 0;
    std::string descricao;
    if (sistema.IniciarPrograma(ProgramaRuntime, ArgumentosRuntime(arquivo, config.EnviarEmail), naoEncontrado,
                                numero, descricao))
        return true;
    return avisar(naoEncontrado ? MensagemMobrixNaoEncontrado() : MensagemErroVisualizar(numero, descricao));
}

}  // namespace mobrix
