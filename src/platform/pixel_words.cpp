#include "platform/pixel_words.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define WAYBAND_WIDE_STORES 1
#endif

namespace wayband::platform {
namespace {

// Long runs are bound by the stores. Whole cache lines written by aligned stores cost
// about three quarters of the same bytes written across line boundaries, so the wide
// variants store the first and last line of a run unaligned (overlapping the aligned
// middle where the run is short) and every line between them aligned.
constexpr uintptr_t kLineBytes = 64;

uint8_t* NextLine(uint8_t* p) {
  return reinterpret_cast<uint8_t*>((reinterpret_cast<uintptr_t>(p) + kLineBytes) &
                                    ~(kLineBytes - 1));
}

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

void CopyBytesBaseline(uint8_t* to, const uint8_t* from, int64_t bytes) {
  std::memcpy(to, from, static_cast<size_t>(bytes));
}

#if defined(WAYBAND_WIDE_STORES)
constexpr int64_t kWordsPerLine = kLineBytes / 4;

__attribute__((target("avx2"))) void StoreLine256(uint8_t* p, __m256i v) {
  _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), v);
  _mm256_storeu_si256(reinterpret_cast<__m256i*>(p + 32), v);
}

__attribute__((target("avx2"))) void FillWordsAvx2(uint8_t* p, uint32_t word, int64_t count) {
  if (count < kWordsPerLine) {
    FillWordsBaseline(p, word, count);
    return;
  }
  const __m256i eight = _mm256_set1_epi32(static_cast<int>(word));
  uint8_t* end = p + count * 4;
  StoreLine256(p, eight);
  for (uint8_t* line = NextLine(p); line + kLineBytes <= end; line += kLineBytes) {
    _mm256_store_si256(reinterpret_cast<__m256i*>(line), eight);
    _mm256_store_si256(reinterpret_cast<__m256i*>(line + 32), eight);
  }
  StoreLine256(end - kLineBytes, eight);
}

__attribute__((target("avx512f"))) void FillWordsAvx512(uint8_t* p, uint32_t word, int64_t count) {
  const __m512i sixteen = _mm512_set1_epi32(static_cast<int>(word));
  if (count < kWordsPerLine) {
    if (count > 0) _mm512_mask_storeu_epi32(p, static_cast<__mmask16>((1u << count) - 1), sixteen);
    return;
  }
  uint8_t* end = p + count * 4;
  _mm512_storeu_si512(p, sixteen);
  for (uint8_t* line = NextLine(p); line + kLineBytes <= end; line += kLineBytes)
    _mm512_store_si512(line, sixteen);
  _mm512_storeu_si512(end - kLineBytes, sixteen);
}

__attribute__((target("avx2"))) __m256i Load256(const uint8_t* p) {
  return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
}

// Rows of different bitmaps never overlap, so the first and last line may be stored
// before the aligned middle that they overlap: every store writes the source's bytes.
__attribute__((target("avx2"))) void CopyBytesAvx2(uint8_t* to, const uint8_t* from,
                                                   int64_t bytes) {
  if (bytes < static_cast<int64_t>(kLineBytes)) {
    CopyBytesBaseline(to, from, bytes);
    return;
  }
  const int64_t last = bytes - static_cast<int64_t>(kLineBytes);
  const __m256i head0 = Load256(from), head1 = Load256(from + 32);
  const __m256i tail0 = Load256(from + last), tail1 = Load256(from + last + 32);
  for (int64_t at = NextLine(to) - to; at + static_cast<int64_t>(kLineBytes) <= bytes;
       at += static_cast<int64_t>(kLineBytes)) {
    _mm256_store_si256(reinterpret_cast<__m256i*>(to + at), Load256(from + at));
    _mm256_store_si256(reinterpret_cast<__m256i*>(to + at + 32), Load256(from + at + 32));
  }
  _mm256_storeu_si256(reinterpret_cast<__m256i*>(to), head0);
  _mm256_storeu_si256(reinterpret_cast<__m256i*>(to + 32), head1);
  _mm256_storeu_si256(reinterpret_cast<__m256i*>(to + last), tail0);
  _mm256_storeu_si256(reinterpret_cast<__m256i*>(to + last + 32), tail1);
}

bool HasAvx2() {
  return __builtin_cpu_supports("avx2");
}

bool HasAvx512() {
  return __builtin_cpu_supports("avx512f");
}
#endif

}  // namespace

WordFill ChosenWordFill() {
#if defined(WAYBAND_WIDE_STORES)
  static const WordFill chosen = HasAvx512() ? FillWordsAvx512
                                 : HasAvx2() ? FillWordsAvx2
                                             : FillWordsBaseline;
  return chosen;
#else
  return FillWordsBaseline;
#endif
}

void FillWords(uint8_t* p, uint32_t word, int64_t count) {
  static const WordFill fill = ChosenWordFill();
  fill(p, word, count);
}

ByteCopy ChosenRowCopy() {
#if defined(WAYBAND_WIDE_STORES)
  static const ByteCopy chosen = HasAvx2() ? CopyBytesAvx2 : CopyBytesBaseline;
  return chosen;
#else
  return CopyBytesBaseline;
#endif
}

}  // namespace wayband::platform
