#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "document/arquivo_layout.h"
#include "document/arquivo_mbx.h"
#include "document/operacoes.h"
#include "pasta_teste.h"

using namespace mobrix;

namespace {

std::string Hex(const std::string& s) {
    std::string h;
    char buf[4];
    for (unsigned char c : s) {
        std::snprintf(buf, sizeof buf, "%02X ", c);
        h += buf;
    }
    return h;
}

// Writes layout files of any version field by field, independently of the
// reader, so that old versions can be produced for the tests.
class Construtor {
public:
    explicit Construtor(char versao) : v_(versao) {
        std::string h = std::string("MobrixEdit 1.0(") + versao + ")";
        h.resize(32, ' ');
        s_ += h;
    }
    Construtor& i16(int v) {
        s_ += static_cast<char>(v & 0xFF);
        s_ += static_cast<char>((v >> 8) & 0xFF);
        return *this;
    }
    Construtor& i32(int64_t v) {
        for (int k = 0; k < 4; ++k) s_ += static_cast<char>((v >> (8 * k)) & 0xFF);
        return *this;
    }
    Construtor& str(const std::string& t) {
        i16(static_cast<int>(t.size()));
        s_ += t;
        return *this;
    }
    Construtor& raw(const std::string& t) {
        s_ += t;
        return *this;
    }
    Construtor& byte(int b) {
        s_ += static_cast<char>(b);
        return *this;
    }
    Construtor& item(const std::string& texto, int tipo = 0) {
        str(texto).str("Arial").i16(10).i16(0).i16(-1).i16(0).i16(0);
        i32(0).i32(64).raw("0001000000").raw("0000100010").byte(3).byte(99);
        if (v_ >= 'd') byte(5).byte(2);
        return byte(tipo);
    }
    Construtor& banda(int altura, const std::vector<std::pair<std::string, int>>& itens,
                      const std::string& comentario = "") {
        i32(0).i32(altura).i32(0);
        if (v_ >= 'e') str(comentario);
        i16(static_cast<int>(itens.size())).i16(1).i32(static_cast<int64_t>(itens.size())).i32(1);
        for (const auto& [t, tipo] : itens) item(t, tipo);
        return *this;
    }
    // The settings rows of this version, with recognisable values.
    Construtor& config() {
        i16(-1).i16(0).i16(-1);
        if (v_ >= 'b') str("HP").i16(-1);
        if (v_ >= 'c') i16(75);
        if (v_ >= 'f') i16(4);
        if (v_ >= 'g') str("oi{ENTER}tchau");
        if (v_ >= 'h') i32(1);
        if (v_ >= 'j') str("\"5\"").str("TOPO");
        if (v_ >= 'l') i32(2);
        if (v_ >= 'n') i16(2).i16(1).i32(2).i32(1).i16(5).i16(3);
        if (v_ >= 'o') i16(-1);
        if (v_ >= 'q') i16(-1);
        if (v_ >= 'r') str("\"7\"");
        return *this;
    }
    const std::string& bytes() const { return s_; }

private:
    char v_;
    std::string s_;
};

std::string Exemplo(char v) {
    Construtor c(v);
    c.i16(2).banda(18, {{"Titulo", 0}, {"logo.bmp", 1}}).banda(-30, {{"NOME", 2}}).config();
    return c.bytes();
}

}  // namespace

TEST(ArquivoMBX, NovoLayoutTem166BytesExatos) {
    Documento d;
    NovoLayout(d);
    GravacaoMBX g = GravarMBX(d);
    ASSERT_TRUE(g.ok);
    std::string esperado =
        "MobrixEdit 1.0(t)" + std::string(15, ' ') +
        std::string("\x01\x00" "\x10\x00\x00\x00" "\x12\x00\x00\x00" "\x00\x00\x00\x00" "\x00\x00"
                    "\x01\x00" "\x01\x00\x01\x00\x00\x00\x01\x00\x00\x00"
                    "\x07\x00" "Texto 1" "\x05\x00" "Arial" "\x0A\x00" "\x00\x00\x00\x00\x00\x00\x00\x00"
                    "\x00\x00\x00\x00" "\x40\x00\x00\x00" "0000000000" "0000100010"
                    "\x00\x63\x00\x01\x00"
                    "\x00\x00\x00\x00\x00\x00" "\x00\x00" "\x00\x00" "\x5C\x00" "\x01\x00" "\x00\x00"
                    "\x00\x00\x00\x00" "\x03\x00\"0\"" "\x03\x00\"0\"" "\x00\x00\x00\x00" "\x00\x00"
                    "\x00\x00" "\x00\x00" "\x00\x00" "\x03\x00\"0\"",
                    134);
    ASSERT_EQ(esperado.size(), 166u);
    EXPECT_EQ(Hex(g.bytes), Hex(esperado));
}

TEST(ArquivoMBX, QuebrasGravadasComDescritor) {
    Documento d;
    NovoLayout(d);
    d.Config.Quebras = {5, 3};
    GravacaoMBX g = GravarMBX(d);
    const std::string esperado("\x02\x00\x01\x00\x02\x00\x00\x00\x01\x00\x00\x00\x05\x00\x03\x00", 16);
    EXPECT_NE(g.bytes.find(esperado), std::string::npos);
}

TEST(ArquivoMBX, VersaoTReescritaIdenticaComTodosOsBytes) {
    Documento d;
    NovoLayout(d);
    std::string todos;
    for (int c = 0; c < 256; ++c) todos += static_cast<char>(c);
    d.banda(1).item(1).Texto = todos;
    d.banda(1).Comentario = todos;
    d.Config.TextoEmail = todos;
    d.banda(1).item(1).Atributos = Texto10(std::string("\x81\x8D\x8F\x90\x9D\xFF\x00zz1", 10));
    GravacaoMBX g1 = GravarMBX(d);
    ASSERT_TRUE(g1.ok);
    LeituraMBX l = LerMBX(g1.bytes);
    ASSERT_EQ(l.estado, LeituraMBX::Estado::Ok) << l.motivo;
    EXPECT_EQ(l.versao, 't');
    GravacaoMBX g2 = GravarMBX(l.layout);
    EXPECT_EQ(g1.bytes, g2.bytes);
    EXPECT_EQ(l.layout.banda(1).item(1).Texto, todos);
}

TEST(ArquivoMBX, TodasAsVersoesComSeusPadroes) {
    for (char v = 'a'; v <= 't'; ++v) {
        SCOPED_TRACE(std::string("versao ") + v);
        LeituraMBX l = LerMBX(Exemplo(v));
        ASSERT_EQ(l.estado, LeituraMBX::Estado::Ok) << l.motivo;
        const Layout& L = l.layout;
        const ConfigRelatorio& c = L.Config;
        ASSERT_EQ(L.NumBandas(), 2);
        EXPECT_EQ(L.banda(2).Altura, -30);
        EXPECT_TRUE(c.Paisagem);
        EXPECT_TRUE(c.Visivel);
        const Item& it = L.banda(1).item(1);
        EXPECT_EQ(it.Texto, "Titulo");
        EXPECT_TRUE(it.Fonte.Italico);
        EXPECT_EQ(it.CorTexto, 3);
        EXPECT_EQ(it.CorLinhas, v >= 'd' ? 5 : 0);
        EXPECT_EQ(it.Espessura, v >= 'd' ? 2 : 1);
        EXPECT_EQ(L.banda(1).item(2).Texto, v <= 'r' ? "\"logo.bmp\"" : "logo.bmp");
        EXPECT_EQ(L.banda(2).item(1).Texto, "NOME");  // only pictures are quoted
        EXPECT_EQ(c.NomeImpressora, v >= 'b' ? "HP" : "");
        EXPECT_EQ(c.QuebraFinal, v >= 'b');
        EXPECT_EQ(c.QualidadeJPG, v >= 'c' ? 75 : 90);
        EXPECT_EQ(c.FormatoEmail, v >= 'f' ? 4 : 1);
        EXPECT_EQ(c.TextoEmail, v >= 'g' ? "oi{ENTER}tchau" : "");
        EXPECT_EQ(c.FimCabecalho, v >= 'h' ? 1 : 0);
        EXPECT_EQ(c.MargemEsquerda, v >= 'j' ? "\"5\"" : "\"0\"");
        EXPECT_EQ(c.MargemSuperior, v >= 'j' ? "TOPO" : "\"0\"");
        EXPECT_EQ(c.InicioRodape, v >= 'l' ? 2 : 0);
        const std::vector<int16_t> quebras = v >= 'n' ? std::vector<int16_t>{5, 3} : std::vector<int16_t>{};
        EXPECT_EQ(c.Quebras, quebras);
        EXPECT_EQ(c.TemCapa, v >= 'o');
        EXPECT_EQ(c.EnviarEmail, v >= 'q');
        EXPECT_EQ(c.MargemInferior, v >= 'r' ? "\"7\"" : "\"0\"");
    }
}

TEST(ArquivoMBX, ComentarioSoADepartirDaVersaoE) {
    Construtor c('e');
    c.i16(1).banda(18, {{"x", 0}}, "antes\xFF" "depois").config();
    LeituraMBX l = LerMBX(c.bytes());
    ASSERT_EQ(l.estado, LeituraMBX::Estado::Ok) << l.motivo;
    EXPECT_EQ(l.layout.banda(1).Comentario, "antes\xFF" "depois");
}

TEST(ArquivoMBX, CabecalhoForaDoPadraoERecusado) {
    for (const char* cab : {"MobrixEdit 1.0(u)", "MobrixEdit 1.0(T)", "MobrixEdit 1.1(t)", "MobrixEdit 1.0 (t)",
                            "mobrixedit 1.0(t)", "MobrixEdit 1.0()", ""}) {
        SCOPED_TRACE(cab);
        std::string h = cab;
        h.resize(32, ' ');
        EXPECT_EQ(LerMBX(h + std::string(200, '\0')).estado, LeituraMBX::Estado::FormatoInvalido);
    }
    EXPECT_EQ(VersaoDoCabecalho("   MobrixEdit 1.0(k)   "), 'k');
}

TEST(ArquivoMBX, TruncadoEmQualquerPontoEErroSemQueda) {
    const std::string inteiro = Exemplo('t');
    for (size_t n = 17; n < inteiro.size(); ++n) {
        LeituraMBX l = LerMBX(inteiro.substr(0, n));
        EXPECT_EQ(l.estado, LeituraMBX::Estado::Erro) << "cortado em " << n;
        EXPECT_FALSE(l.motivo.empty());
    }
}

TEST(ArquivoMBX, ContagensEDescritoresDanificados) {
    auto comBandas = [](int n) { return Construtor('t').i16(n).bytes() + std::string(100, '\0'); };
    EXPECT_EQ(LerMBX(comBandas(0)).estado, LeituraMBX::Estado::Erro);
    EXPECT_EQ(LerMBX(comBandas(-5)).estado, LeituraMBX::Estado::Erro);
    EXPECT_EQ(LerMBX(comBandas(32767)).estado, LeituraMBX::Estado::Erro);

    auto banda = [](int numItens, int dims, int64_t elementos, int64_t limite) {
        Construtor c('t');
        c.i16(1).i32(0).i32(18).i32(0).str("").i16(numItens).i16(dims);
        if (dims > 0) c.i32(elementos).i32(limite);
        c.item("x");
        c.config();
        return LerMBX(c.bytes());
    };
    EXPECT_EQ(banda(1, 1, 1, 1).estado, LeituraMBX::Estado::Ok);
    EXPECT_EQ(banda(1, 2, 1, 1).estado, LeituraMBX::Estado::Erro);
    EXPECT_EQ(banda(1, 1, 1, 0).estado, LeituraMBX::Estado::Erro);
    EXPECT_EQ(banda(1, 1, 2, 1).estado, LeituraMBX::Estado::Erro);
    EXPECT_EQ(banda(0, 0, 0, 0).estado, LeituraMBX::Estado::Erro);
    EXPECT_EQ(banda(-1, 1, -1, 1).estado, LeituraMBX::Estado::Erro);
    EXPECT_EQ(banda(30000, 1, 30000, 1).estado, LeituraMBX::Estado::Erro);

    Construtor longo('t');
    longo.i16(1).i32(0).i32(18).i32(0).i16(60000).raw(std::string(100, 'a'));
    LeituraMBX l = LerMBX(longo.bytes());
    EXPECT_EQ(l.estado, LeituraMBX::Estado::Erro);
    EXPECT_NE(l.motivo.find("mais longo"), std::string::npos);
}

TEST(ArquivoMBX, QuebrasDanificadas) {
    Construtor c('t');
    c.i16(1).banda(18, {{"x", 0}});
    c.i16(0).i16(0).i16(0).str("").i16(0).i16(92).i16(1).str("").i32(0).str("").str("").i32(0);
    std::string base = c.bytes();
    auto fim = Construtor('t').i16(0).i16(0).str("").bytes().substr(32);
    auto com = [&](const std::string& quebras) { return LerMBX(base + quebras + fim).estado; };
    EXPECT_EQ(com(Construtor('t').i16(0).i16(0).bytes().substr(32)), LeituraMBX::Estado::Ok);
    EXPECT_EQ(com(Construtor('t').i16(1).i16(0).bytes().substr(32)), LeituraMBX::Estado::Erro);
    EXPECT_EQ(com(Construtor('t').i16(-1).i16(1).i32(-1).i32(1).bytes().substr(32)), LeituraMBX::Estado::Erro);
    EXPECT_EQ(com(Construtor('t').i16(2).i16(1).i32(3).i32(1).i16(1).i16(2).i16(3).bytes().substr(32)),
              LeituraMBX::Estado::Erro);
}

TEST(ArquivoMBX, MarcasForaDasBandasNaoMarcamNada) {
    using Marcas = std::pair<int32_t, int32_t>;
    auto ler = [](int64_t fimCabecalho, int64_t inicioRodape) {
        Construtor c('t');
        c.i16(2).banda(18, {{"a", 0}}).banda(18, {{"b", 0}});
        c.i16(0).i16(0).i16(0).str("").i16(0).i16(92).i16(1).str("").i32(fimCabecalho).str("").str("");
        c.i32(inicioRodape).i16(0).i16(0).i16(0).i16(0).str("");
        LeituraMBX l = LerMBX(c.bytes());
        EXPECT_EQ(l.estado, LeituraMBX::Estado::Ok) << l.motivo;
        return Marcas{l.layout.Config.FimCabecalho, l.layout.Config.InicioRodape};
    };
    EXPECT_EQ(ler(2, 1), (Marcas{2, 1}));
    EXPECT_EQ(ler(0, 2), (Marcas{0, 2}));
    EXPECT_EQ(ler(3, -4), (Marcas{0, 0}));
    EXPECT_EQ(ler(INT32_MAX, INT32_MIN), (Marcas{0, 0})) << "a band inserted above would count them past int32";
}

TEST(ArquivoLayout, FalhaDeGravacaoPreservaOArquivoAnterior) {
    namespace fs = std::filesystem;
    const teste::PastaTeste pasta;
    const std::string alvo = pasta / "a.mbx";
    Documento d;
    NovoLayout(d);
    ASSERT_TRUE(SalvarLayout(alvo, d).ok);
    const auto tamanho = fs::file_size(alvo);

    d.banda(1).item(1).Texto = std::string(70000, 'x');  // cannot be stored
    GravacaoLayout g = SalvarLayout(alvo, d);
    EXPECT_FALSE(g.ok);
    EXPECT_NE(g.mensagem.find("Ocorreu um erro ao gravar o arquivo '" + alvo + "!"), std::string::npos);
    EXPECT_EQ(fs::file_size(alvo), tamanho);

    GravacaoLayout semPasta = SalvarLayout(pasta / "nao/existe.mbx", d);
    EXPECT_FALSE(semPasta.ok);

    AberturaLayout a = AbrirLayout(alvo);
    EXPECT_TRUE(a.ok());
    AberturaLayout faltando = AbrirLayout(pasta / "x.mbx");
    EXPECT_FALSE(faltando.ok());
    EXPECT_EQ(faltando.mensagem.rfind("Ocorreu um erro ao abrir o arquivo '", 0), 0u);
}

TEST(ArquivoLayout, SoArquivosComunsSaoLidos) {
    const teste::PastaTeste pasta;
    const std::string pipe = pasta / "pipe.mbx";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string& p : {pipe, std::string("/dev/zero"), pasta.caminho()}) {
        const AberturaLayout a = AbrirLayout(p);  // returns at once, nothing blocks
        EXPECT_EQ(a.estado, LeituraMBX::Estado::Erro) << p;
        EXPECT_EQ(a.mensagem.rfind("Ocorreu um erro ao abrir o arquivo '" + p + "!\r\r", 0), 0u) << p;
    }
}

TEST(ArquivoLayout, GravarPorUmLinkAtualizaOArquivoDoLink) {
    namespace fs = std::filesystem;
    const teste::PastaTeste pasta;
    fs::create_directory(pasta / "real");
    Documento d;
    NovoLayout(d);
    ASSERT_TRUE(SalvarLayout(pasta / "real/r.mbx", d).ok);
    fs::create_symlink("real/r.mbx", pasta / "link.mbx");

    AddBanda(d, 0, false, 0, 0);
    ASSERT_TRUE(SalvarLayout(pasta / "link.mbx", d).ok);
    EXPECT_TRUE(fs::is_symlink(pasta / "link.mbx")) << "the link is not replaced by a copy";
    const AberturaLayout real = AbrirLayout(pasta / "real/r.mbx");
    ASSERT_TRUE(real.ok());
    EXPECT_EQ(real.layout.NumBandas(), 2);
}

TEST(ArquivoLayout, MensagemDeFormatoInvalido) {
    const teste::PastaTeste pasta;
    const std::string p = pasta / "formato.mbx";
    teste::GravarTudo(p, "Outro programa qualquer");
    AberturaLayout a = AbrirLayout(p);
    EXPECT_EQ(a.estado, LeituraMBX::Estado::FormatoInvalido);
    EXPECT_EQ(a.mensagem, "Formato inválido!\r\rO arquivo '" + p +
                              "' não foi salvo pelo MobrixEdit 2.0.0.1.\r\rProvavelmente foi salvo por uma "
                              "versão mais recente, tente fazer a atualização.");
}
