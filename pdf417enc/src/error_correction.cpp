// Reed-Solomon error correction over GF(929).
#include <array>
#include <utility>

#include "pdf417_encoder.h"
#include "pdf417_tables.h"

namespace pdf417enc {
namespace {

// The usual shift register, e[j] = e[j+1] - t * c[k-1-j], with the negation
// folded into the coefficients. Terms are added unreduced: each register
// collects at most one product below 929^2 per data codeword, and 926 of
// those stay under 2^32, so only the feedback t needs the modulo. The
// register length is a template argument so that the compiler can run the
// inner loop on vectors.
template <int K>
void RunRegister(const int32_t* __restrict data, int32_t count, const uint32_t* __restrict negated,
                 uint32_t* __restrict e) {
    for (int32_t i = 0; i < count; ++i) {
        const uint32_t t = (uint32_t(data[i]) + e[0]) % 929;
        for (int j = 0; j < K; ++j) e[j] = e[j + 1] + t * negated[j];
    }
}

using Register = void (*)(const int32_t*, int32_t, const uint32_t*, uint32_t*);

template <int... Level>
constexpr auto MakeRegisters(std::integer_sequence<int, Level...>) {
    return std::array<Register, sizeof...(Level)>{RunRegister<ErrorCorrectionCodewords(Level)>...};
}

constexpr auto kRegisters = MakeRegisters(std::make_integer_sequence<int, kMaxErrorLevel + 1>{});

}  // namespace

void ComputeErrorCorrection(EncodeState& state) {
    const int32_t level = state.errorLevel >= 0 && state.errorLevel <= kMaxErrorLevel ? state.errorLevel : 0;
    const int32_t k = ErrorCorrectionCodewords(level);
    const uint16_t* c = ErrorCorrectionCoefficients(level);
    uint32_t negated[ErrorCorrectionCodewords(kMaxErrorLevel)];
    uint32_t e[ErrorCorrectionCodewords(kMaxErrorLevel) + 1];
    for (int32_t j = 0; j < k; ++j) negated[j] = (929 - c[k - 1 - j]) % 929;
    for (int32_t j = 0; j <= k; ++j) e[j] = 0;
    kRegisters[size_t(level)](state.codewords, state.codewordCount, negated, e);
    int32_t* out = state.codewords + state.codewordCount;
    for (int32_t j = 0; j < k; ++j) out[j] = int32_t((929 - e[j] % 929) % 929);
    state.codewordCount += k;
}

}  // namespace pdf417enc
