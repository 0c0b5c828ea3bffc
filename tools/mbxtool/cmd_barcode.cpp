// Subcommand barcode: one barcode item drawn exactly as the editor paints it
// into its off-screen picture (no quiet zone), saved as PNG.
#include <charconv>

#include "barcodes/codigo_por_tipo.h"
#include "barcodes/ponte_pdf417.h"
#include "document/modelo.h"
#include "document/ui/sistema_qt.h"
#include "document/ui/superficie_qt.h"
#include "png.h"
#include "subcomando.h"

namespace mbxtool {
namespace {

constexpr int AlturaPadrao = 40;  // the bar height the canvas uses for most items
constexpr int AlturaMaxima = 30000;

bool Inteiro(const std::string& texto, int& valor) {
    auto [fim, erro] = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
    return erro == std::errc() && fim == texto.data() + texto.size();
}

int Barcode(const std::vector<std::string>& args) {
    Argumentos a = Argumentos::Analisar(args, {"--kind", "--angle", "--height", "--data-file", "-o"}, {"--no-numbers"});
    if (!a.erro.empty()) return ErroDeUso(a.erro);
    if (a.posicionais.size() != (a.tem("--data-file") ? 0u : 1u))
        return ErroDeUso("barcode takes either TEXT or --data-file FILE");
    if (a.valor("-o").empty()) return ErroDeUso("barcode needs -o OUT.png");
    int tipo = 0, angulo = 0, altura = 0;
    if (!Inteiro(a.valor("--kind"), tipo) || !mobrix::EhCodigoBarras(tipo))
        return ErroDeUso("--kind must be a barcode kind: 31 to 39, or 80 for PDF417");
    if (!Inteiro(a.valor("--angle", "0"), angulo) || (angulo != 0 && angulo != 90 && angulo != 180 && angulo != 270))
        return ErroDeUso("--angle must be 0, 90, 180 or 270");
    if (!Inteiro(a.valor("--height", std::to_string(AlturaPadrao)), altura) || altura < 1 || altura > AlturaMaxima)
        return ErroDeUso("--height must be a whole number of pixels from 1 to " + std::to_string(AlturaMaxima));
    std::string dados;
    if (int r = LerDados(a, dados); r != SaidaOk) return r;

    mobrix::SuperficieQt superficie;
    if (tipo == mobrix::TipoPDF417) {
        mobrix::SistemaQt sistema;
        mobrix::PontePDF417 ponte(sistema);
        ponte.DesenharPDF417(superficie, dados, static_cast<int16_t>(angulo));
        if (!ponte.ErroDeCarga().empty()) {
            ImprimirMensagem("mbxtool: " + ponte.ErroDeCarga());
            return SaidaLeitura;
        }
    } else {
        mobrix::DesenharCodigoLinear(superficie, tipo, static_cast<int16_t>(altura), dados, a.temFlag("--no-numbers"),
                                     static_cast<int16_t>(angulo));
    }
    return GravarPng(superficie.imagem(), a.valor("-o"), "the symbol is too large to draw", SaidaFormato);
}

const Registrar r1({"barcode",
                    "barcode --kind N [--angle 0|90|180|270] [--height PIXELS] [--no-numbers] "
                    "(TEXT | --data-file FILE) -o OUT.png",
                    true, Barcode});

}  // namespace
}  // namespace mbxtool
