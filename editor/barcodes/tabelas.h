#pragma once
// The symbology tables as compiled-in text (tabelas/*.txt) and the reader of
// their records: one record a line, fields separated by single spaces, lines
// starting with '#' are comments.
#include <string_view>
#include <vector>

namespace mobrix::tabelas {

extern const std::string_view TextoCode39;
extern const std::string_view TextoCode128;
extern const std::string_view TextoEAN;
extern const std::string_view TextoITF;

using Registro = std::vector<std::string_view>;
std::vector<Registro> Registros(std::string_view texto);

// The number in a field, or -1 when it is not a plain decimal number.
int Numero(std::string_view campo);

}  // namespace mobrix::tabelas
