#include "document/preferencias.h"

#include <charconv>

#include "document/cp1252.h"
#include "document/textos.h"
#include "document/unidades.h"

namespace mobrix {
namespace chave {
std::string ArquivoRecente(int i) { return "Arquivo recente " + std::to_string(i); }
}  // namespace chave

bool LerBooleano(Configuracoes& cfg, const std::string& chave, bool padrao) {
    const std::optional<std::string> v = cfg.Ler(chave);
    if (!v) return padrao;
    const std::string t = MinusculasAscii(AparaBrancos(*v));
    if (t == "true" || t == "-1" || t == "1") return true;
    if (t == "false" || t == "0") return false;
    return padrao;
}

void GravarBooleano(Configuracoes& cfg, const std::string& chave, bool valor) {
    cfg.Gravar(chave, valor ? "true" : "false");
}

int64_t LerInteiro(Configuracoes& cfg, const std::string& chave, int64_t padrao, int64_t minimo, int64_t maximo) {
    const std::optional<std::string> v = cfg.Ler(chave);
    if (!v) return padrao;
    const std::string_view t = AparaBrancos(*v);
    int64_t n = 0;
    const char* fim = t.data() + t.size();
    const auto [p, erro] = std::from_chars(t.data(), fim, n);
    if (erro != std::errc{} || p != fim || t.empty() || n < minimo || n > maximo) return padrao;
    return n;
}

std::string LerTexto(Configuracoes& cfg, const std::string& chave, const std::string& padrao) {
    return cfg.Ler(chave).value_or(padrao);
}

PreferenciasEditor LerPreferencias(Configuracoes& cfg) {
    PreferenciasEditor p;
    p.ExibirResultado = LerBooleano(cfg, chave::ExibirResultado, p.ExibirResultado);
    p.FontesImpressora = LerBooleano(cfg, chave::FontesImpressora, p.FontesImpressora);
    p.MagicItem = LerBooleano(cfg, chave::MagicItem, p.MagicItem);
    p.CobolUsarString = LerBooleano(cfg, chave::CobolUsarString, p.CobolUsarString);
    return p;
}

int16_t LerMedida(Configuracoes& cfg) {
    const int64_t m = LerInteiro(cfg, chave::UnidadeMedida, MedidaPixels, 0, 99);
    return MedidaValida(static_cast<int>(m)) ? static_cast<int16_t>(m) : int16_t{MedidaPixels};
}

FonteItem LerFonteInicial(Configuracoes& cfg) {
    const FonteItem padrao = FonteInicialPadrao();
    FonteItem f;
    f.Nome = Utf8ParaCp1252(AparaBrancos(LerTexto(cfg, chave::FontName)));
    if (f.Nome.empty()) f.Nome = padrao.Nome;
    f.Tamanho = static_cast<int16_t>(LerInteiro(cfg, chave::FontSize, padrao.Tamanho, 1, 99));
    f.Negrito = LerBooleano(cfg, chave::FontBold, padrao.Negrito);
    f.Italico = LerBooleano(cfg, chave::FontItalic, padrao.Italico);
    f.Sublinhado = LerBooleano(cfg, chave::FontUnderline, padrao.Sublinhado);
    f.Riscado = LerBooleano(cfg, chave::FontStrikethrough, padrao.Riscado);
    return f;
}

void GravarPreferencias(Configuracoes& cfg, const PreferenciasEditor& p, int16_t medida, const FonteItem& fonte) {
    GravarBooleano(cfg, chave::ExibirResultado, p.ExibirResultado);
    GravarBooleano(cfg, chave::FontesImpressora, p.FontesImpressora);
    cfg.Gravar(chave::UnidadeMedida, std::to_string(medida));
    GravarBooleano(cfg, chave::MagicItem, p.MagicItem);
    cfg.Gravar(chave::FontName, Cp1252ParaUtf8(fonte.Nome));
    cfg.Gravar(chave::FontSize, std::to_string(fonte.Tamanho));
    GravarBooleano(cfg, chave::FontBold, fonte.Negrito);
    GravarBooleano(cfg, chave::FontItalic, fonte.Italico);
    GravarBooleano(cfg, chave::FontUnderline, fonte.Sublinhado);
    GravarBooleano(cfg, chave::FontStrikethrough, fonte.Riscado);
}

void GravarColocacao(Configuracoes& cfg, const std::string& prefixo, const Colocacao& c) {
    cfg.Gravar(prefixo + ".Width", std::to_string(c.largura));
    cfg.Gravar(prefixo + ".Height", std::to_string(c.altura));
    cfg.Gravar(prefixo + ".Top", std::to_string(c.topo));
    cfg.Gravar(prefixo + ".Left", std::to_string(c.esquerda));
}

}  // namespace mobrix
