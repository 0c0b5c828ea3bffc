#pragma once
// The order and conditions of the report commands, in one place. The command
// text and the program-code generator are two visitors of this walk (and
// take the fields of the font, frame and item lines from campos_linha.h).
#include <cstdint>
#include <string>

#include "document/modelo.h"

namespace mobrix {

class VisitanteComandos {
public:
    virtual ~VisitanteComandos() = default;

    // Report-level commands.
    virtual void Impressora(const std::string& nome) = 0;                   // "I "
    virtual void Margem(const char* codigo, const std::string& expressao) = 0;  // "MS", "ME", "MI"
    virtual void Email(const std::string& codigoEArgumento) = 0;  // "EE", "EG", "EP 100", "EW", "QJ 92"
    virtual void TextoEmail(const std::string& texto) = 0;         // "ET "
    virtual void Simples(const char* codigo) = 0;  // "IP", "IR", "SV", "TC", "E ", "QP", "FC", "RO", "QL"
    virtual void FimConfiguracao() {}

    // Bands and their items.
    virtual void InicioBanda(const Banda&) {}
    virtual void Fonte(const FonteItem& fonte) = 0;
    virtual void Moldura(const Item& item) = 0;  // only called when TemMoldura(item)
    virtual void LinhaItem(const Item& item) = 0;  // every item; the visitor applies its skip rule
    virtual void Deslocamento(int32_t deslocamento) = 0;  // "RT", bands after the first, non-zero
    virtual void AlturaBanda(int32_t altura) = 0;          // "RH", 0 for automatic bands
    virtual void FimBanda(const Banda&) {}
};

void PercorrerComandos(const Layout& layout, VisitanteComandos& v);

}  // namespace mobrix
