#pragma once
// Pictures written by subcommands as PNG files.
#include <QImage>
#include <string>

namespace mbxtool {

// Writes the picture as PNG (to standard output for an empty name). When it
// cannot be encoded, prints `seFalhar` and returns `codigoFalha`.
int GravarPng(const QImage& imagem, const std::string& caminho, const char* seFalhar, int codigoFalha);

}  // namespace mbxtool
