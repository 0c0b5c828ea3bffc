// The Arquivo menu: new, open, save, save as and the recent files.
#include "document/arquivo_layout.h"
#include "document/arquivos.h"
#include "document/caminhos.h"
#include "document/editor.h"
#include "document/identidade.h"
#include "document/operacoes.h"
#include "document/recentes.h"

namespace mobrix {
namespace {

const std::vector<FiltroArquivo>& FiltroMbx() {
    static const std::vector<FiltroArquivo> filtro{{"Mobrix Layout (*.mbx)", "*.mbx"}};
    return filtro;
}

}  // namespace

// What New and Open share once the document holds its new layout.
void Editor::RedefinirVista() {
    arrasto_.reset();
    OcultarMagica();
    abaixoDaUltima_ = false;
    qualidadeSessao_ = 0;
    vista_.DefinirTitulo(Titulo());
    vista_.ReiniciarPagina();
    doc_.BandaSel = 1;
    NadaSelecionado();
    desfazer_.Reiniciar();
    ExibirBanda();
    vista_.Validar();
    vista_.AtualizarMenuConfiguracao();
    doc_.Alterado = false;
}

void Editor::NovoMBX() {
    NovoLayout(doc_);
    RedefinirVista();
}

bool Editor::AbrirMBX(const std::string& caminho) {
    std::string nome = caminho;
    if (nome.empty()) {
        const std::optional<std::string> escolhido = dialogos_.AbrirArquivo("Abrir", FiltroMbx(), pastaAtual_);
        if (!escolhido || escolhido->empty()) return false;
        nome = *escolhido;
    }
    doc_.NomeAnterior = doc_.NomeArquivo;
    doc_.NomeArquivo = nome;
    // The file is read into a layout of its own: a damaged file, or one that
    // is no layout at all, leaves the current document as it was.
    AberturaLayout lido = AbrirLayout(nome);
    if (!lido.ok()) {
        const bool formato = lido.estado == LeituraMBX::Estado::FormatoInvalido;
        dialogos_.Mensagem(lido.mensagem, Icone::Aviso, Botoes::Ok, formato ? "Impossível Abrir" : TituloAplicacao);
        doc_.NomeArquivo = doc_.NomeAnterior;
        return false;
    }
    static_cast<Layout&>(doc_) = std::move(lido.layout);
    pastaAtual_ = PastaDe(nome);
    RedefinirVista();
    RegistrarRecente(nome);
    return true;
}

bool Editor::SalvarMBX(bool salvarComo) {
    if (!doc_.NomeArquivo.empty()) doc_.NomeAnterior = doc_.NomeArquivo;
    if (doc_.NomeArquivo.empty()) {
        const std::optional<std::string> escolhido =
            dialogos_.SalvarArquivo("Salvar como", FiltroMbx(), salvarComo ? doc_.NomeAnterior : std::string());
        if (!escolhido || escolhido->empty()) {
            doc_.NomeArquivo = doc_.NomeAnterior;
            return false;
        }
        doc_.NomeArquivo = ComExtensaoMbx(*escolhido);
        vista_.DefinirTitulo(Titulo());
    }
    const std::string linguagem = LerTexto(configuracoes_, chave::Cpy);
    if (!linguagem.empty() && ganchos.GerarCpy) ganchos.GerarCpy(doc_, linguagem, NomeCpy(doc_.NomeArquivo));
    // Written to a temporary file and renamed: a failed save leaves the old
    // file whole.
    const GravacaoLayout g = SalvarLayout(doc_.NomeArquivo, doc_);
    if (!g.ok) {
        dialogos_.Mensagem(g.mensagem, Icone::Aviso, Botoes::Ok, TituloAplicacao);
        return false;
    }
    RegistrarRecente(doc_.NomeArquivo);
    return true;
}

// The save prompt before the document is replaced or the window closes.
// False when the user cancels or the save fails.
bool Editor::ConfirmarDescarte(const char* titulo) {
    if (!doc_.Alterado) return true;
    switch (dialogos_.Mensagem("Deseja salvar as alterações?", Icone::Pergunta, Botoes::SimNaoCancelar, titulo)) {
        case Resposta::Sim: return SalvarMBX(false);
        case Resposta::Nao: return true;
        default: return false;
    }
}

void Editor::ArquivoNovo() {
    if (ConfirmarDescarte("Novo")) NovoMBX();
}

void Editor::ArquivoAbrir() {
    if (ConfirmarDescarte("Abrir")) AbrirMBX("");
}

void Editor::ArquivoSalvar() {
    if (SalvarMBX(false)) doc_.Alterado = false;
}

void Editor::ArquivoSalvarComo() {
    doc_.NomeAnterior = doc_.NomeArquivo;
    doc_.NomeArquivo.clear();
    if (SalvarMBX(true)) doc_.Alterado = false;
}

void Editor::AbrirRecente(int i) {
    if (i < 1 || i > static_cast<int>(recentes_.size())) return;
    const std::string caminho = recentes_[static_cast<size_t>(i - 1)];
    dialogos_.CursorOcupado(true);
    const bool existe = ArquivoExiste(caminho);
    dialogos_.CursorOcupado(false);
    if (!existe) {
        dialogos_.Mensagem(caminho + "\r\rNão foi possível encontrar o arquivo acima!", Icone::Informacao, Botoes::Ok,
                           TituloAplicacao);
        return;
    }
    if (!ConfirmarDescarte("Abrir")) return;
    pastaAtual_ = PastaDe(caminho);
    AbrirMBX(caminho);
}

void Editor::RegistrarRecente(const std::string& caminho) {
    GravarRecentes(configuracoes_, InserirRecente(LerRecentes(configuracoes_), caminho));
    AtualizarRecentes();
}

void Editor::AtualizarRecentes() {
    recentes_ = LerRecentes(configuracoes_);
    vista_.AtualizarRecentes(recentes_);
}

void Editor::ExcluirRecentes() {
    GravarRecentes(configuracoes_, {});
    AtualizarRecentes();
}

}  // namespace mobrix
