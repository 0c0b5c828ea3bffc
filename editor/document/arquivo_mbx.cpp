#include "document/arquivo_mbx.h"

#include "document/binario.h"
#include "document/registros.h"
#include "document/textos.h"

namespace mobrix {
namespace {

constexpr std::string_view kPrefixo = "MobrixEdit 1.0";
constexpr size_t kTamanhoCabecalho = 32;

// Each row after row 4 and the letter of the version that added it.
void LerConfiguracao(LeitorBinario& in, char v, ConfigRelatorio& c) {
    c.Paisagem = in.booleano();
    c.Imprimir = in.booleano();
    c.Visivel = in.booleano();
    if (v >= 'b') {
        c.NomeImpressora = in.str();
        c.QuebraFinal = in.booleano();
    }
    c.QualidadeJPG = v >= 'c' ? in.int16() : int16_t{90};
    if (v >= 'f') c.FormatoEmail = in.int16();
    if (v >= 'g') c.TextoEmail = in.str();
    if (v >= 'h') c.FimCabecalho = in.int32();
    if (v >= 'j') {
        c.MargemEsquerda = in.str();
        c.MargemSuperior = in.str();
    }
    if (v >= 'l') c.InicioRodape = in.int32();
    if (v >= 'n') {
        int16_t numQuebras = in.int16();
        int elementos = LerDescritor(in, "das quebras de página");
        if (!in.ok()) return;
        if (numQuebras < 0 || elementos != numQuebras) {
            in.falhar("O número de quebras de página (" + std::to_string(numQuebras) +
                      ") difere do descritor (" + std::to_string(elementos) + ").");
            return;
        }
        if (static_cast<size_t>(numQuebras) > in.restante() / 2) {
            in.falhar("O arquivo declara mais quebras de página do que contém.");
            return;
        }
        for (int k = 0; k < numQuebras; ++k) c.Quebras.push_back(in.int16());
    }
    if (v >= 'o') c.TemCapa = in.booleano();
    if (v >= 'q') c.EnviarEmail = in.booleano();
    if (v >= 'r') c.MargemInferior = in.str();
}

void GravarConfiguracao(EscritorBinario& out, const ConfigRelatorio& c) {
    out.booleano(c.Paisagem);
    out.booleano(c.Imprimir);
    out.booleano(c.Visivel);
    out.str(c.NomeImpressora);
    out.booleano(c.QuebraFinal);
    out.int16(c.QualidadeJPG);
    out.int16(c.FormatoEmail);
    out.str(c.TextoEmail);
    out.int32(c.FimCabecalho);
    out.str(c.MargemEsquerda);
    out.str(c.MargemSuperior);
    out.int32(c.InicioRodape);
    if (c.Quebras.size() > 32767) out.falhar("Há quebras de página demais para gravar.");
    out.int16(static_cast<int16_t>(c.Quebras.size()));
    GravarDescritor(out, c.Quebras.size());
    for (int16_t q : c.Quebras) out.int16(q);
    out.booleano(c.TemCapa);
    out.booleano(c.EnviarEmail);
    out.str(c.MargemInferior);
}

// The header end and the footer start name bands. Outside 0..NumBandas (only
// a damaged file has that) they mark nothing, on the page or in the command
// text; kept, they would be counted on by every band inserted above them,
// past the end of int32.
void DescartarMarcasSemBanda(Layout& layout) {
    const auto semBanda = [&](int32_t marca) { return marca < 0 || marca > layout.NumBandas(); };
    if (semBanda(layout.Config.FimCabecalho)) layout.Config.FimCabecalho = 0;
    if (semBanda(layout.Config.InicioRodape)) layout.Config.InicioRodape = 0;
}

// Files before (s) stored picture paths bare; the editor keeps them quoted.
void CitarFiguras(Layout& layout) {
    for (Banda& b : layout.Bandas)
        for (Item& it : b.Itens)
            if (it.Tipo == TipoFigura) it.Texto = "\"" + it.Texto + "\"";
}

}  // namespace

char VersaoDoCabecalho(std::string_view cabecalho) {
    std::string_view t = AparaEspacos(cabecalho);
    if (t.size() != kPrefixo.size() + 3 || t.substr(0, kPrefixo.size()) != kPrefixo) return 0;
    char letra = t[kPrefixo.size() + 1];
    if (t[kPrefixo.size()] != '(' || t.back() != ')' || letra < 'a' || letra > 't') return 0;
    return letra;
}

LeituraMBX LerMBX(std::string_view bytes) {
    LeituraMBX r;
    char v = VersaoDoCabecalho(bytes.substr(0, kTamanhoCabecalho));
    if (v == 0) {
        r.estado = LeituraMBX::Estado::FormatoInvalido;
        return r;
    }
    r.versao = v;
    LeitorBinario in(bytes);
    in.fixo(kTamanhoCabecalho);
    int16_t numBandas = in.int16();
    FormaBanda fb = v >= 'e' ? FormaBanda::Atual : FormaBanda::Antiga;
    FormaItem fi = v >= 'd' ? FormaItem::Atual : FormaItem::Antiga;
    r.layout.Bandas = LerBandas(in, numBandas, fb, fi);
    LerConfiguracao(in, v, r.layout.Config);
    if (!in.ok()) {
        r.estado = LeituraMBX::Estado::Erro;
        r.motivo = in.erro();
        r.layout = Layout{};
        return r;
    }
    DescartarMarcasSemBanda(r.layout);
    if (v <= 'r') CitarFiguras(r.layout);
    r.estado = LeituraMBX::Estado::Ok;
    return r;
}

GravacaoMBX GravarMBX(const Layout& layout) {
    EscritorBinario out;
    std::string cabecalho = std::string(kPrefixo) + "(" + VersaoAtual + ")";
    cabecalho.resize(kTamanhoCabecalho, ' ');
    out.fixo(cabecalho);
    GravarBandas(out, layout.Bandas);
    if (out.ok()) GravarConfiguracao(out, layout.Config);
    return Concluir(out);
}

}  // namespace mobrix
