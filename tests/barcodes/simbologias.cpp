#include "simbologias.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace mobrix::teste {
namespace {

std::string Elementos(const std::string& larguras) {
    std::string m;
    for (size_t i = 0; i < larguras.size(); ++i) m.append(static_cast<size_t>(larguras[i] - '0'), i % 2 ? '0' : '1');
    return m;
}

// Code 39: nine elements, a set bit (most significant first) is a wide one.
constexpr char Conjunto39[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%*";
constexpr std::array<int, 44> Mascaras39 = {
    0x034, 0x121, 0x061, 0x160, 0x031, 0x130, 0x070, 0x025, 0x124, 0x064, 0x109, 0x049, 0x148, 0x019, 0x118,
    0x058, 0x00D, 0x10C, 0x04C, 0x01C, 0x103, 0x043, 0x142, 0x013, 0x112, 0x052, 0x007, 0x106, 0x046, 0x016,
    0x181, 0x0C1, 0x1C0, 0x091, 0x190, 0x0D0, 0x085, 0x184, 0x0C4, 0x0A8, 0x0A2, 0x08A, 0x02A, 0x094};

std::string Caractere39(int indice) {
    std::string larguras;
    for (int bit = 8; bit >= 0; --bit) larguras += (Mascaras39[indice] >> bit) & 1 ? '3' : '1';
    return Elementos(larguras) + "0";
}

int Indice39(char c) {
    const char* p = std::find(Conjunto39, Conjunto39 + 44, c);
    if (p == Conjunto39 + 44) throw std::invalid_argument("not a Code 39 character");
    return static_cast<int>(p - Conjunto39);
}

// Code 128: bar, space, bar, space, bar, space widths of values 0 to 106.
const char* const Larguras128[107] = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212", "221213", "221312",
    "231212", "112232", "122132", "122231", "113222", "123122", "123221", "223211", "221132", "221231", "213212",
    "223112", "312131", "311222", "321122", "321221", "312212", "322112", "322211", "212123", "212321", "232121",
    "111323", "131123", "131321", "112313", "132113", "132311", "211313", "231113", "231311", "112133", "112331",
    "132131", "113123", "113321", "133121", "313121", "211331", "231131", "213113", "213311", "213131", "311123",
    "311321", "331121", "312113", "312311", "332111", "314111", "221411", "431111", "111224", "111422", "121124",
    "121421", "141122", "141221", "112214", "112412", "122114", "122411", "142112", "142211", "241211", "221114",
    "413111", "241112", "134111", "111242", "121142", "121241", "114212", "124112", "124211", "411212", "421112",
    "421211", "212141", "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311",
    "113141", "114131", "311141", "411131", "211412", "211214", "211232", "2331112"};

// EAN: left-hand odd-parity digits as space, bar, space, bar widths.
const char* const LargurasL[10] = {"3211", "2221", "2122", "1411", "1132", "1231", "1114", "1312", "1213", "3112"};
// EAN-13 first digit: a set bit (most significant = digit 2) takes the even-parity set.
constexpr std::array<int, 10> Paridade13 = {0x00, 0x0B, 0x0D, 0x0E, 0x13, 0x19, 0x1C, 0x15, 0x16, 0x1A};

std::string L(int d) {
    std::string m;
    for (int i = 0; i < 4; ++i) m.append(static_cast<size_t>(LargurasL[d][i] - '0'), i % 2 ? '1' : '0');
    return m;
}
std::string R(int d) {
    std::string m = L(d);
    for (char& c : m) c = c == '1' ? '0' : '1';
    return m;
}
std::string G(int d) {
    std::string m = R(d);
    std::reverse(m.begin(), m.end());
    return m;
}

// Interleaved 2 of 5: the two wide elements of a digit are the two whose
// weights 1, 2, 4, 7, 0 add up to it (0 is written as 4 + 7).
std::string LargurasITF(char digito) {
    constexpr int pesos[5] = {1, 2, 4, 7, 0};
    int alvo = digito == '0' ? 11 : digito - '0';
    for (int i = 0; i < 5; ++i)
        for (int j = i + 1; j < 5; ++j)
            if (pesos[i] + pesos[j] == alvo) {
                std::string l = "11111";
                l[i] = l[j] = '3';
                return l;
            }
    throw std::invalid_argument("not a digit");
}

}  // namespace

std::string Code39(const std::string& dados, bool comCheck) {
    std::string m = Caractere39(43);
    int soma = 0;
    for (char c : dados) m += Caractere39(Indice39(c)), soma += Indice39(c);
    if (comCheck) m += Caractere39(soma % 43);
    return m + Caractere39(43);
}

std::string Code128(int inicio, const std::vector<int>& valores) {
    std::string m = Elementos(Larguras128[inicio]);
    int soma = inicio;
    for (size_t i = 0; i < valores.size(); ++i) {
        m += Elementos(Larguras128[valores[i]]);
        soma += valores[i] * static_cast<int>(i + 1);
    }
    return m + Elementos(Larguras128[soma % 103]) + Elementos(Larguras128[106]);
}

char DigitoEAN(const std::string& digitos) {
    // From the left, EAN-13 weighs 1, 3, 1, ...; EAN-8 (an odd count) 3, 1, 3, ...
    int soma = 0;
    for (size_t i = 0; i < digitos.size(); ++i) {
        bool tres = (digitos.size() - i) % 2 == 1;
        soma += (digitos[i] - '0') * (tres ? 3 : 1);
    }
    return static_cast<char>('0' + (10 - soma % 10) % 10);
}

std::string EAN(const std::string& digitos) {
    const bool treze = digitos.size() == 13;
    const std::string corpo = treze ? digitos.substr(1) : digitos;
    const int paridade = treze ? Paridade13[digitos[0] - '0'] : 0;
    std::string m = "101";
    for (size_t i = 0; i < corpo.size(); ++i) {
        int d = corpo[i] - '0';
        if (i == corpo.size() / 2) m += "01010";
        if (i >= corpo.size() / 2) m += R(d);
        else m += (paridade >> (5 - i)) & 1 ? G(d) : L(d);
    }
    return m + "101";
}

std::string ITF(const std::string& digitos) {
    std::string m = "1010";
    for (size_t i = 0; i + 1 < digitos.size(); i += 2) {
        std::string barras = LargurasITF(digitos[i]), espacos = LargurasITF(digitos[i + 1]), larguras;
        for (int k = 0; k < 5; ++k) larguras += {barras[k], espacos[k]};
        m += Elementos(larguras);
    }
    return m + "11101";
}

std::string Girar(const std::vector<std::string>& linhas, int angulo) {
    const int altura = static_cast<int>(linhas.size());
    const int largura = altura ? static_cast<int>(linhas[0].size()) : 0;
    const bool deitado = angulo == 90 || angulo == 270;
    const int colunas = deitado ? altura : largura, linhasGiradas = deitado ? largura : altura;
    std::string arte;
    for (int py = 0; py < linhasGiradas; ++py) {
        for (int px = 0; px < colunas; ++px) {
            // Back from the turned picture to the upright one.
            int x = px, y = py;
            if (angulo == 90) x = largura - 1 - py, y = px;
            if (angulo == 180) x = largura - 1 - px, y = altura - 1 - py;
            if (angulo == 270) x = py, y = altura - 1 - px;
            arte += linhas[y][x];
        }
        arte += '\n';
    }
    return arte;
}

std::string Arte(const std::string& modulos, int primeira, int topo, int base, int largura, int altura,
                 int angulo) {
    std::vector<std::string> linhas(static_cast<size_t>(altura), std::string(static_cast<size_t>(largura), '.'));
    for (size_t i = 0; i < modulos.size(); ++i)
        for (int y = std::max(topo, 0); y <= std::min(base, altura - 1); ++y)
            if (modulos[i] == '1') linhas[y][primeira + i] = '#';
    return Girar(linhas, angulo);
}

}  // namespace mobrix::teste
