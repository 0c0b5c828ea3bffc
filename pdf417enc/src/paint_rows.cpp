// Drawing the codeword matrix into the packed bitmap.
#include "pdf417_encoder.h"
#include "pdf417_tables.h"

namespace pdf417enc {
namespace {

// Packs patterns most significant bit first into consecutive bytes.
class RowWriter {
public:
    explicit RowWriter(uint8_t* out) : out_(out) {}

    void Put(uint32_t pattern, int modules) {
        bits_ = bits_ << modules | pattern;
        pending_ += modules;
        while (pending_ >= 8) {
            pending_ -= 8;
            *out_++ = uint8_t(bits_ >> pending_);
        }
    }

    // Writes the last, partial byte; its unused low bits stay 0.
    void Finish() {
        if (pending_ > 0) *out_++ = uint8_t(bits_ << (8 - pending_));
        pending_ = 0;
    }

private:
    uint8_t* out_;
    uint64_t bits_ = 0;  // only the low `pending_` bits are still to be written
    int pending_ = 0;
};

// Row indicator codewords: together they tell a reader the row count, the
// column count and the error-correction level, each row telling two of them.
struct RowIndicators {
    int32_t left;
    int32_t right;
};

RowIndicators IndicatorsOf(const EncodeState& state, int32_t row) {
    const int32_t base = 30 * (row / 3);
    const int32_t rowsPart = (state.rows - 1) / 3;
    const int32_t columnsPart = state.dataColumns - 1;
    const int32_t levelPart = 3 * state.errorLevel + (state.rows - 1) % 3;
    switch (row % 3) {
        case 0: return {base + rowsPart, base + columnsPart};
        case 1: return {base + levelPart, base + rowsPart};
        default: return {base + columnsPart, base + levelPart};
    }
}

void PaintRow(const EncodeState& state, int32_t row, uint8_t* out) {
    const uint32_t* patterns = kCodewordPatterns[row % 3];
    const RowIndicators indicators = IndicatorsOf(state, row);
    const int32_t* codewords = state.codewords + row * state.dataColumns;
    RowWriter writer(out);
    writer.Put(kStartPattern, kStartModules);
    writer.Put(patterns[indicators.left], kCodewordModules);
    for (int32_t c = 0; c < state.dataColumns; ++c) writer.Put(patterns[codewords[c]], kCodewordModules);
    writer.Put(patterns[indicators.right], kCodewordModules);
    writer.Put(kStopPattern, kStopModules);
    writer.Finish();
}

}  // namespace

void PaintRows(EncodeState& state) {
    state.moduleColumns = kCodewordModules * state.dataColumns + kStartModules + 2 * kCodewordModules + kStopModules;
    const int32_t bytesPerRow = (state.moduleColumns - 1) / 8 + 1;
    state.bitmapLength = bytesPerRow * state.rows;
    state.bitmap.assign(size_t(state.bitmapLength), 0);
    for (int32_t row = 0; row < state.rows; ++row) PaintRow(state, row, state.bitmap.data() + row * bytesPerRow);
    if (state.options & kOptionComplement)
        for (uint8_t& byte : state.bitmap) byte = uint8_t(~byte);
}

}  // namespace pdf417enc
