#pragma once
// Layouts shared by the output suites.
#include <string>

#include "document/modelo.h"

namespace mobrix::teste {

Documento NovoDoc();
// The worked example: a header band with a bold title, a body band with a
// command and a picture, a top margin of 10 and a final page break.
Documento Exemplo();
// Appends an item of a kind and text to a band and returns it.
Item& AcrescentarItem(Documento& d, int banda, uint8_t tipo, const std::string& texto);

}  // namespace mobrix::teste
