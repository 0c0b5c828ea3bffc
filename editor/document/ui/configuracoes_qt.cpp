#include "document/ui/configuracoes_qt.h"

#include <QStringList>
#include <QVariant>

#include "document/identidade.h"
#include "document/ui/texto_qt.h"

namespace mobrix {

ConfiguracoesQt::ConfiguracoesQt() : settings_("Korvane", TituloAplicacao) {}

std::optional<std::string> ConfiguracoesQt::Ler(const std::string& chave) {
    const QString k = DeUtf8(chave);
    if (!settings_.contains(k)) return std::nullopt;
    const QVariant v = settings_.value(k);
    // An unquoted "a, b" in the file is read back as a list.
    if (v.typeId() == QMetaType::QStringList) return ParaUtf8(v.toStringList().join(", "));
    if (v.typeId() != QMetaType::QString && !v.canConvert<QString>()) return std::nullopt;
    return ParaUtf8(v.toString());
}

void ConfiguracoesQt::Gravar(const std::string& chave, const std::string& valor) {
    settings_.setValue(DeUtf8(chave), DeUtf8(valor));
    settings_.sync();
}

}  // namespace mobrix
