// Subcommands over layout files: new, commands, upgrade, info.
#include <cstdio>
#include <map>

#include "document/arquivo_mbx.h"
#include "document/cp1252.h"
#include "document/operacoes.h"
#include "output/comandos.h"
#include "subcomando.h"

namespace mbxtool {
namespace {

using mobrix::Documento;

int GravarLayoutEm(const std::string& caminho, const mobrix::Layout& layout) {
    mobrix::GravacaoMBX g = mobrix::GravarMBX(layout);
    if (!g.ok) {
        std::fprintf(stderr, "mbxtool: %s\n", g.motivo.c_str());
        return SaidaEscrita;
    }
    return EscreverSaida(caminho, g.bytes);
}

int Novo(const std::vector<std::string>& args) {
    Argumentos a = Argumentos::Analisar(args, {}, {});
    if (!a.erro.empty() || a.posicionais.size() != 1) return ErroDeUso(a.erro);
    Documento doc;
    mobrix::NovoLayout(doc);
    return GravarLayoutEm(a.posicionais[0], doc);
}

int Comandos(const std::vector<std::string>& args) {
    Argumentos a = Argumentos::Analisar(args, {"-o"}, {});
    if (!a.erro.empty() || a.posicionais.size() != 1) return ErroDeUso(a.erro);
    Documento doc;
    if (int r = CarregarLayout(a.posicionais[0], doc); r != SaidaOk) return r;
    PrepararComoEditor(doc);
    return EscreverSaida(a.valor("-o"), mobrix::GerarComandos(doc));
}

int Atualizar(const std::vector<std::string>& args) {
    Argumentos a = Argumentos::Analisar(args, {}, {});
    if (!a.erro.empty() || a.posicionais.size() != 2) return ErroDeUso(a.erro);
    Documento doc;
    if (int r = CarregarLayout(a.posicionais[0], doc); r != SaidaOk) return r;
    return GravarLayoutEm(a.posicionais[1], doc);
}

std::string Json(const std::string& cp1252) {
    std::string s = "\"";
    for (char c : mobrix::Cp1252ParaUtf8(cp1252)) {
        auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            s += '\\';
            s += c;
        } else if (u < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", u);
            s += buf;
        } else {
            s += c;
        }
    }
    return s + "\"";
}

const char* NomeDoTipo(int tipo) {
    switch (tipo) {
        case mobrix::TipoTexto: return "Texto";
        case mobrix::TipoFigura: return "Figura";
        case mobrix::TipoComando: return "Comando";
        case mobrix::TipoBarraGrafico: return "BarraGrafico";
        case mobrix::TipoPDF417: return "PDF417";
        default: return mobrix::EhCodigoLinear(tipo) ? "CodigoBarras" : "Outro";
    }
}

std::string Booleano(bool b) { return b ? "true" : "false"; }

int Info(const std::vector<std::string>& args) {
    Argumentos a = Argumentos::Analisar(args, {}, {});
    if (!a.erro.empty() || a.posicionais.size() != 1) return ErroDeUso(a.erro);
    Documento doc;
    char versao = 0;
    if (int r = CarregarLayout(a.posicionais[0], doc, &versao); r != SaidaOk) return r;
    std::map<std::string, int> porTipo;
    int itens = 0;
    for (const mobrix::Banda& b : doc.Bandas)
        for (const mobrix::Item& it : b.Itens) ++porTipo[NomeDoTipo(it.Tipo)], ++itens;
    const mobrix::ConfigRelatorio& c = doc.Config;
    std::string s = "{\n  \"versao\": \"" + std::string(1, versao) + "\",\n";
    s += "  \"NumBandas\": " + std::to_string(doc.NumBandas()) + ",\n";
    s += "  \"NumItens\": " + std::to_string(itens) + ",\n  \"ItensPorTipo\": {";
    const char* sep = "";
    for (const auto& [tipo, n] : porTipo) {
        s += sep + ("\"" + tipo + "\": ") + std::to_string(n);
        sep = ", ";
    }
    s += "},\n  \"ConfigRelatorio\": {\n";
    s += "    \"Paisagem\": " + Booleano(c.Paisagem) + ",\n";
    s += "    \"Imprimir\": " + Booleano(c.Imprimir) + ",\n";
    s += "    \"Visivel\": " + Booleano(c.Visivel) + ",\n";
    s += "    \"NomeImpressora\": " + Json(c.NomeImpressora) + ",\n";
    s += "    \"QuebraFinal\": " + Booleano(c.QuebraFinal) + ",\n";
    s += "    \"QualidadeJPG\": " + std::to_string(c.QualidadeJPG) + ",\n";
    s += "    \"FormatoEmail\": " + std::to_string(c.FormatoEmail) + ",\n";
    s += "    \"TextoEmail\": " + Json(c.TextoEmail) + ",\n";
    s += "    \"FimCabecalho\": " + std::to_string(c.FimCabecalho) + ",\n";
    s += "    \"MargemEsquerda\": " + Json(c.MargemEsquerda) + ",\n";
    s += "    \"MargemSuperior\": " + Json(c.MargemSuperior) + ",\n";
    s += "    \"InicioRodape\": " + std::to_string(c.InicioRodape) + ",\n";
    s += "    \"Quebras\": [";
    sep = "";
    for (int16_t q : c.Quebras) {
        s += sep + std::to_string(q);
        sep = ", ";
    }
    s += "],\n";
    s += "    \"TemCapa\": " + Booleano(c.TemCapa) + ",\n";
    s += "    \"EnviarEmail\": " + Booleano(c.EnviarEmail) + ",\n";
    s += "    \"MargemInferior\": " + Json(c.MargemInferior) + "\n  }\n}\n";
    return EscreverSaida("", s);
}

const Registrar r1({"new", "new OUT.mbx", false, Novo});
const Registrar r2({"commands", "commands LAYOUT.mbx [-o OUT]", false, Comandos});
const Registrar r3({"upgrade", "upgrade IN.mbx OUT.mbx", false, Atualizar});
const Registrar r4({"info", "info LAYOUT.mbx", false, Info});

}  // namespace
}  // namespace mbxtool
