#include "output/ui/caixa_texto.h"

#include <QFontDatabase>
#include <QTextDocument>

#include "document/ui/texto_qt.h"

namespace mobrix {

QString TextoParaCaixa(std::string_view cp1252) {
    QString s = DeCp1252(cp1252);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QChar('\r'), QChar('\n'));
    return s;
}

QString TextoCruDaCaixa(const QPlainTextEdit* caixa) {
    // toPlainText would turn no-break spaces into blanks.
    QString s = caixa->document()->toRawText();
    for (QChar& c : s)
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) c = QChar('\n');
    return s;
}

std::string TextoDaCaixa(const QPlainTextEdit* caixa) {
    QString s = TextoCruDaCaixa(caixa);
    s.replace(QChar('\n'), QStringLiteral("\r\n"));
    return ParaCp1252(s);
}

QFont FonteFixa() { return QFontDatabase::systemFont(QFontDatabase::FixedFont); }

}  // namespace mobrix
