// EAN-13 and EAN-8, with the check digit always computed here.
#include <array>
#include <string>
#include <vector>

#include "barcodes/codigos_lineares.h"
#include "barcodes/desenho_linear.h"
#include "barcodes/tabelas.h"

namespace mobrix {
namespace {

struct TabelaEAN {
    std::array<std::string_view, 10> L, G, R;
    std::array<std::string_view, 10> paridade;  // "O" = L, "E" = G for digits 2 to 7
    std::string_view guarda, centro;
};

const TabelaEAN& Tabela() {
    static const TabelaEAN tabela = [] {
        TabelaEAN t;
        for (const tabelas::Registro& r : tabelas::Registros(tabelas::TextoEAN)) {
            int d = r.size() >= 3 ? tabelas::Numero(r[1]) : -1;
            if (r[0] == "DIGIT" && r.size() == 5 && d >= 0 && d <= 9) {
                t.L[d] = r[2], t.G[d] = r[3], t.R[d] = r[4];
            } else if (r[0] == "PARITY" && r.size() == 3 && d >= 0 && d <= 9) {
                t.paridade[d] = r[2];
            } else if (r[0] == "GUARD" && r.size() == 2) {
                t.guarda = r[1];
            } else if (r[0] == "CENTRE" && r.size() == 2) {
                t.centro = r[1];
            }
        }
        return t;
    }();
    return tabela;
}

// Exactly `n` digits: a text of another length is cut to its first n
// characters and padded on the left with zeros; non-digits become '0'.
std::string Normalizar(const std::string& texto, size_t n) {
    std::string dados = texto;
    if (dados.size() != n) {
        dados.resize(std::min(dados.size(), n));
        dados.insert(0, n - dados.size(), '0');
    }
    for (char& c : dados)
        if (c < '0' || c > '9') c = '0';
    return dados;
}

// Weights 3 and 1 alternately from the right, 3 on the rightmost digit.
char DigitoVerificador(const std::string& dados) {
    int soma = 0;
    for (size_t i = 0; i < dados.size(); ++i) soma += (dados[dados.size() - 1 - i] - '0') * (i % 2 == 0 ? 3 : 1);
    return static_cast<char>('0' + (10 - soma % 10) % 10);
}

struct Trecho {
    std::string modulos;
    bool guarda;  // guard bars reach down into the line of digits
};

struct GrupoNumeros {
    int x;
    std::string digitos;
};

constexpr int MargemNumeros = 10;  // room for the first digit left of the bars

void Desenhar(Superficie& s, int16_t alturaBarras, const std::vector<Trecho>& trechos,
              const std::vector<GrupoNumeros>& grupos, bool mostrarNumeros, int16_t angulo) {
    int modulos = 0;
    for (const Trecho& t : trechos) modulos += static_cast<int>(t.modulos.size());
    const int altura = AlturaBarrasUtil(alturaBarras);
    const int margem = mostrarNumeros ? MargemNumeros : 0;
    DesenhoLinear d(s, modulos + 1 + margem, AlturaSimbolo(altura, mostrarNumeros), angulo);
    int coluna = margem + 1;
    for (const Trecho& t : trechos) {
        int base = t.guarda && mostrarNumeros ? altura + AlturaNumeros : altura;
        coluna = d.Modulos(t.modulos, coluna, 0, base, Claros::Pintar) + 1;
    }
    if (mostrarNumeros)
        for (const GrupoNumeros& g : grupos) d.Escrever(g.x, altura - 1, g.digitos);
}

std::string Padroes(const std::string& digitos, std::string_view conjuntos) {
    const TabelaEAN& t = Tabela();
    std::string modulos;
    for (size_t i = 0; i < digitos.size(); ++i) {
        int d = digitos[i] - '0';
        char conjunto = i < conjuntos.size() ? conjuntos[i] : 'R';
        modulos += conjunto == 'E' ? t.G[d] : conjunto == 'O' ? t.L[d] : t.R[d];
    }
    return modulos;
}

}  // namespace

void DesenharEAN13(Superficie& s, int16_t alturaBarras, const std::string& texto, bool mostrarNumeros,
                   int16_t angulo) {
    const TabelaEAN& t = Tabela();
    std::string n = Normalizar(texto, 12);
    n += DigitoVerificador(n);
    std::string_view paridade = t.paridade[n[0] - '0'];
    Desenhar(s, alturaBarras,
             {{std::string(t.guarda), true},
              {Padroes(n.substr(1, 6), paridade), false},
              {std::string(t.centro), true},
              {Padroes(n.substr(7), ""), false},
              {std::string(t.guarda), true}},
             {{2, n.substr(0, 1)}, {18, n.substr(1, 6)}, {64, n.substr(7)}}, mostrarNumeros, angulo);
}

void DesenharEAN8(Superficie& s, int16_t alturaBarras, const std::string& texto, bool mostrarNumeros,
                  int16_t angulo) {
    const TabelaEAN& t = Tabela();
    std::string n = Normalizar(texto, 7);
    n += DigitoVerificador(n);
    Desenhar(s, alturaBarras,
             {{std::string(t.guarda), true},
              {Padroes(n.substr(0, 4), "OOOO"), false},
              {std::string(t.centro), true},
              {Padroes(n.substr(4), ""), false},
              {std::string(t.guarda), true}},
             {{17, n.substr(0, 4)}, {49, n.substr(4)}}, mostrarNumeros, angulo);
}

}  // namespace mobrix
