#include "document/ui/metarquivos.h"

#include <emf2svg.h>
#include <libwmf/api.h>
#include <libwmf/gd.h>

#include <QBuffer>
#include <QImageReader>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>

namespace mobrix {
namespace {

// An enhanced metafile is read whole; larger ones are not pictures of a report.
constexpr std::streamsize TamanhoMaximoEmf = 64 * 1024 * 1024;

enum class TipoMetarquivo { Nenhum, Wmf, Emf };

// A placeable WMF starts with its key, a bare one with its type (1 in memory,
// 2 on disk) and a header of 9 words; an EMF with its header record (type 1)
// whose signature " EMF" stands at byte 40.
TipoMetarquivo Tipo(const std::string& caminho) {
    unsigned char b[44] = {};
    std::ifstream arquivo(caminho, std::ios::binary);
    arquivo.read(reinterpret_cast<char*>(b), sizeof b);
    const std::streamsize lidos = arquivo.gcount();
    if (lidos < 4) return TipoMetarquivo::Nenhum;
    const bool colocavel = b[0] == 0xD7 && b[1] == 0xCD && b[2] == 0xC6 && b[3] == 0x9A;
    const bool simples = (b[0] == 1 || b[0] == 2) && b[1] == 0 && b[2] == 9 && b[3] == 0;
    if (colocavel || simples) return TipoMetarquivo::Wmf;
    const bool emf = lidos == sizeof b && b[0] == 1 && b[1] == 0 && b[2] == 0 && b[3] == 0 && b[40] == ' ' &&
                     b[41] == 'E' && b[42] == 'M' && b[43] == 'F';
    return emf ? TipoMetarquivo::Emf : TipoMetarquivo::Nenhum;
}

// The EMF as SVG text, drawn by Qt's SVG reader.
QImage DesenharEmf(const std::string& caminho, int ladoMaximo) {
    std::ifstream arquivo(caminho, std::ios::binary);
    std::string bytes;
    arquivo.seekg(0, std::ios::end);
    const std::streamsize tamanho = arquivo.tellg();
    if (tamanho <= 0 || tamanho > TamanhoMaximoEmf) return {};
    bytes.resize(static_cast<size_t>(tamanho));
    arquivo.seekg(0);
    if (!arquivo.read(bytes.data(), tamanho)) return {};
    generatorOptions opcoes{};
    opcoes.nameSpace = const_cast<char*>("");
    opcoes.svgDelimiter = true;
    opcoes.emfplus = true;
    char* svg = nullptr;
    size_t comprimento = 0;
    const int ok = emf2svg(bytes.data(), bytes.size(), &svg, &comprimento, &opcoes);
    QByteArray dados = ok && svg ? QByteArray(svg, static_cast<qsizetype>(comprimento)) : QByteArray();
    std::free(svg);
    if (dados.isEmpty()) return {};
    QBuffer buffer(&dados);
    QImageReader leitor(&buffer, "svg");
    const QSize natural = leitor.size();
    if (!natural.isValid() || natural.isEmpty()) return {};
    if (std::max(natural.width(), natural.height()) > ladoMaximo)
        leitor.setScaledSize(natural.scaled(ladoMaximo, ladoMaximo, Qt::KeepAspectRatio));
    return leitor.read();
}

class ReprodutorWmf {
public:
    ReprodutorWmf() {
        wmfAPI_Options opcoes{};
        opcoes.function = wmf_gd_function;
        const unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR;
        if (wmf_api_create(&api_, flags, &opcoes) != wmf_E_None) api_ = nullptr;
    }
    ~ReprodutorWmf() {
        if (api_) wmf_api_destroy(api_);
    }
    ReprodutorWmf(const ReprodutorWmf&) = delete;
    ReprodutorWmf& operator=(const ReprodutorWmf&) = delete;

    QImage Desenhar(const std::string& caminho, int ladoMaximo) {
        if (!api_ || wmf_file_open(api_, caminho.c_str()) != wmf_E_None) return {};
        wmfD_Rect caixa;
        unsigned int largura = 0, altura = 0;
        if (wmf_scan(api_, 0, &caixa) != wmf_E_None ||
            wmf_display_size(api_, &largura, &altura, 96, 96) != wmf_E_None || largura == 0 || altura == 0)
            return {};
        const double escala = std::min(1.0, static_cast<double>(ladoMaximo) / std::max(largura, altura));
        wmf_gd_t* gd = WMF_GD_GetData(api_);
        if (!(gd->flags & WMF_GD_SUPPORTS_PNG)) return {};
        // As a PNG in a buffer the library owns: a picture of its own it would
        // leave to the caller, with no way to free it.
        gd->type = wmf_gd_png;
        gd->flags |= WMF_GD_OUTPUT_MEMORY | WMF_GD_OWN_BUFFER;
        gd->bbox = caixa;
        gd->width = std::max(1u, static_cast<unsigned>(std::lround(largura * escala)));
        gd->height = std::max(1u, static_cast<unsigned>(std::lround(altura * escala)));
        if (wmf_play(api_, 0, &caixa) != wmf_E_None || !gd->memory) return {};
        const auto* png = reinterpret_cast<const unsigned char*>(gd->memory);
        return QImage::fromData(png, static_cast<int>(ComprimentoPng(png)), "PNG");
    }

private:
    // The buffer carries no length: a PNG ends with its IEND chunk.
    static size_t ComprimentoPng(const unsigned char* png) {
        static const unsigned char Assinatura[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
        if (!std::equal(Assinatura, Assinatura + 8, png)) return 0;
        size_t pos = 8;
        for (;;) {
            const size_t dados = (size_t{png[pos]} << 24) | (size_t{png[pos + 1]} << 16) |
                                 (size_t{png[pos + 2]} << 8) | png[pos + 3];
            const bool fim = std::equal(png + pos + 4, png + pos + 8, "IEND");
            pos += 12 + dados;
            if (fim) return pos;
        }
    }

    wmfAPI* api_ = nullptr;
};

}  // namespace

QImage LerMetarquivo(const std::string& caminho, int ladoMaximo) {
    if (ladoMaximo < 1) return {};
    switch (Tipo(caminho)) {
        case TipoMetarquivo::Wmf: return ReprodutorWmf().Desenhar(caminho, ladoMaximo);
        case TipoMetarquivo::Emf: return DesenharEmf(caminho, ladoMaximo);
        default: return {};
    }
}

}  // namespace mobrix
