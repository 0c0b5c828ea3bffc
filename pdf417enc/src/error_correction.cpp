// Reed-Solomon error correction over GF(929).
#include "pdf417_encoder.h"
#include "pdf417_tables.h"

namespace pdf417enc {

// The usual shift register, e[j] = e[j+1] - t * c[k-1-j], with the negation
// folded into the coefficients. Terms are added unreduced: each register
// collects at most one product below 929^2 per data codeword, and 926 of
// those stay under 2^32, so only the feedback t and the final registers need
// the modulo.
void ComputeErrorCorrection(EncodeState& state) {
    const int32_t level = state.errorLevel >= 0 && state.errorLevel <= kMaxErrorLevel ? state.errorLevel : 0;
    const int32_t k = ErrorCorrectionCodewords(level);
    const uint16_t* c = ErrorCorrectionCoefficients(level);
    uint32_t negated[512];
    uint32_t e[513] = {};
    for (int32_t j = 0; j < k; ++j) negated[j] = (929 - c[k - 1 - j]) % 929;
    for (int32_t i = 0; i < state.codewordCount; ++i) {
        const uint32_t t = (uint32_t(state.codewords[i]) + e[0]) % 929;
        for (int32_t j = 0; j < k; ++j) e[j] = e[j + 1] + t * negated[j];
    }
    int32_t* out = state.codewords + state.codewordCount;
    for (int32_t j = 0; j < k; ++j) out[j] = int32_t((929 - e[j] % 929) % 929);
    state.codewordCount += k;
}

}  // namespace pdf417enc
