// File commands, recent files, start-up, settings and exit.
#include <filesystem>

#include "document/arquivo_layout.h"
#include "document/caminhos.h"
#include "document/identidade.h"
#include "document/preferencias.h"
#include "document/recentes.h"
#include "document/registro_tipo.h"
#include "editor_teste.h"

namespace mobrix::teste {
namespace {

namespace fs = std::filesystem;

class Arquivos : public EditorTeste {
protected:
    // A layout file of `bandas` bands on disk.
    std::string Layout(const std::string& nome, int bandas) {
        Documento d;
        NovoLayout(d);
        for (int b = 2; b <= bandas; ++b) AddBanda(d, 0, false, 0, 0);
        const std::string caminho = pasta / nome;
        EXPECT_TRUE(SalvarLayout(caminho, d).ok);
        return caminho;
    }
    void Editar() { ed.BandaAdicionar(); }
};

TEST_F(Arquivos, NovoLayout) {
    Editar();
    ed.DefinirQualidadeSessao(75);
    ed.NovoMBX();
    EXPECT_EQ(vista.titulo, NomeProduto);
    EXPECT_EQ(doc().NumBandas(), 1);
    EXPECT_FALSE(doc().Alterado);
    EXPECT_FALSE(ed.PodeDesfazer());
    EXPECT_EQ(ed.QualidadeSessao(), 0);
    EXPECT_EQ(vista.reinicios, 3);  // construction of the fake, SetUp, here
}

TEST_F(Arquivos, SalvarSemNomeCanceladoNaoGravaNada) {
    Editar();
    dialogos.arquivosSalvar = {std::nullopt};
    ed.ArquivoSalvar();
    ASSERT_EQ(dialogos.pedidosSalvar.size(), 1u);
    EXPECT_EQ(dialogos.pedidosSalvar[0].filtros.size(), 1u);
    EXPECT_EQ(dialogos.pedidosSalvar[0].filtros[0].descricao, "Mobrix Layout (*.mbx)");
    EXPECT_EQ(dialogos.pedidosSalvar[0].filtros[0].padroes, "*.mbx");
    EXPECT_EQ(dialogos.pedidosSalvar[0].inicial, "");
    EXPECT_EQ(doc().NomeArquivo, "");
    EXPECT_TRUE(doc().Alterado);
    EXPECT_TRUE(fs::is_empty(pasta.caminho() + "programa"));
    EXPECT_EQ(std::distance(fs::directory_iterator(pasta.caminho()), fs::directory_iterator()), 3);
}

TEST_F(Arquivos, SalvarComNomeEscolhido) {
    const std::string escolhido = pasta / "novo";
    dialogos.arquivosSalvar = {escolhido};
    ed.ArquivoSalvar();
    const std::string caminho = escolhido + ".mbx";
    EXPECT_EQ(doc().NomeArquivo, caminho);
    EXPECT_EQ(LerTudo(caminho).size(), 166u) << "a new layout";
    EXPECT_EQ(vista.titulo, "MobrixEdit 2.0 - [" + caminho + "]");
    EXPECT_EQ(vista.recentes, (std::vector<std::string>{caminho}));
    EXPECT_EQ(cfg.valores["Arquivo recente 1"], caminho);
    EXPECT_FALSE(doc().Alterado);

    // Save as offers the current name; cancelling keeps it.
    Editar();
    dialogos.arquivosSalvar = {std::nullopt};
    ed.ArquivoSalvarComo();
    EXPECT_EQ(dialogos.pedidosSalvar.back().inicial, caminho);
    EXPECT_EQ(doc().NomeArquivo, caminho);
    EXPECT_TRUE(doc().Alterado);
}

TEST_F(Arquivos, CpyGeradoAntesDoLayoutQuandoHaLinguagem) {
    std::vector<std::string> pedidos;
    ed.ganchos.GerarCpy = [&](const Documento&, const std::string& linguagem, const std::string& cpy) {
        pedidos.push_back(linguagem + "|" + cpy);
    };
    const std::string caminho = pasta / "r.mbx";
    dialogos.arquivosSalvar = {caminho};
    ed.ArquivoSalvar();
    EXPECT_TRUE(pedidos.empty());
    cfg.valores["CPY"] = "COBOL";
    ed.ArquivoSalvar();
    EXPECT_EQ(pedidos, (std::vector<std::string>{"COBOL|" + pasta / "r.cpy"}));
    EXPECT_EQ(NomeCpy("/a/b.c/x"), "/a/b.c/x.cpy");
    EXPECT_EQ(NomeCpy("/a/Rel.MBX"), "/a/Rel.cpy");
}

TEST_F(Arquivos, SalvarComONomeMaisLongoPossivel) {
    const std::string caminho = pasta / (std::string(251, 'n') + ".mbx");
    dialogos.arquivosSalvar = {caminho};
    ed.ArquivoSalvar();
    EXPECT_TRUE(dialogos.mensagens.empty()) << dialogos.Ultima();
    EXPECT_EQ(LerTudo(caminho).size(), 166u);
}

TEST_F(Arquivos, FalhaAoSalvarMantemOArquivoAntigoEAlterado) {
    fs::create_directory(pasta / "protegida");
    const std::string caminho = pasta / "protegida/l.mbx";
    GravarTudo(caminho, "ANTIGO");
    doc().NomeArquivo = caminho;
    Editar();
    if (!pasta.ProtegerContraEscrita(pasta / "protegida")) GTEST_SKIP() << "no way to protect a folder here";
    ed.ArquivoSalvar();
    ASSERT_EQ(dialogos.mensagens.size(), 1u);
    EXPECT_EQ(dialogos.Ultima().rfind("Ocorreu um erro ao gravar o arquivo '" + caminho + "!\r\r", 0), 0u);
    EXPECT_EQ(dialogos.mensagens[0].icone, Icone::Aviso);
    EXPECT_EQ(dialogos.mensagens[0].titulo, TituloAplicacao);
    EXPECT_TRUE(doc().Alterado);
    EXPECT_EQ(doc().NomeArquivo, caminho);
    EXPECT_EQ(LerTudo(caminho), "ANTIGO");
    EXPECT_TRUE(cfg.valores["Arquivo recente 1"].empty());
}

TEST_F(Arquivos, AbrirArquivoBom) {
    const std::string caminho = Layout("tres.mbx", 3);
    Editar();
    ed.DefinirQualidadeSessao(75);
    dialogos.arquivosAbrir = {caminho};
    dialogos.respostas = {Resposta::Nao};
    ed.ArquivoAbrir();
    EXPECT_EQ(dialogos.mensagens[0].texto, "Deseja salvar as alterações?");
    EXPECT_EQ(dialogos.mensagens[0].titulo, "Abrir");
    EXPECT_EQ(dialogos.mensagens[0].botoes, Botoes::SimNaoCancelar);
    EXPECT_EQ(doc().NumBandas(), 3);
    EXPECT_EQ(doc().NomeArquivo, caminho);
    EXPECT_EQ(vista.titulo, "MobrixEdit 2.0 - [" + caminho + "]");
    EXPECT_FALSE(doc().Alterado);
    EXPECT_FALSE(ed.PodeDesfazer());
    EXPECT_EQ(doc().BandaSel, 1);
    EXPECT_EQ(doc().ItemSel, 0);
    EXPECT_EQ(ed.QualidadeSessao(), 0);
    EXPECT_EQ(vista.recentes, (std::vector<std::string>{caminho}));
    EXPECT_EQ(ed.PastaAtual() + "/", pasta.caminho());
}

TEST_F(Arquivos, CabecalhoInvalidoMantemODocumento) {
    std::string bytes = LerTudo(Layout("v.mbx", 2));
    bytes[15] = 'u';
    GravarTudo(pasta / "v.mbx", bytes);
    Montar(4, 1);
    const mobrix::Layout antes = doc();
    EXPECT_FALSE(ed.AbrirMBX(pasta / "v.mbx"));
    ASSERT_EQ(dialogos.mensagens.size(), 1u);
    EXPECT_EQ(dialogos.mensagens[0].titulo, "Impossível Abrir");
    EXPECT_EQ(dialogos.Ultima(), MensagemFormatoInvalido(pasta / "v.mbx"));
    EXPECT_TRUE(static_cast<const mobrix::Layout&>(doc()) == antes);
    EXPECT_EQ(doc().NomeArquivo, "");
}

TEST_F(Arquivos, ArquivoDanificadoMantemODocumento) {
    const std::string anterior = Layout("bom.mbx", 2);
    ASSERT_TRUE(ed.AbrirMBX(anterior));
    Editar();
    const mobrix::Layout antes = doc();
    const std::string bytes = LerTudo(Layout("ruim.mbx", 5));
    GravarTudo(pasta / "ruim.mbx", bytes.substr(0, 200));
    EXPECT_FALSE(ed.AbrirMBX(pasta / "ruim.mbx"));
    ASSERT_EQ(dialogos.mensagens.size(), 1u);
    EXPECT_EQ(dialogos.Ultima().rfind("Ocorreu um erro ao abrir o arquivo '" + pasta / "ruim.mbx" + "!\r\r", 0), 0u);
    EXPECT_EQ(dialogos.mensagens[0].titulo, TituloAplicacao);
    EXPECT_EQ(static_cast<const mobrix::Layout&>(doc()), antes);
    EXPECT_EQ(doc().NomeArquivo, anterior);
    EXPECT_TRUE(doc().Alterado);
    EXPECT_TRUE(ed.PodeDesfazer());
    EXPECT_FALSE(ed.AbrirMBX(pasta / "nao_existe.mbx"));
    EXPECT_EQ(doc().NomeArquivo, anterior);
}

TEST_F(Arquivos, PerguntaAntesDeTrocarODocumento) {
    Editar();
    dialogos.respostas = {Resposta::Cancelar};
    ed.ArquivoNovo();
    EXPECT_EQ(doc().NumBandas(), 2);
    EXPECT_EQ(dialogos.mensagens.back().titulo, "Novo");

    dialogos.respostas = {Resposta::Sim};
    dialogos.arquivosSalvar = {std::nullopt};
    ed.ArquivoNovo();
    EXPECT_EQ(doc().NumBandas(), 2) << "the save was cancelled";

    // Open cancelled in its dialog: the changes are still unsaved.
    dialogos.respostas = {Resposta::Nao};
    dialogos.arquivosAbrir = {std::nullopt};
    ed.ArquivoAbrir();
    EXPECT_TRUE(doc().Alterado);
    EXPECT_EQ(doc().NumBandas(), 2);

    dialogos.respostas = {Resposta::Nao};
    ed.ArquivoNovo();
    EXPECT_EQ(doc().NumBandas(), 1);
    ed.ArquivoNovo();  // nothing changed: no question
    EXPECT_TRUE(dialogos.respostas.empty());
}

// ---- recent files -----------------------------------------------------------

TEST(Recentes, NovoCaminhoVaiParaOTopoSemRepetir) {
    const std::vector<std::string> lista{"/x/A", "/x/B", "/x/C", "/x/D"};
    EXPECT_EQ(InserirRecente(lista, "/x/c"), (std::vector<std::string>{"/x/c", "/x/A", "/x/B", "/x/D"}));
    EXPECT_EQ(InserirRecente(lista, "/x/E"), (std::vector<std::string>{"/x/E", "/x/A", "/x/B", "/x/C"}));
    EXPECT_EQ(NomeNoMenu("/x/y/layout.mbx"), "layout.mbx");
}

TEST_F(Arquivos, RecentesNoEditor) {
    const std::string c = Layout("c.mbx", 1);
    cfg.valores["Arquivo recente 1"] = pasta / "A.mbx";
    cfg.valores["Arquivo recente 2"] = pasta / "B.mbx";
    cfg.valores["Arquivo recente 3"] = pasta / "C.mbx";
    cfg.valores["Arquivo recente 4"] = pasta / "D.mbx";
    ed.Iniciar({});
    EXPECT_EQ(vista.recentes.size(), 4u);
    ed.AbrirMBX(c);
    EXPECT_EQ(vista.recentes, (std::vector<std::string>{c, pasta / "A.mbx", pasta / "B.mbx", pasta / "D.mbx"}));

    // An entry whose file is gone: a message, the list stays.
    ed.AbrirRecente(2);
    EXPECT_EQ(dialogos.Ultima(), pasta / "A.mbx" + "\r\rNão foi possível encontrar o arquivo acima!");
    EXPECT_EQ(dialogos.mensagens.back().icone, Icone::Informacao);
    EXPECT_EQ(vista.recentes.size(), 4u);
    EXPECT_EQ(dialogos.vezesOcupado, 1);
    EXPECT_EQ(dialogos.cursorOcupado, 0);

    Editar();
    dialogos.respostas = {Resposta::Nao};
    ed.AbrirRecente(1);
    EXPECT_EQ(doc().NomeArquivo, c);
    EXPECT_FALSE(doc().Alterado);

    ed.ExcluirRecentes();
    EXPECT_TRUE(vista.recentes.empty());
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(cfg.valores["Arquivo recente " + std::to_string(i)], "");
}

TEST_F(Arquivos, ListaRecenteLidaAteOPrimeiroVazio) {
    cfg.valores["Arquivo recente 1"] = "/a";
    cfg.valores["Arquivo recente 2"] = "";
    cfg.valores["Arquivo recente 3"] = "/c";
    EXPECT_EQ(LerRecentes(cfg), (std::vector<std::string>{"/a"}));
}

// ---- start-up and exit --------------------------------------------------------

class Inicio : public Arquivos {};

TEST_F(Inicio, SemArgumentosRegistraOTipoEAbreUmNovo) {
    std::vector<TipoArquivo> registros;
    ed.ganchos.RegistrarTipoArquivo = [&](const TipoArquivo& r) { registros.push_back(r); };
    ed.Iniciar({});
    ASSERT_EQ(registros.size(), 1u);
    EXPECT_EQ(registros[0].extensao, "mbx");
    EXPECT_EQ(registros[0].descricao, "Layout do Mobrix");
    EXPECT_EQ(registros[0].programa, sistema.PastaPrograma() + "MobrixEdit");
    EXPECT_EQ(registros[0].icone, sistema.PastaPrograma() + "MobrixEdit.png");
    EXPECT_EQ(cfg.valores["Pasta"], sistema.PastaPrograma());
    EXPECT_EQ(vista.titulo, NomeProduto);
    EXPECT_EQ(ed.CodigoBarras().TipoCodigoBarras, TipoEAN13);
}

TEST(RegistroTipo, EntradaDesktopLevaOCaminhoInteiroAoLancador) {
    // Quoted-argument escapes first, then the string escapes of the file;
    // '%' would otherwise start a field code.
    const TipoArquivo t{"mbx", "Layout do Mobrix", R"(/opt/a b/$x"y\z%/MobrixEdit)", R"(/opt/a b/i\.png)"};
    const std::string d = ConteudoEntradaDesktop(t);
    EXPECT_NE(d.find("\nExec=" R"("/opt/a b/\\$x\\"y\\\\z%%/MobrixEdit" %f)" "\n"), std::string::npos) << d;
    EXPECT_NE(d.find("\nIcon=" R"(/opt/a b/i\\.png)" "\n"), std::string::npos) << d;
    EXPECT_NE(d.find("\nMimeType=application/x-mobrix-mbx;\n"), std::string::npos) << d;
}

TEST_F(Inicio, CaminhoEntreAspasAbre) {
    fs::create_directory(pasta / "com espaço");
    const std::string caminho = Layout("com espaço/meu layout.mbx", 2);
    bool registrou = false;
    ed.ganchos.RegistrarTipoArquivo = [&](const TipoArquivo&) { registrou = true; };
    ed.Iniciar({"\"" + pasta / "com espaço/../com espaço/meu layout.mbx\""});
    EXPECT_FALSE(registrou);
    EXPECT_EQ(doc().NumBandas(), 2);
    EXPECT_EQ(doc().NomeArquivo, caminho) << "the long, canonical form";

    ed.Iniciar({pasta / "com espaço/meu", "layout.mbx"});  // split by the shell
    EXPECT_EQ(doc().NomeArquivo, caminho);
    EXPECT_EQ(CaminhoDaLinhaDeComando({"  \"/nao/existe.mbx\" "}), "/nao/existe.mbx");
}

TEST_F(Inicio, ArquivoRuimNaLinhaDeComandoDeixaUmLayoutNovo) {
    Editor outro{Portas()};
    GravarTudo(pasta / "ruim.mbx", "MobrixEdit 1.0(t)                 ");
    const int redesenhos = vista.redesenhos;
    outro.Iniciar({pasta / "ruim.mbx"});
    EXPECT_EQ(dialogos.mensagens.size(), 1u);
    EXPECT_EQ(outro.doc().NumBandas(), 1);
    EXPECT_EQ(outro.doc().NomeArquivo, "");
    EXPECT_EQ(vista.titulo, NomeProduto);
    EXPECT_EQ(vista.redesenhos, redesenhos + 1);
}

TEST_F(Inicio, AUnidadeSobreviveAoReinicio) {
    ed.Iniciar({});
    ed.DefinirMedida(MedidaCentimetros);
    EXPECT_FALSE(doc().Alterado) << "the unit is an editor setting";
    ASSERT_TRUE(ed.Encerrar());
    EXPECT_EQ(cfg.valores["Unidade de Medida"], "7");
    EXPECT_EQ(cfg.valores["MagicItem"], "true");
    EXPECT_EQ(cfg.valores["FontName"], "Arial");

    Editor outro{Portas()};
    outro.Iniciar({});
    EXPECT_EQ(outro.doc().Medida, MedidaCentimetros);
}

TEST_F(Inicio, ConfiguracoesComLixoDaoOPadrao) {
    cfg.valores = {{"Unidade de Medida", "42"},  {"FontSize", "-5"},     {"FontName", "  "},
                   {"FontBold", "talvez"},      {"FontItalic", "-1"},    {"FontUnderline", "True"},
                   {"MagicItem", "0"},          {"Exibir Resultado", "x"}, {"Fontes Impressora", "1"}};
    ed.Iniciar({});
    EXPECT_EQ(doc().Medida, MedidaPixels);
    EXPECT_EQ(doc().FonteInicial.Tamanho, 10);
    EXPECT_EQ(doc().FonteInicial.Nome, "Arial");
    EXPECT_FALSE(doc().FonteInicial.Negrito);
    EXPECT_TRUE(doc().FonteInicial.Italico);
    EXPECT_TRUE(doc().FonteInicial.Sublinhado);
    EXPECT_FALSE(ed.Preferencias().MagicItem);
    EXPECT_TRUE(ed.Preferencias().ExibirResultado);
    EXPECT_TRUE(ed.Preferencias().FontesImpressora);

    cfg.valores = {{"FontSize", "abc"}, {"Unidade de Medida", "6"}, {"FontName", "Lucida Console"}};
    ed.Iniciar({});
    EXPECT_EQ(doc().FonteInicial.Tamanho, 10);
    EXPECT_EQ(doc().Medida, MedidaMilimetros);
    EXPECT_EQ(doc().FonteInicial.Nome, "Lucida Console");
    cfg.valores = {{"FontSize", "99999999999999999999"}, {"Unidade de Medida", "7.5"}};
    ed.Iniciar({});
    EXPECT_EQ(doc().FonteInicial.Tamanho, 10);
    EXPECT_EQ(doc().Medida, MedidaPixels);
}

TEST_F(Inicio, CancelarAoSairMantemAJanela) {
    ed.Iniciar({});
    GravarTudo(ed.ArquivoVisualizacao(), "TX");
    Editar();
    dialogos.respostas = {Resposta::Cancelar};
    EXPECT_FALSE(ed.Encerrar());
    EXPECT_EQ(dialogos.mensagens.back().titulo, "Sair");
    EXPECT_TRUE(doc().Alterado);
    EXPECT_EQ(cfg.valores.count("Unidade de Medida"), 0u) << "nothing is stored";
    EXPECT_TRUE(fs::exists(ed.ArquivoVisualizacao()));

    dialogos.respostas = {Resposta::Sim};
    dialogos.arquivosSalvar = {std::nullopt};
    EXPECT_FALSE(ed.Encerrar()) << "the save did not happen";

    dialogos.respostas = {Resposta::Nao};
    EXPECT_TRUE(ed.Encerrar());
    EXPECT_EQ(ed.ArquivoVisualizacao(), sistema.PastaTemporaria() + "Mobrix.tmp");
    EXPECT_FALSE(fs::exists(ed.ArquivoVisualizacao()));
    EXPECT_EQ(cfg.valores["Unidade de Medida"], "3");
}

}  // namespace
}  // namespace mobrix::teste
