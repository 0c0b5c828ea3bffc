#pragma once
// Windows metafiles (WMF), which Qt cannot read, rendered by libwmf.
#include <QImage>
#include <string>

namespace mobrix {

// The metafile drawn at 96 pixels per inch on white, its larger side at most
// `ladoMaximo`; a null image when the file is not a metafile or cannot be read.
QImage LerMetarquivoWmf(const std::string& caminho, int ladoMaximo);

}  // namespace mobrix
