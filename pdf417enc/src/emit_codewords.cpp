// Segment codewords, and the byte and numeric compactions.
#include "pdf417_encoder.h"

namespace pdf417enc {
namespace {

constexpr int32_t kBytesPerGroup = 6;
constexpr int32_t kCodewordsPerByteGroup = 5;
constexpr int32_t kDigitsPerGroup = 44;
constexpr uint64_t kLimbBase = 1000000000;  // decimal limbs of 9 digits
constexpr uint64_t kBase900Cubed = 900 * 900 * 900;

// Writes `count` base-900 digits of `value`, most significant first.
void WriteBase900(int32_t* out, int count, uint64_t value) {
    for (int i = count - 1; i >= 0; --i) {
        out[i] = static_cast<int32_t>(value % 900);
        value /= 900;
    }
}

// Divides the big number held in `limbs` (base 10^9, most significant first)
// by 900^3 in place and returns the remainder.
uint64_t DivideByBase900Cubed(uint64_t* limbs, int limbCount) {
    uint64_t remainder = 0;
    for (int i = 0; i < limbCount; ++i) {
        const uint64_t current = remainder * kLimbBase + limbs[i];
        limbs[i] = current / kBase900Cubed;
        remainder = current % kBase900Cubed;
    }
    return remainder;
}

// The codewords of one numeric group: the base-900 digits of the number
// written as "1" followed by the group's digits. Returns how many it wrote.
int32_t CompactNumericGroup(int32_t* out, const uint8_t* digits, int32_t length) {
    // "1" + 44 digits fits in five limbs of nine digits.
    uint64_t limbs[5] = {};
    const int32_t total = length + 1;
    const int limbCount = (total + 8) / 9;
    int limb = 0;
    int inLimb = total - 9 * (limbCount - 1);  // digits of the first, partial limb
    limbs[0] = 1;
    --inLimb;
    for (int32_t i = 0; i < length; ++i) {
        if (inLimb == 0) {
            ++limb;
            inLimb = 9;
        }
        limbs[limb] = limbs[limb] * 10 + (digits[i] - '0');
        --inLimb;
    }
    const int32_t count = length / 3 + 1;
    for (int32_t written = 0; written < count; written += 3) {
        const int chunk = count - written < 3 ? count - written : 3;
        WriteBase900(out + count - written - chunk, chunk, DivideByBase900Cubed(limbs, limbCount));
    }
    return count;
}

void Append(EncodeState& state, int32_t codeword) { state.codewords[state.codewordCount++] = codeword; }

}  // namespace

void CompactBytes(EncodeState& state, const uint8_t* bytes, int32_t length) {
    const int32_t groups = length / kBytesPerGroup;
    const int32_t rest = length % kBytesPerGroup;
    if (kCodewordsPerByteGroup * groups + rest + state.codewordCount > kMaxDataCodewords) {
        state.error = 1;
        return;
    }
    for (int32_t g = 0; g < groups; ++g, bytes += kBytesPerGroup) {
        uint64_t value = 0;
        for (int32_t i = 0; i < kBytesPerGroup; ++i) value = value << 8 | bytes[i];
        WriteBase900(state.codewords + state.codewordCount, kCodewordsPerByteGroup, value);
        state.codewordCount += kCodewordsPerByteGroup;
    }
    for (int32_t i = 0; i < rest; ++i) Append(state, bytes[i]);
}

void CompactNumeric(EncodeState& state, const uint8_t* digits, int32_t length) {
    const int32_t lastGroup = length % kDigitsPerGroup;
    const int32_t needed = (kDigitsPerGroup / 3 + 1) * (length / kDigitsPerGroup) + (lastGroup > 0 ? lastGroup / 3 + 1 : 0);
    if (needed + state.codewordCount > kMaxDataCodewords) {
        state.error = 1;
        return;
    }
    for (int32_t start = 0; start < length; start += kDigitsPerGroup) {
        const int32_t groupLength = length - start < kDigitsPerGroup ? length - start : kDigitsPerGroup;
        state.codewordCount += CompactNumericGroup(state.codewords + state.codewordCount, digits + start, groupLength);
    }
}

// A symbol starts in text mode, so the first text segment needs no latch.
// After every successful segment at most kMaxDataCodewords are in use, so the
// latch always has room; the compaction then checks its own need.
void EmitCodewords(EncodeState& state, const SegmentList& segments) {
    state.codewordCount = 1;  // codeword 0 is the length descriptor
    const auto* text = reinterpret_cast<const uint8_t*>(state.text);
    for (std::size_t i = 0; i < segments.size() && !state.error; ++i) {
        const Segment& s = segments[i];
        switch (s.kind) {
            case 'B':
                Append(state, s.length() % kBytesPerGroup == 0 ? kLatchBytesBy6 : kLatchBytes);
                CompactBytes(state, text + s.start, s.length());
                break;
            case 'N':
                Append(state, kLatchNumeric);
                CompactNumeric(state, text + s.start, s.length());
                break;
            default:
                if (i > 0) Append(state, kLatchText);
                CompactText(state, text + s.start, s.length());
                break;
        }
    }
}

}  // namespace pdf417enc
