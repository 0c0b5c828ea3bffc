#pragma once
// Multi-line text boxes over document text: the document keeps Windows-1252
// bytes with CR LF line breaks, the box a QString with one '\n' a break.
#include <QFont>
#include <QPlainTextEdit>
#include <QString>
#include <string>
#include <string_view>

namespace mobrix {

// CR LF, a lone CR or a lone LF become '\n'.
QString TextoParaCaixa(std::string_view cp1252);
// The box's text exactly as typed (no-break spaces kept), its line breaks as
// CR LF.
std::string TextoDaCaixa(const QPlainTextEdit* caixa);
// The box's text with its breaks as single '\n', as positions in the box
// count them.
QString TextoCruDaCaixa(const QPlainTextEdit* caixa);

// The fixed-pitch font of program text and character lists.
QFont FonteFixa();

}  // namespace mobrix
