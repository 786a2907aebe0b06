// Word access to pixel memory. Pixel stores are byte arrays; 32-bit pixels are read and
// written through these helpers, which compile to plain loads and stores.
#pragma once

#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace wayband::platform {

inline uint32_t LoadWord(const uint8_t* p) {
  uint32_t word;
  std::memcpy(&word, p, sizeof word);
  return word;
}

inline void StoreWord(uint8_t* p, uint32_t word) {
  std::memcpy(p, &word, sizeof word);
}

// Stores `count` copies of `word` from `p` on.
inline void FillWords(uint8_t* p, uint32_t word, int64_t count) {
  int64_t i = 0;
#if defined(__SSE2__)
  const __m128i four = _mm_set1_epi32(static_cast<int>(word));
  for (; i + 4 <= count; i += 4)
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p + i * 4), four);
#endif
  for (; i < count; ++i)
    StoreWord(p + i * 4, word);
}

}  // namespace wayband::platform
