#include <cstring>

#include "pdf417_encoder.h"
#include "pdf417_tables.h"

namespace pdf417enc {

void InitialiseAsExport(EncodeState& state, const char* text) {
    state.text = text;
    state.textLength = -1;
    state.options = kOptionComplement;
    state.aspectRatio = 0.5f;
    state.rowHeight = 3.0f;
}

void MeasureText(EncodeState& state) {
    if (state.textLength < 0) state.textLength = static_cast<int32_t>(strnlen(state.text, kMaxTextLength + 1));
    if (state.textLength == 0 || state.textLength > kMaxTextLength) state.error = 1;
}

void AddPadding(EncodeState& state) {
    const int32_t dataCount = state.rows * state.dataColumns - ErrorCorrectionCodewords(state.errorLevel);
    for (int32_t i = state.codewordCount; i < dataCount; ++i) state.codewords[i] = kPadCodeword;
    state.codewordCount = dataCount;
    state.codewords[0] = dataCount;
}

void Encode(EncodeState& state) {
    state.error = 0;
    state.bitmap.clear();
    MeasureText(state);
    if (state.error) return;
    const auto* text = reinterpret_cast<const uint8_t*>(state.text);
    EmitCodewords(state, SplitSegments(text, state.textLength));
    if (state.error) return;
    ChooseSize(state);
    AddPadding(state);
    ComputeErrorCorrection(state);
    PaintRows(state);
}

}  // namespace pdf417enc
