#pragma once
// The undo ring: 13 snapshots of the bands, the selection and the header,
// footer and page-break markers. Slot numbers run 1..13 and wrap.
#include <array>
#include <cstdint>
#include <vector>

#include "document/modelo.h"

namespace mobrix {

struct FotoDesfazer {
    int16_t BandaSel = 1;
    int16_t ItemSel = 0;
    int32_t FimCabecalho = 0;
    int32_t InicioRodape = 0;
    std::vector<Banda> Bandas;
    std::vector<int16_t> Quebras;
};

FotoDesfazer Fotografar(const Documento& doc);
// Puts a snapshot back; the other report settings stay as they are.
void Restaurar(Documento& doc, const FotoDesfazer& foto);

class AnelDesfazer {
public:
    static constexpr int Slots = 13;

    // New and Open: the next recording fills slot 1, which becomes the oldest.
    void Reiniciar();
    // GravarDesfazer: the next slot takes the snapshot; when the ring is full
    // the oldest snapshot is given up.
    void Gravar(FotoDesfazer foto);
    // An earlier state exists (PosicaoDesfazer differs from InicioDesfazer).
    bool PodeDesfazer() const { return inicio_ != 0 && posicao_ != inicio_; }
    // Steps back one slot and returns its snapshot; nullptr when nothing is
    // left to undo.
    const FotoDesfazer* Desfazer();

private:
    static int Seguinte(int slot) { return slot % Slots + 1; }
    static int Anterior(int slot) { return slot == 1 ? Slots : slot - 1; }

    std::array<FotoDesfazer, Slots> slots_;
    int posicao_ = Slots;  // PosicaoDesfazer
    int inicio_ = 0;       // InicioDesfazer; 0 until the first recording after a reset
};

}  // namespace mobrix
