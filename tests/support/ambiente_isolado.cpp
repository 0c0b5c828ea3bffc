#include "ambiente_isolado.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "pasta_teste.h"

namespace mobrix::teste {
namespace {

std::unique_ptr<PastaTeste> pasta;

class AmbienteIsolado : public ::testing::Environment {
public:
    void SetUp() override {
        pasta = std::make_unique<PastaTeste>();
        for (const char* var :
             {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME", "TMPDIR"}) {
            const std::string caminho = *pasta / var;
            std::filesystem::create_directories(caminho);
            setenv(var, caminho.c_str(), 1);
        }
        const std::string runtime = *pasta / "runtime";
        std::filesystem::create_directories(runtime);
        std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    }
    void TearDown() override { pasta.reset(); }
};

[[maybe_unused]] const auto* const registro = ::testing::AddGlobalTestEnvironment(new AmbienteIsolado);

}  // namespace

const std::string& PastaDoAmbiente() { return pasta->caminho(); }

}  // namespace mobrix::teste
