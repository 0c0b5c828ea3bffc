#pragma once
// Layouts shared by the output suites.
#include "document/modelo.h"

namespace mobrix::teste {

Documento NovoDoc();
// The worked example: a header band with a bold title, a body band with a
// command and a picture, a top margin of 10 and a final page break.
Documento Exemplo();

}  // namespace mobrix::teste
