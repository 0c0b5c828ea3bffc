// Symbols must scan: an independent reader (ZXingReader) reads back exactly
// the bytes that went in.
#include <gtest/gtest.h>
#include <unistd.h>

#include <random>
#include <string>
#include <vector>

#include "pdf417enc.h"
#include "symbol_png.h"

using namespace pdf417test;

namespace {

std::string NonTextBytes() {
    std::string s;
    for (int b = 1; b < 256; ++b)
        if (b < 9 || b == 11 || b == 12 || (b > 13 && b < 32) || b > 126) s += char(b);
    return s;
}

// Each byte that text compaction cannot hold, alone between text runs.
std::vector<std::string> ShiftedBytes() {
    const std::string bytes = NonTextBytes();
    std::vector<std::string> out(2);
    for (size_t i = 0; i < bytes.size(); ++i) out[i % 2] += "Ab" + bytes.substr(i, 1) + "cD";
    return out;
}

// The longest prefix of `text` that still fits in a symbol.
std::string LongestFitting(std::string text) {
    char bitmap[4192];
    int32_t length = 0, columns = 0;
    while (!text.empty() && GetPDF417(text.c_str(), bitmap, &length, &columns) == 0) text.resize(text.size() - 7);
    return text;
}

std::vector<std::string> Inputs() {
    std::string allBytes;
    for (int b = 1; b < 256; ++b) allBytes += char(b);
    std::vector<std::string> inputs = {
        "A",
        "PED-000123",
        "NF 4521/2024",
        "Relatorio de Vendas - Janeiro; total: R$ 1.234,56 (liquido) [ok] <fim> @2024 ~ \"x\" 'y' {z} |w| ?!",
        "aBcDeF abcDEFghi ABC;;;def&&&GHI a;b;c 1a2b3c #$%^*=+ \t\r\n tab\tnova\nlinha\r\n",
        allBytes,
        "A\xE7\xE3o, cora\xE7\xE3o, S\xE3o Paulo, Bragan\xE7" "a, \xD1" "and\xFA, \xC6r\xF8, \x80" "100, \xAB" "cita\xE7\xE3o\xBB",
        "A\xE7\xE3o",
        "Pedido 123456789012 ok",
        "Pedido 1234567890123 ok",
        std::string(12, '4'),
        std::string(13, '5'),
        std::string(44, '9'),
        std::string(45, '8'),
        "x" + std::string(44, '1') + "y",
        "x" + std::string(45, '2') + "y",
        "Cliente \xC9rica 00123456789012345678 \x01\x02\x03 fim 9876543210987 \xFF\xFE",
        "\x80\x81\x82\x83\x84\x85",
        "\x80\x81\x82\x83\x84\x85\x86",
        "a\x01" "b",
        "A;;;\x01;;",   // byte shift inside punctuation, on a pair boundary
        "A;;;;\x01;;",  // and off it: the pad returns to upper
        std::string(1850, 'A'),
        std::string(2710, '7'),
        std::string(1108, '\x80'),
    };
    std::string prose;
    for (int i = 0; i < 30; ++i) prose += "Linha " + std::to_string(i) + ": Quantidade vendida, pre\xE7o e desconto. ";
    inputs.push_back(prose);
    for (const std::string& s : ShiftedBytes()) inputs.push_back(s);

    std::mt19937 random(929);
    const std::string alphabet = "abcXYZ 019;,.-&#\t\x01\xE9\xFF";
    for (int n = 0; n < 8; ++n) {
        std::string s(1 + random() % 600, ' ');
        for (char& c : s) c = alphabet[random() % alphabet.size()];
        inputs.push_back(s);
    }
    std::string nearCapacity(1500, ' ');
    for (char& c : nearCapacity) c = alphabet[random() % alphabet.size()];
    inputs.push_back(LongestFitting(nearCapacity));
    return inputs;
}

}  // namespace

TEST(Scanning, EverySymbolReadsBackToItsInput) {
    if (!ZXingAvailable()) GTEST_SKIP() << "ZXingReader (zxing-cpp-tools) is not installed";
    TemporaryFolder folder;
    ASSERT_FALSE(folder.path().empty());
    const std::vector<std::string> inputs = Inputs();
    for (size_t i = 0; i < inputs.size(); ++i) {
        SCOPED_TRACE("input " + std::to_string(i) + " of " + std::to_string(inputs[i].size()) + " bytes: " +
                     testing::PrintToString(inputs[i].substr(0, 80)));
        char bitmap[4192];
        int32_t length = 0, columns = 0;
        ASSERT_EQ(GetPDF417(inputs[i].c_str(), bitmap, &length, &columns), 1);
        const std::string png = folder.path() + "/symbol" + std::to_string(i) + ".png";
        ASSERT_TRUE(WriteSymbolPng(png, bitmap, length, columns));
        const std::optional<std::string> read = ScanWithZXing(png);
        ASSERT_TRUE(read.has_value()) << "no symbol found in " << png;
        EXPECT_EQ(*read, inputs[i]);
    }
}

TEST(Scanning, MbxtoolWritesAReadablePicture) {
    const std::string mbxtool = std::string(MOBRIX_BIN_DIR) + "/mbxtool";
    if (!ZXingAvailable()) GTEST_SKIP() << "ZXingReader (zxing-cpp-tools) is not installed";
    if (access(mbxtool.c_str(), X_OK) != 0) GTEST_SKIP() << "mbxtool is not built";
    TemporaryFolder folder;
    const std::string png = folder.path() + "/acao.png";
    // The argument is UTF-8; the symbol holds its Windows-1252 bytes.
    FILE* pipe = popen((mbxtool + " pdf417 'Ação' -o '" + png + "'").c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string printed;
    char buffer[256];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) printed.append(buffer, n);
    ASSERT_EQ(pclose(pipe), 0);
    EXPECT_EQ(printed, "bitmapLength: 154\nmoduleColumns: 86\nrows: 14\ndataColumns: 1\nerrorLevel: 2\n");
    EXPECT_EQ(ScanWithZXing(png), std::optional<std::string>("A\xE7\xE3o"));
}
