#include "pasta_teste.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace mobrix::teste {
namespace {

namespace fs = std::filesystem;

bool DefinirImutavel(const std::string& pasta, bool imutavel) {
    const int fd = ::open(pasta.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = imutavel ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
}

}  // namespace

PastaTeste::PastaTeste() {
    std::string modelo = (fs::temp_directory_path() / "mobrix_teste_XXXXXX").string();
    if (::mkdtemp(modelo.data()) == nullptr) throw std::runtime_error("mkdtemp falhou");
    caminho_ = modelo + "/";
}

PastaTeste::~PastaTeste() {
    for (const std::string& p : protegidas_) {
        if (::geteuid() == 0) {
            DefinirImutavel(p, false);
        } else {
            ::chmod(p.c_str(), 0700);
        }
    }
    std::error_code ec;
    fs::remove_all(caminho_, ec);
}

bool PastaTeste::ProtegerContraEscrita(const std::string& pasta) {
    const bool ok = ::geteuid() == 0 ? DefinirImutavel(pasta, true) : ::chmod(pasta.c_str(), 0500) == 0;
    if (ok) protegidas_.push_back(pasta);
    return ok;
}

std::string LerTudo(const std::string& caminho) {
    std::ifstream in(caminho, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void GravarTudo(const std::string& caminho, const std::string& bytes) {
    std::ofstream out(caminho, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace mobrix::teste
