#pragma once
// The report command text read by the runtime: one command per line, every
// line ended by CR LF, Windows-1252 bytes.
#include <string>

#include "document/modelo.h"

namespace mobrix {

std::string GerarComandos(const Layout& layout);

}  // namespace mobrix
