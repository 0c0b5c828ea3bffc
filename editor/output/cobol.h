#pragma once
// Folding generated lines to the COBOL line length.
#include <string>
#include <string_view>

namespace mobrix {

// Lines longer than 72 columns (71 with `cobolString`) that hold a string
// literal are cut into pieces: with COBOL continuation lines, or, with
// `cobolString`, as separate literals of a STRING statement. The result has
// its lines joined by CR LF and ends with CR LF.
std::string FormatarCobol(std::string_view texto, bool cobolString);

}  // namespace mobrix
