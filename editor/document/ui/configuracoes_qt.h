#pragma once
// The settings store over QSettings("Korvane", "MobrixEdit 2.0"). The store is
// the application's own section, so the keys sit at its top level.
#include <QSettings>

#include "document/portas.h"

namespace mobrix {

class ConfiguracoesQt : public Configuracoes {
public:
    ConfiguracoesQt();

    // nullopt when the key is missing or holds something that is not text
    // (a value a person typed into the file as a list comes back joined).
    std::optional<std::string> Ler(const std::string& chave) override;
    // Written through at once: the recent files are read back by other windows.
    void Gravar(const std::string& chave, const std::string& valor) override;

private:
    QSettings settings_;
};

}  // namespace mobrix
