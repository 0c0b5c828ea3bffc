// The language template reader: any bytes are refused or read into a
// template that is written back and read again to the same template.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "output/linguagem.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace mobrix;
    std::optional<Linguagem> lida = LerLin(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!lida) return 0;
    std::optional<std::string> gravada = GravarLin(*lida);
    if (!gravada) std::abort();  // every field read fits back in its 16-bit length
    std::optional<Linguagem> relida = LerLin(*gravada);
    if (!relida || !(*relida == *lida)) std::abort();
    return 0;
}
