// The layout reader: any bytes are refused cleanly or read into a layout that
// is written back and read again to the same document.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "document/arquivo_mbx.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace mobrix;
    LeituraMBX lido = LerMBX(std::string_view(reinterpret_cast<const char*>(data), size));
    if (lido.estado != LeituraMBX::Estado::Ok) {
        if (lido.estado == LeituraMBX::Estado::Erro && lido.motivo.empty()) std::abort();
        return 0;
    }
    GravacaoMBX gravado = GravarMBX(lido.layout);
    if (!gravado.ok) return 0;  // e.g. a quoted old picture path over 65535 bytes
    LeituraMBX relido = LerMBX(gravado.bytes);
    if (relido.estado != LeituraMBX::Estado::Ok || !(relido.layout == lido.layout)) std::abort();
    return 0;
}
