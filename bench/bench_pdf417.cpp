// Symbols per second of GetPDF417 on fixed corpora of realistic inputs, one
// benchmark per kind of content.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "pdf417enc.h"

namespace {

using Corpus = std::vector<std::string>;

std::string Repeat(const std::string& pieces, size_t length) {
    std::string s;
    while (s.size() < length) s += pieces;
    s.resize(length);
    return s;
}

Corpus ShortIds() {
    return {"PED-000123", "NF 4521/2024", "123456789012", "CLI-0042-SP", "ABC123", "00012345", "Lote 77",
            "X9-001", "7891234567895", "OS 2024/00871", "Caixa 12", "SKU-AZ-0099"};
}

// Texts of 60 to 600 bytes cut from repeated prose.
Corpus Prose(const std::string& sentence) {
    Corpus c;
    for (size_t length = 60; length <= 600; length += 60) c.push_back(Repeat(sentence, length));
    return c;
}

Corpus Text() {
    return Prose(
        "Pedido 4521 do cliente Comercial Santos Ltda, rua das Flores 120, Campinas SP; "
        "entrega prevista em 12/03/2024, total R$ 1.234,56 (3 volumes). ");
}

Corpus LongDigits() {
    std::mt19937 random(44);
    Corpus c;
    for (size_t length : {44u, 47u, 48u, 60u, 100u, 150u, 200u, 300u}) {
        std::string s(length, '0');
        for (char& d : s) d = char('0' + random() % 10);
        c.push_back(s);
    }
    return c;
}

Corpus AccentedText() {
    // Windows-1252.
    return Prose(
        "Relat\xF3rio de a\xE7\xF5" "es: S\xE3o Paulo, Bras\xEDlia e Macei\xF3; "
        "pre\xE7o m\xE9" "dio, condi\xE7\xE3o de pagamento e observa\xE7\xF5" "es do cliente. ");
}

Corpus Binary() {
    std::mt19937 random(255);
    Corpus c;
    for (size_t length = 50; length <= 600; length += 50) {
        std::string s(length, ' ');
        for (char& b : s) b = char(1 + random() % 255);
        c.push_back(s);
    }
    return c;
}

Corpus NearCapacity() {
    std::mt19937 random(928);
    std::string bytes(1100, ' ');
    for (char& b : bytes) b = char(128 + random() % 128);
    std::string digits(2700, '0');
    for (char& d : digits) d = char('0' + random() % 10);
    return {Repeat("CODIGO ", 1840), Repeat("Item 0042 - parafuso sextavado; ", 1500), digits, bytes};
}

void Encode(benchmark::State& state, const Corpus& corpus) {
    std::vector<char> bitmap(4192);
    int32_t length = 0, columns = 0;
    for (const std::string& s : corpus)
        if (GetPDF417(s.c_str(), bitmap.data(), &length, &columns) != 1) state.SkipWithError("an input does not fit");
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(GetPDF417(corpus[i].c_str(), bitmap.data(), &length, &columns));
        benchmark::ClobberMemory();
        if (++i == corpus.size()) i = 0;
    }
    state.SetItemsProcessed(int64_t(state.iterations()));
}

void BM_ShortIds(benchmark::State& s) { Encode(s, ShortIds()); }
void BM_Text(benchmark::State& s) { Encode(s, Text()); }
void BM_LongDigits(benchmark::State& s) { Encode(s, LongDigits()); }
void BM_AccentedText(benchmark::State& s) { Encode(s, AccentedText()); }
void BM_Binary(benchmark::State& s) { Encode(s, Binary()); }
void BM_NearCapacity(benchmark::State& s) { Encode(s, NearCapacity()); }

}  // namespace

BENCHMARK(BM_ShortIds);
BENCHMARK(BM_Text);
BENCHMARK(BM_LongDigits);
BENCHMARK(BM_AccentedText);
BENCHMARK(BM_Binary);
BENCHMARK(BM_NearCapacity);
