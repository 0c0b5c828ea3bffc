#pragma once
// The Unicode edge: document text is Windows-1252 bytes, Qt text is QString.
#include <QString>
#include <string>
#include <string_view>

namespace mobrix {

QString DeCp1252(std::string_view cp1252);
std::string ParaCp1252(const QString& texto);
// Paths and messages are UTF-8 in the core.
inline QString DeUtf8(const std::string& s) { return QString::fromStdString(s); }
inline std::string ParaUtf8(const QString& s) { return s.toStdString(); }
// A core message uses lone carriage returns between lines.
QString MensagemParaQt(const std::string& mensagem);

}  // namespace mobrix
