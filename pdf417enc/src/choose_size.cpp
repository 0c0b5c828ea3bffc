// Error-correction level and matrix size.
#include <algorithm>
#include <cmath>

#include "pdf417_encoder.h"
#include "pdf417_tables.h"

namespace pdf417enc {
namespace {

constexpr int32_t kMinRows = 3;
constexpr int32_t kMaxRows = 90;
constexpr int32_t kMaxDataColumns = 30;

// The highest level whose error-correction codewords fit in `room`.
int32_t MaxLevel(int32_t room) {
    for (int32_t level = kMaxErrorLevel; level >= 1; --level)
        if (ErrorCorrectionCodewords(level) <= room) return level;
    return 0;
}

// A level that grows with the data, before the matrix is known.
int32_t ProvisionalLevel(int32_t n) {
    const int32_t level = n <= 40 ? 2 : n <= 160 ? 3 : n <= 320 ? 4 : 5;
    return std::min(level, MaxLevel(kMaxCodewords - n));
}

// Columns that make the symbol's width about 1 / aspectRatio times its height.
int32_t ColumnsForAspect(const EncodeState& state, int32_t total) {
    const double a = std::clamp(double(state.aspectRatio), 0.001, 1000.0);
    const double h = 73 * a - 4;
    const double columns = (std::sqrt(68 * a * state.rowHeight * total + h * h) - h) / (34 * a) + 0.5;
    // Compared before converting: a huge or NaN quotient must not reach the cast.
    if (!(columns >= 1)) return 1;
    if (columns >= kMaxDataColumns) return kMaxDataColumns;
    return static_cast<int32_t>(columns);
}

int32_t CeilDiv(int32_t a, int32_t b) { return (a + b - 1) / b; }

}  // namespace

void ChooseSize(EncodeState& state) {
    const int32_t n = state.codewordCount;
    const int32_t total = n + ErrorCorrectionCodewords(ProvisionalLevel(n));
    int32_t columns = ColumnsForAspect(state, total);
    int32_t rows = std::max(CeilDiv(total, columns), kMinRows);
    if (rows > kMaxRows) {
        rows = kMaxRows;
        columns = CeilDiv(total, kMaxRows);
    }
    if (rows * columns > kMaxCodewords) {
        // The two matrices that hold exactly the maximum.
        columns = columns < 22 ? 16 : 29;
        rows = columns == 16 ? 58 : 32;
    }
    state.rows = rows;
    state.dataColumns = columns;
    state.errorLevel = MaxLevel(rows * columns - n);
}

}  // namespace pdf417enc
