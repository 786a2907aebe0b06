#include "platform/rop3.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace wayband::platform {
namespace {

constexpr uint8_t kSrcCopy = RopIndex(SRCCOPY);
constexpr uint8_t kSrcAnd = RopIndex(SRCAND);
constexpr uint8_t kSrcInvert = RopIndex(SRCINVERT);
constexpr uint8_t kSrcPaint = RopIndex(SRCPAINT);
constexpr uint8_t kNotSrcCopy = RopIndex(NOTSRCCOPY);
constexpr uint8_t kPatCopy = RopIndex(PATCOPY);
constexpr uint8_t kMinterms = 8;

// The source operations with a fast path, on single words and (SSE2) on four at once.
enum class WordOp { kAnd, kOr, kXor, kNotSource };

template <WordOp op>
uint32_t Combine(uint32_t s, uint32_t d) {
  switch (op) {
    case WordOp::kAnd:
      return s & d;
    case WordOp::kOr:
      return s | d;
    case WordOp::kXor:
      return s ^ d;
    case WordOp::kNotSource:
      return ~s;
  }
  return d;
}

#if defined(__SSE2__)
template <WordOp op>
__m128i Combine(__m128i s, __m128i d) {
  switch (op) {
    case WordOp::kAnd:
      return _mm_and_si128(s, d);
    case WordOp::kOr:
      return _mm_or_si128(s, d);
    case WordOp::kXor:
      return _mm_xor_si128(s, d);
    case WordOp::kNotSource:
      return _mm_xor_si128(s, _mm_set1_epi32(-1));
  }
  return d;
}
#endif

template <WordOp op>
void CombineRow(const uint32_t* source, uint32_t* dst, int32_t count) {
  int32_t i = 0;
#if defined(__SSE2__)
  for (; i + 4 <= count; i += 4) {
    const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + i));
    const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + i));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), Combine<op>(s, d));
  }
#endif
  for (; i < count; ++i)
    dst[i] = Combine<op>(source[i], dst[i]);
}

}  // namespace

uint32_t ApplyRop(uint8_t index, uint32_t pattern, uint32_t source, uint32_t destination) {
  uint32_t result = 0;
  for (uint8_t term = 0; term < kMinterms; ++term) {
    if (((index >> term) & 1u) == 0) continue;
    const uint32_t p = (term & 4u) ? pattern : ~pattern;
    const uint32_t s = (term & 2u) ? source : ~source;
    const uint32_t d = (term & 1u) ? destination : ~destination;
    result |= p & s & d;
  }
  return result;
}

void ApplyRopRow(uint8_t index, const uint32_t* pattern, const uint32_t* source, uint32_t* dst,
                 int32_t count) {
  switch (index) {
    case kSrcCopy:
      std::copy_n(source, count, dst);
      break;
    case kPatCopy:
      std::copy_n(pattern, count, dst);
      break;
    case kSrcAnd:
      CombineRow<WordOp::kAnd>(source, dst, count);
      break;
    case kSrcInvert:
      CombineRow<WordOp::kXor>(source, dst, count);
      break;
    case kSrcPaint:
      CombineRow<WordOp::kOr>(source, dst, count);
      break;
    case kNotSrcCopy:
      CombineRow<WordOp::kNotSource>(source, dst, count);
      break;
    default:
      for (int32_t i = 0; i < count; ++i) {
        dst[i] = ApplyRop(index, pattern ? pattern[i] : 0u, source ? source[i] : 0u, dst[i]);
      }
      break;
  }
}

}  // namespace wayband::platform
