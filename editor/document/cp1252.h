#pragma once
// Windows-1252 <-> UTF-8. The five bytes that Windows-1252 leaves undefined
// (81, 8D, 8F, 90, 9D) map to the C1 controls of the same value, so every byte
// survives a round trip through Unicode text.
#include <string>
#include <string_view>

namespace mobrix {

std::string Cp1252ParaUtf8(std::string_view cp1252);
// Characters without a Windows-1252 form become '?'; malformed UTF-8 bytes too.
std::string Utf8ParaCp1252(std::string_view utf8);
// The characters of a UTF-8 text that have no Windows-1252 form, each once,
// in order of appearance ("" when the whole text converts).
std::string SemFormaCp1252(std::string_view utf8);
// Unicode code point of one Windows-1252 byte, and the reverse (-1 when the
// code point has no Windows-1252 form).
char32_t Cp1252ParaUnicode(unsigned char c);
int UnicodeParaCp1252(char32_t u);

}  // namespace mobrix
