#pragma once
// The constant PDF417 tables. The two arrays are generated at build time
// from tables/clusters.txt and tables/rs_coefficients.txt.
#include <cstdint>

namespace pdf417enc {

inline constexpr int kCodewordValues = 929;
inline constexpr int kMaxErrorLevel = 8;
inline constexpr int kErrorCorrectionCoefficientCount = 1022;  // 2 + 4 + ... + 512

// Bar/space pattern of each codeword in clusters 0, 3 and 6: 17 modules, most
// significant bit first, 1 = bar. Row r uses kCodewordPatterns[r % 3].
extern const uint32_t kCodewordPatterns[3][kCodewordValues];

// Reed-Solomon generator coefficients of levels 0 to 8 one after the other;
// level L holds 2^(L+1) values c[0] .. c[k-1], constant term first.
extern const uint16_t kErrorCorrectionCoefficients[kErrorCorrectionCoefficientCount];

constexpr int ErrorCorrectionCodewords(int level) { return 2 << level; }

inline const uint16_t* ErrorCorrectionCoefficients(int level) {
    return kErrorCorrectionCoefficients + ErrorCorrectionCodewords(level) - 2;
}

inline constexpr uint32_t kStartPattern = 130728;  // 17 modules: 8 1 1 1 1 1 1 3
inline constexpr int kStartModules = 17;
inline constexpr uint32_t kStopPattern = 260649;  // 18 modules: 7 1 1 3 1 1 1 2 1
inline constexpr int kStopModules = 18;
inline constexpr int kCodewordModules = 17;

}  // namespace pdf417enc
