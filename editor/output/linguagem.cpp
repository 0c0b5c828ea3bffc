#include "output/linguagem.h"

#include <array>
#include <initializer_list>

#include "document/binario.h"
#include "document/textos.h"

namespace mobrix {
namespace {

constexpr int32_t VersaoLin = 1;

// The fields in file order.
constexpr std::array<std::string Linguagem::*, 8> CamposNoArquivo = {
    &Linguagem::Variaveis, &Linguagem::ComentarioInicial, &Linguagem::ComandoF,        &Linguagem::ComandoL,
    &Linguagem::ComandoT,  &Linguagem::ComandoRH,         &Linguagem::ComandosSimples, &Linguagem::ChamadaMobrix,
};

// The fields by dialog option.
constexpr std::array<std::string Linguagem::*, NumOpcoesLinguagem> CamposPorOpcao = {
    &Linguagem::Variaveis, &Linguagem::ComandoF,        &Linguagem::ComandoL,      &Linguagem::ComandoT,
    &Linguagem::ComandoRH, &Linguagem::ComandosSimples, &Linguagem::ChamadaMobrix, &Linguagem::ComentarioInicial,
};

constexpr std::array<const char*, NumOpcoesLinguagem> Legendas = {
    "&Definição das variáveis", "Comando F - &Fontes",   "Comando L - &Linhas", "Comando T - &Textos",
    "Comando RH - &Row Height", "Comandos &Simples",     "Chamada do &Mobrix",  "Comentário inicial",
};

int OpcaoValida(int opcao) { return opcao >= 0 && opcao < NumOpcoesLinguagem ? opcao : 0; }

// One "§x = meaning" line per placeholder, joined by CR LF.
std::string Legenda(std::initializer_list<const char*> linhas) {
    std::string s;
    for (const char* l : linhas) {
        if (!s.empty()) s += "\r\n";
        s += '\xA7';
        s += l;
    }
    return s;
}

}  // namespace

Linguagem NovaLin() {
    Linguagem l;
    l.ComentarioInicial = "*** Aqui podem ser inseridos comandos ou coment\xE1rios iniciais ***";
    l.ComandoF = Legenda({"c = Comando", "t = Tamanho 9(2)", "n = Negrito 9(1)", "i = It\xE1lico 9(1)",
                          "s = Sublinhado 9(1)", "r = Riscado 9(1)", "f = Nome da Fonte x(n)"});
    l.ComandoL = Legenda({"c = Comando", "cl = Cor da Linha 9(2)", "cf = Cor do fundo 9(2)",
                          "ei = Esquerda do item 9(5)", "ci = Comprimento do item 9(5)",
                          "ai = Alinhamento do item 9(10)", "el = Espessura da linha 9(2)"});
    l.ComandoT = Legenda({"c = Comando", "cl = Cor do texto 9(2)", "cf = Cor do fundo 9(2)",
                          "ei = Esquerda do item 9(5)", "ci = Comprimento do item 9(5)",
                          "ai = Alinhamento do item 9(10)", "t = Texto x(n)"});
    l.ComandoRH = Legenda({"c = Comando", "rh = Row Height"});
    l.ComandosSimples = Legenda({"c = Comando"});
    return l;
}

bool ModoCobol(std::string_view nomeLinguagem) {
    return ProcurarSemCaixa(nomeLinguagem, "cobol") != std::string_view::npos;
}

std::string& CampoDaOpcao(Linguagem& l, int opcao) { return l.*CamposPorOpcao[OpcaoValida(opcao)]; }

const char* LegendaDaOpcao(int opcao) { return Legendas[OpcaoValida(opcao)]; }

std::optional<Linguagem> LerLin(std::string_view bytes) {
    LeitorBinario r(bytes);
    if (r.int32() != VersaoLin || !r.ok()) return std::nullopt;
    Linguagem l;
    for (auto campo : CamposNoArquivo) l.*campo = r.str();
    if (!r.ok()) return std::nullopt;
    return l;
}

std::optional<std::string> GravarLin(const Linguagem& l) {
    EscritorBinario w;
    w.int32(VersaoLin);
    for (auto campo : CamposNoArquivo) w.str(l.*campo);
    if (!w.ok()) return std::nullopt;
    return w.dados();
}

}  // namespace mobrix
