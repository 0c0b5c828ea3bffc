#pragma once
// Windows metafiles (WMF) and enhanced metafiles (EMF), which Qt cannot read:
// WMF drawn by libwmf, EMF converted to SVG by libemf2svg and drawn by Qt.
#include <QImage>
#include <string>

namespace mobrix {

// The metafile drawn at its own size, its larger side at most
// `ladoMaximo`; a null image when the file is no metafile or cannot be read.
QImage LerMetarquivo(const std::string& caminho, int ladoMaximo);

}  // namespace mobrix
