// GoogleTest main for suites that use Qt: one QApplication, headless, and a
// home of its own. Before Qt reads anything, HOME, the XDG folders and
// TMPDIR point into a private folder removed at the end, so no test reaches
// the user's real settings, data or temporary files.
#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <system_error>

namespace {

class HomeDosTestes {
public:
    HomeDosTestes() {
        std::string modelo = (std::filesystem::temp_directory_path() / "mobrix-testes-XXXXXX").string();
        if (!::mkdtemp(modelo.data())) std::abort();
        raiz_ = modelo;
        for (const char* nome :
             {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME", "XDG_RUNTIME_DIR", "TMPDIR"}) {
            const std::string pasta = raiz_ + "/" + nome;
            std::filesystem::create_directories(pasta);
            std::filesystem::permissions(pasta, std::filesystem::perms::owner_all);
            ::setenv(nome, pasta.c_str(), 1);
        }
    }
    ~HomeDosTestes() {
        std::error_code e;
        std::filesystem::remove_all(raiz_, e);
    }
    HomeDosTestes(const HomeDosTestes&) = delete;
    HomeDosTestes& operator=(const HomeDosTestes&) = delete;

private:
    std::string raiz_;
};

}  // namespace

int main(int argc, char** argv) {
    const HomeDosTestes home;
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
