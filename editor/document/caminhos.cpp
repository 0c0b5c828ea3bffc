#include "document/caminhos.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace mobrix {
namespace {

namespace fs = std::filesystem;

bool TemExtensao(const std::string& caminho) { return fs::path(caminho).has_extension(); }

}  // namespace

std::string CaminhoLongo(const std::string& caminho) {
    std::error_code ec;
    if (caminho.empty() || !fs::exists(caminho, ec)) return caminho;
    fs::path longo = fs::weakly_canonical(fs::absolute(caminho, ec), ec);
    return ec ? caminho : longo.string();
}

std::string CaminhoDaLinhaDeComando(const std::vector<std::string>& argumentos) {
    std::string linha;
    for (const std::string& a : argumentos) {
        if (!linha.empty()) linha += ' ';
        linha += a;
    }
    linha.erase(std::remove(linha.begin(), linha.end(), '"'), linha.end());
    const auto branco = [](char c) { return c == ' ' || c == '\t'; };
    while (!linha.empty() && branco(linha.back())) linha.pop_back();
    linha.erase(linha.begin(), std::find_if_not(linha.begin(), linha.end(), branco));
    return CaminhoLongo(linha);
}

std::string NomeCpy(const std::string& caminhoLayout) {
    if (!TemExtensao(caminhoLayout)) return caminhoLayout + ".cpy";
    return fs::path(caminhoLayout).replace_extension(".cpy").string();
}

std::string ComExtensaoMbx(const std::string& caminho) {
    return TemExtensao(caminho) ? caminho : caminho + ".mbx";
}

std::string ComBarraFinal(std::string pasta) {
    if (pasta.empty() || pasta.back() != '/') pasta += '/';
    return pasta;
}

std::string PastaDe(const std::string& caminho) { return fs::path(caminho).parent_path().string(); }

std::string ArquivoVisualizacao(const std::string& pastaTemporaria) {
    return ComBarraFinal(pastaTemporaria) + "Mobrix.tmp";
}

}  // namespace mobrix
