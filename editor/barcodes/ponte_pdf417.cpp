#include "barcodes/ponte_pdf417.h"

#include <filesystem>
#include <optional>
#include <vector>

#include "barcodes/codigos_lineares.h"
#include "document/identidade.h"

namespace mobrix {
namespace {

constexpr int32_t TamanhoBuffer = 4192;
constexpr int AlturaLinha = 3;  // pixels per symbol row

void ImagemVazia(Superficie& s) {
    s.Redimensionar(8, 8);
    s.Limpar(Branco);
}

// The library works in the current directory; it runs in the user's
// temporary folder and the caller's directory comes back afterwards.
class NaPastaTemporaria {
public:
    explicit NaPastaTemporaria(const std::string& pasta) {
        std::error_code erro;
        anterior_ = std::filesystem::current_path(erro);
        std::filesystem::current_path(pasta, erro);
    }
    ~NaPastaTemporaria() {
        std::error_code erro;
        if (!anterior_.empty()) std::filesystem::current_path(anterior_, erro);
    }
    NaPastaTemporaria(const NaPastaTemporaria&) = delete;
    NaPastaTemporaria& operator=(const NaPastaTemporaria&) = delete;

private:
    std::filesystem::path anterior_;
};

struct Bitmap {
    int colunas, bytesPorLinha, linhas;
};

// What the library returned, checked against the buffer it was given.
std::optional<Bitmap> BitmapValido(int32_t comprimento, int32_t colunas) {
    if (colunas < 1 || colunas > TamanhoBuffer * 8) return std::nullopt;
    const int bytesPorLinha = (colunas + 7) / 8;
    if (comprimento < bytesPorLinha || comprimento > TamanhoBuffer || comprimento % bytesPorLinha != 0)
        return std::nullopt;
    return Bitmap{colunas, bytesPorLinha, comprimento / bytesPorLinha};
}

// Dark modules are the 0 bits, most significant first; bits past the last
// column are padding.
void Pintar(Superficie& s, const std::vector<unsigned char>& dados, const Bitmap& b, int16_t angulo) {
    const int largura = b.colunas, altura = b.linhas * AlturaLinha;
    for (int linha = 0; linha < b.linhas; ++linha) {
        const unsigned char* bytes = dados.data() + static_cast<size_t>(linha) * b.bytesPorLinha;
        for (int x = 0; x < b.colunas; ++x) {
            if (bytes[x / 8] & (0x80 >> (x % 8))) continue;
            for (int y = linha * AlturaLinha; y < (linha + 1) * AlturaLinha; ++y) {
                int px, py;
                GirarPonto(x, y, largura, altura, angulo, px, py);
                s.Pixel(px, py, Preto);
            }
        }
    }
}

}  // namespace

FuncaoGetPDF417 PontePDF417::Funcao() {
    if (!tentou_) {
        tentou_ = true;
        std::string erro;
        funcao_ = reinterpret_cast<FuncaoGetPDF417>(sistema_.CarregarFuncao("pdf417enc", "GetPDF417", erro));
        if (!funcao_) erro_ = erro.empty() ? "Não foi possível carregar GetPDF417 de libpdf417enc.so." : erro;
    }
    return funcao_;
}

void PontePDF417::DesenharPDF417(Superficie& s, const std::string& texto, int16_t angulo) {
    FuncaoGetPDF417 getPDF417 = texto.empty() ? nullptr : Funcao();
    if (!getPDF417) return ImagemVazia(s);

    std::vector<unsigned char> buffer(TamanhoBuffer, 0xFF);
    int32_t comprimento = 0, colunas = 0, resultado;
    {
        NaPastaTemporaria pasta(sistema_.PastaTemporaria());
        resultado = getPDF417(texto.c_str(), reinterpret_cast<char*>(buffer.data()), &comprimento, &colunas);
    }
    std::optional<Bitmap> bitmap = resultado != 0 ? BitmapValido(comprimento, colunas) : std::nullopt;
    if (!bitmap) return ImagemVazia(s);

    const int largura = bitmap->colunas, altura = bitmap->linhas * AlturaLinha;
    const bool deitado = angulo == 90 || angulo == 270;
    if (!(deitado ? s.Redimensionar(altura, largura) : s.Redimensionar(largura, altura))) return;
    Pintar(s, buffer, *bitmap, angulo);
}

void PontePDF417::InformarErroDeCarga(Dialogos* dialogos) {
    if (erro_.empty() || informado_) return;
    informado_ = true;
    if (dialogos) dialogos->Mensagem(erro_, Icone::Erro, Botoes::Ok, TituloAplicacao);
}

}  // namespace mobrix
