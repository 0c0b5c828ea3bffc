// The Qt adapters of the dialogs, settings and clipboard ports.
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>
#include <QSettings>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "document/identidade.h"
#include "document/ui/area_transferencia_qt.h"
#include "document/ui/configuracoes_qt.h"
#include "document/ui/dialogos_qt.h"
#include "pasta_teste.h"

namespace mobrix::teste {
namespace {

// Answers the next modal dialog with the button whose text is `botao`, and
// records what the dialog showed.
struct Respondedor {
    QString texto, titulo;
    QStringList botoes;
    QMessageBox::Icon icone = QMessageBox::NoIcon;

    explicit Respondedor(const QString& botao) {
        QTimer::singleShot(0, [this, botao] {
            auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!caixa) return;
            texto = caixa->text();
            titulo = caixa->windowTitle();
            icone = caixa->icon();
            for (QAbstractButton* b : caixa->buttons()) {
                botoes << b->text();
                if (b->text() == botao) b->click();
            }
        });
    }
};

TEST(DialogosQt, MensagemComLinhasSeparadasPorCREBotoesEmPortugues) {
    DialogosQt d;
    Respondedor r(QString::fromUtf8("&Não"));
    EXPECT_EQ(d.Mensagem("Este é o último item da banda!\r\rVocê deseja remover?", Icone::Pergunta, Botoes::SimNao,
                         TituloAplicacao),
              Resposta::Nao);
    EXPECT_EQ(r.texto, QString::fromUtf8("Este é o último item da banda!\n\nVocê deseja remover?"));
    EXPECT_EQ(r.titulo, TituloAplicacao);
    EXPECT_EQ(r.icone, QMessageBox::Question);
    EXPECT_TRUE(r.botoes.contains("&Sim"));

    Respondedor r2("Cancelar");
    EXPECT_EQ(d.Mensagem("Linha 1\r\nLinha 2", Icone::Aviso, Botoes::SimNaoCancelar, "Sair"), Resposta::Cancelar);
    EXPECT_EQ(r2.texto, "Linha 1\nLinha 2");
    EXPECT_EQ(r2.icone, QMessageBox::Warning);
}

TEST(DialogosQt, FiltrosEDestinoDoSalvar) {
    EXPECT_EQ(FiltroQt({"Mobrix Layout (*.mbx)", "*.mbx"}), "Mobrix Layout (*.mbx)");
    EXPECT_EQ(FiltroQt({"Todas as Figuras (*.bmp;*.ico)", "*.bmp;*.ico"}), "Todas as Figuras (*.bmp *.ico)");
    EXPECT_EQ(SufixoPadrao({{"Mobrix Layout (*.mbx)", "*.mbx"}}), "mbx");
    EXPECT_EQ(SufixoPadrao({{"Todos", "*.*"}}), "");

    PastaTeste pasta;
    EXPECT_TRUE(ProblemaDestino(QString::fromStdString(pasta / "novo.mbx")).isEmpty());
    EXPECT_FALSE(ProblemaDestino(QString::fromStdString(pasta / "sem pasta/novo.mbx")).isEmpty());
    const std::string somenteLeitura = pasta / "protegido.mbx";
    GravarTudo(somenteLeitura, "x");
    ::chmod(somenteLeitura.c_str(), 0444);
    if (::access(somenteLeitura.c_str(), W_OK) != 0) {  // root writes anyway
        EXPECT_FALSE(ProblemaDestino(QString::fromStdString(somenteLeitura)).isEmpty());
    }
    EXPECT_FALSE(ProblemaDestino(QString::fromStdString(pasta.caminho())).isEmpty()) << "a folder is no file";
}

TEST(ConfiguracoesQt, GuardaTextoNoTopoDoArmazenamentoDoPrograma) {
    QSettings("Korvane", TituloAplicacao).clear();
    ConfiguracoesQt cfg;
    EXPECT_EQ(cfg.Ler("Unidade de Medida"), std::nullopt);
    cfg.Gravar("Unidade de Medida", "7");
    cfg.Gravar("Arquivo recente 1", "/tmp/relatório, final.mbx");
    ConfiguracoesQt outra;
    EXPECT_EQ(outra.Ler("Unidade de Medida"), "7");
    EXPECT_EQ(outra.Ler("Arquivo recente 1"), "/tmp/relatório, final.mbx");
    QSettings direto("Korvane", TituloAplicacao);
    EXPECT_EQ(direto.value("Unidade de Medida").toString(), "7") << "no group of its own";
    direto.setValue("MagicItem", QStringList{"a", "b"});
    direto.setValue("FontSize", QRect(1, 2, 3, 4));
    direto.sync();
    ConfiguracoesQt terceira;
    EXPECT_EQ(terceira.Ler("MagicItem"), "a, b");
    EXPECT_EQ(terceira.Ler("FontSize"), std::nullopt);
}

TEST(AreaTransferenciaQt, TextoSimplesERicoEmWindows1252) {
    AreaTransferenciaQt area;
    area.Limpar();
    EXPECT_FALSE(area.TemTexto());
    area.DefinirTexto("Pre\xE7o");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("Preço"));
    EXPECT_TRUE(area.TemTexto());
    area.DefinirTextoERico("T 0099<a>\r\nQL\r\n");
    const QMimeData* dados = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(dados, nullptr);
    EXPECT_EQ(dados->text(), "T 0099<a>\r\nQL\r\n");
    EXPECT_TRUE(dados->html().contains("T 0099&lt;a&gt;\nQL"));
}

}  // namespace
}  // namespace mobrix::teste
