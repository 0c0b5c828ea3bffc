#pragma once
// The clipboard port over QClipboard. Document text is Windows-1252.
#include <QString>

#include "document/portas.h"

namespace mobrix {

class AreaTransferenciaQt : public AreaTransferencia {
public:
    void Limpar() override;
    void DefinirTexto(const std::string& cp1252) override;
    // Plain text and, for programs that paste formatted text, the same text
    // as HTML in a fixed-width block.
    void DefinirTextoERico(const std::string& cp1252) override;
    bool TemTexto() override;
};

QString HtmlDoTexto(const QString& texto);

}  // namespace mobrix
