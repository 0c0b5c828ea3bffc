#include "document/ui/dialogos_qt.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "document/identidade.h"
#include "document/ui/texto_qt.h"

namespace mobrix {
namespace {

QMessageBox::Icon IconeQt(Icone icone) {
    switch (icone) {
        case Icone::Informacao: return QMessageBox::Information;
        case Icone::Aviso:
        case Icone::Exclamacao: return QMessageBox::Warning;
        case Icone::Erro: return QMessageBox::Critical;
        case Icone::Pergunta: return QMessageBox::Question;
        case Icone::Nenhum: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons BotoesQt(Botoes botoes) {
    switch (botoes) {
        case Botoes::SimNao: return QMessageBox::Yes | QMessageBox::No;
        case Botoes::SimNaoCancelar: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case Botoes::OkCancelar: return QMessageBox::Ok | QMessageBox::Cancel;
        case Botoes::Ok: break;
    }
    return QMessageBox::Ok;
}

// The program speaks Portuguese whatever translations Qt has installed.
void TraduzirBotoes(QMessageBox& caixa) {
    const std::pair<QMessageBox::StandardButton, const char*> textos[] = {
        {QMessageBox::Yes, "&Sim"}, {QMessageBox::No, "&Não"}, {QMessageBox::Cancel, "Cancelar"}, {QMessageBox::Ok, "OK"}};
    for (const auto& [botao, texto] : textos)
        if (QAbstractButton* b = caixa.button(botao)) b->setText(QString::fromUtf8(texto));
}

Resposta RespostaDe(int botao, Botoes botoes) {
    switch (botao) {
        case QMessageBox::Yes: return Resposta::Sim;
        case QMessageBox::No: return Resposta::Nao;
        case QMessageBox::Ok: return Resposta::Ok;
        case QMessageBox::Cancel: return Resposta::Cancelar;
        default: break;
    }
    // Closed without a button: what Escape means for these buttons.
    if (botoes == Botoes::SimNao) return Resposta::Nao;
    return botoes == Botoes::Ok ? Resposta::Ok : Resposta::Cancelar;
}

QStringList FiltrosQt(const std::vector<FiltroArquivo>& filtros) {
    QStringList lista;
    for (const FiltroArquivo& f : filtros) lista << FiltroQt(f);
    return lista;
}

// The arrow comes back while a dialog waits for the user, even inside a
// busy stretch.
class CursorNormal {
public:
    explicit CursorNormal(bool ocupado) : ativo_(ocupado) {
        if (ativo_) QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~CursorNormal() {
        if (ativo_) QApplication::restoreOverrideCursor();
    }
    CursorNormal(const CursorNormal&) = delete;
    CursorNormal& operator=(const CursorNormal&) = delete;

private:
    bool ativo_;
};

}  // namespace

QString FiltroQt(const FiltroArquivo& filtro) {
    QString nome = DeUtf8(filtro.descricao).trimmed();
    // "Mobrix Layout (*.mbx)": the description already names the patterns;
    // Qt reads them from the last parentheses, so they are rebuilt from the
    // pattern list in its own form.
    if (nome.endsWith(')')) {
        const qsizetype abre = nome.lastIndexOf('(');
        if (abre >= 0) nome = nome.left(abre).trimmed();
    }
    QStringList padroes = DeUtf8(filtro.padroes).split(';', Qt::SkipEmptyParts);
    for (QString& p : padroes) p = p.trimmed();
    return nome + " (" + padroes.join(' ') + ")";
}

QString SufixoPadrao(const std::vector<FiltroArquivo>& filtros) {
    if (filtros.empty()) return {};
    const QString primeiro = DeUtf8(filtros.front().padroes).section(';', 0, 0).trimmed();
    if (!primeiro.startsWith("*.")) return {};
    const QString sufixo = primeiro.mid(2);
    return sufixo.contains('*') || sufixo.contains('?') ? QString() : sufixo;
}

QString ProblemaDestino(const QString& caminho) {
    const QFileInfo info(caminho);
    if (!info.dir().exists()) return QString::fromUtf8("A pasta '%1' não existe!").arg(info.dir().path());
    if (info.exists() && (!info.isFile() || !info.isWritable()))
        return QString::fromUtf8("O arquivo '%1' é somente para leitura!").arg(caminho);
    return {};
}

Resposta DialogosQt::Mensagem(const std::string& texto, Icone icone, Botoes botoes, const std::string& titulo) {
    CursorNormal cursor(ocupado_ > 0);
    QMessageBox caixa(IconeQt(icone), DeUtf8(titulo), MensagemParaQt(texto), BotoesQt(botoes), pai_);
    TraduzirBotoes(caixa);
    // The first button is the default, as the message boxes of the program
    // always were.
    caixa.setDefaultButton(botoes == Botoes::SimNao || botoes == Botoes::SimNaoCancelar ? QMessageBox::Yes
                                                                                         : QMessageBox::Ok);
    return RespostaDe(caixa.exec(), botoes);
}

std::optional<std::string> DialogosQt::Entrada(const std::string& prompt, const std::string& titulo,
                                               const std::string& padrao) {
    CursorNormal cursor(ocupado_ > 0);
    QInputDialog dialogo(pai_);
    dialogo.setWindowTitle(DeUtf8(titulo));
    dialogo.setLabelText(MensagemParaQt(prompt));
    dialogo.setTextValue(DeUtf8(padrao));
    dialogo.setOkButtonText("OK");
    dialogo.setCancelButtonText("Cancelar");
    if (dialogo.exec() != QDialog::Accepted) return std::nullopt;
    return ParaUtf8(dialogo.textValue());
}

std::optional<std::string> DialogosQt::AbrirArquivo(const std::string& titulo, const std::vector<FiltroArquivo>& filtros,
                                                    const std::string& pastaInicial) {
    CursorNormal cursor(ocupado_ > 0);
    QFileDialog dialogo(pai_, DeUtf8(titulo), DeUtf8(pastaInicial));
    dialogo.setAcceptMode(QFileDialog::AcceptOpen);
    dialogo.setFileMode(QFileDialog::ExistingFile);
    dialogo.setNameFilters(FiltrosQt(filtros));
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return std::nullopt;
    return ParaUtf8(dialogo.selectedFiles().front());
}

std::optional<std::string> DialogosQt::SalvarArquivo(const std::string& titulo, const std::vector<FiltroArquivo>& filtros,
                                                     const std::string& nomeInicial) {
    CursorNormal cursor(ocupado_ > 0);
    QFileDialog dialogo(pai_, DeUtf8(titulo));
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setFileMode(QFileDialog::AnyFile);
    dialogo.setNameFilters(FiltrosQt(filtros));
    // The suffix is added before the dialog checks for an existing file, so
    // the overwrite question is asked for the name that will be written.
    dialogo.setDefaultSuffix(SufixoPadrao(filtros));
    if (!nomeInicial.empty()) dialogo.selectFile(DeUtf8(nomeInicial));
    for (;;) {
        if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return std::nullopt;
        const QString escolhido = dialogo.selectedFiles().front();
        const QString problema = ProblemaDestino(escolhido);
        if (problema.isEmpty()) return ParaUtf8(escolhido);
        QMessageBox::warning(pai_, DeUtf8(titulo), problema);
    }
}

std::optional<FonteItem> DialogosQt::EscolherFonte(const FonteItem& inicial, double& tamanhoEscolhido) {
    CursorNormal cursor(ocupado_ > 0);
    QFont fonte(DeCp1252(inicial.Nome));
    if (inicial.Tamanho > 0) fonte.setPointSize(inicial.Tamanho);
    fonte.setBold(inicial.Negrito);
    fonte.setItalic(inicial.Italico);
    fonte.setUnderline(inicial.Sublinhado);
    fonte.setStrikeOut(inicial.Riscado);
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, fonte, pai_, "Fonte");
    if (!ok) return std::nullopt;
    tamanhoEscolhido = f.pointSizeF() > 0 ? f.pointSizeF() : f.pixelSize() * 0.75;
    FonteItem r;
    r.Nome = ParaCp1252(f.family());
    r.Tamanho = static_cast<int16_t>(std::clamp(std::lround(tamanhoEscolhido), 0L, 32767L));
    r.Negrito = f.bold();
    r.Italico = f.italic();
    r.Sublinhado = f.underline();
    r.Riscado = f.strikeOut();
    return r;
}

std::optional<uint32_t> DialogosQt::EscolherCor(uint32_t inicial) {
    CursorNormal cursor(ocupado_ > 0);
    const QColor cor = QColorDialog::getColor(QColor::fromRgb(inicial & 0xFFFFFFu), pai_, "Cor");
    if (!cor.isValid()) return std::nullopt;
    return static_cast<uint32_t>(cor.rgb() & 0xFFFFFFu);
}

void DialogosQt::CursorOcupado(bool ocupado) {
    if (ocupado) {
        ++ocupado_;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (ocupado_ > 0) {
        --ocupado_;
        QApplication::restoreOverrideCursor();
    }
}

void DialogosQt::Bipe() { QApplication::beep(); }

}  // namespace mobrix
