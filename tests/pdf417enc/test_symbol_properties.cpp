// Properties every finished symbol has, over many random inputs: the
// codewords form a Reed-Solomon code word, and the bitmap reads back to
// exactly those codewords with correct row indicators.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "pdf417_encoder.h"
#include "pdf417_tables.h"

using namespace pdf417enc;

namespace {

// Inputs that mix every compaction and text sub-mode.
std::string RandomInput(std::mt19937& random) {
    const std::string pieces[] = {"PEDIDO ", "nota fiscal ", "a", "Z", ";(*)", ", ", "&#", "\t", "\r\n", "\x01", "\x7F",
                                  "\xE7\xE3", "S\xE3o Paulo", "\xFF\x80\xA0\xB5\xC9\xE9"};
    const size_t pieceCount = 1 + random() % 120;
    std::string s;
    for (size_t i = 0; i < pieceCount; ++i) {
        if (random() % 5 == 0)
            s += std::to_string(random()) + std::to_string(random()).substr(0, random() % 10);
        else
            s += pieces[random() % std::size(pieces)];
    }
    return s;
}

// Value of the codeword polynomial w0 x^(m-1) + ... + w(m-1) at x, mod 929.
int EvaluateCodewords(const EncodeState& s, int x) {
    int value = 0;
    for (int i = 0; i < s.codewordCount; ++i) value = (value * x + s.codewords[i]) % 929;
    return value;
}

// Reads the symbol back the way a scanner would, from the delivered bitmap.
class SymbolReader {
public:
    explicit SymbolReader(const EncodeState& s) : s_(s), bytesPerRow_((s.moduleColumns + 7) / 8) {
        for (int cluster = 0; cluster < 3; ++cluster)
            for (int cw = 0; cw < kCodewordValues; ++cw) codewordOf_[cluster][kCodewordPatterns[cluster][cw]] = cw;
    }

    // Modules [first, first + count) of a row as an integer, 1 = bar.
    uint32_t Modules(int row, int first, int count) const {
        uint32_t v = 0;
        for (int m = first; m < first + count; ++m) {
            const uint8_t byte = s_.bitmap[size_t(row * bytesPerRow_ + m / 8)];
            v = v << 1 | ((byte >> (7 - m % 8) & 1) ^ 1);
        }
        return v;
    }

    // The codewords of a row: left indicator, data, right indicator; -1 for
    // a pattern that is not a codeword of the row's cluster.
    std::vector<int> Row(int row) const {
        std::vector<int> out;
        for (int c = 0; c < s_.dataColumns + 2; ++c) {
            const auto& table = codewordOf_[row % 3];
            auto it = table.find(Modules(row, kStartModules + c * kCodewordModules, kCodewordModules));
            out.push_back(it == table.end() ? -1 : it->second);
        }
        return out;
    }

private:
    const EncodeState& s_;
    int bytesPerRow_;
    std::map<uint32_t, int> codewordOf_[3];
};

void CheckSymbol(const EncodeState& s) {
    ASSERT_EQ(s.codewordCount, s.rows * s.dataColumns);
    const int k = ErrorCorrectionCodewords(s.errorLevel);
    EXPECT_EQ(s.codewords[0], s.codewordCount - k);
    for (int i = 1, x = 3; i <= k; ++i, x = x * 3 % 929) ASSERT_EQ(EvaluateCodewords(s, x), 0) << "at 3^" << i;

    ASSERT_EQ(s.moduleColumns, 17 * s.dataColumns + 69);
    const int bytesPerRow = (s.moduleColumns + 7) / 8;
    ASSERT_EQ(s.bitmapLength, s.rows * bytesPerRow);
    ASSERT_EQ(s.bitmap.size(), size_t(s.bitmapLength));
    const SymbolReader reader(s);
    const int padding = bytesPerRow * 8 - s.moduleColumns;
    const int stopAt = s.moduleColumns - kStopModules;
    // Left indicators of rows 0, 1, 2 carry the row count, the level and the
    // column count; every row repeats them, each twice in three rows.
    const int info[3] = {reader.Row(0).front() % 30, reader.Row(1).front() % 30, reader.Row(2).front() % 30};
    for (int r = 0; r < s.rows; ++r) {
        ASSERT_EQ(reader.Modules(r, 0, kStartModules), kStartPattern);
        ASSERT_EQ(reader.Modules(r, stopAt, kStopModules), kStopPattern);
        ASSERT_EQ(reader.Modules(r, s.moduleColumns, padding), 0u) << "padding bits must be light";
        const std::vector<int> row = reader.Row(r);
        const std::vector<int> expected(s.codewords + r * s.dataColumns, s.codewords + (r + 1) * s.dataColumns);
        ASSERT_EQ(std::vector<int>(row.begin() + 1, row.end() - 1), expected) << "row " << r;
        ASSERT_EQ(row.front(), 30 * (r / 3) + info[r % 3]) << "row " << r;
        ASSERT_EQ(row.back(), 30 * (r / 3) + info[(r + 2) % 3]) << "row " << r;
    }
    EXPECT_EQ(3 * info[0] + info[1] % 3 + 1, s.rows);
    EXPECT_EQ(info[1] / 3, s.errorLevel);
    EXPECT_EQ(info[2] + 1, s.dataColumns);
}

}  // namespace

TEST(SymbolProperties, RandomInputsGiveValidSymbols) {
    std::mt19937 random(15438);
    int encoded = 0;
    for (int n = 0; n < 300; ++n) {
        const std::string text = RandomInput(random);
        EncodeState s;
        s.text = text.c_str();
        s.options = kOptionComplement;
        Encode(s);
        if (s.error) {
            EXPECT_TRUE(s.bitmap.empty());
            continue;
        }
        ++encoded;
        SCOPED_TRACE("input of " + std::to_string(text.size()) + " bytes: " + testing::PrintToString(text));
        CheckSymbol(s);
        if (HasFatalFailure()) return;
    }
    EXPECT_GT(encoded, 250);  // the sizes are meant to fit, mostly
}
