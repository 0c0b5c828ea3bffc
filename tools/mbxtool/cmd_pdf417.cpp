// Subcommand pdf417: a text as a PDF417 symbol, with the encoder of
// libpdf417enc, and the symbol's size and level.
#include <QImage>
#include <cstdio>

#include "pdf417_encoder.h"
#include "png.h"
#include "subcomando.h"

namespace mbxtool {
namespace {

constexpr int kQuietZone = 2;  // white modules around the symbol, which readers need
constexpr int kRowHeight = 3;  // pixels per symbol row; a module is 1 pixel wide

bool ModuleIsDark(const uint8_t* row, int module) { return (row[module / 8] >> (7 - module % 8) & 1) == 0; }

QImage SymbolImage(const pdf417enc::EncodeState& s) {
    QImage image(s.moduleColumns + 2 * kQuietZone, s.rows * kRowHeight + 2 * kQuietZone, QImage::Format_Grayscale8);
    image.fill(255);
    const int bytesPerRow = (s.moduleColumns + 7) / 8;
    for (int r = 0; r < s.rows; ++r) {
        const uint8_t* row = s.bitmap.data() + r * bytesPerRow;
        for (int y = kQuietZone + r * kRowHeight; y < kQuietZone + (r + 1) * kRowHeight; ++y) {
            uchar* line = image.scanLine(y);
            for (int m = 0; m < s.moduleColumns; ++m)
                if (ModuleIsDark(row, m)) line[kQuietZone + m] = 0;
        }
    }
    return image;
}

int Pdf417(const std::vector<std::string>& args) {
    Argumentos a = Argumentos::Analisar(args, {"--data-file", "-o"}, {});
    if (!a.erro.empty()) return ErroDeUso(a.erro);
    if (a.posicionais.size() != (a.tem("--data-file") ? 0u : 1u))
        return ErroDeUso("pdf417 takes a TEXT or --data-file FILE");
    // Standard output already carries the symbol's figures.
    if (a.tem("-o") && a.valor("-o").empty()) return ErroDeUso("-o needs a file name");
    std::string data;
    if (int r = LerDados(a, data); r != SaidaOk) return r;
    if (data.empty()) return ErroDeUso("there is nothing to encode");
    // The library takes a NUL-terminated text, as the editor passes it.
    if (size_t nul = data.find('\0'); nul != std::string::npos) {
        std::fprintf(stderr, "mbxtool: the data holds a NUL byte at offset %zu, which a PDF417 text cannot contain\n", nul);
        return SaidaFormato;
    }
    pdf417enc::EncodeState s;
    pdf417enc::InitialiseAsExport(s, data.c_str());
    pdf417enc::Encode(s);
    if (s.error) {
        if (data.size() > size_t(pdf417enc::kMaxTextLength))
            std::fprintf(stderr, "mbxtool: the data has %zu bytes; a PDF417 symbol takes at most %d\n", data.size(),
                         pdf417enc::kMaxTextLength);
        else
            std::fprintf(stderr, "mbxtool: the data needs more codewords than a PDF417 symbol holds\n");
        return SaidaFormato;
    }
    const std::string info = "bitmapLength: " + std::to_string(s.bitmapLength) + "\nmoduleColumns: " +
                             std::to_string(s.moduleColumns) + "\nrows: " + std::to_string(s.rows) +
                             "\ndataColumns: " + std::to_string(s.dataColumns) + "\nerrorLevel: " +
                             std::to_string(s.errorLevel) + "\n";
    if (int r = EscreverSaida("", info); r != SaidaOk) return r;
    if (!a.tem("-o")) return SaidaOk;
    return GravarPng(SymbolImage(s), a.valor("-o"), "cannot make the PNG picture", SaidaEscrita);
}

const Registrar r1({"pdf417", "pdf417 (TEXT | --data-file FILE) [-o OUT.png]", false, Pdf417});

}  // namespace
}  // namespace mbxtool
