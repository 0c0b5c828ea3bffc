// How the input is cut into text, byte and numeric segments.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "pdf417_encoder.h"

using namespace pdf417enc;

namespace {

// "T0-5 B5-6" style summary of a segment list.
std::string Describe(const SegmentList& list) {
    std::string s;
    for (const Segment& seg : list)
        s += (s.empty() ? "" : " ") + std::string(1, seg.kind) + std::to_string(seg.start) + "-" + std::to_string(seg.end);
    return s;
}

std::string Split(const std::string& text) {
    return Describe(SplitSegments(reinterpret_cast<const uint8_t*>(text.data()), int32_t(text.size())));
}

// The merge rules applied literally: find the first place a rule applies,
// change it, and start again from the beginning.
SegmentList ReferenceSplit(const std::string& text) {
    const auto digit = [&](size_t i) { return text[i] >= '0' && text[i] <= '9'; };
    const auto textByte = [&](size_t i) {
        const auto c = uint8_t(text[i]);
        return (c >= 32 && c <= 126) || c == 9 || c == 10 || c == 13;
    };
    std::string kinds(text.size(), ' ');
    for (size_t i = 0; i < text.size();) {
        size_t j = i;
        while (j < text.size() && digit(j)) ++j;
        if (j - i >= 13) {
            kinds.replace(i, j - i, j - i, 'N');
            i = j;
        } else {
            kinds[i] = textByte(i) ? 'T' : 'B';
            ++i;
        }
    }
    SegmentList list;
    for (size_t i = 0; i < text.size();) {
        size_t j = i;
        while (j < text.size() && kinds[j] == kinds[i]) ++j;
        list.push_back({kinds[i], int32_t(i), int32_t(j)});
        i = j;
    }
    const auto len = [&](size_t i) { return list[i].length(); };
    const auto is = [&](size_t i, char k) { return list[i].kind == k; };
    const auto merge = [&](size_t from, size_t to, char kind) {
        list[from] = {kind, list[from].start, list[to].end};
        list.erase(list.begin() + long(from) + 1, list.begin() + long(to) + 1);
    };
    const auto repeat = [](auto applyOnce) {
        while (applyOnce()) {
        }
    };
    repeat([&] {
        for (size_t i = 1; i + 1 < list.size(); ++i)
            if (is(i, 'B') && len(i) == 1 && is(i - 1, 'T') && is(i + 1, 'T') && len(i - 1) + len(i + 1) >= 3)
                return merge(i - 1, i + 1, 'T'), true;
        return false;
    });
    const auto absorbs = [&](char kind, auto absorbable) {
        repeat([&] {
            for (size_t i = 0; i < list.size(); ++i) {
                if (!is(i, kind) || (kind == 'T' && len(i) < 5)) continue;
                const bool before = i > 0 && absorbable(i - 1), after = i + 1 < list.size() && absorbable(i + 1);
                if (!before && !after) continue;
                merge(before ? i - 1 : i, after ? i + 1 : i, kind);
                return true;
            }
            return false;
        });
    };
    absorbs('T', [&](size_t j) { return is(j, 'T') || (is(j, 'B') && len(j) == 1); });
    absorbs('B', [&](size_t j) { return is(j, 'B') || (is(j, 'T') && len(j) < 5); });
    if (list.size() == 1 && is(0, 'T') && len(0) >= 8 && text.find_first_not_of("0123456789") == std::string::npos)
        list[0].kind = 'N';
    return list;
}

}  // namespace

TEST(SplitSegments, DigitRuns) {
    EXPECT_EQ(Split("123456789012"), "N0-12");  // alone: numeric from 8 digits
    EXPECT_EQ(Split("12345678"), "N0-8");
    EXPECT_EQ(Split("1234567"), "T0-7");
    EXPECT_EQ(Split("Nota 123456789012"), "T0-17");  // twelve stay in text
    EXPECT_EQ(Split("Nota 1234567890123 paga"), "T0-5 N5-18 T18-23");
    EXPECT_EQ(Split("1234567890123"), "N0-13");
}

TEST(SplitSegments, SingleBytesBetweenText) {
    EXPECT_EQ(Split("ab\x01" "c"), "T0-4");  // carried by the byte shift
    EXPECT_EQ(Split("a\x01" "b"), "B0-3");   // two text bytes only: all bytes
    EXPECT_EQ(Split("Total\x80"), "T0-6");   // long text absorbs a single byte
    EXPECT_EQ(Split("Tot\x80\x81"), "B0-5");
    EXPECT_EQ(Split("Total geral\x80\x81"), "T0-11 B11-13");
}

TEST(SplitSegments, AccentedWordIsOneByteSegment) {
    EXPECT_EQ(Split("A\xE7\xE3o"), "B0-4");  // "Ação" in Windows-1252
}

TEST(SplitSegments, NoByteIsEverDropped) {
    EXPECT_EQ(Split("\xC9 1234567890123456 \xE9"), "B0-2 N2-18 B18-20");
}

TEST(SplitSegments, OneSweepMatchesTheRulesAppliedFromTheStart) {
    // Pieces chosen so that every rule fires, alone and in chains.
    const std::string pieces[] = {"a", "Ab", "texto", "1234", "1234567890123", "\x01", "\xE9", "\xE9\xE7", ";", " "};
    std::mt19937 random(417);
    for (int n = 0; n < 3000; ++n) {
        std::string text;
        const int count = 1 + int(random() % 14);
        for (int i = 0; i < count; ++i) text += pieces[random() % std::size(pieces)];
        ASSERT_EQ(Split(text), Describe(ReferenceSplit(text))) << "input: " << testing::PrintToString(text);
    }
}
