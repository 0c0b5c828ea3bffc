// Code 128 in code set C (digit pairs) and code set B (printable ASCII).
#include <array>
#include <string>
#include <vector>

#include "barcodes/codigos_lineares.h"
#include "barcodes/desenho_linear.h"
#include "barcodes/tabelas.h"

namespace mobrix {
namespace {

constexpr int NumSimbolos = 107;
constexpr int InicioB = 104;
constexpr int InicioC = 105;
constexpr int Parada = 106;

const std::array<std::string_view, NumSimbolos>& Tabela() {
    static const std::array<std::string_view, NumSimbolos> tabela = [] {
        std::array<std::string_view, NumSimbolos> t;
        for (const tabelas::Registro& r : tabelas::Registros(tabelas::TextoCode128)) {
            int valor = r.size() == 5 ? tabelas::Numero(r[0]) : -1;
            if (valor >= 0 && valor < NumSimbolos) t[valor] = r[2];
        }
        return t;
    }();
    return tabela;
}

// Start, data, check symbol (start + the sum of value x position, mod 103), stop.
std::string Modulos(int inicio, const std::vector<int>& valores) {
    const auto& t = Tabela();
    std::string modulos(t[inicio]);
    int soma = inicio;
    for (size_t i = 0; i < valores.size(); ++i) {
        soma = static_cast<int>((soma + valores[i] * ((i + 1) % 103)) % 103);
        modulos += t[valores[i]];
    }
    modulos += t[soma];
    modulos += t[Parada];
    return modulos;
}

bool Digito(char c) { return c >= '0' && c <= '9'; }

// Trimmed of spaces, non-digits as '0', an even number of digits.
std::string NormalizarC(const std::string& texto) {
    size_t ini = texto.find_first_not_of(' ');
    std::string dados = ini == std::string::npos ? "" : texto.substr(ini, texto.find_last_not_of(' ') - ini + 1);
    for (char& c : dados)
        if (!Digito(c)) c = '0';
    if (dados.size() % 2 != 0) dados.insert(dados.begin(), '0');
    return dados;
}

// Characters outside space to '~' become '0'.
std::string NormalizarB(const std::string& texto) {
    std::string dados = texto;
    for (char& c : dados)
        if (c < ' ' || c > '~') c = '0';
    return dados;
}

}  // namespace

void DesenharCode128C(Superficie& s, int16_t alturaBarras, const std::string& texto, bool mostrarNumeros,
                      int16_t angulo) {
    if (TextoLongoDemais(s, texto)) return;
    const std::string dados = NormalizarC(texto);
    std::vector<int> valores;
    for (size_t i = 0; i < dados.size(); i += 2) valores.push_back((dados[i] - '0') * 10 + (dados[i + 1] - '0'));
    const std::string modulos = Modulos(InicioC, valores);

    const int altura = AlturaBarrasUtil(alturaBarras);
    DesenhoLinear d(s, static_cast<int64_t>(modulos.size()) + 2, AlturaSimbolo(altura, mostrarNumeros), angulo);
    d.Modulos(modulos, 1, 0, altura, Claros::Deixar);
    if (mostrarNumeros)
        d.Escrever(static_cast<double>(modulos.size()) / 2.0 - d.LarguraTexto(dados) / 2.0, altura - 1, dados);
}

void DesenharCode128B(Superficie& s, int16_t alturaBarras, const std::string& texto, bool mostrarNumeros,
                      int16_t angulo) {
    if (TextoLongoDemais(s, texto)) return;
    const int64_t largura = 11 * static_cast<int64_t>(texto.size()) + 37;
    const std::string dados = NormalizarB(texto);
    std::vector<int> valores;
    for (char c : dados) valores.push_back(c - ' ');
    const std::string modulos = Modulos(InicioB, valores);

    const int altura = AlturaBarrasUtil(alturaBarras);
    DesenhoLinear d(s, largura, AlturaSimbolo(altura, mostrarNumeros), angulo);
    d.Modulos(modulos, 1, 0, altura, Claros::Deixar);
    if (mostrarNumeros) d.Escrever(static_cast<double>(largura) / 2.0 - d.LarguraTexto(dados) / 2.0, altura - 1, dados);
}

}  // namespace mobrix
