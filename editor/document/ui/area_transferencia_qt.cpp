#include "document/ui/area_transferencia_qt.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "document/ui/texto_qt.h"

namespace mobrix {

QString HtmlDoTexto(const QString& texto) {
    QString linhas = texto;
    linhas.replace("\r\n", "\n");
    return "<html><body><pre style=\"font-family: 'Courier New', monospace;\">" + linhas.toHtmlEscaped() +
           "</pre></body></html>";
}

void AreaTransferenciaQt::Limpar() { QGuiApplication::clipboard()->clear(); }

void AreaTransferenciaQt::DefinirTexto(const std::string& cp1252) {
    QGuiApplication::clipboard()->setText(DeCp1252(cp1252));
}

void AreaTransferenciaQt::DefinirTextoERico(const std::string& cp1252) {
    const QString texto = DeCp1252(cp1252);
    auto* dados = new QMimeData;
    dados->setText(texto);
    dados->setHtml(HtmlDoTexto(texto));
    QGuiApplication::clipboard()->setMimeData(dados);
}

bool AreaTransferenciaQt::TemTexto() {
    const QMimeData* dados = QGuiApplication::clipboard()->mimeData();
    return dados && dados->hasText() && !dados->text().isEmpty();
}

}  // namespace mobrix
