#include "document/arquivos.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <random>
#include <system_error>

namespace mobrix {
namespace {

namespace fs = std::filesystem;

ErroArquivo DeErrno(int e) {
    if (e == 0) e = EIO;
    return ErroArquivo{e, std::strerror(e)};
}

ErroArquivo DeCodigo(const std::error_code& ec) {
    return ErroArquivo{ec.value() == 0 ? EIO : ec.value(), ec.message()};
}

struct FecharArquivo {
    void operator()(std::FILE* f) const {
        if (f) std::fclose(f);
    }
};
using Arquivo = std::unique_ptr<std::FILE, FecharArquivo>;

std::string NomeTemporario(const std::string& destino) {
    fs::path p(destino);
    std::random_device rd;
    char sufixo[16];
    std::snprintf(sufixo, sizeof sufixo, "%08x", rd());
    // The borrowed name is cut so that the temporary name stays within the
    // file system's limit even for the longest target names.
    return (p.parent_path() / ("." + p.filename().string().substr(0, 200) + "." + sufixo + ".tmp")).string();
}

// A link is saved through: the file it leads to takes the new contents and
// the link stays, as when the file is written in place.
std::string SemLink(const std::string& caminho) {
    std::error_code ec;
    if (!fs::is_symlink(caminho, ec)) return caminho;
    const fs::path alvo = fs::weakly_canonical(caminho, ec);
    return ec ? caminho : alvo.string();
}

ErroArquivo EscreverTudo(const std::string& caminho, const std::string& bytes) {
    Arquivo f(std::fopen(caminho.c_str(), "wbx"));
    if (!f) return DeErrno(errno);
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f.get()) != bytes.size())
        return DeErrno(errno);
    if (std::fflush(f.get()) != 0) return DeErrno(errno);
    std::FILE* bruto = f.release();
    if (std::fclose(bruto) != 0) return DeErrno(errno);
    return {};
}

}  // namespace

ErroArquivo LerArquivo(const std::string& caminho, std::string& bytes) {
    bytes.clear();
    // Only regular files are read: a pipe would hold the window until
    // someone writes to it, and a device may never end.
    std::error_code ec;
    const fs::file_status tipo = fs::status(caminho, ec);
    if (fs::is_directory(tipo)) return DeErrno(EISDIR);
    if (fs::exists(tipo) && !fs::is_regular_file(tipo))
        return ErroArquivo{EINVAL, "Não é um arquivo comum (é um dispositivo, um pipe ou um socket)."};
    Arquivo f(std::fopen(caminho.c_str(), "rb"));
    if (!f) return DeErrno(errno);
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f.get())) > 0) {
        if (bytes.size() + n > TamanhoMaximoArquivo) return DeErrno(EFBIG);
        bytes.append(buf, n);
    }
    if (std::ferror(f.get())) return DeErrno(errno);
    return {};
}

ErroArquivo GravarArquivoAtomico(const std::string& caminho, const std::string& bytes) {
    const std::string destino = SemLink(caminho);
    const std::string temporario = NomeTemporario(destino);
    ErroArquivo e = EscreverTudo(temporario, bytes);
    std::error_code ec;
    if (e.ok()) {
        // Keep the permissions of the file being replaced.
        fs::file_status antigo = fs::status(destino, ec);
        if (!ec && fs::exists(antigo)) fs::permissions(temporario, antigo.permissions(), ec);
        ec.clear();
        fs::rename(temporario, destino, ec);
        if (ec) e = DeCodigo(ec);
    }
    if (!e.ok()) fs::remove(temporario, ec);
    return e;
}

bool ArquivoExiste(const std::string& caminho) {
    std::error_code ec;
    return fs::is_regular_file(caminho, ec);
}

void ExcluirArquivo(const std::string& caminho) {
    std::error_code ec;
    fs::remove(caminho, ec);
}

}  // namespace mobrix
