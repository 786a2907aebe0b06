// Overflow-checked 64-bit arithmetic for lengths, row sizes and buffer sizes. Each helper
// returns false (and leaves `result` alone) when the exact result does not fit.
#pragma once

#include <cstdint>

namespace wayband::imaging::png {

inline bool CheckedAdd(uint64_t a, uint64_t b, uint64_t& result) {
  uint64_t sum = 0;
  if (__builtin_add_overflow(a, b, &sum)) return false;
  result = sum;
  return true;
}

inline bool CheckedMul(uint64_t a, uint64_t b, uint64_t& result) {
  uint64_t product = 0;
  if (__builtin_mul_overflow(a, b, &product)) return false;
  result = product;
  return true;
}

}  // namespace wayband::imaging::png
