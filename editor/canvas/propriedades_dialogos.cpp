#include "canvas/propriedades_dialogos.h"

#include <filesystem>

#include "canvas/propriedades.h"
#include "canvas/propriedades_alvos.h"
#include "document/cp1252.h"
#include "document/textos.h"
#include "output/formatacao.h"
#include "output/variaveis.h"

namespace mobrix {

AcaoBotaoFonte AcaoDoBotaoFonte(const Editor& ed) {
    const Documento& d = ed.doc();
    if (ed.FaixaVisivel() || !d.TemItemSelecionado()) return AcaoBotaoFonte::Fonte;
    const int tipo = d.itemSel().Tipo;
    if (tipo == TipoFigura) return AcaoBotaoFonte::Figura;
    if (EhTipoCodigoBarras(tipo)) return AcaoBotaoFonte::CodigoBarras;
    return AcaoBotaoFonte::Fonte;
}

void AlterarFonte(Editor& ed) {
    const Item* mostrado = ItemMostrado(ed);
    if (!mostrado) return;
    const std::optional<FonteItem> fonte = ed.EscolherFonte(mostrado->Fonte);
    if (fonte && AplicarAosAlvos(ed, [&](Item& it) { it.Fonte = *fonte; })) ConcluirEdicao(ed);
}

bool AplicarTextoEstilo(Editor& ed, const std::string& texto) {
    if (!ed.doc().TemItemSelecionado()) return false;
    const Item& item = ed.doc().itemSel();
    const bool ligarCaixa = ProcurarSemCaixa(texto, "{e}") != std::string::npos && !item.Atributos.ligado(6);
    const bool novoTexto = texto != item.Texto;
    const bool mudou = AplicarAosAlvos(ed, [&](Item& it) {
        if (ligarCaixa) it.Atributos.definir(6, true);
        if (novoTexto) it.Texto = texto;
    });
    if (mudou) ConcluirEdicao(ed);
    return mudou;
}

const std::vector<FiltroArquivo>& FiltrosFigura() {
    static const std::vector<FiltroArquivo> filtros = {
        {"Todas as Figuras (*.bmp;*.ico;*.cur;*.rle;*.wmf;*.emf;*.gif;*.jpg)",
         "*.bmp;*.ico;*.cur;*.rle;*.wmf;*.emf;*.gif;*.jpg"},
        {"Bitmap do Windows (*.bmp)", "*.bmp"},
        {"Ícone (*.ico)", "*.ico"},
        {"Cursor (*.cur)", "*.cur"},
        {"Windows RLE (*.rle)", "*.rle"},
        {"Metarquivo do Windows (*.wmf)", "*.wmf"},
        {"Metarquivo avançado do Windows (*.emf)", "*.emf"},
        {"GIF (*.gif)", "*.gif"},
        {"JPEG (*.jpg)", "*.jpg"},
    };
    return filtros;
}

namespace {

// The dialog starts in the folder of the item's current picture, when it has one.
std::string PastaDaFigura(const Editor& ed, const Item& it) {
    if (!ComecaComAspas(it.Texto)) return ed.PastaAtual();
    const std::filesystem::path atual(Cp1252ParaUtf8(RemoverAspas(it.Texto)));
    return atual.has_parent_path() ? atual.parent_path().string() : ed.PastaAtual();
}

}  // namespace

void AbrirFigura(Editor& ed, Dialogos& dialogos) {
    Documento& d = ed.doc();
    if (!d.TemItemSelecionado()) return;
    const std::optional<std::string> caminho =
        dialogos.AbrirArquivo(TituloAbrirFigura, FiltrosFigura(), PastaDaFigura(ed, d.itemSel()));
    if (!caminho || caminho->empty()) return;
    const std::string semForma = SemFormaCp1252(*caminho);
    if (!semForma.empty()) {
        dialogos.Mensagem("O caminho da figura contém caracteres que o layout não pode guardar: " + semForma +
                              "\rRenomeie o arquivo ou a pasta e escolha a figura de novo.",
                          Icone::Informacao, Botoes::Ok, "Figura");
        return;
    }
    const std::string texto = "\"" + Utf8ParaCp1252(*caminho) + "\"";
    if (texto == d.itemSel().Texto) return;
    d.itemSel().Texto = texto;
    ConcluirEdicao(ed);
}

void ConfigurarFontePadrao(Editor& ed) {
    if (std::optional<FonteItem> fonte = ed.EscolherFonte(ed.doc().FonteInicial)) ed.doc().FonteInicial = *fonte;
}

std::optional<std::string> VariavelDoMenu(Dialogos& dialogos, int indice) {
    if (indice >= 0 && indice < static_cast<int>(VariaveisFixas.size()))
        return std::string(VariaveisFixas[static_cast<size_t>(indice)].variavel);
    if (indice != IndiceVariavelUsuario) return std::nullopt;
    const std::optional<std::string> resposta =
        dialogos.Entrada(PerguntaVariavelUsuario, LegendaVariavelUsuario, "");
    if (!resposta) return std::nullopt;
    return VariavelDoUsuario(*resposta);
}

bool ValidarTextoItem(Dialogos& dialogos, std::string_view utf8) {
    const std::string semForma = SemFormaCp1252(utf8);
    if (semForma.empty()) return true;
    dialogos.Mensagem("O texto contém caracteres que o layout não pode guardar: " + semForma +
                          "\rTroque-os ou apague-os para continuar.",
                      Icone::Informacao, Botoes::Ok, "Texto");
    return false;
}

}  // namespace mobrix
