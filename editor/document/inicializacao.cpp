// Start-up and exit of the editor window.
#include "document/arquivos.h"
#include "document/caminhos.h"
#include "document/editor.h"
#include "document/unidades.h"

namespace mobrix {

void Editor::Iniciar(const std::vector<std::string>& argumentos) {
    configuracoes_.Gravar(chave::Pasta, ComBarraFinal(sistema_.PastaPrograma()));
    preferencias_ = LerPreferencias(configuracoes_);
    doc_.Medida = LerMedida(configuracoes_);
    doc_.FonteInicial = LerFonteInicial(configuracoes_);
    codigoBarras_ = ConfigCodigoBarras{};
    AtualizarRecentes();

    bool linhaVazia = true;
    for (const std::string& a : argumentos)
        if (a.find_first_not_of(" \t") != std::string::npos) linhaVazia = false;
    if (linhaVazia) {
        if (ganchos.RegistrarTipoArquivo)
            ganchos.RegistrarTipoArquivo(TipoLayout(ComBarraFinal(sistema_.PastaPrograma())));
        NovoMBX();
        return;
    }
    // A file that could not be read still leaves a layout on the screen.
    if (!AbrirMBX(CaminhoDaLinhaDeComando(argumentos))) NovoMBX();
}

bool Editor::Encerrar() {
    if (!ConfirmarDescarte("Sair")) return false;
    doc_.Alterado = false;
    ExcluirArquivo(arquivoVisualizacao_);
    GravarPreferencias(configuracoes_, preferencias_, doc_.Medida, doc_.FonteInicial);
    return true;
}

void Editor::DefinirMedida(int16_t medida) {
    if (!MedidaValida(medida)) return;
    doc_.Medida = medida;
    vista_.Validar();
    vista_.AtualizarMenuConfiguracao();
}

}  // namespace mobrix
