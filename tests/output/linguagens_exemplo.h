#pragma once
// The language templates shipped in examples/, defined here so that the files
// can be rewritten and their output tested.
#include "output/linguagem.h"

namespace mobrix::teste {

// "Cobol ANSI.lin": fixed-format COBOL writing the record LINHA-RELAT.
Linguagem LinguagemCobolAnsi();
// "C.lin": C writing through the FILE *arq.
Linguagem LinguagemC();

}  // namespace mobrix::teste
