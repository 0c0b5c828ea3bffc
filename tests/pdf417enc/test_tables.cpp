// The generated tables against the published check values and the rules every
// PDF417 codeword pattern and generator polynomial obeys.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "pdf417_tables.h"

using namespace pdf417enc;

namespace {

// Element widths of a pattern, from its first (most significant) module.
std::vector<int> ElementWidths(uint32_t pattern, int modules) {
    std::vector<int> widths;
    int previous = -1;
    for (int bit = modules - 1; bit >= 0; --bit) {
        const int module = pattern >> bit & 1;
        if (module == previous)
            ++widths.back();
        else
            widths.push_back(1);
        previous = module;
    }
    return widths;
}

int ClusterOf(const std::vector<int>& w) { return ((w[0] - w[2] + w[4] - w[6]) % 9 + 9) % 9; }

int ClusterIndex(int cluster) { return cluster / 3; }

int PowMod(int base, int exponent) {
    int r = 1;
    for (int i = 0; i < exponent; ++i) r = r * base % 929;
    return r;
}

}  // namespace

TEST(Tables, PatternCheckValues) {
    struct Check {
        int cluster, codeword;
        uint32_t value;
        std::vector<int> widths;
    };
    const Check checks[] = {
        {0, 0, 120256, {3, 1, 1, 1, 1, 1, 3, 6}}, {0, 1, 125680, {}}, {0, 900, 68708, {}},
        {0, 928, 114420, {2, 1, 5, 1, 4, 1, 1, 2}}, {3, 0, 128352, {5, 1, 1, 1, 1, 1, 2, 5}},
        {3, 1, 129720, {}}, {3, 900, 97968, {}}, {3, 928, 81702, {1, 2, 6, 2, 1, 2, 2, 1}},
        {6, 0, 109536, {2, 1, 1, 1, 1, 1, 5, 5}}, {6, 1, 120312, {}}, {6, 900, 102290, {}},
        {6, 928, 116714, {3, 3, 6, 1, 1, 1, 1, 1}},
    };
    for (const Check& c : checks) {
        const uint32_t value = kCodewordPatterns[ClusterIndex(c.cluster)][c.codeword];
        EXPECT_EQ(value, c.value) << "cluster " << c.cluster << " codeword " << c.codeword;
        if (!c.widths.empty()) {
            EXPECT_EQ(ElementWidths(value, kCodewordModules), c.widths);
        }
    }
}

TEST(Tables, EveryPatternIsAWellFormedCodewordOfItsCluster) {
    std::set<uint32_t> all;
    for (int cluster : {0, 3, 6}) {
        for (int codeword = 0; codeword < kCodewordValues; ++codeword) {
            const uint32_t p = kCodewordPatterns[ClusterIndex(cluster)][codeword];
            SCOPED_TRACE("cluster " + std::to_string(cluster) + " codeword " + std::to_string(codeword));
            ASSERT_GE(p, 65536u);  // 17 modules, the first dark
            ASSERT_LE(p, 131071u);
            ASSERT_EQ(p & 1, 0u);  // the last light
            const std::vector<int> w = ElementWidths(p, kCodewordModules);
            ASSERT_EQ(w.size(), 8u);
            for (int width : w) {
                ASSERT_GE(width, 1);
                ASSERT_LE(width, 6);
            }
            ASSERT_EQ(ClusterOf(w), cluster);
            all.insert(p);
        }
    }
    EXPECT_EQ(all.size(), 3u * kCodewordValues);
    EXPECT_EQ(all.count(kStartPattern), 0u);
    EXPECT_EQ(all.count(kStopPattern), 0u);
}

TEST(Tables, StartAndStopPatterns) {
    EXPECT_EQ(ElementWidths(kStartPattern, kStartModules), (std::vector<int>{8, 1, 1, 1, 1, 1, 1, 3}));
    EXPECT_EQ(ElementWidths(kStopPattern, kStopModules), (std::vector<int>{7, 1, 1, 3, 1, 1, 1, 2, 1}));
}

TEST(Tables, CoefficientCheckValues) {
    auto level = [](int l) {
        const uint16_t* c = ErrorCorrectionCoefficients(l);
        return std::vector<int>(c, c + ErrorCorrectionCodewords(l));
    };
    EXPECT_EQ(level(0), (std::vector<int>{27, 917}));
    EXPECT_EQ(level(1), (std::vector<int>{522, 568, 723, 809}));
    EXPECT_EQ(level(2), (std::vector<int>{237, 308, 436, 284, 646, 653, 428, 379}));
    const std::pair<int, std::vector<int>> ends[] = {
        {3, {274, 562, 232, 755, 295, 42, 176, 65}},
        {4, {361, 575, 922, 525, 685, 330, 63, 410}},
        {8, {352, 77, 373, 504, 31, 121, 303, 263}},
    };
    for (const auto& [l, expected] : ends) {
        const std::vector<int> c = level(l);
        const std::vector<int> firstAndLast = {c[0], c[1], c[2], c[3], c.end()[-4], c.end()[-3], c.end()[-2], c.end()[-1]};
        EXPECT_EQ(firstAndLast, expected) << "level " << l;
    }
}

// Every level is the generator (x - 3)(x - 3^2)...(x - 3^k): its roots prove
// each of the 1022 values, not only the check values.
TEST(Tables, EveryLevelVanishesAtThePowersOfThree) {
    for (int l = 0; l <= kMaxErrorLevel; ++l) {
        const int k = ErrorCorrectionCodewords(l);
        const uint16_t* c = ErrorCorrectionCoefficients(l);
        for (int i = 1; i <= k; ++i) {
            const int x = PowMod(3, i);
            int value = 1;  // Horner from the leading x^k
            for (int j = k - 1; j >= 0; --j) value = (value * x + c[j]) % 929;
            ASSERT_EQ(value, 0) << "level " << l << " at 3^" << i;
        }
    }
}
