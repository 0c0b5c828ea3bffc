#pragma once
// The PDF417 encoder behind GetPDF417, step by step. Internal to the library:
// its tests and mbxtool use it to see the steps and the symbol's size.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace pdf417enc {

inline constexpr int32_t kMaxTextLength = 5420;
inline constexpr int32_t kMaxCodewords = 928;
// Data codewords (descriptor and pads included) leave room for at least the
// two error-correction codewords of level 0.
inline constexpr int32_t kMaxDataCodewords = kMaxCodewords - 2;
inline constexpr int32_t kOptionComplement = 128;

// Latch and shift codewords.
inline constexpr int32_t kLatchText = 900;
inline constexpr int32_t kLatchBytes = 901;
inline constexpr int32_t kLatchNumeric = 902;
inline constexpr int32_t kShiftByte = 913;
inline constexpr int32_t kLatchBytesBy6 = 924;
inline constexpr int32_t kPadCodeword = 900;

// Everything one encoding works on; nothing outlives it.
struct EncodeState {
    std::vector<uint8_t> bitmap;  // filled by PaintRows
    int32_t bitmapLength = 0;
    int32_t moduleColumns = 0;
    int32_t rows = 0;
    int32_t dataColumns = 0;
    // Index 0 is the length descriptor; then data, pads, error correction.
    int32_t codewords[kMaxCodewords] = {};
    int32_t codewordCount = 0;
    int32_t errorLevel = 0;
    const char* text = nullptr;
    int32_t textLength = -1;  // negative: measure up to the NUL
    int32_t options = 0;
    float aspectRatio = 0.5f;
    float rowHeight = 3.0f;
    int32_t error = 0;  // 1: text too long, or more codewords than a symbol holds
};

// A run of the input encoded in one compaction mode, [start, end).
struct Segment {
    char kind;  // 'T' text, 'B' bytes, 'N' numeric
    int32_t start;
    int32_t end;
    int32_t length() const { return end - start; }
};
using SegmentList = std::vector<Segment>;

// The settings GetPDF417 encodes with: complemented bitmap, aspect ratio 0.5,
// rows 3 modules high, length measured up to the NUL.
void InitialiseAsExport(EncodeState& state, const char* text);

// Runs every step below in order. On return either error is 0 and bitmap,
// bitmapLength, moduleColumns, rows, dataColumns, errorLevel and the
// codewords are filled, or error is 1 and there is no bitmap.
void Encode(EncodeState& state);

// Resolves a negative textLength; sets error 1 for an empty or over-long text.
void MeasureText(EncodeState& state);

// Cuts the text into numeric, text and byte segments, then merges short
// segments into their neighbours where one mode is cheaper.
SegmentList SplitSegments(const uint8_t* text, int32_t length);

// Appends the codewords of every segment after the reserved descriptor, each
// introduced by its mode's latch. Stops at the first segment that overflows.
void EmitCodewords(EncodeState& state, const SegmentList& segments);
void CompactText(EncodeState& state, const uint8_t* text, int32_t length);
void CompactBytes(EncodeState& state, const uint8_t* bytes, int32_t length);
void CompactNumeric(EncodeState& state, const uint8_t* digits, int32_t length);

// Chooses errorLevel, rows and dataColumns for codewordCount data codewords.
void ChooseSize(EncodeState& state);
// Pads the data to fill the matrix and writes the length descriptor.
void AddPadding(EncodeState& state);
void ComputeErrorCorrection(EncodeState& state);
// Draws the rows into the bitmap (1 = bar), complemented with kOptionComplement.
void PaintRows(EncodeState& state);

}  // namespace pdf417enc
