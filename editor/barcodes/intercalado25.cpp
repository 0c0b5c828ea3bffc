// Interleaved 2 of 5: digit pairs, bars from the first digit, spaces from the second.
#include <array>
#include <string>

#include "barcodes/codigos_lineares.h"
#include "barcodes/desenho_linear.h"
#include "barcodes/tabelas.h"

namespace mobrix {
namespace {

struct TabelaITF {
    std::array<std::string_view, 100> pares;
    std::string_view inicio, fim;
};

const TabelaITF& Tabela() {
    static const TabelaITF tabela = [] {
        TabelaITF t;
        for (const tabelas::Registro& r : tabelas::Registros(tabelas::TextoITF)) {
            if (r.size() == 3 && r[0] == "PAIR" && r[1].size() == 2) {
                int par = tabelas::Numero(r[1]);
                if (par >= 0 && par < 100) t.pares[par] = r[2];
            } else if (r.size() == 2 && r[0] == "START") {
                t.inicio = r[1];
            } else if (r.size() == 2 && r[0] == "STOP") {
                t.fim = r[1];
            }
        }
        return t;
    }();
    return tabela;
}

// An even number of digits (a '0' in front of an odd count); non-digits become '0'.
std::string Normalizar(const std::string& texto) {
    std::string dados = texto;
    if (dados.size() % 2 != 0) dados.insert(dados.begin(), '0');
    for (char& c : dados)
        if (c < '0' || c > '9') c = '0';
    return dados;
}

}  // namespace

void DesenharIntercalado25(Superficie& s, int16_t alturaBarras, const std::string& texto, bool mostrarNumeros,
                           bool numerosNoTopo, int16_t angulo) {
    if (TextoLongoDemais(s, texto)) return;
    const TabelaITF& t = Tabela();
    const std::string dados = Normalizar(texto);
    std::string modulos(t.inicio);
    for (size_t i = 0; i < dados.size(); i += 2) modulos += t.pares[(dados[i] - '0') * 10 + (dados[i + 1] - '0')];
    modulos += t.fim;

    const int altura = AlturaBarrasUtil(alturaBarras);
    // The digits go above the bars only when they are shown; hidden digits
    // leave no gap, so the bars start at the top of the picture.
    const bool noTopo = numerosNoTopo && mostrarNumeros;
    const int topo = noTopo ? AlturaNumeros : 0;
    DesenhoLinear d(s, 9 * static_cast<int64_t>(dados.size()) + 12, AlturaSimbolo(altura, mostrarNumeros), angulo);
    int ultima = d.Modulos(modulos, 1, topo, topo + altura - 1, Claros::Pintar);
    if (mostrarNumeros) d.Escrever(ultima / 2.0 - d.LarguraTexto(dados) / 2.0, noTopo ? 0 : altura - 1, dados);
}

}  // namespace mobrix
