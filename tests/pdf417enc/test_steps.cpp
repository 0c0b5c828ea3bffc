// The encoder's steps on inputs whose codewords are known.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pdf417_encoder.h"

using namespace pdf417enc;

namespace {

std::vector<int> Codewords(const EncodeState& s, int from = 0) {
    return std::vector<int>(s.codewords + from, s.codewords + s.codewordCount);
}

// The state keeps a pointer to `text`, which must outlive it.
EncodeState StateFor(const std::string& text) {
    EncodeState s;
    s.text = text.c_str();
    s.textLength = int32_t(text.size());
    s.options = kOptionComplement;
    return s;
}

// The data codewords after the reserved descriptor, or an empty list when
// the text does not fit.
std::vector<int> DataCodewords(const std::string& text) {
    EncodeState s = StateFor(text);
    MeasureText(s);
    EmitCodewords(s, SplitSegments(reinterpret_cast<const uint8_t*>(text.data()), s.textLength));
    return s.error ? std::vector<int>{} : Codewords(s, 1);
}

EncodeState Sized(int32_t dataCodewords, float aspectRatio = 0.5f) {
    EncodeState s;
    s.codewordCount = dataCodewords;
    s.aspectRatio = aspectRatio;
    ChooseSize(s);
    return s;
}

}  // namespace

TEST(Steps, TheLetterA) {
    const std::string a = "A";
    EncodeState s = StateFor(a);
    Encode(s);
    ASSERT_EQ(s.error, 0);
    EXPECT_EQ(Codewords(s), (std::vector<int>{2, 29, 478, 509, 903, 637, 74, 490, 760, 21}));
    EXPECT_EQ(s.errorLevel, 2);
    EXPECT_EQ(s.rows, 10);
    EXPECT_EQ(s.dataColumns, 1);
    EXPECT_EQ(s.moduleColumns, 86);
    EXPECT_EQ(s.bitmapLength, 110);
}

TEST(Steps, ErrorCorrectionOfTheWorkedExample) {
    const std::pair<int, std::vector<int>> levels[] = {{0, {347, 502}}, {1, {752, 533, 551, 139}}};
    for (const auto& [level, expected] : levels) {
        EncodeState s;
        s.codewords[0] = 2;
        s.codewords[1] = 29;
        s.codewordCount = 2;
        s.errorLevel = level;
        ComputeErrorCorrection(s);
        EXPECT_EQ(Codewords(s, 2), expected) << "level " << level;
    }
}

TEST(Steps, TextCompaction) {
    EXPECT_EQ(DataCodewords("PDF417"), (std::vector<int>{453, 178, 121, 239}));
    // Lower latch, then the byte shift on a pair boundary: 27 0 | 1 29 | 913 1 | 2 3.
    EXPECT_EQ(DataCodewords("ab\x01" "cd"), (std::vector<int>{810, 59, 913, 1, 63}));
    // Punctuation: shifted once, latched for a run (through mixed), left by 29.
    EXPECT_EQ(DataCodewords("A;B"), (std::vector<int>{0 * 30 + 29, 0 * 30 + 1}));
    EXPECT_EQ(DataCodewords("A;;;B"), (std::vector<int>{0 * 30 + 28, 25 * 30 + 0, 0 * 30 + 0, 29 * 30 + 1}));
    // A latch needs two more bytes of its kind; at the end of the text it shifts.
    EXPECT_EQ(DataCodewords("A;;"), (std::vector<int>{0 * 30 + 29, 0 * 30 + 29, 0 * 30 + 29}));
    EXPECT_EQ(DataCodewords("aBC"), (std::vector<int>{27 * 30 + 0, 27 * 30 + 1, 27 * 30 + 2}));
}

TEST(Steps, ByteAndNumericCompaction) {
    EXPECT_EQ(DataCodewords("A\xE7\xE3o"), (std::vector<int>{901, 65, 231, 227, 111}));
    EXPECT_EQ(DataCodewords("\x01\x02\x03\x04\x05\x06"), (std::vector<int>{924, 1, 620, 89, 74, 846}));
    EXPECT_EQ(DataCodewords("\x01\x02\x03\x04\x05\x06\x07"), (std::vector<int>{901, 1, 620, 89, 74, 846, 7}));
    EXPECT_EQ(DataCodewords("000213298174000"), (std::vector<int>{902, 1, 624, 434, 632, 282, 200}));
    // The latch, then 15 codewords for 44 digits; the 45th digit is a group of its own.
    EXPECT_EQ(DataCodewords(std::string(44, '9')).size(), 16u);
    EXPECT_EQ(DataCodewords(std::string(45, '9')).size(), 17u);
}

TEST(Steps, CompactionStopsAtTheCapacity) {
    // The descriptor and at most 925 more data codewords.
    EXPECT_EQ(DataCodewords(std::string(1850, 'A')).size(), 925u);
    EXPECT_TRUE(DataCodewords(std::string(1851, 'A')).empty());
    EXPECT_EQ(DataCodewords(std::string(2710, '7')).size(), 925u);
    EXPECT_TRUE(DataCodewords(std::string(2711, '7')).empty());
    EXPECT_EQ(DataCodewords(std::string(1108, '\x80')).size(), 925u);
    EXPECT_TRUE(DataCodewords(std::string(1109, '\x80')).empty());
}

TEST(Steps, LengthLimit) {
    const std::string longest(kMaxTextLength, 'A');
    EncodeState s = StateFor(longest);
    s.textLength = -1;
    MeasureText(s);
    EXPECT_EQ(s.error, 0);
    EXPECT_EQ(s.textLength, kMaxTextLength);

    const std::string tooLong(kMaxTextLength + 1, 'A');
    EncodeState t = StateFor(tooLong);
    Encode(t);
    EXPECT_EQ(t.error, 1);
    EXPECT_TRUE(t.bitmap.empty());

    const std::string nothing;
    EncodeState empty = StateFor(nothing);
    Encode(empty);
    EXPECT_EQ(empty.error, 1);
}

TEST(Steps, SizeFollowsTheAmountOfData) {
    EncodeState small = Sized(2);
    EXPECT_EQ(small.rows, 10);
    EXPECT_EQ(small.dataColumns, 1);
    EXPECT_EQ(small.errorLevel, 2);

    EncodeState largest = Sized(926);
    EXPECT_EQ(largest.dataColumns, 16);
    EXPECT_EQ(largest.rows, 58);
    EXPECT_EQ(largest.errorLevel, 0);

    // The level rises as far as the matrix leaves room: 5 x 24 cells for 100.
    EncodeState hundred = Sized(100);
    EXPECT_EQ(hundred.rows * hundred.dataColumns, 120);
    EXPECT_EQ(hundred.errorLevel, 3);
}

TEST(Steps, OverfullMatricesBecomeTheTwoFullSizes) {
    EncodeState narrow = Sized(926, 0.45f);  // 17 columns would need 55 rows
    EXPECT_EQ(narrow.dataColumns, 16);
    EXPECT_EQ(narrow.rows, 58);
    EncodeState wide = Sized(926, 0.3f);  // 22 columns would need 43 rows
    EXPECT_EQ(wide.dataColumns, 29);
    EXPECT_EQ(wide.rows, 32);
    EncodeState tall = Sized(100, 1000.0f);  // one column: rows held at 90
    EXPECT_EQ(tall.rows, 90);
    EXPECT_EQ(tall.dataColumns, 2);
    EXPECT_EQ(tall.errorLevel, 5);
}
