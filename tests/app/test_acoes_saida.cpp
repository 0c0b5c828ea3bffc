// The output commands of the main window's menus, run on an editor over
// fakes: code on the clipboard and in .cpy files, the report options and
// their dialogs, the band comment, the item style and the barcode dialog.
#include <QCheckBox>
#include <filesystem>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "controls/ui/numero_ctl.h"
#include "dialogo_modal.h"
#include "document/arquivos.h"
#include "acoes_saida_teste.h"
#include "output/codigo.h"
#include "output/comandos.h"
#include "output/pasta_linguagens.h"

using namespace mobrix;
using namespace mobrix::teste;

namespace {

class AcoesSaida : public JanelaTeste {
protected:
    PastasLinguagem Pastas() { return PastasDoSistema(sistema); }

    Linguagem CriarLinguagem(const std::string& nome, bool naPastaDoPrograma = false) {
        Linguagem l;
        l.ComandosSimples = "WRITE '\xA7" "c'";
        l.ComandoRH = "WRITE '\xA7" "c " "\xA7" "rh'";
        const PastasLinguagem p = naPastaDoPrograma ? PastasLinguagem{sistema.PastaPrograma(), ""} : Pastas();
        EXPECT_EQ(SalvarLin(nome, l, p), "");
        return l;
    }
    QAction* Acao(const QString& nome) { return janela.findChild<QAction*>(nome); }
};

}  // namespace

TEST_F(AcoesSaida, CopiarComoUmaEntradaPorLinguagem) {
    const Linguagem basic = CriarLinguagem("Basic");
    CriarLinguagem("Zeta", true);
    AbrirMenu(m.mnuEditar);
    AbrirMenu(m.mnuEditar);  // rebuilt, not doubled
    ASSERT_NE(Acao("mnuEditarCopiarComoTipo1"), nullptr);
    EXPECT_EQ(Acao("mnuEditarCopiarComoTipo1")->text(), "Basic");
    EXPECT_EQ(Acao("mnuEditarCopiarComoTipo2")->text(), "Zeta");
    EXPECT_EQ(Acao("mnuEditarCopiarComoTipo3"), nullptr);
    EXPECT_EQ(m.mnuEditarCopiarComo->actions().size(), 4);

    Acao("mnuEditarCopiarComoTipo1")->trigger();
    EXPECT_EQ(area.texto, GerarCodigo(doc(), basic, {}));
    EXPECT_NE(area.texto.find("WRITE 'RH 00018'\r\nWRITE 'QL'\r\n"), std::string::npos) << area.texto;
    EXPECT_EQ(dialogos.vezesOcupado, 1);
    EXPECT_EQ(dialogos.cursorOcupado, 0);
}

TEST_F(AcoesSaida, ComandosUtilizadosSemLinguagensContinuamAoAlcance) {
    AbrirMenu(m.mnuEditar);
    EXPECT_EQ(Acao("mnuEditarCopiarComoTipo1"), nullptr);
    EXPECT_TRUE(m.mnuEditarCopiarComo->isEnabled());
    AddItem(doc(), 1, false, 0);
    AddItem(doc(), 1, false, 0);
    const char* textos[] = {"SOMA", "soma", "TOTAL"};
    for (int k = 1; k <= 3; ++k) {
        doc().banda(1).item(k).Tipo = TipoComando;
        doc().banda(1).item(k).Texto = textos[k - 1];
    }
    m.mnuEditarCopiarComoComandos->trigger();
    EXPECT_EQ(area.texto, "SOMA\r\nTOTAL\r\n");
    EXPECT_GE(area.limpezas, 1);
}

TEST_F(AcoesSaida, GerarCpyAoSalvar) {
    CriarLinguagem("Basic");
    AbrirMenu(m.mnuConfig);
    EXPECT_TRUE(m.mnuConfigCpyNenhum->isChecked());
    Acao("mnuConfigCpyTipo1")->trigger();
    EXPECT_EQ(cfg.valores["CPY"], "Basic");
    AbrirMenu(m.mnuConfig);
    EXPECT_TRUE(Acao("mnuConfigCpyTipo1")->isChecked());
    EXPECT_FALSE(m.mnuConfigCpyNenhum->isChecked());

    dialogos.arquivosSalvar.push_back(pasta / "vendas.mbx");
    ASSERT_TRUE(ed.SalvarMBX(false));
    EXPECT_EQ(LerTudo(pasta / "vendas.cpy"), GerarCodigo(doc(), LerLin(LerTudo(pasta / "dados/Basic.lin")).value(), {}) + "\r\n");

    // A .cpy that cannot be written is said; the layout is saved all the same.
    std::filesystem::remove(pasta / "vendas.cpy");
    std::filesystem::create_directory(pasta / "vendas.cpy");
    std::filesystem::remove(pasta / "vendas.mbx");
    ASSERT_TRUE(ed.SalvarMBX(false));
    EXPECT_TRUE(ArquivoExiste(pasta / "vendas.mbx"));
    ASSERT_FALSE(dialogos.mensagens.empty());
    EXPECT_EQ(dialogos.mensagens.back().titulo, "Salvar");
    EXPECT_NE(dialogos.Ultima().find("vendas.cpy"), std::string::npos);

    m.mnuConfigCpyNenhum->trigger();
    EXPECT_EQ(cfg.valores["CPY"], "");
}

TEST_F(AcoesSaida, LinguagemDoCpySemArquivoAindaPodeSerDesligada) {
    cfg.valores["CPY"] = "Sumiu";
    AbrirMenu(m.mnuConfig);
    EXPECT_TRUE(m.mnuConfigCpy->isEnabled());
    EXPECT_TRUE(m.mnuConfigCpyNenhum->isChecked());
    cfg.valores["CPY"] = "";
    AbrirMenu(m.mnuConfig);
    EXPECT_FALSE(m.mnuConfigCpy->isEnabled());
}

TEST_F(AcoesSaida, ChavesDoRelatorio) {
    const int comandos = vista.comandos;
    m.mnuConfigVisivel->trigger();
    EXPECT_TRUE(doc().Config.Visivel);
    EXPECT_FALSE(doc().Alterado);  // kept visible is no change to the layout
    EXPECT_GT(vista.comandos, comandos);
    EXPECT_TRUE(m.mnuConfigVisivel->isChecked());

    const int redesenhos = vista.redesenhos;
    m.mnuConfigPaisagem->trigger();
    EXPECT_TRUE(doc().Config.Paisagem);
    EXPECT_EQ(vista.redesenhos, redesenhos + 1);
    EXPECT_FALSE(ed.PodeDesfazer());  // no undo step of its own
    EXPECT_TRUE(doc().Alterado);

    for (QAction* a : {m.mnuConfigImprimir, m.mnuConfigTemCapa, m.mnuConfigEnviarEmail}) a->trigger();
    EXPECT_TRUE(doc().Config.Imprimir && doc().Config.TemCapa && doc().Config.EnviarEmail);
    m.mnuConfigImprimir->trigger();
    EXPECT_FALSE(doc().Config.Imprimir);
    EXPECT_FALSE(m.mnuConfigImprimir->isChecked());

    doc().Alterado = false;
    m.mnuConfigFontesImpressora->trigger();
    EXPECT_TRUE(ed.Preferencias().FontesImpressora);
    EXPECT_FALSE(doc().Alterado);
}

TEST_F(AcoesSaida, QuebraFinalRecusadaComRodape) {
    doc().Config.InicioRodape = 1;
    m.mnuConfigQuebraPagina->trigger();
    EXPECT_FALSE(doc().Config.QuebraFinal);
    EXPECT_FALSE(m.mnuConfigQuebraPagina->isChecked());
    EXPECT_EQ(dialogos.Ultima(), "Não é possível finalizar com quebra de página um relatório com rodapé!");
    EXPECT_EQ(dialogos.mensagens.back().titulo, "Rodapé");

    doc().Config.InicioRodape = 0;
    m.mnuConfigQuebraPagina->trigger();
    EXPECT_TRUE(doc().Config.QuebraFinal);
    doc().Config.InicioRodape = 1;
    m.mnuConfigQuebraPagina->trigger();  // turning it off is always allowed
    EXPECT_FALSE(doc().Config.QuebraFinal);
}

TEST_F(AcoesSaida, FormatoDoEmailEQualidadeDaSessao) {
    m.mnuConfigEmailPDF->trigger();
    EXPECT_EQ(doc().Config.FormatoEmail, 4);
    EXPECT_NE(GerarComandos(doc()).find("EP 100\r\n"), std::string::npos);
    EXPECT_TRUE(m.mnuConfigEmailPDF->isChecked());
    EXPECT_FALSE(m.mnuConfigEmailJPG->isChecked());
    m.mnuConfigEmailJPG->trigger();
    EXPECT_EQ(doc().Config.QualidadeJPG, 92);

    RoteiroModal roteiro([](QDialog* d) {
        NumeroCtl* num = d->findChild<NumeroCtl*>("numQualidade");
        num->SetValue(75);
        d->findChild<QPushButton*>("btnOk")->click();
    });
    m.mnuConfigQualidadeJPG->trigger();
    EXPECT_EQ(roteiro.Aberto(), "frmQualidadeJPG");
    EXPECT_EQ(ed.QualidadeSessao(), 75);
    EXPECT_EQ(doc().Config.QualidadeJPG, 75);
    m.mnuConfigEmailPDF->trigger();
    EXPECT_EQ(doc().Config.QualidadeJPG, 75);

    m.mnuConfigEmailEMF->trigger();
    AbrirMenu(m.mnuConfig);
    EXPECT_FALSE(m.mnuConfigQualidadeJPG->isEnabled());

    ed.NovoMBX();
    m.mnuConfigEmailPDF->trigger();
    EXPECT_EQ(doc().Config.QualidadeJPG, 100);
}

TEST_F(AcoesSaida, DialogosDeMargensImpressoraEEmail) {
    {
        RoteiroModal roteiro([](QDialog* d) {
            d->findChild<NumeroCtl*>("numMargem0")->SetValue(10);
            d->findChild<QLineEdit*>("txtMargem1")->setText("ESQ");
            d->findChild<NumeroCtl*>("numMargem1")->SetValue(QString());
            d->findChild<QPushButton*>("btnOk")->click();
        });
        m.mnuConfigMargens->trigger();
    }
    EXPECT_EQ(doc().Config.MargemSuperior, "\"10\"");
    EXPECT_EQ(doc().Config.MargemEsquerda, "ESQ");
    EXPECT_EQ(doc().Config.MargemInferior, "\"0\"");
    EXPECT_NE(GerarComandos(doc()).find("MS 010\r\nME ESQ\r\n"), std::string::npos);
    EXPECT_TRUE(doc().Alterado);

    doc().Alterado = false;
    {
        RoteiroModal roteiro([](QDialog* d) { d->reject(); });
        m.mnuConfigMargens->trigger();
        EXPECT_EQ(roteiro.Aberto(), "frmMargens");
    }
    EXPECT_FALSE(doc().Alterado);

    {
        RoteiroModal roteiro([](QDialog* d) {
            d->findChild<QListWidget*>("lstImpressoras")->setCurrentRow(1);
            d->findChild<QPushButton*>("btnOk")->click();
        });
        m.mnuConfigNomeImpressora->trigger();
    }
    EXPECT_EQ(doc().Config.NomeImpressora, "<?>");
    EXPECT_TRUE(doc().Alterado);

    {
        RoteiroModal roteiro([](QDialog* d) {
            d->findChild<QPlainTextEdit*>("txtEmail")->setPlainText("Olá\nmundo");
            d->findChild<QPushButton*>("btnOk")->click();
        });
        m.mnuConfigEmailTexto->trigger();
    }
    EXPECT_EQ(doc().Config.TextoEmail, "Ol\xE1{ENTER}mundo");
}

TEST_F(AcoesSaida, ComentarioDaBanda) {
    const int redesenhos = vista.redesenhos;
    {
        RoteiroModal roteiro([](QDialog* d) { d->reject(); });
        m.mnuEditarBandaComentario->trigger();
        EXPECT_EQ(roteiro.Aberto(), "frmComentario");
    }
    EXPECT_EQ(vista.redesenhos, redesenhos);
    {
        RoteiroModal roteiro([](QDialog* d) {
            d->findChild<QPlainTextEdit*>("txtComentario1")->setPlainText("depois");
            d->findChild<QPushButton*>("btnOk")->click();
        });
        m.mnuEditarBandaComentario->trigger();
    }
    EXPECT_EQ(doc().banda(1).Comentario, "\xFF" "depois");
    EXPECT_EQ(vista.redesenhos, redesenhos + 1);
    EXPECT_TRUE(cfg.valores.count("Comentário.Width"));
}

TEST_F(AcoesSaida, EstiloComLinhasLigaACaixaDeTexto) {
    Item& it = Selecionar(1, 1);
    it.Texto = "um{e}dois";
    ASSERT_FALSE(it.Atributos.ligado(6));
    const int validacoes = vista.validacoes;
    RoteiroModal roteiro([](QDialog* d) { d->findChild<QPushButton*>("btnOk")->click(); });
    m.mnuEditarItemEstilo->trigger();
    EXPECT_EQ(roteiro.Aberto(), "frmEstilo");
    EXPECT_EQ(it.Texto, "um{e}dois");
    EXPECT_TRUE(it.Atributos.ligado(6));
    EXPECT_TRUE(ed.PodeDesfazer());
    EXPECT_GT(vista.validacoes, validacoes);
}

TEST_F(AcoesSaida, EstiloEscreveEmTodaAFaixa) {
    AddBanda(doc(), 0, false, 0, 0);
    AddItem(doc(), 2, false, 0);
    Selecionar(1, 1);
    ed.SelecionarFaixa(2, 2);
    ASSERT_TRUE(ed.FaixaVisivel());
    RoteiroModal roteiro([](QDialog* d) {
        d->findChild<QPlainTextEdit*>("txtEstilo")->setPlainText("novo");
        d->findChild<QPushButton*>("btnOk")->click();
    });
    m.mnuEditarItemEstilo->trigger();
    for (const Banda& b : doc().Bandas)
        for (const Item& i : b.Itens) EXPECT_EQ(i.Texto, "novo");
}

TEST_F(AcoesSaida, EstiloDeFiguraAbreAFonte) {
    Item& it = Selecionar(1, 1);
    it.Tipo = TipoFigura;
    const FonteItem antes = it.Fonte;
    // The same font again changes nothing: no redraw, no undo step.
    const int redesenhos = vista.redesenhos;
    dialogos.fontes.push_back({antes, static_cast<double>(antes.Tamanho)});
    m.mnuEditarItemEstilo->trigger();
    EXPECT_EQ(vista.redesenhos, redesenhos);
    EXPECT_FALSE(ed.PodeDesfazer());

    FonteItem escolhida = antes;
    escolhida.Nome = "Courier New";
    dialogos.fontes.push_back({escolhida, 100.0});  // 100 points: the size rule gives 8
    RoteiroModal roteiro([](QDialog* d) { d->accept(); });
    m.mnuEditarItemEstilo->trigger();
    EXPECT_EQ(roteiro.Aberto(), "");
    ASSERT_EQ(dialogos.fontesIniciais.size(), 2u);
    EXPECT_EQ(dialogos.fontesIniciais[1], antes);
    EXPECT_EQ(it.Fonte.Nome, "Courier New");
    EXPECT_EQ(it.Fonte.Tamanho, 8);
}

TEST_F(AcoesSaida, CodigoDeBarrasPeloDialogoEDepoisPeloMenu) {
    AddItem(doc(), 1, false, 0);
    Item& it = Selecionar(1, 1);
    it.Tipo = TipoEAN13;
    it.Texto = "\"123\"";
    it.Atributos.definir(5, true);
    it.Atributos.definir(6, false);
    {
        RoteiroModal roteiro([](QDialog* d) {
            d->findChild<QRadioButton*>("optTipo36")->click();
            d->findChild<QCheckBox*>("chkCaixaTexto")->setChecked(true);
            d->findChild<QPushButton*>("btnOk")->click();
        });
        AlterarCodigoBarras(Contexto());
        EXPECT_EQ(roteiro.Aberto(), "frmCodigoBarras");
    }
    EXPECT_EQ(it.Tipo, TipoCode39);
    EXPECT_EQ(it.Texto, "\"123\"");
    EXPECT_EQ(it.Atributos.str().substr(4, 2), "01");  // band height: positions 5 and 6
    EXPECT_TRUE(it.Atributos.ligado(10));

    {
        RoteiroModal roteiro([](QDialog* d) {
            d->findChild<QRadioButton*>("optTipo60")->click();
            d->findChild<QLineEdit*>("txtTexto")->setText("12.5");
            d->findChild<QPushButton*>("btnOk")->click();
        });
        AlterarCodigoBarras(Contexto());
    }
    EXPECT_EQ(it.Tipo, TipoBarraGrafico);
    EXPECT_EQ(it.Texto, "\"12\"");
    EXPECT_TRUE(it.Atributos.ligado(4));
    EXPECT_EQ(it.Atributos(9), '1');
    EXPECT_EQ(ed.CodigoBarras().TipoCodigoBarras, TipoBarraGrafico);

    // The menu command takes the last choice.
    Selecionar(1, 2);
    ed.MudarTipo(TipoEscolhido::CodigoBarras);
    EXPECT_EQ(doc().banda(1).item(2).Tipo, TipoBarraGrafico);
}

TEST_F(AcoesSaida, CodigoDeBarrasCanceladoNaoMudaOItem) {
    Item& it = Selecionar(1, 1);
    it.Tipo = TipoCode128B;
    it.Texto = "VAR";
    const Item antes = it;
    RoteiroModal roteiro([](QDialog* d) {
        d->findChild<QRadioButton*>("optTipo31")->click();
        d->findChild<QPushButton*>("btnCancelar")->click();
    });
    AlterarCodigoBarras(Contexto());
    EXPECT_EQ(it, antes);
    EXPECT_EQ(ed.CodigoBarras().TipoCodigoBarras, TipoCode128B);
}
