#include "output/estilos_texto.h"

#include "output/texto_sem_caixa.h"

namespace mobrix {
namespace {

struct Tag {
    const char* abrir;
    const char* fechar;
    bool EstiloTexto::*estilo;
};

constexpr Tag Tags[] = {
    {"{n}", "{/n}", &EstiloTexto::Negrito},
    {"{i}", "{/i}", &EstiloTexto::Italico},
    {"{s}", "{/s}", &EstiloTexto::Sublinhado},
    {"{r}", "{/r}", &EstiloTexto::Riscado},
};

// Each line break gets exactly one blank on either side.
std::string IsolarQuebras(std::string_view s) {
    std::string r;
    r.reserve(s.size() + 16);
    for (size_t i = 0; i < s.size();) {
        if (s.substr(i, QuebraDeLinha.size()) != QuebraDeLinha) {
            r += s[i++];
            continue;
        }
        while (!r.empty() && r.back() == ' ') r.pop_back();
        r += ' ';
        r += QuebraDeLinha;
        r += ' ';
        i += QuebraDeLinha.size();
        while (i < s.size() && s[i] == ' ') ++i;
    }
    return r;
}

}  // namespace

std::string PrepararQuebras(std::string_view texto, bool umaLinha) {
    std::string s(texto);
    SubstituirSemCaixa(s, "{e}", QuebraDeLinha);
    if (umaLinha) {
        SubstituirSemCaixa(s, QuebraDeLinha, "");
        return s;
    }
    return IsolarQuebras(s);
}

std::vector<PalavraEstilizada> DividirPalavras(std::string_view texto, bool umaLinha, EstiloTexto inicial) {
    const std::string preparado = PrepararQuebras(texto, umaLinha);
    const std::string_view resto = AparaEspacos(preparado);
    std::vector<PalavraEstilizada> palavras;
    if (resto.empty()) return palavras;
    EstiloTexto estado = inicial;
    for (size_t de = 0;;) {
        size_t fim = resto.find(' ', de);
        PalavraEstilizada p;
        p.texto = std::string(resto.substr(de, fim == std::string_view::npos ? std::string_view::npos : fim - de));
        p.quebra = !umaLinha && p.texto == QuebraDeLinha;
        p.estilo = estado;
        for (const Tag& t : Tags)
            if (SubstituirSemCaixa(p.texto, t.abrir, "")) p.estilo.*t.estilo = true;
        estado = p.estilo;
        for (const Tag& t : Tags)
            if (SubstituirSemCaixa(p.texto, t.fechar, "")) estado.*t.estilo = false;
        palavras.push_back(std::move(p));
        if (fim == std::string_view::npos) break;
        de = fim + 1;
    }
    return palavras;
}

size_t EspacosIniciais(std::string_view texto) {
    size_t n = texto.find_first_not_of(' ');
    return n == std::string_view::npos ? texto.size() : n;
}

}  // namespace mobrix
