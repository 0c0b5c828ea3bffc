#include "canvas/ui/frm_estilo.h"

#include <QHBoxLayout>
#include <QTextCursor>
#include <QVBoxLayout>

#include "controls/ui/dialogo_padrao.h"
#include "document/ui/texto_qt.h"
#include "output/dialogo_estilo.h"
#include "output/ui/caixa_texto.h"

namespace mobrix {
namespace {

struct BotaoEstilo {
    const char* texto;
    const char* dica;
};
constexpr BotaoEstilo BotoesEstilo[] = {{"&N", "Negrito"}, {"&I", "Itálico"}, {"&S", "Sublinhado"}, {"&R", "Riscado"}};

// The box's text in the core's terms: one Windows-1252 byte a character, so
// positions in the box are positions in the text.
std::string TextoDaCaixaPorPosicao(const QPlainTextEdit* caixa) { return ParaCp1252(TextoCruDaCaixa(caixa)); }

SelecaoTexto SelecaoDa(const QTextCursor& c) { return {c.selectionStart(), c.selectionEnd() - c.selectionStart()}; }

}  // namespace

FrmEstilo::FrmEstilo(const std::string& texto, QWidget* parent) : QDialog(parent) {
    setObjectName("frmEstilo");
    setWindowTitle("Estilo do Item");

    auto* barra = new QHBoxLayout;
    for (size_t k = 0; k < btnEstilo_.size(); ++k) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString("btnEstilo%1").arg(k));
        b->setText(BotoesEstilo[k].texto);
        b->setToolTip(QString::fromUtf8(BotoesEstilo[k].dica));
        b->setCheckable(true);
        QFont f = b->font();
        f.setBold(k == 0);
        f.setItalic(k == 1);
        f.setUnderline(k == 2);
        f.setStrikeOut(k == 3);
        b->setFont(f);
        connect(b, &QToolButton::clicked, this, [this, k] { AplicarEstilo(k); });
        barra->addWidget(b);
        btnEstilo_[k] = b;
    }
    barra->addStretch();

    txtEstilo_ = new QPlainTextEdit(this);
    txtEstilo_->setObjectName("txtEstilo");
    txtEstilo_->setPlainText(TextoParaCaixa(TextoParaCaixaEstilo(texto)));
    connect(txtEstilo_, &QPlainTextEdit::cursorPositionChanged, this, &FrmEstilo::AtualizarBotoes);
    connect(txtEstilo_, &QPlainTextEdit::textChanged, this, &FrmEstilo::AtualizarBotoes);

    const BotoesDialogo botoes = CriarBotoesOkCancelar(this, "&OK");
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(barra);
    layout->addWidget(txtEstilo_, 1);
    layout->addLayout(botoes.layout);
    resize(480, 260);

    tmrEstilo_ = new QTimer(this);
    tmrEstilo_->setObjectName("tmrEstilo");
    tmrEstilo_->setInterval(250);
    connect(tmrEstilo_, &QTimer::timeout, this, &FrmEstilo::AtualizarBotoes);
    connect(this, &QDialog::finished, tmrEstilo_, &QTimer::stop);
    AtualizarBotoes();
    tmrEstilo_->start();
    txtEstilo_->setFocus();
}

std::string FrmEstilo::Resultado() const { return TextoDaCaixaEstilo(TextoDaCaixa(txtEstilo_)); }

std::optional<std::string> FrmEstilo::Editar(const std::string& texto, QWidget* parent) {
    FrmEstilo dlg(texto, parent);
    if (dlg.exec() != QDialog::Accepted) return std::nullopt;
    return dlg.Resultado();
}

void FrmEstilo::AtualizarBotoes() {
    const std::array<bool, 4> ligados =
        EstadosBotoesEstilo(TextoDaCaixaPorPosicao(txtEstilo_), SelecaoDa(txtEstilo_->textCursor()));
    for (size_t k = 0; k < btnEstilo_.size(); ++k)
        if (btnEstilo_[k]->isChecked() != ligados[k]) btnEstilo_[k]->setChecked(ligados[k]);
}

void FrmEstilo::AplicarEstilo(size_t botao) {
    const std::string texto = TextoDaCaixaPorPosicao(txtEstilo_);
    QTextCursor c = txtEstilo_->textCursor();
    const SelecaoTexto s = SelecaoDa(c);
    const std::optional<EdicaoEstilo> edicao = AplicarBotaoEstilo(texto, s, LetrasEstilo[botao]);
    if (edicao) {
        // Only the words change; the rest of the box keeps what it holds.
        const SelecaoTexto antes = AlargarParaPalavras(texto, s);
        const SelecaoTexto depois = edicao->selecao;
        const QString novo =
            DeCp1252(std::string_view(edicao->texto)
                         .substr(static_cast<size_t>(depois.inicio), static_cast<size_t>(depois.tamanho)));
        c.setPosition(antes.inicio);
        c.setPosition(antes.inicio + antes.tamanho, QTextCursor::KeepAnchor);
        c.insertText(novo);
        c.setPosition(depois.inicio);
        c.setPosition(depois.inicio + depois.tamanho, QTextCursor::KeepAnchor);
        txtEstilo_->setTextCursor(c);
    }
    txtEstilo_->setFocus();
    AtualizarBotoes();
}

}  // namespace mobrix
