#include "document/binario.h"

namespace mobrix {

bool LeitorBinario::disponivel(size_t n) {
    if (!ok()) return false;
    if (n > dados_.size() - pos_) {
        falhar("O arquivo terminou antes do fim dos dados (arquivo truncado ou danificado).");
        return false;
    }
    return true;
}

uint8_t LeitorBinario::byte() {
    if (!disponivel(1)) return 0;
    return static_cast<uint8_t>(dados_[pos_++]);
}

uint16_t LeitorBinario::uint16() {
    if (!disponivel(2)) return 0;
    auto b0 = static_cast<uint8_t>(dados_[pos_]);
    auto b1 = static_cast<uint8_t>(dados_[pos_ + 1]);
    pos_ += 2;
    return static_cast<uint16_t>(b0 | (b1 << 8));
}

int16_t LeitorBinario::int16() { return static_cast<int16_t>(uint16()); }

int32_t LeitorBinario::int32() {
    if (!disponivel(4)) return 0;
    uint32_t v = 0;
    for (int k = 3; k >= 0; --k) v = (v << 8) | static_cast<uint8_t>(dados_[pos_ + static_cast<size_t>(k)]);
    pos_ += 4;
    return static_cast<int32_t>(v);
}

std::string LeitorBinario::fixo(size_t n) {
    if (!disponivel(n)) return {};
    std::string s(dados_.substr(pos_, n));
    pos_ += n;
    return s;
}

std::string LeitorBinario::str() {
    uint16_t n = uint16();
    if (!ok()) return {};
    if (n > dados_.size() - pos_) {
        falhar("Um texto do arquivo é mais longo que o restante do arquivo (arquivo danificado).");
        return {};
    }
    return fixo(n);
}

void EscritorBinario::uint16(uint16_t v) {
    dados_ += static_cast<char>(v & 0xFF);
    dados_ += static_cast<char>(v >> 8);
}

void EscritorBinario::int32(int32_t v) {
    auto u = static_cast<uint32_t>(v);
    for (int k = 0; k < 4; ++k) dados_ += static_cast<char>((u >> (8 * k)) & 0xFF);
}

void EscritorBinario::str(std::string_view s) {
    if (s.size() > 0xFFFF) {
        falhar("Um texto tem mais de 65535 caracteres e não pode ser gravado.");
        return;
    }
    uint16(static_cast<uint16_t>(s.size()));
    dados_.append(s);
}

Gravacao Concluir(const EscritorBinario& out) {
    Gravacao g;
    if (!out.ok()) {
        g.motivo = out.erro();
        return g;
    }
    g.ok = true;
    g.bytes = out.dados();
    return g;
}

}  // namespace mobrix
