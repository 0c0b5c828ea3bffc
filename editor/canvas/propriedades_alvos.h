#pragma once
// Helpers of the property panel's edits: the item whose values the panel
// shows, and a change applied to every target with a note of whether any
// item actually changed.
#include "document/editor.h"

namespace mobrix {

// The selected item, or with a range but no selected item the first item of
// the range; nullptr when there is neither.
inline const Item* ItemMostrado(const Editor& ed) {
    const Documento& d = ed.doc();
    if (d.TemItemSelecionado()) return &d.itemSel();
    const std::vector<PosicaoItem> alvos = ed.Alvos();
    if (alvos.empty()) return nullptr;
    return &d.banda(alvos.front().banda).item(alvos.front().item);
}

// Runs `mudar` on every target; true when some item changed.
template <class Mudanca>
bool AplicarAosAlvos(Editor& ed, Mudanca&& mudar) {
    bool mudou = false;
    for (const PosicaoItem& alvo : ed.Alvos()) {
        Item& it = ed.doc().banda(alvo.banda).item(alvo.item);
        const Item antes = it;
        mudar(it);
        mudou |= !(it == antes);
    }
    return mudou;
}

}  // namespace mobrix
