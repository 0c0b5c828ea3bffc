#pragma once
// The transfer file through which bands and items are copied and pasted
// between layouts and editor windows: a 32-byte mark naming this version of
// the editor, a band count and band records in the layout file's form.
#include <string>
#include <string_view>
#include <vector>

#include "document/binario.h"
#include "document/modelo.h"

namespace mobrix {

inline constexpr const char* NomeArquivoClipboard = "~TMP_MobrixEdit.clp";

// "MobrixEdit (2.0.0.1) clpbrd" CR LF, padded with spaces to 32 bytes: files
// of another version do not match.
std::string MarcaClipboard();

// What Copiar takes from the range SelBandaIni/SelItemIni .. SelBandaFim/
// SelItemFim: whole bands across bands, otherwise one band holding only the
// items of the range. Empty when the range does not fit the layout.
std::vector<Banda> BandasParaCopiar(const Documento& doc);

Gravacao CodificarTransferencia(const std::vector<Banda>& bandas);

// Every count and length is checked: a short, foreign or damaged file gives
// ok = false and no bands.
struct LeituraTransferencia {
    bool ok = false;
    std::vector<Banda> bandas;
};
LeituraTransferencia LerTransferencia(std::string_view bytes);

}  // namespace mobrix
