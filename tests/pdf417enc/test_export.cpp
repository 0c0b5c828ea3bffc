// GetPDF417 as a caller of libpdf417enc.so sees it.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "pdf417enc.h"

namespace {

constexpr size_t kCallerBuffer = 4192;  // what the editor passes
constexpr char kGuard = char(0xA5);
constexpr int32_t kUnset = -7;

struct Call {
    int32_t result = 0;
    int32_t bitmapLength = kUnset;
    int32_t moduleColumns = kUnset;
    std::string buffer = std::string(kCallerBuffer, kGuard);

    std::string Bitmap() const { return buffer.substr(0, size_t(bitmapLength)); }
};

Call Encode(const std::string& text) {
    Call c;
    c.result = GetPDF417(text.c_str(), c.buffer.data(), &c.bitmapLength, &c.moduleColumns);
    return c;
}

void ExpectUntouched(const Call& c) {
    EXPECT_EQ(c.result, 0);
    EXPECT_EQ(c.bitmapLength, kUnset);
    EXPECT_EQ(c.moduleColumns, kUnset);
    EXPECT_EQ(c.buffer, std::string(kCallerBuffer, kGuard));
}

// A spread of inputs: every compaction, small to largest symbols.
std::vector<std::string> Corpus() {
    std::vector<std::string> corpus = {"A", "PED-000123", "123456789012", "1234567890123", "Ação \xE9 p\xE3o",
                                       "Relatório de vendas; total: R$ 1.234,56 (líquido)"};
    for (int n = 1; n <= 40; ++n) corpus.push_back(std::string(size_t(n) * 45, char('A' + n % 26)));
    std::string bytes;
    for (int b = 1; b < 256; ++b) bytes += char(b);
    corpus.push_back(bytes);
    return corpus;
}

}  // namespace

TEST(GetPDF417, TheLetterA) {
    const Call c = Encode("A");
    ASSERT_EQ(c.result, 1);
    EXPECT_EQ(c.bitmapLength, 110);
    EXPECT_EQ(c.moduleColumns, 86);
    const std::string firstRow("\x00\xab\x8a\xc7\xc1\x50\x62\xa3\xf0\x17\x5b", 11);
    EXPECT_EQ(c.buffer.substr(0, 11), firstRow);
}

TEST(GetPDF417, WritesExactlyTheBitmap) {
    for (const std::string& text : {std::string("A"), std::string(300, 'x'), std::string(1850, 'A')}) {
        const Call c = Encode(text);
        ASSERT_EQ(c.result, 1);
        const int32_t bytesPerRow = (c.moduleColumns + 7) / 8;
        EXPECT_EQ(c.bitmapLength % bytesPerRow, 0);
        EXPECT_EQ(c.buffer.substr(size_t(c.bitmapLength)), std::string(kCallerBuffer - size_t(c.bitmapLength), kGuard))
            << "for " << text.size() << " bytes";
    }
    // The largest symbol: 16 data columns, 58 rows.
    const Call largest = Encode(std::string(1850, 'A'));
    EXPECT_EQ(largest.moduleColumns, 16 * 17 + 69);
    EXPECT_EQ(largest.bitmapLength, 2494);
}

TEST(GetPDF417, FailuresLeaveEverythingUntouched) {
    ExpectUntouched(Encode(std::string(5421, 'A')));  // too long
    ExpectUntouched(Encode(std::string(1851, 'A')));  // more codewords than a symbol holds
    ExpectUntouched(Encode(""));
}

TEST(GetPDF417, NullArgumentsAreRefused) {
    Call c;
    EXPECT_EQ(GetPDF417(nullptr, c.buffer.data(), &c.bitmapLength, &c.moduleColumns), 0);
    EXPECT_EQ(GetPDF417("A", nullptr, &c.bitmapLength, &c.moduleColumns), 0);
    EXPECT_EQ(GetPDF417("A", c.buffer.data(), nullptr, &c.moduleColumns), 0);
    EXPECT_EQ(GetPDF417("A", c.buffer.data(), &c.bitmapLength, nullptr), 0);
    ExpectUntouched(c);
}

TEST(GetPDF417, ConcurrentCallsGiveTheSameSymbols) {
    const std::vector<std::string> corpus = Corpus();
    std::vector<std::string> expected;
    for (const std::string& text : corpus) expected.push_back(Encode(text).Bitmap());

    constexpr int kThreads = 4;
    std::vector<std::vector<std::pair<size_t, std::string>>> results(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            // Each thread walks the corpus from another place, several times.
            for (int round = 0; round < 5; ++round)
                for (size_t i = 0; i < corpus.size(); ++i) {
                    const size_t k = (i + size_t(t) * 7) % corpus.size();
                    results[size_t(t)].emplace_back(k, Encode(corpus[k]).Bitmap());
                }
        });
    }
    for (std::thread& th : threads) th.join();
    for (int t = 0; t < kThreads; ++t)
        for (const auto& [k, bitmap] : results[size_t(t)]) ASSERT_EQ(bitmap, expected[k]) << "thread " << t << ", input " << k;
}
