#pragma once
// Little-endian primitives of the layout, transfer and template files.
// The reader never trusts a length: every read checks the bytes that remain
// and the first failure sticks, so a caller can read on and test ok() once.
#include <cstdint>
#include <string>
#include <string_view>

namespace mobrix {

class LeitorBinario {
public:
    explicit LeitorBinario(std::string_view dados) : dados_(dados) {}

    bool ok() const { return erro_.empty(); }
    const std::string& erro() const { return erro_; }
    size_t restante() const { return ok() ? dados_.size() - pos_ : 0; }
    size_t posicao() const { return pos_; }

    // Records a failure (the first one wins) and stops further reads.
    void falhar(std::string motivo) {
        if (erro_.empty()) erro_ = std::move(motivo);
    }

    uint8_t byte();
    int16_t int16();
    uint16_t uint16();
    int32_t int32();
    bool booleano() { return int16() != 0; }
    std::string fixo(size_t n);
    std::string str();  // uint16 length + bytes

private:
    bool disponivel(size_t n);

    std::string_view dados_;
    size_t pos_ = 0;
    std::string erro_;
};

class EscritorBinario {
public:
    void byte(uint8_t v) { dados_ += static_cast<char>(v); }
    void int16(int16_t v) { uint16(static_cast<uint16_t>(v)); }
    void uint16(uint16_t v);
    void int32(int32_t v);
    void booleano(bool v) { int16(v ? -1 : 0); }
    void fixo(std::string_view s) { dados_.append(s); }
    // Strings over 65535 bytes cannot be stored; the writer then fails.
    void str(std::string_view s);

    bool ok() const { return erro_.empty(); }
    const std::string& erro() const { return erro_; }
    void falhar(std::string motivo) {
        if (erro_.empty()) erro_ = std::move(motivo);
    }
    const std::string& dados() const { return dados_; }

private:
    std::string dados_;
    std::string erro_;
};

// What an encoder hands back: the bytes, or why they could not be made.
struct Gravacao {
    bool ok = false;
    std::string motivo;
    std::string bytes;
};
Gravacao Concluir(const EscritorBinario& out);

}  // namespace mobrix
