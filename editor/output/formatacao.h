#pragma once
// Number and value formatting shared by the command text and generated code.
#include <cstdint>
#include <string>
#include <string_view>

#include "document/modelo.h"

namespace mobrix {

// Decimal, zero-padded on the left to `digitos`; more digits widen the field;
// a negative value is a minus sign followed by the padded magnitude.
std::string Numero(int64_t valor, int digitos);
// The band offset of an "RT" command: five digits, or "-" and four digits.
std::string NumeroDeslocamento(int32_t valor);

// The leading numeric part of a text (point as decimal separator; text that
// does not start with a number reads as 0).
double ValorNumerico(std::string_view texto);
// Half away from zero, saturated to the int64 range.
int64_t ArredondarLonge(double v);
// Half to even, saturated to the int64 range.
int64_t ArredondarPar(double v);

std::string RemoverAspas(std::string_view texto);
inline bool ComecaComAspas(std::string_view texto) { return !texto.empty() && texto.front() == '"'; }
inline bool EhMargemPadrao(const std::string& expressao) { return expressao == MargemPadrao; }

// Kind letter of a barcode command ("a".."i" for 31..39, "0" for PDF417).
char LetraCodigoBarras(int tipo);
// The code of an item's own line: "G ", "B" and the kind letter, "LG" or "T ".
std::string CodigoDoItem(const Item& item);
// The value written at the end of a picture, barcode or graph-bar line: the
// quoted literal without its quotes, or the sample for a variable.
std::string ValorDeItem(const Item& item);

// True when the item writes no line of its own (empty text or width < 5).
inline bool TextoOuLarguraInsuficiente(const Item& it) { return it.Texto.empty() || it.Largura < 5; }
// True when the item needs an "L " line (never for graph bars).
bool TemMoldura(const Item& it);

}  // namespace mobrix
