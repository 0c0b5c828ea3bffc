#include "output/ui/menu_linguagens.h"

#include <QRegularExpression>

#include "document/ui/texto_qt.h"

namespace mobrix {

std::vector<QAction*> PreencherMenuLinguagens(QMenu* menu, QAction* antesDe, const QString& nomeEntrada,
                                              const std::vector<std::string>& linguagens,
                                              const std::function<void(const std::string&)>& aoEscolher) {
    const QRegularExpression antigas("^" + QRegularExpression::escape(nomeEntrada) + "\\d+$");
    for (QAction* a : menu->actions())
        if (antigas.match(a->objectName()).hasMatch()) {
            menu->removeAction(a);
            a->setObjectName(QString());  // gone for lookups at once, deleted once its signals are done
            a->deleteLater();
        }
    std::vector<QAction*> entradas;
    for (const std::string& nome : linguagens) {
        // A '&' in a name is shown, not taken as a mnemonic.
        auto* a = new QAction(DeUtf8(nome).replace('&', "&&"), menu);
        a->setObjectName(nomeEntrada + QString::number(entradas.size() + 1));
        QObject::connect(a, &QAction::triggered, menu, [aoEscolher, nome] { aoEscolher(nome); });
        menu->insertAction(antesDe, a);
        entradas.push_back(a);
    }
    return entradas;
}

}  // namespace mobrix
