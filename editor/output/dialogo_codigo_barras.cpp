#include "output/dialogo_codigo_barras.h"

#include "document/modelo.h"
#include "output/formatacao.h"

namespace mobrix {
namespace {

const std::string ZeroANove = "0 até 9";
const std::string AaZ = "A até Z";
const std::string Pontuacao39 = "-. $/+%";
// "!", the blank, '"' to '/' and ':'; then ';' to '@', '[' to '`' and '{' to '~'.
const std::string Pontuacao128a = "! \"#$%&'()*+,-./:";
const std::string Pontuacao128b = ";<=>?@[\\]^_`{|}~";

}  // namespace

CamposCodigoBarras AbrirCodigoBarras(const std::string& textoItem) {
    if (ComecaComAspas(textoItem)) return {RemoverAspas(textoItem), {}};
    return {{}, textoItem};
}

std::string LiteralBarraGrafico(const std::string& texto) {
    const int64_t v = ArredondarPar(ValorNumerico(texto));
    return std::to_string(v < 0 || v > INT16_MAX ? 0 : v);
}

ConfirmacaoCodigoBarras ConfirmarCodigoBarras(const CamposCodigoBarras& campos, int tipo) {
    if (!campos.comando.empty()) return {campos.comando, campos.texto};
    const std::string literal = tipo == TipoBarraGrafico ? LiteralBarraGrafico(campos.texto) : campos.texto;
    return {"\"" + literal + "\"", literal};
}

const std::vector<int>& TiposDoDialogoCodigoBarras() {
    static const std::vector<int> tipos = {31, 32, 33, 34, 35, 36, 37, 38, 39, TipoBarraGrafico, TipoPDF417};
    return tipos;
}

const char* LegendaTipoCodigoBarras(int tipo) {
    switch (tipo) {
        case TipoEAN13: return "EAN-13";
        case TipoEAN8: return "EAN-8";
        case TipoCode39Check: return "Code 39 (Com CheckSum)";
        case TipoCode128C: return "Code 128 (Tabela C)";
        case TipoIntercalado25: return "Intercalado 25";
        case TipoCode39: return "Code 39";
        case TipoIntercalado25SemNumeros: return "Intercalado 25 (Sem números)";
        case TipoIntercalado25NumerosTopo: return "Intercalado 25 (Números no topo)";
        case TipoCode128B: return "Code 128 (Tabela B)";
        case TipoBarraGrafico: return "Barra de gráfico";
        case TipoPDF417: return "2D PDF417";
        default: return "";
    }
}

const char* LegendaValorCodigoBarras(int tipo) {
    return tipo == TipoBarraGrafico ? "Altura:" : "Código de Barras:";
}

bool UsaAlturaDaBanda(int tipo) { return tipo != TipoBarraGrafico && tipo != TipoPDF417; }

std::vector<std::string> CaracteresValidos(int tipo) {
    switch (tipo) {
        case TipoBarraGrafico: return {};
        case TipoCode39Check:
        case TipoCode39: return {ZeroANove, AaZ, Pontuacao39};
        case TipoCode128B:
        case TipoPDF417: return {ZeroANove, AaZ, Pontuacao128a, Pontuacao128b};
        default: return {ZeroANove};
    }
}

AmostraCodigoBarras AmostraDoTipo(int tipo) {
    switch (tipo) {
        case TipoEAN13: return {"123456789012"};
        case TipoEAN8: return {"1234567"};
        case TipoCode39Check: return {"ABC123", true};
        case TipoCode39: return {"ABC123"};
        case TipoIntercalado25SemNumeros: return {"1234567890", false, false};
        case TipoIntercalado25NumerosTopo: return {"1234567890", false, true, true};
        case TipoCode128B:
        case TipoPDF417: return {"123.456/Abc"};
        default: return {"1234567890"};  // Code 128 C, Interleaved 2 of 5
    }
}

void DesenharAmostraBarraGrafico(Superficie& s) {
    struct Barra {
        int x1, y1, x2, y2;
        Cor fundo, contorno;
    };
    static constexpr Barra barras[] = {
        {6, 0, 26, 48, Rgb(255, 0, 0), Rgb(128, 0, 0)},
        {30, 24, 50, 48, Rgb(0, 255, 0), Rgb(0, 128, 0)},
        {54, 8, 74, 48, Rgb(0, 0, 255), Rgb(0, 0, 128)},
    };
    s.Redimensionar(80, 52);
    for (const Barra& b : barras) {
        s.Retangulo(b.x1, b.y1, b.x2 + 1, b.y2 + 1, b.fundo);
        s.Contorno(b.x1, b.y1, b.x2, b.y2, b.contorno);
    }
}

}  // namespace mobrix
