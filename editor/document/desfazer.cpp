#include "document/desfazer.h"

namespace mobrix {

FotoDesfazer Fotografar(const Documento& doc) {
    FotoDesfazer f;
    f.BandaSel = doc.BandaSel;
    f.ItemSel = doc.ItemSel;
    f.FimCabecalho = doc.Config.FimCabecalho;
    f.InicioRodape = doc.Config.InicioRodape;
    f.Bandas = doc.Bandas;
    f.Quebras = doc.Config.Quebras;
    return f;
}

void Restaurar(Documento& doc, const FotoDesfazer& foto) {
    doc.BandaSel = foto.BandaSel;
    doc.ItemSel = foto.ItemSel;
    doc.Config.FimCabecalho = foto.FimCabecalho;
    doc.Config.InicioRodape = foto.InicioRodape;
    doc.Bandas = foto.Bandas;
    doc.Config.Quebras = foto.Quebras;
}

void AnelDesfazer::Reiniciar() {
    posicao_ = Slots;
    inicio_ = 0;
    // The snapshots of the layout that was open can never be restored again.
    slots_.fill({});
}

void AnelDesfazer::Gravar(FotoDesfazer foto) {
    posicao_ = Seguinte(posicao_);
    if (inicio_ == 0) {
        inicio_ = posicao_;
    } else if (posicao_ == inicio_) {
        inicio_ = Seguinte(inicio_);
    }
    slots_[static_cast<size_t>(posicao_ - 1)] = std::move(foto);
}

const FotoDesfazer* AnelDesfazer::Desfazer() {
    if (!PodeDesfazer()) return nullptr;
    posicao_ = Anterior(posicao_);
    return &slots_[static_cast<size_t>(posicao_ - 1)];
}

}  // namespace mobrix
