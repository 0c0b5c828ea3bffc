#include "document/ui/metarquivo_wmf.h"

#include <libwmf/api.h>
#include <libwmf/gd.h>

#include <algorithm>
#include <cmath>
#include <fstream>

namespace mobrix {
namespace {

// A placeable metafile starts with its key; a bare one with its type (1 in
// memory, 2 on disk) and a header of 9 words.
bool PareceMetarquivo(const std::string& caminho) {
    unsigned char b[4] = {};
    std::ifstream arquivo(caminho, std::ios::binary);
    if (!arquivo.read(reinterpret_cast<char*>(b), 4)) return false;
    const bool colocavel = b[0] == 0xD7 && b[1] == 0xCD && b[2] == 0xC6 && b[3] == 0x9A;
    const bool simples = (b[0] == 1 || b[0] == 2) && b[1] == 0 && b[2] == 9 && b[3] == 0;
    return colocavel || simples;
}

class Reprodutor {
public:
    Reprodutor() {
        wmfAPI_Options opcoes{};
        opcoes.function = wmf_gd_function;
        const unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR;
        if (wmf_api_create(&api_, flags, &opcoes) != wmf_E_None) api_ = nullptr;
    }
    ~Reprodutor() {
        if (api_) wmf_api_destroy(api_);
    }
    Reprodutor(const Reprodutor&) = delete;
    Reprodutor& operator=(const Reprodutor&) = delete;

    QImage Desenhar(const std::string& caminho, int ladoMaximo) {
        if (!api_ || wmf_file_open(api_, caminho.c_str()) != wmf_E_None) return {};
        wmfD_Rect caixa;
        unsigned int largura = 0, altura = 0;
        if (wmf_scan(api_, 0, &caixa) != wmf_E_None ||
            wmf_display_size(api_, &largura, &altura, 96, 96) != wmf_E_None || largura == 0 || altura == 0)
            return {};
        const double escala = std::min(1.0, static_cast<double>(ladoMaximo) / std::max(largura, altura));
        wmf_gd_t* gd = WMF_GD_GetData(api_);
        gd->type = wmf_gd_image;
        gd->bbox = caixa;
        gd->width = std::max(1u, static_cast<unsigned>(std::lround(largura * escala)));
        gd->height = std::max(1u, static_cast<unsigned>(std::lround(altura * escala)));
        if (wmf_play(api_, 0, &caixa) != wmf_E_None || !gd->gd_image) return {};
        return Copiar(wmf_gd_image_pixels(gd->gd_image), static_cast<int>(gd->width), static_cast<int>(gd->height));
    }

private:
    // gd true colour: 7 bits of transparency above RGB; transparent is white.
    static QImage Copiar(const int* pixels, int largura, int altura) {
        if (!pixels) return {};
        QImage img(largura, altura, QImage::Format_RGB32);
        if (img.isNull()) return {};
        for (int y = 0; y < altura; ++y) {
            QRgb* linha = reinterpret_cast<QRgb*>(img.scanLine(y));
            for (int x = 0; x < largura; ++x) {
                const auto p = static_cast<unsigned>(pixels[static_cast<size_t>(y) * largura + x]);
                const unsigned transparencia = (p >> 24) & 127;
                linha[x] = transparencia == 127 ? 0xFFFFFFFFu : (0xFF000000u | (p & 0xFFFFFFu));
            }
        }
        return img;
    }

    wmfAPI* api_ = nullptr;
};

}  // namespace

QImage LerMetarquivoWmf(const std::string& caminho, int ladoMaximo) {
    if (ladoMaximo < 1 || !PareceMetarquivo(caminho)) return {};
    return Reprodutor().Desenhar(caminho, ladoMaximo);
}

}  // namespace mobrix
