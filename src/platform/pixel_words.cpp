#include "platform/pixel_words.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define WAYBAND_FILL_AVX2 1
#endif

namespace wayband::platform {
namespace {

void FillWordsBaseline(uint8_t* p, uint32_t word, int64_t count) {
  int64_t i = 0;
#if defined(__SSE2__)
  const __m128i four = _mm_set1_epi32(static_cast<int>(word));
  for (; i + 4 <= count; i += 4)
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p + i * 4), four);
#endif
  for (; i < count; ++i)
    StoreWord(p + i * 4, word);
}

#if defined(WAYBAND_FILL_AVX2)
// Long fills are bound by store width: 32-byte stores nearly halve the time of 16-byte ones.
__attribute__((target("avx2"))) void FillWordsAvx2(uint8_t* p, uint32_t word, int64_t count) {
  int64_t i = 0;
  const __m256i eight = _mm256_set1_epi32(static_cast<int>(word));
  for (; i + 8 <= count; i += 8) {
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(p + i * 4), eight);
  }
  for (; i < count; ++i)
    StoreWord(p + i * 4, word);
}

bool HasAvx2() {
  static const bool has = __builtin_cpu_supports("avx2");
  return has;
}
#endif

}  // namespace

WordFill ChosenWordFill() {
#if defined(WAYBAND_FILL_AVX2)
  if (HasAvx2()) return FillWordsAvx2;
#endif
  return FillWordsBaseline;
}

void FillWords(uint8_t* p, uint32_t word, int64_t count) {
  static const WordFill fill = ChosenWordFill();
  fill(p, word, count);
}

}  // namespace wayband::platform
