#include "output/pasta_linguagens.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "document/arquivos.h"
#include "document/cp1252.h"
#include "document/identidade.h"
#include "document/textos.h"

namespace mobrix {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view ExtensaoLin = ".lin";

std::string CaminhoNaPasta(std::string pasta, const std::string& nome) {
    if (!pasta.empty() && pasta.back() != '/') pasta += '/';
    return pasta + nome + std::string(ExtensaoLin);
}

void AcrescentarNomes(const std::string& pasta, std::vector<std::string>& nomes) {
    if (pasta.empty()) return;
    std::error_code ec;
    for (fs::directory_iterator it(pasta, ec), fim; !ec && it != fim; it.increment(ec)) {
        const std::string arquivo = it->path().filename().string();
        if (arquivo.size() <= ExtensaoLin.size() || !arquivo.ends_with(ExtensaoLin)) continue;
        if (!it->is_regular_file(ec)) continue;
        nomes.push_back(arquivo.substr(0, arquivo.size() - ExtensaoLin.size()));
    }
}

// The folder that receives what the editor writes.
const std::string& PastaGravavel(const PastasLinguagem& p) { return p.usuario.empty() ? p.programa : p.usuario; }

std::string NomeDoArquivo(const std::string& caminho) {
    std::string nome = fs::path(caminho).filename().string();
    if (nome.ends_with(ExtensaoLin)) nome.resize(nome.size() - ExtensaoLin.size());
    return nome;
}

}  // namespace

std::vector<std::string> ListarLinguagens(const PastasLinguagem& pastas) {
    std::vector<std::string> nomes;
    AcrescentarNomes(pastas.programa, nomes);
    AcrescentarNomes(pastas.usuario, nomes);
    // File names are UTF-8; accented capitals compare in their Windows-1252 form.
    std::sort(nomes.begin(), nomes.end(), [](const std::string& a, const std::string& b) {
        const std::string ca = Utf8ParaCp1252(a), cb = Utf8ParaCp1252(b);
        return ca != cb ? MenorSemCaixa(ca, cb) : a < b;
    });
    nomes.erase(std::unique(nomes.begin(), nomes.end()), nomes.end());
    return nomes;
}

std::string LocalizarLinguagem(const std::string& nome, const PastasLinguagem& pastas) {
    if (!pastas.usuario.empty()) {
        std::string doUsuario = CaminhoNaPasta(pastas.usuario, nome);
        if (ArquivoExiste(doUsuario)) return doUsuario;
    }
    return CaminhoNaPasta(pastas.programa, nome);
}

bool LinguagemExiste(const std::string& nome, const PastasLinguagem& pastas) {
    return ArquivoExiste(LocalizarLinguagem(nome, pastas));
}

int PosicaoLinguagem(const std::vector<std::string>& linguagens, const std::string& escolhida) {
    const std::string procurada = Utf8ParaCp1252(escolhida);
    for (size_t k = 0; k < linguagens.size(); ++k)
        if (IguaisSemCaixa(Utf8ParaCp1252(linguagens[k]), procurada)) return static_cast<int>(k);
    return -1;
}

CargaLinguagem CarregarArquivoLinguagem(const std::string& caminho) {
    using Estado = CargaLinguagem::Estado;
    CargaLinguagem c;
    if (!ArquivoExiste(caminho)) {
        c.mensagem = "O Arquivo '" + caminho + "' não foi encontrado!";
        return c;
    }
    std::string bytes;
    const ErroArquivo e = LerArquivo(caminho, bytes);
    if (!e.ok()) {
        c.estado = Estado::ErroLeitura;
        c.mensagem = MensagemErroAbrir(caminho, e.descricao);
        return c;
    }
    std::optional<Linguagem> l = LerLin(bytes);
    if (!l) {
        c.estado = Estado::Invalido;
        c.mensagem = "O arquivo '" + caminho + "' é inválido!";
        return c;
    }
    c.estado = Estado::Ok;
    c.linguagem = std::move(*l);
    c.modoCobol = ModoCobol(NomeDoArquivo(caminho));
    return c;
}

CargaLinguagem CarregarLinguagem(const std::string& nome, const PastasLinguagem& pastas) {
    return CarregarArquivoLinguagem(LocalizarLinguagem(nome, pastas));
}

bool LerLinguagem(const std::string& nome, const PastasLinguagem& pastas, Linguagem& destino, bool& modoCobol,
                  Dialogos& dialogos) {
    CargaLinguagem c = CarregarLinguagem(nome, pastas);
    if (!c.ok()) {
        dialogos.Mensagem(c.mensagem, Icone::Exclamacao, Botoes::Ok, TituloLerLinguagem);
        return false;
    }
    destino = std::move(c.linguagem);
    modoCobol = c.modoCobol;
    return true;
}

std::string SalvarLin(const std::string& nome, const Linguagem& linguagem, const PastasLinguagem& pastas) {
    const std::string caminho = CaminhoNaPasta(PastaGravavel(pastas), nome);
    std::optional<std::string> bytes = GravarLin(linguagem);
    if (!bytes) return MensagemErroGravar(caminho, EINVAL, "Um texto tem mais de 65535 caracteres.");
    std::error_code ec;
    fs::create_directories(PastaGravavel(pastas), ec);
    const ErroArquivo e = GravarArquivoAtomico(caminho, *bytes);
    return e.ok() ? std::string() : MensagemErroGravar(caminho, e.numero, e.descricao);
}

bool ExcluirLinguagem(const std::string& nome, const PastasLinguagem& pastas) {
    std::error_code ec;
    for (const std::string* pasta : {&pastas.usuario, &pastas.programa})
        if (!pasta->empty()) fs::remove(CaminhoNaPasta(*pasta, nome), ec);
    return !LinguagemExiste(nome, pastas);
}

std::string SanitizarNomeLinguagem(const std::string& nome) {
    std::string s(AparaBrancos(nome));
    for (char& c : s)
        if (std::string_view("\\/:*?<>|\"").find(c) != std::string_view::npos) c = '_';
    return s;
}

std::string MensagemExclusaoFalhou(const std::string& caminho) {
    return "Não foi possível excluir o arquivo '" + caminho + "'!";
}

std::string MensagemLinguagemExiste(const std::string& nome) { return "A linguagem '" + nome + "' já existe!"; }

std::string PerguntaExcluirLinguagem(const std::string& nome) {
    return "Confirma a exclusão da linguagem '" + nome + "'?";
}

}  // namespace mobrix
