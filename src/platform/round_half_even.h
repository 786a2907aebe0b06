// Rounding to the nearest integer with halves going to the even neighbour, independent of
// the floating-point environment's rounding mode.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace wayband::platform {

// For values whose magnitude stays below 2^62. Written without branches on the fraction:
// the pixel loops round millions of unpredictable fractions.
inline int64_t RoundHalfEvenToInt(double value) {
  const double lower = std::floor(value);
  const double fraction = value - lower;  // exact: value and its floor share the exponent
  const auto whole = static_cast<int64_t>(lower);
  const bool tieToOdd = (fraction == 0.5) & ((whole & 1) != 0);
  return whole + static_cast<int64_t>((fraction > 0.5) | tieToOdd);
}

// Any double: NaN gives 0, values beyond the signed 64-bit range saturate.
inline int64_t RoundHalfEven(double value) {
  constexpr double kInt64Limit = 9223372036854775808.0;  // 2^63
  if (std::isnan(value)) return 0;
  if (value >= kInt64Limit) return std::numeric_limits<int64_t>::max();
  if (value < -kInt64Limit) return std::numeric_limits<int64_t>::min();
  return RoundHalfEvenToInt(value);
}

}  // namespace wayband::platform
