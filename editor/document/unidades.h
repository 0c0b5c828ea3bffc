#pragma once
// The unit of measure shown to the user. Stored values are always pixels at
// 96 per inch; the unit only changes display and typing.
#include <cstdint>
#include <string>

namespace mobrix {

struct Unidade {
    double PixelsPorUnidade;
    int Decimais;
    const char* Sufixo;
    int DigitosInteiros;  // width, height and offset fields
};

// Any unknown Medida behaves as pixels.
const Unidade& UnidadeDe(int medida);
bool MedidaValida(int medida);

double PixelsParaValor(int32_t pixels, int medida);
// Rounded to the nearest whole pixel, halves to even; saturates at int32.
int32_t ValorParaPixels(double valor, int medida);
// The value cut (not rounded) to the unit's decimals, without trailing zeros
// ("1.693", "64", "0.5"): the size shown in tooltips.
std::string FormatarMedidaTruncada(int32_t pixels, int medida);

}  // namespace mobrix
