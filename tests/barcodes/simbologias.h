#pragma once
// Module strings ('1' dark, '0' light) built from the symbology definitions
// in forms of their own (element widths, bit masks, digit weights), so that
// the tests do not check the encoders against their own tables.
#include <string>
#include <vector>

namespace mobrix::teste {

// Code 39: start, data, optional check character, stop; 16 modules each.
std::string Code39(const std::string& dados, bool comCheck);
// Code 128: start value, data values, check symbol, stop.
std::string Code128(int inicio, const std::vector<int>& valores);
// EAN-13 (13 digits) or EAN-8 (8 digits), the check digit included.
std::string EAN(const std::string& digitos);
// Interleaved 2 of 5 over an even number of digits.
std::string ITF(const std::string& digitos);
// The check digit of 12 or 7 EAN digits.
char DigitoEAN(const std::string& digitos);

// An upright picture (rows of '#' dark and '.' light) as it looks turned
// counter-clockwise by 90, 180 or 270 degrees, in the same row form.
std::string Girar(const std::vector<std::string>& linhas, int angulo);

// The picture a symbol of W x H leaves on a white surface at an angle: module
// i dark at column `primeira` + i from row `topo` to row `base` (rows beyond
// the picture are lost).
std::string Arte(const std::string& modulos, int primeira, int topo, int base, int largura, int altura,
                 int angulo);

}  // namespace mobrix::teste
