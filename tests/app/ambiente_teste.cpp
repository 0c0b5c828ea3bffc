// The window tests never touch the user's home: before main() starts the
// QApplication, home, settings, data and temporary folders are pointed at a
// private folder that is removed when the tests end.
#include <QStandardPaths>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

class AmbienteIsolado {
public:
    AmbienteIsolado() {
        std::string modelo = (std::filesystem::temp_directory_path() / "mobrix-janela-XXXXXX").string();
        if (!::mkdtemp(modelo.data())) std::abort();
        raiz_ = modelo;
        for (const char* nome : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "TMPDIR"}) {
            const std::string pasta = raiz_ + "/" + nome;
            std::filesystem::create_directories(pasta);
            ::setenv(nome, pasta.c_str(), 1);
        }
        QStandardPaths::setTestModeEnabled(true);
    }
    ~AmbienteIsolado() {
        std::error_code e;
        std::filesystem::remove_all(raiz_, e);
    }
    AmbienteIsolado(const AmbienteIsolado&) = delete;
    AmbienteIsolado& operator=(const AmbienteIsolado&) = delete;

private:
    std::string raiz_;
};

const AmbienteIsolado ambiente;

}  // namespace
