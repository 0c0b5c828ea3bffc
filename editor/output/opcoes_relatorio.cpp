#include "output/opcoes_relatorio.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "document/textos.h"
#include "output/formatacao.h"

namespace mobrix {
namespace {

constexpr std::string_view Enter = "{ENTER}";
constexpr int PrimeiraImpressora = 2;  // list index of the first installed printer

bool ConfigRelatorio::*Campo(OpcaoRelatorio o) {
    switch (o) {
        case OpcaoRelatorio::Visivel: return &ConfigRelatorio::Visivel;
        case OpcaoRelatorio::EnviarEmail: return &ConfigRelatorio::EnviarEmail;
        case OpcaoRelatorio::Paisagem: return &ConfigRelatorio::Paisagem;
        case OpcaoRelatorio::Imprimir: return &ConfigRelatorio::Imprimir;
        case OpcaoRelatorio::TemCapa: break;
    }
    return &ConfigRelatorio::TemCapa;
}

// A number as a margin literal holds it: point decimal, no exponent.
std::string Decimal(double v) {
    if (!std::isfinite(v)) return "0";
    char buf[400];
    auto [fim, erro] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
    return erro == std::errc() ? std::string(buf, fim) : "0";
}

}  // namespace

EfeitoOpcao AlternarOpcao(ConfigRelatorio& config, OpcaoRelatorio opcao) {
    bool& ligado = config.*Campo(opcao);
    ligado = !ligado;
    if (opcao == OpcaoRelatorio::Visivel) return {false, false};
    if (opcao == OpcaoRelatorio::Paisagem) return {true, true};
    return {};
}

EfeitoOpcao EscolherFormatoEmail(ConfigRelatorio& config, int16_t formato, int16_t qualidadeSessao) {
    config.FormatoEmail = formato;
    if (formato == 1 || formato == 4)
        config.QualidadeJPG = qualidadeSessao != 0 ? qualidadeSessao : static_cast<int16_t>(formato == 1 ? 92 : 100);
    return {};
}

bool QualidadeJPGHabilitada(const ConfigRelatorio& config) {
    return config.FormatoEmail == 1 || config.FormatoEmail == 4;
}

int16_t LimitarQualidadeJPG(double valor) {
    if (std::isnan(valor)) return 1;
    return static_cast<int16_t>(ArredondarPar(std::clamp(valor, 1.0, 100.0)));
}

EfeitoOpcao ConfirmarQualidadeJPG(ConfigRelatorio& config, int16_t& qualidadeSessao, double valor) {
    qualidadeSessao = config.QualidadeJPG = LimitarQualidadeJPG(valor);
    return {};
}

CamposMargem AbrirMargem(const std::string& expressao) {
    if (ComecaComAspas(expressao)) return {ValorNumerico(RemoverAspas(expressao)), {}};
    return {std::nullopt, expressao};
}

std::string ConfirmarMargem(const CamposMargem& campos) {
    if (!campos.comando.empty()) return campos.comando;
    return "\"" + (campos.milimetros ? Decimal(*campos.milimetros) : std::string("0")) + "\"";
}

std::string TextoEmailParaCaixa(std::string_view armazenado) { return SubstituirTodos(armazenado, Enter, "\r\n"); }

std::string TextoEmailDaCaixa(std::string_view caixa) { return TrocarQuebrasDeLinha(caixa, Enter); }

std::string TextoEmailPadrao() {
    return "Em anexo o or\xE7" "amento solicitado!\r\n"
           "\r\n"
           "Se voc\xEA n\xE3o possui o Adobe Reader\xAE 6.0 ou superior instalado, ser\xE1 necess\xE1rio\r\n"
           "fazer o download no site abaixo:\r\n"
           "\r\n"
           "Vers\xE3o 6.0 (9Mb):\r\n"
           "http://ardownload.adobe.com/pub/adobe/reader/win/6.x/6.0/ptb/AdbeRdr60_ptb_full.exe\r\n"
           "Outras vers\xF5" "es:\r\n"
           "http://www.adobe.com/products/acrobat/readstep2_allversions.html\r\n";
}

SelecaoImpressora AbrirImpressora(const std::string& nome, const std::vector<std::string>& instaladas) {
    if (nome.empty()) return {0, {}};
    if (nome == ImpressoraEscolhidaAoImprimir) return {1, {}};
    return {IndiceDaImpressora(nome, instaladas), nome};
}

int IndiceDaImpressora(const std::string& texto, const std::vector<std::string>& instaladas) {
    for (size_t k = 0; k < instaladas.size(); ++k)
        if (IguaisSemCaixa(instaladas[k], texto)) return PrimeiraImpressora + static_cast<int>(k);
    return -1;
}

std::string ConfirmarImpressora(const SelecaoImpressora& s) {
    if (s.indice == 0) return {};
    if (s.indice == 1) return ImpressoraEscolhidaAoImprimir;
    return s.texto;
}

}  // namespace mobrix
