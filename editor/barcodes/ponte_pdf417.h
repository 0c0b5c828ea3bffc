#pragma once
// Draws PDF417 symbols by calling GetPDF417 of libpdf417enc.so, bound by name
// at the first call and kept for the life of the program.
#include <cstdint>
#include <string>

#include "document/portas.h"
#include "document/superficie.h"

namespace mobrix {

using FuncaoGetPDF417 = int32_t (*)(const char* text, char* bitmap, int32_t* bitmapLength, int32_t* moduleColumns);

class PontePDF417 {
public:
    explicit PontePDF417(Sistema& sistema) : sistema_(sistema) {}

    // Empty text or a failed encoding leaves a blank 8 x 8 picture. When the
    // library or its entry point cannot be bound the item draws the same way
    // and the reason is reported once through `ErroDeCarga`.
    void DesenharPDF417(Superficie& s, const std::string& texto, int16_t angulo);

    // Non-empty once binding failed.
    const std::string& ErroDeCarga() const { return erro_; }
    // Shows the binding failure the first time it is asked to, with or
    // without a way to show it; the same failure is never shown again.
    void InformarErroDeCarga(Dialogos* dialogos);

private:
    FuncaoGetPDF417 Funcao();

    Sistema& sistema_;
    FuncaoGetPDF417 funcao_ = nullptr;
    bool tentou_ = false;
    std::string erro_;
    bool informado_ = false;
};

}  // namespace mobrix
