// The styled text block on a surface with fixed glyph metrics: any text, in
// any cell and with any options, is laid out without a crash, measures to a
// finite height and leaves the surface font as it found it.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "canvas/texto_estilizado.h"
#include "superficie_falsa.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace mobrix;
    if (size < 4 || size > 8000) return 0;
    const uint8_t opcoes = data[0], celula = data[1], fonte = data[2], angulo = data[3];
    const std::string texto(reinterpret_cast<const char*>(data + 4), size - 4);

    teste::SuperficieFalsa s(64, 64);
    FonteSuperficie f;
    f.Tamanho = AjustarTamanhoFonte(1 + fonte % 40);
    f.Negrito = fonte & 0x40;
    s.DefinirFonte(f);
    const FonteSuperficie antes = s.Fonte();

    CaixaTexto caixa{static_cast<double>(celula % 7), 2, static_cast<double>(celula) * 3, static_cast<double>(1 + celula % 50)};
    OpcoesTexto o;
    o.UmaLinha = opcoes & 1;
    o.Cortar = opcoes & 2;
    o.CentroVertical = opcoes & 4;
    o.Base = opcoes & 8;
    o.CentroHorizontal = opcoes & 16;
    o.Direita = opcoes & 32;
    o.Justificar = opcoes & 64;
    o.Angulo = (angulo % 4) * 90;
    o.SoMedir = opcoes & 128;
    const double altura = DesenharTexto(s, texto, caixa, o);
    if (!std::isfinite(altura) || altura < 0 || !(s.Fonte() == antes)) std::abort();
    return 0;
}
