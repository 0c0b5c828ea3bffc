#include "png.h"

#include <QBuffer>
#include <cstdio>

#include "subcomando.h"

namespace mbxtool {

int GravarPng(const QImage& imagem, const std::string& caminho, const char* seFalhar, int codigoFalha) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (imagem.isNull() || !imagem.save(&buffer, "PNG")) {
        std::fprintf(stderr, "mbxtool: %s\n", seFalhar);
        return codigoFalha;
    }
    return EscreverSaida(caminho, png.toStdString());
}

}  // namespace mbxtool
