#include "output/comentario.h"

#include <algorithm>
#include <cstdint>

#include "output/cobol.h"
#include "output/marcadores.h"

namespace mobrix {

PartesComentario DividirComentario(std::string_view comentario) {
    const size_t p = comentario.find(SeparadorComentario);
    if (p == std::string_view::npos) return {std::string(comentario), {}};
    return {std::string(comentario.substr(0, p)), std::string(comentario.substr(p + 1))};
}

std::string JuntarComentario(std::string_view antes, std::string_view depois) {
    std::string s(antes);
    if (!depois.empty()) {
        s += SeparadorComentario;
        s += depois;
    }
    return s;
}

LinhaEColuna LinhaColuna(std::u16string_view texto, int caret) {
    const size_t fim = std::min(texto.size(), static_cast<size_t>(std::max(caret, 0)));
    const std::u16string_view antes = texto.substr(0, fim);
    const auto linhas = std::count(antes.begin(), antes.end(), u'\n');
    const size_t ultimoLf = antes.rfind(u'\n');
    const size_t coluna = ultimoLf == std::u16string_view::npos ? fim + 1 : fim - ultimoLf;
    return {static_cast<int>(linhas) + 1, static_cast<int>(coluna)};
}

std::string TextoLinhaColuna(LinhaEColuna p) {
    return "(" + std::to_string(p.linha) + ", " + std::to_string(p.coluna) + ")";
}

std::string InstrucaoFerramenta(const Linguagem& linguagem, Ferramenta f, bool modoCobol, bool cobolString) {
    const char* comando = f == Ferramenta::QuebraPagina ? "QP" : "01 Digite aqui o Valor!";
    std::string s = Preencher(linguagem.ComandosSimples, {{MarcadorComando, comando}});
    if (!s.ends_with("\r\n")) s += "\r\n";
    if (modoCobol) s = FormatarCobol(s, cobolString);
    return "\r\n" + s;
}

JanelaTwips JanelaComentarioPadrao(int larguraTela, int alturaTela) {
    JanelaTwips j;
    j.esquerda = std::max(0, (larguraTela - j.largura) / 2);
    j.topo = std::max(0, (alturaTela - j.altura) / 2);
    return j;
}

namespace {
// One axis: a size that is not positive or larger than the screen takes the
// default; a window that starts off the screen is centred; an end edge past
// the screen moves the start back, never below 0.
void AjustarEixo(int& inicio, int& tamanho, int padrao, int tela) {
    if (tamanho <= 0 || tamanho > tela) tamanho = padrao;
    if (inicio < 0 || inicio >= tela) inicio = std::max(0, (tela - tamanho) / 2);
    if (int64_t{inicio} + tamanho > tela) inicio = static_cast<int>(std::max<int64_t>(int64_t{tela} - tamanho, 0));
}
}  // namespace

JanelaTwips AjustarJanelaNaTela(JanelaTwips j, int larguraTela, int alturaTela) {
    const JanelaTwips padrao;
    AjustarEixo(j.esquerda, j.largura, padrao.largura, larguraTela);
    AjustarEixo(j.topo, j.altura, padrao.altura, alturaTela);
    return j;
}

}  // namespace mobrix
