#include "output/codigo.h"

#include <set>

#include "document/arquivos.h"
#include "document/identidade.h"
#include "document/textos.h"
#include "output/campos_linha.h"
#include "output/cobol.h"
#include "output/comentario.h"
#include "output/formatacao.h"
#include "output/marcadores.h"
#include "output/percurso.h"

namespace mobrix {
namespace {

// The item's value for "§t": literal text, a quoted literal without its
// quotes, or the name of a host-program variable.
Marcador ValorDoItem(const Item& it) {
    const bool temValorProprio = it.Tipo == TipoFigura || EhTipoCodigoBarras(it.Tipo);
    if (it.Tipo == TipoComando || (temValorProprio && !ComecaComAspas(it.Texto)))
        return {MarcadorTexto, it.Texto, true};
    return {MarcadorTexto, temValorProprio ? RemoverAspas(it.Texto) : it.Texto};
}

class CodigoDePrograma : public VisitanteComandos {
public:
    CodigoDePrograma(const Linguagem& l, OpcoesCodigo o, std::string& saida) : l_(l), o_(o), s_(saida) {}

    void Impressora(const std::string& nome) override { Simples("I " + nome); }
    void Margem(const char* codigo, const std::string& expr) override {
        if (ComecaComAspas(expr))
            NumeroRH(codigo, {MarcadorRowHeight, RemoverAspas(expr)});
        else
            NumeroRH(codigo, {MarcadorRowHeight, expr, true});
    }
    void Email(const std::string& codigo) override { Simples(codigo); }
    void TextoEmail(const std::string& texto) override { Simples("ET " + texto, true); }
    void Simples(const char* codigo) override { Simples(std::string(codigo)); }
    void FimConfiguracao() override { s_ += "\r\n"; }

    void InicioBanda(const Banda& b) override {
        const PartesComentario c = DividirComentario(b.Comentario);
        if (!c.antes.empty()) s_ += c.antes + "\r\n";
    }
    void Fonte(const FonteItem& f) override { Adicionar(Preencher(l_.ComandoF, CamposFonte(f)), true); }
    void Moldura(const Item& it) override { Adicionar(Preencher(l_.ComandoL, CamposMoldura(it)), false); }
    void LinhaItem(const Item& it) override {
        if (TextoOuLarguraInsuficiente(it)) return;
        Adicionar(Preencher(l_.ComandoT, CamposLinhaItem(it, ValorDoItem(it))), true);
    }
    void Deslocamento(int32_t d) override { NumeroRH("RT", {MarcadorRowHeight, NumeroDeslocamento(d)}); }
    void AlturaBanda(int32_t a) override { NumeroRH("RH", {MarcadorRowHeight, Numero(a, 5)}); }
    void FimBanda(const Banda& b) override {
        const PartesComentario c = DividirComentario(b.Comentario);
        if (!c.depois.empty()) s_ += c.depois + "\r\n";
        s_ += "\r\n";
    }

private:
    void Simples(const std::string& comando, bool dobrar = false) {
        Adicionar(Preencher(l_.ComandosSimples, {{MarcadorComando, comando}}), dobrar);
    }
    void NumeroRH(const char* codigo, Marcador valor) {
        Adicionar(Preencher(l_.ComandoRH, {{MarcadorComando, codigo}, std::move(valor)}), false);
    }
    void Adicionar(std::string linha, bool dobrar) {
        linha += "\r\n";
        s_ += dobrar && o_.modoCobol ? FormatarCobol(linha, o_.cobolString) : linha;
    }

    const Linguagem& l_;
    OpcoesCodigo o_;
    std::string& s_;
};

}  // namespace

std::string GerarCodigo(const Layout& layout, const Linguagem& linguagem, OpcoesCodigo opcoes) {
    std::string saida;
    if (!linguagem.ComentarioInicial.empty()) {
        std::string c = linguagem.ComentarioInicial + "\r\n";
        saida += opcoes.modoCobol ? FormatarCobol(c, opcoes.cobolString) : c;
    }
    CodigoDePrograma v(linguagem, opcoes, saida);
    PercorrerComandos(layout, v);
    return saida;
}

std::string ComandosUtilizados(const Layout& layout) {
    std::set<std::string> vistos;
    std::string s;
    for (const Banda& b : layout.Bandas)
        for (const Item& it : b.Itens)
            if (it.Tipo == TipoComando && vistos.insert(MinusculasCp1252(it.Texto)).second) s += it.Texto + "\r\n";
    return s;
}

std::string TextoArquivoCpy(const std::string& codigo) { return codigo + "\r\n"; }

std::string PerguntaSubstituirArquivo(const std::string& caminho) {
    return caminho + "\r\rO arquivo acima já existe!\r\rDeseja substituí-lo?";
}

CopiaCodigo GravarCodigo(const std::string& codigo, const std::string& caminho, Dialogos& dialogos) {
    if (ArquivoExiste(caminho) &&
        dialogos.Mensagem(PerguntaSubstituirArquivo(caminho), Icone::Pergunta, Botoes::SimNao, TituloSalvar) !=
            Resposta::Sim)
        return {ResultadoCopia::Recusado, {}};
    const ErroArquivo e = GravarArquivoAtomico(caminho, TextoArquivoCpy(codigo));
    if (!e.ok()) return {ResultadoCopia::ErroGravar, MensagemErroGravar(caminho, e.numero, e.descricao)};
    return {ResultadoCopia::Gravado, {}};
}

namespace {

// The code in a language loaded by name, under the busy pointer.
std::optional<std::string> CodigoNaLinguagem(const Layout& layout, const std::string& nome,
                                             const PastasLinguagem& pastas, bool cobolString, Dialogos& dialogos) {
    Linguagem linguagem;
    bool modoCobol = false;
    if (!LerLinguagem(nome, pastas, linguagem, modoCobol, dialogos)) return std::nullopt;
    dialogos.CursorOcupado(true);
    std::string codigo = GerarCodigo(layout, linguagem, {modoCobol, cobolString});
    dialogos.CursorOcupado(false);
    return codigo;
}

}  // namespace

bool CopiarCodigoComo(const Layout& layout, const std::string& linguagem, const PastasLinguagem& pastas,
                      bool cobolString, AreaTransferencia& area, Dialogos& dialogos) {
    std::optional<std::string> codigo = CodigoNaLinguagem(layout, linguagem, pastas, cobolString, dialogos);
    if (!codigo) return false;
    area.Limpar();
    area.DefinirTexto(*codigo);
    return true;
}

std::optional<CopiaCodigo> SalvarCpy(const Layout& layout, const std::string& caminhoCpy,
                                     const std::string& linguagemCpy, const PastasLinguagem& pastas,
                                     bool cobolString, Dialogos& dialogos) {
    if (linguagemCpy.empty()) return std::nullopt;
    std::optional<std::string> codigo = CodigoNaLinguagem(layout, linguagemCpy, pastas, cobolString, dialogos);
    if (!codigo) return std::nullopt;
    return GravarCodigo(*codigo, caminhoCpy, dialogos);
}

}  // namespace mobrix
