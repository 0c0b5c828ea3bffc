#pragma once
// Menus that list the language templates, one entry per language, rebuilt
// each time they may have changed.
#include <QAction>
#include <QMenu>
#include <functional>
#include <string>
#include <vector>

namespace mobrix {

// Replaces the entries named `nomeEntrada` + 1, 2, ... in `menu` with one
// entry per language, inserted before `antesDe` (appended when null). A
// choice calls `aoEscolher` with the language's name. Returns the entries.
std::vector<QAction*> PreencherMenuLinguagens(QMenu* menu, QAction* antesDe, const QString& nomeEntrada,
                                              const std::vector<std::string>& linguagens,
                                              const std::function<void(const std::string&)>& aoEscolher);

}  // namespace mobrix
