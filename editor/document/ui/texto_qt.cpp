#include "document/ui/texto_qt.h"

#include "document/cp1252.h"

namespace mobrix {

QString DeCp1252(std::string_view cp1252) {
    QString s;
    s.reserve(static_cast<qsizetype>(cp1252.size()));
    for (char c : cp1252) s.append(QChar(static_cast<char16_t>(Cp1252ParaUnicode(static_cast<unsigned char>(c)))));
    return s;
}

std::string ParaCp1252(const QString& texto) {
    std::string s;
    s.reserve(static_cast<size_t>(texto.size()));
    for (QChar ch : texto) {
        int c = UnicodeParaCp1252(ch.unicode());
        s += static_cast<char>(c < 0 ? '?' : c);
    }
    return s;
}

QString MensagemParaQt(const std::string& mensagem) {
    QString s = DeUtf8(mensagem);
    s.replace("\r\n", "\n");  // a few texts end their lines with CR LF
    s.replace(QChar('\r'), QChar('\n'));
    return s;
}

}  // namespace mobrix
