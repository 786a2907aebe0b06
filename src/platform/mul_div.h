// MulDiv: a·b / c in 64 bits, rounded to the nearest integer with halves away from zero,
// as the platform computes font heights from point sizes.
#pragma once

#include <cstdint>
#include <limits>

namespace wayband::platform {

// -1 when c is 0 or the result does not fit 32 bits, as the platform answers.
constexpr int32_t MulDiv(int32_t a, int32_t b, int32_t c) {
  if (c == 0) return -1;
  const int64_t product = int64_t{a} * b;
  const int64_t divisor = c < 0 ? -int64_t{c} : int64_t{c};
  const int64_t numerator = c < 0 ? -product : product;
  const int64_t magnitude = ((numerator < 0 ? -numerator : numerator) + divisor / 2) / divisor;
  const int64_t result = numerator < 0 ? -magnitude : magnitude;
  if (result > std::numeric_limits<int32_t>::max() ||
      result < std::numeric_limits<int32_t>::min()) {
    return -1;
  }
  return static_cast<int32_t>(result);
}

static_assert(MulDiv(8, 96, 72) == 11);
static_assert(MulDiv(-8, 96, 72) == -11);
static_assert(MulDiv(3, 1, 2) == 2 && MulDiv(-3, 1, 2) == -2);

}  // namespace wayband::platform
