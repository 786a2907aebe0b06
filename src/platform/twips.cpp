#include "platform/twips.h"

#include <cmath>
#include <limits>

namespace wayband::platform {

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
