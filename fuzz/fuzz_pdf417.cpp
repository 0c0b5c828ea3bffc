// The encoder's export: any text up to 6,000 bytes (no NUL) is encoded or
// refused; an encoded bitmap has rows x bytesPerRow bytes, every row's
// padding bits set, and matches the encoder's own result byte for byte.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "pdf417_encoder.h"
#include "pdf417enc.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 6000) return 0;
    std::string texto(reinterpret_cast<const char*>(data), size);
    if (texto.find('\0') != std::string::npos) return 0;

    std::vector<char> buffer(4192 + 16, '\x5A');
    int32_t comprimento = -7, colunas = -7;
    int32_t r = GetPDF417(texto.c_str(), buffer.data(), &comprimento, &colunas);
    pdf417enc::EncodeState estado;
    pdf417enc::InitialiseAsExport(estado, texto.c_str());
    pdf417enc::Encode(estado);
    if (r == 0) {
        if (comprimento != -7 || colunas != -7 || estado.error == 0 || buffer[0] != '\x5A') std::abort();
        return 0;
    }
    const int32_t porLinha = (colunas + 7) / 8;
    if (estado.error != 0 || colunas != estado.moduleColumns || comprimento != estado.rows * porLinha ||
        comprimento > 4192 || buffer[static_cast<size_t>(comprimento)] != '\x5A' ||
        std::memcmp(buffer.data(), estado.bitmap.data(), static_cast<size_t>(comprimento)) != 0)
        std::abort();
    const int sobra = porLinha * 8 - colunas;
    const auto mascara = static_cast<uint8_t>((1u << sobra) - 1u);
    for (int32_t linha = 0; linha < estado.rows; ++linha) {
        auto ultimo = static_cast<uint8_t>(buffer[static_cast<size_t>((linha + 1) * porLinha - 1)]);
        if ((ultimo & mascara) != mascara) std::abort();
    }
    return 0;
}
