#pragma once
// A fixed ten-character option string (Linhas, Atributos): read and written by
// 1-based position, never longer or shorter than ten bytes.
#include <array>
#include <string>
#include <string_view>

namespace mobrix {

class Texto10 {
public:
    Texto10() { bytes_.fill('0'); }
    explicit Texto10(std::string_view s) {
        bytes_.fill('0');
        for (size_t i = 0; i < s.size() && i < bytes_.size(); ++i) bytes_[i] = s[i];
    }

    // Positions are 1..10; anything else reads as '0' and writes nothing.
    char operator()(int pos) const { return valida(pos) ? bytes_[pos - 1] : '0'; }
    bool ligado(int pos) const { return (*this)(pos) == '1'; }
    void definir(int pos, char c) {
        if (valida(pos)) bytes_[pos - 1] = c;
    }
    void definir(int pos, bool ligado) { definir(pos, ligado ? '1' : '0'); }

    // The digit at a position as a number (0 when it is not a digit).
    int digito(int pos) const {
        char c = (*this)(pos);
        return (c >= '0' && c <= '9') ? c - '0' : 0;
    }
    void definirDigito(int pos, int d) { definir(pos, static_cast<char>('0' + (d % 10))); }

    bool todosZero() const {
        for (char c : bytes_)
            if (c != '0') return false;
        return true;
    }
    std::string str() const { return std::string(bytes_.data(), bytes_.size()); }
    const char* data() const { return bytes_.data(); }
    char* data() { return bytes_.data(); }
    static constexpr size_t size() { return 10; }

    bool operator==(const Texto10&) const = default;

private:
    static bool valida(int pos) { return pos >= 1 && pos <= 10; }
    std::array<char, 10> bytes_;
};

}  // namespace mobrix
