// The transfer file reader: any bytes are refused or read into bands that
// are written back and read again to the same bands.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "document/transferencia.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace mobrix;
    // Most inputs would fail on the version mark; put it in front of half of
    // them so the fuzzer reaches the records.
    std::string bytes(reinterpret_cast<const char*>(data), size);
    if (size > 0 && (data[0] & 1)) bytes = MarcaClipboard() + bytes.substr(1);
    LeituraTransferencia lido = LerTransferencia(bytes);
    if (!lido.ok) {
        if (!lido.bandas.empty()) std::abort();
        return 0;
    }
    Gravacao gravado = CodificarTransferencia(lido.bandas);
    if (!gravado.ok) return 0;
    LeituraTransferencia relido = LerTransferencia(gravado.bytes);
    if (!relido.ok || relido.bandas != lido.bandas) std::abort();
    return 0;
}
