// Code 39, with or without the modulo-43 check character.
#include <array>
#include <string>

#include "barcodes/codigos_lineares.h"
#include "barcodes/desenho_linear.h"
#include "barcodes/tabelas.h"

namespace mobrix {
namespace {

constexpr int NumCaracteres = 44;
constexpr int IndiceInicioFim = 43;  // '*'

struct TabelaCode39 {
    std::string conjunto;  // the character of each index
    std::array<std::string_view, NumCaracteres> modulos;
};

const TabelaCode39& Tabela() {
    static const TabelaCode39 tabela = [] {
        TabelaCode39 t;
        t.conjunto.assign(NumCaracteres, '\0');
        for (const tabelas::Registro& r : tabelas::Registros(tabelas::TextoCode39)) {
            int i = r.size() == 4 ? tabelas::Numero(r[0]) : -1;
            if (i < 0 || i >= NumCaracteres) continue;
            t.conjunto[i] = r[1] == "SP" ? ' ' : r[1].front();
            t.modulos[i] = r[3];
        }
        return t;
    }();
    return tabela;
}

char Maiuscula(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Drops the asterisks, upper-cases, and turns characters outside the set into spaces.
std::string Normalizar(const std::string& texto, const TabelaCode39& t) {
    std::string dados;
    for (char c : texto) {
        if (c == '*') continue;
        c = Maiuscula(c);
        dados += t.conjunto.find(c) < IndiceInicioFim ? c : ' ';
    }
    return dados;
}

}  // namespace

void DesenharCode39(Superficie& s, int16_t alturaBarras, const std::string& texto, bool comCheck,
                    bool mostrarNumeros, int16_t angulo) {
    if (TextoLongoDemais(s, texto)) return;
    const TabelaCode39& t = Tabela();
    const std::string dados = Normalizar(texto, t);
    std::string modulos(t.modulos[IndiceInicioFim]);
    int soma = 0;
    for (char c : dados) {
        size_t i = t.conjunto.find(c);
        soma = (soma + static_cast<int>(i)) % 43;
        modulos += t.modulos[i];
    }
    if (comCheck) modulos += t.modulos[soma];
    modulos += t.modulos[IndiceInicioFim];

    const int altura = AlturaBarrasUtil(alturaBarras);
    DesenhoLinear d(s, static_cast<int64_t>(modulos.size()) + 1, AlturaSimbolo(altura, mostrarNumeros), angulo);
    int ultima = d.Modulos(modulos, 1, 0, altura - 1, Claros::Pintar);
    if (mostrarNumeros) d.Escrever(ultima / 2.0 - d.LarguraTexto(dados) / 2.0, altura - 1, dados);
}

}  // namespace mobrix
