#pragma once
// Text helpers for Windows-1252 text: comparing, searching and replacing
// without regard to case, the way the user reads it (accented capitals match
// their small letters too, and markup such as "{n}" or "(%_pag_%)" is found
// in any case).
#include <string>
#include <string_view>

namespace mobrix {

// Only 'A'..'Z' change: for UTF-8 texts (paths, settings), whose other bytes
// must stay as they are.
char MinusculaAscii(char c);
std::string MinusculasAscii(std::string_view texto);

// The text without the spaces at either end.
std::string_view AparaEspacos(std::string_view texto);
// The text without the spaces, tabs and line breaks at either end.
std::string_view AparaBrancos(std::string_view texto);

char MinusculaCp1252(char c);
char MaiusculaCp1252(char c);
std::string MinusculasCp1252(std::string_view texto);
bool IguaisSemCaixa(std::string_view a, std::string_view b);
// Alphabetical order without regard to case or accents; texts that differ
// only there are ordered by their small letters, then by their bytes.
bool MenorSemCaixa(std::string_view a, std::string_view b);
// Position of the first `procurado` at or after `inicio`, or npos.
size_t ProcurarSemCaixa(std::string_view texto, std::string_view procurado, size_t inicio = 0);
// Every `de` replaced by `para`, from left to right.
std::string SubstituirTodos(std::string_view texto, std::string_view de, std::string_view para,
                            bool semCaixa = false);
// Every line break (CR LF, CR or LF) replaced by `por`.
std::string TrocarQuebrasDeLinha(std::string_view texto, std::string_view por);

}  // namespace mobrix
