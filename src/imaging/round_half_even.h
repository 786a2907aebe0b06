// Rounding to the nearest integer with halves going to the even neighbour, independent of
// the floating-point environment's rounding mode.
#pragma once

#include <cmath>
#include <cstdint>

namespace wayband::imaging {

inline double RoundHalfEven(double value) {
  const double lower = std::floor(value);
  const double fraction = value - lower;  // exact: value and its floor share the exponent
  if (fraction > 0.5) return lower + 1.0;
  if (fraction < 0.5) return lower;
  return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

inline int64_t RoundHalfEvenToInt(double value) {
  return static_cast<int64_t>(RoundHalfEven(value));
}

}  // namespace wayband::imaging
