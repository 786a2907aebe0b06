#include "platform/alpha_kernels.h"

#include <algorithm>

#include "platform/pixel_words.h"

namespace wayband::platform {
namespace {

constexpr int kPixelBytes = 4;
constexpr int kAlphaByte = 3;
constexpr uint32_t kOpaque = 255;

// round(x / 255) for 0 <= x <= 65535.
constexpr uint32_t Div255(uint32_t x) {
  const uint32_t t = x + 128;
  return (t + (t >> 8)) >> 8;
}

void BlendPremultipliedPixel(const uint8_t* s, uint8_t* d) {
  const uint32_t inverse = kOpaque - s[kAlphaByte];
  for (int c = 0; c < kPixelBytes; ++c) {
    d[c] = static_cast<uint8_t>(std::min(kOpaque, s[c] + Div255(d[c] * inverse)));
  }
}

void BlendConstantPixel(const uint8_t* s, uint8_t* d, uint32_t constant) {
  for (int c = 0; c < kPixelBytes; ++c) {
    d[c] = static_cast<uint8_t>(Div255(s[c] * constant + d[c] * (kOpaque - constant)));
  }
}

#if defined(__SSE2__)

// round(x / 255) in each 16-bit lane, 0 <= x <= 65407.
inline __m128i Div255Lanes(__m128i x) {
  const __m128i t = _mm_add_epi16(x, _mm_set1_epi16(128));
  return _mm_srli_epi16(_mm_add_epi16(t, _mm_srli_epi16(t, 8)), 8);
}

// The alpha of each of four pixels in all four 16-bit lanes of that pixel: pixels 0 and 1
// in `low`, 2 and 3 in `high`.
inline void SpreadAlpha(__m128i pixels, __m128i& low, __m128i& high) {
  __m128i alpha = _mm_srli_epi32(pixels, 24);
  alpha = _mm_or_si128(alpha, _mm_slli_epi32(alpha, 16));
  low = _mm_unpacklo_epi32(alpha, alpha);
  high = _mm_unpackhi_epi32(alpha, alpha);
}

// Four pixels of BlendPremultiplied; skips fully transparent groups and copies fully
// opaque ones, which make up most of an icon.
inline void BlendPremultiplied4(const uint8_t* src, uint8_t* dst) {
  const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src));
  const __m128i zero = _mm_setzero_si128();
  if (_mm_movemask_epi8(_mm_cmpeq_epi32(s, zero)) == 0xFFFF) return;
  const __m128i alphaMask = _mm_set1_epi32(static_cast<int>(0xFF000000u));
  if (_mm_movemask_epi8(_mm_cmpeq_epi32(_mm_and_si128(s, alphaMask), alphaMask)) == 0xFFFF) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), s);
    return;
  }
  const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst));
  __m128i alphaLow, alphaHigh;
  SpreadAlpha(s, alphaLow, alphaHigh);
  const __m128i opaque = _mm_set1_epi16(kOpaque);
  const __m128i low =
      Div255Lanes(_mm_mullo_epi16(_mm_unpacklo_epi8(d, zero), _mm_sub_epi16(opaque, alphaLow)));
  const __m128i high =
      Div255Lanes(_mm_mullo_epi16(_mm_unpackhi_epi8(d, zero), _mm_sub_epi16(opaque, alphaHigh)));
  const __m128i result = _mm_adds_epu8(s, _mm_packus_epi16(low, high));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), result);
}

inline void BlendConstant4(const uint8_t* src, uint8_t* dst, __m128i constant, __m128i inverse) {
  const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src));
  const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst));
  const __m128i zero = _mm_setzero_si128();
  const __m128i low =
      Div255Lanes(_mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(s, zero), constant),
                                _mm_mullo_epi16(_mm_unpacklo_epi8(d, zero), inverse)));
  const __m128i high =
      Div255Lanes(_mm_add_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(s, zero), constant),
                                _mm_mullo_epi16(_mm_unpackhi_epi8(d, zero), inverse)));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), _mm_packus_epi16(low, high));
}

#endif

}  // namespace

void BlendPremultiplied(const uint8_t* src, uint8_t* dst, int32_t count) {
  int32_t i = 0;
#if defined(__SSE2__)
  for (; i + 4 <= count; i += 4)
    BlendPremultiplied4(src + i * kPixelBytes, dst + i * kPixelBytes);
#endif
  for (; i < count; ++i) {
    const uint32_t s = LoadWord(src + i * kPixelBytes);
    if (s == 0) continue;
    if ((s >> 24) == kOpaque) {
      StoreWord(dst + i * kPixelBytes, s);
    } else {
      BlendPremultipliedPixel(src + i * kPixelBytes, dst + i * kPixelBytes);
    }
  }
}

void BlendPremultipliedScaled(const uint8_t* src, uint8_t* dst, int32_t count, uint8_t constant) {
  // Exact to half a unit with one division: d = (s*c*255 + d*(65025 - a*c)) / 65025.
  constexpr uint32_t kFull = kOpaque * kOpaque;
  for (int32_t i = 0; i < count; ++i) {
    const uint8_t* s = src + i * kPixelBytes;
    uint8_t* d = dst + i * kPixelBytes;
    const uint32_t keep = kFull - uint32_t{s[kAlphaByte]} * constant;
    for (int c = 0; c < kPixelBytes; ++c) {
      const uint32_t sum = uint32_t{s[c]} * constant * kOpaque + d[c] * keep;
      d[c] = static_cast<uint8_t>(std::min(kOpaque, (sum + kFull / 2) / kFull));
    }
  }
}

void BlendConstant(const uint8_t* src, uint8_t* dst, int32_t count, uint8_t constant) {
  int32_t i = 0;
#if defined(__SSE2__)
  const __m128i constantLanes = _mm_set1_epi16(constant);
  const __m128i inverseLanes = _mm_set1_epi16(static_cast<int16_t>(kOpaque - constant));
  for (; i + 4 <= count; i += 4) {
    BlendConstant4(src + i * kPixelBytes, dst + i * kPixelBytes, constantLanes, inverseLanes);
  }
#endif
  for (; i < count; ++i)
    BlendConstantPixel(src + i * kPixelBytes, dst + i * kPixelBytes, constant);
}

}  // namespace wayband::platform
