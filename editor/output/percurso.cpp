#include "output/percurso.h"

#include "document/operacoes.h"
#include "output/formatacao.h"

namespace mobrix {
namespace {

void PercorrerConfiguracao(const ConfigRelatorio& c, VisitanteComandos& v) {
    if (!c.NomeImpressora.empty()) v.Impressora(c.NomeImpressora);
    if (!EhMargemPadrao(c.MargemSuperior)) v.Margem("MS", c.MargemSuperior);
    if (!EhMargemPadrao(c.MargemEsquerda)) v.Margem("ME", c.MargemEsquerda);
    if (!EhMargemPadrao(c.MargemInferior)) v.Margem("MI", c.MargemInferior);
    switch (c.FormatoEmail) {
        case 2: v.Email("EE"); break;
        case 3: v.Email("EG"); break;
        case 4: v.Email("EP " + std::to_string(c.QualidadeJPG)); break;
        case 5: v.Email("EW"); break;
        default: v.Email("QJ " + std::to_string(c.QualidadeJPG)); break;
    }
    if (!c.TextoEmail.empty()) v.TextoEmail(c.TextoEmail);
    if (c.Paisagem) v.Simples("IP");
    if (c.Imprimir) v.Simples("IR");
    if (c.Visivel) v.Simples("SV");
    if (c.TemCapa) v.Simples("TC");
    if (c.EnviarEmail) v.Simples("E ");
    v.FimConfiguracao();
}

}  // namespace

void PercorrerComandos(const Layout& layout, VisitanteComandos& v) {
    const ConfigRelatorio& c = layout.Config;
    PercorrerConfiguracao(c, v);
    // The running font starts empty and is carried across bands.
    FonteItem fonteAtual;
    const std::vector<bool> quebras = BandasComQuebra(c, layout.NumBandas());
    for (int b = 1; b <= layout.NumBandas(); ++b) {
        const Banda& banda = layout.banda(b);
        v.InicioBanda(banda);
        if (quebras[static_cast<size_t>(b)]) v.Simples("QP");
        for (const Item& it : banda.Itens) {
            if (!(it.Fonte == fonteAtual)) {
                v.Fonte(it.Fonte);
                fonteAtual = it.Fonte;
            }
            if (TemMoldura(it)) v.Moldura(it);
            v.LinhaItem(it);
        }
        if (b > 1 && banda.Deslocamento != 0) v.Deslocamento(banda.Deslocamento);
        v.AlturaBanda(banda.Altura < 1 ? 0 : banda.Altura);
        if (b == c.FimCabecalho)
            v.Simples("FC");
        else if (b == c.InicioRodape)
            v.Simples("RO");
        else
            v.Simples("QL");
        v.FimBanda(banda);
    }
    if (c.QuebraFinal) v.Simples("QP");
}

}  // namespace mobrix
