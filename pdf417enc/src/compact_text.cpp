// Text compaction: sub-mode values in pairs, bytes outside the four
// sub-modes carried by the byte shift.
#include <array>

#include "pdf417_encoder.h"

namespace pdf417enc {
namespace {

enum SubMode : uint8_t { Upper, Lower, Mixed, Punctuation };

constexpr uint8_t Bit(SubMode m) { return uint8_t(1u << m); }

// Sub-mode values shared by the sub-modes.
constexpr uint16_t kSpace = 26;
constexpr uint16_t kLatchLower = 27;      // from upper or mixed; a shift to upper from lower
constexpr uint16_t kLatchMixed = 28;      // from upper or lower
constexpr uint16_t kLatchUpperFromMixed = 28;
constexpr uint16_t kLatchPunctuationFromMixed = 25;
constexpr uint16_t kShiftPunctuation = 29;  // from upper, lower or mixed; also the pad value
constexpr uint16_t kLatchUpperFromPunctuation = 29;

constexpr char kMixedSet[] = "0123456789&\r\t,:#-.$/+%*=^";
constexpr char kPunctuationSet[] = ";<>@[\\]_`~!\r\t,:\n-.$/\"|*()?{}'";

// For every byte: the sub-modes that hold it (0: it must be shifted) and its
// value in each of them.
struct ByteClasses {
    std::array<uint8_t, 256> modes{};
    std::array<std::array<uint8_t, 256>, 4> value{};
};

constexpr ByteClasses MakeByteClasses() {
    ByteClasses t;
    for (int c = 'A'; c <= 'Z'; ++c) {
        t.modes[c] |= Bit(Upper);
        t.value[Upper][c] = uint8_t(c - 'A');
    }
    for (int c = 'a'; c <= 'z'; ++c) {
        t.modes[c] |= Bit(Lower);
        t.value[Lower][c] = uint8_t(c - 'a');
    }
    for (int i = 0; kMixedSet[i] != '\0'; ++i) {
        const auto c = uint8_t(kMixedSet[i]);
        t.modes[c] |= Bit(Mixed);
        t.value[Mixed][c] = uint8_t(i);
    }
    for (int i = 0; kPunctuationSet[i] != '\0'; ++i) {
        const auto c = uint8_t(kPunctuationSet[i]);
        t.modes[c] |= Bit(Punctuation);
        t.value[Punctuation][c] = uint8_t(i);
    }
    t.modes[' '] |= Bit(Upper) | Bit(Lower) | Bit(Mixed);
    t.value[Upper][' '] = t.value[Lower][' '] = t.value[Mixed][' '] = kSpace;
    return t;
}

constexpr ByteClasses kClasses = MakeByteClasses();

// Sub-mode values and shifted bytes of one segment before pairing. The early
// capacity stop keeps it far below its size (about 2 x 926 entries).
class SubModeList {
public:
    void Add(uint16_t v) { values_[size_++] = v; }
    void Add(uint16_t a, uint16_t b) { Add(a), Add(b); }
    void Add(uint16_t a, uint16_t b, uint16_t c) { Add(a), Add(b), Add(c); }
    void AddShiftedByte(uint8_t byte) {
        Add(kShiftByte, byte);
        ++shifted_;
    }
    bool OddLength() const { return size_ % 2 != 0; }
    // Codewords the list becomes: one per value pair, two per shifted byte.
    int32_t Codewords() const { return (size_ + 2 * shifted_) / 2; }
    void WriteCodewords(EncodeState& state) const {
        int32_t* out = state.codewords + state.codewordCount;
        for (int32_t i = 0; i < size_; i += 2) {
            if (values_[i] == kShiftByte) {
                *out++ = kShiftByte;
                *out++ = values_[i + 1];
            } else {
                *out++ = 30 * values_[i] + values_[i + 1];
            }
        }
        state.codewordCount = static_cast<int32_t>(out - state.codewords);
    }

private:
    std::array<uint16_t, 2 * kMaxTextLength> values_;
    int32_t size_ = 0;
    int32_t shifted_ = 0;
};

class TextCompactor {
public:
    TextCompactor(const uint8_t* text, int32_t length) : text_(text), length_(length) {}

    // Returns false as soon as the segment cannot fit next to `used` codewords.
    bool Compact(SubModeList& list, int32_t used) {
        for (int32_t i = 0; i < length_; ++i) {
            AddByte(list, i);
            if (list.Codewords() + used > kMaxDataCodewords) return false;
        }
        if (list.OddLength()) list.Add(kShiftPunctuation);
        return list.Codewords() + used <= kMaxDataCodewords;
    }

private:
    uint8_t Modes(int32_t i) const { return kClasses.modes[text_[i]]; }
    uint8_t Value(SubMode m, int32_t i) const { return kClasses.value[m][text_[i]]; }

    // Whether the next two bytes of the segment are both in sub-mode m.
    bool NextTwoIn(SubMode m, int32_t i) const {
        return i + 2 < length_ && (Modes(i + 1) & Bit(m)) && (Modes(i + 2) & Bit(m));
    }

    void AddByte(SubModeList& list, int32_t i) {
        const uint8_t modes = Modes(i);
        if (modes == 0) return AddShiftedByte(list, i);
        if (mode_ == Punctuation && !(modes & Bit(Punctuation))) {
            list.Add(kLatchUpperFromPunctuation);
            mode_ = Upper;
        }
        if (modes & Bit(mode_)) return list.Add(Value(mode_, i));
        switch (mode_) {
            case Upper:
                if (modes & Bit(Lower)) return Latch(list, kLatchLower, Lower, i);
                if (modes & Bit(Mixed)) return Latch(list, kLatchMixed, Mixed, i);
                return AddPunctuationFromAlpha(list, i);
            case Lower:
                if (modes & Bit(Upper)) return AddUpperFromLower(list, i);
                if (modes & Bit(Mixed)) return Latch(list, kLatchMixed, Mixed, i);
                return AddPunctuationFromAlpha(list, i);
            default:  // Mixed
                if (modes & Bit(Lower)) return Latch(list, kLatchLower, Lower, i);
                if (modes & Bit(Upper)) return Latch(list, kLatchUpperFromMixed, Upper, i);
                if (NextTwoIn(Punctuation, i)) return Latch(list, kLatchPunctuationFromMixed, Punctuation, i);
                return list.Add(kShiftPunctuation, Value(Punctuation, i));
        }
    }

    void Latch(SubModeList& list, uint16_t latch, SubMode to, int32_t i) {
        list.Add(latch, Value(to, i));
        mode_ = to;
    }

    // A shifted byte must start a codeword pair; the pad value ends the pair
    // (and in punctuation it returns to upper).
    void AddShiftedByte(SubModeList& list, int32_t i) {
        if (list.OddLength()) {
            list.Add(kShiftPunctuation);
            if (mode_ == Punctuation) mode_ = Upper;
        }
        list.AddShiftedByte(text_[i]);
    }

    void AddUpperFromLower(SubModeList& list, int32_t i) {
        if (NextTwoIn(Upper, i)) {
            // Lower has no latch to upper: through mixed.
            list.Add(kLatchMixed, kLatchUpperFromMixed, Value(Upper, i));
            mode_ = Upper;
        } else {
            list.Add(kLatchLower, Value(Upper, i));  // 27 in lower shifts one upper byte
        }
    }

    void AddPunctuationFromAlpha(SubModeList& list, int32_t i) {
        if (NextTwoIn(Punctuation, i)) {
            list.Add(kLatchMixed, kLatchPunctuationFromMixed, Value(Punctuation, i));
            mode_ = Punctuation;
        } else {
            list.Add(kShiftPunctuation, Value(Punctuation, i));
        }
    }

    const uint8_t* text_;
    int32_t length_;
    SubMode mode_ = Upper;
};

}  // namespace

void CompactText(EncodeState& state, const uint8_t* text, int32_t length) {
    SubModeList list;
    if (!TextCompactor(text, length).Compact(list, state.codewordCount)) {
        state.error = 1;
        return;
    }
    list.WriteCodewords(state);
}

}  // namespace pdf417enc
