#include "platform/twips.h"

#include <cmath>
#include <limits>

namespace wayband::platform {

namespace {
// 2^63 as a double: the first value beyond the signed 64-bit range.
constexpr double kInt64Limit = 9223372036854775808.0;
}  // namespace

int64_t RoundHalfEven(double value) {
  if (std::isnan(value)) return 0;
  if (value >= kInt64Limit) return std::numeric_limits<int64_t>::max();
  if (value < -kInt64Limit) return std::numeric_limits<int64_t>::min();
  const double lower = std::floor(value);
  const double fraction = value - lower;
  double rounded = lower;
  if (fraction > 0.5) {
    rounded = lower + 1.0;
  } else if (fraction == 0.5) {
    rounded = std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
  }
  if (rounded >= kInt64Limit) return std::numeric_limits<int64_t>::max();
  return static_cast<int64_t>(rounded);
}

int32_t ClampToLong(int64_t value) {
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

int32_t RoundToLong(double value) {
  return ClampToLong(RoundHalfEven(value));
}

int32_t TwipsToPixels(double twips, double twipsPerPixel) {
  const int64_t perPixel = RoundHalfEven(twipsPerPixel);
  if (perPixel == 0) return 0;
  const int64_t whole = RoundHalfEven(twips);
  // The one quotient that leaves the 64-bit range: min / -1.
  if (perPixel == -1)
    return ClampToLong(whole == std::numeric_limits<int64_t>::min()
                           ? std::numeric_limits<int64_t>::max()
                           : -whole);
  return ClampToLong(whole / perPixel);
}

}  // namespace wayband::platform
