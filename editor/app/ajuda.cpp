#include "ajuda.h"

#include <QMessageBox>

#include "document/caminhos.h"
#include "document/identidade.h"
#include "document/ui/texto_qt.h"

namespace mobrix {

void AbrirDocumentoDoPrograma(Sistema& sistema, const char* nome) {
    sistema.AbrirDocumento(ComBarraFinal(sistema.PastaPrograma()) + nome);
}

QString TextoSobre() {
    return QStringLiteral("<h3>%1</h3><p>Versão %2.%3.%4</p>"
                          "<p>Editor de layouts de relatórios impressos: bandas de cabeçalho, detalhe e rodapé "
                          "com textos, figuras, comandos, códigos de barras e PDF417. Gera o texto de comandos "
                          "lido pelo Mobrix e o código de programa das linguagens configuradas.</p>"
                          "<p>© Korvane</p>")
        .arg(DeUtf8(NomeProduto).toHtmlEscaped())
        .arg(VersaoMaior)
        .arg(VersaoMenor)
        .arg(VersaoRevisao);
}

void MostrarSobre(QWidget* pai) {
    QMessageBox caixa(pai);
    caixa.setWindowTitle(QStringLiteral("Sobre o %1").arg(DeUtf8(TituloAplicacao)));
    caixa.setTextFormat(Qt::RichText);
    caixa.setText(TextoSobre());
    caixa.setIconPixmap(caixa.windowIcon().pixmap(64, 64));
    caixa.exec();
}

}  // namespace mobrix
