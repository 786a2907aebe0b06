#include "platform/alpha_kernels.h"

#include <algorithm>
#include <cmath>

#include "platform/pixel_words.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// Premultiplied source scaled by a constant alpha, in single precision: the products are
// exact to far below a unit, so rounding keeps the result within half a unit (plus that
// error) of the exact value. Four-pixel and one-pixel paths compute the same expression.
class ScaledBlend {
 public:
  explicit ScaledBlend(uint8_t constant)
      : scale_(constant / 255.0f), alphaScale_(constant / 65025.0f) {}

  void Blend1(const uint8_t* s, uint8_t* d) const {
    const float keep = 1.0f - float(s[kAlphaByte]) * alphaScale_;
    for (int c = 0; c < kPixelBytes; ++c) {
      const float value = std::nearbyint(float(s[c]) * scale_ + float(d[c]) * keep);
      d[c] = static_cast<uint8_t>(std::min(255.0f, value));
    }
  }

#if defined(__SSE2__)
  void Blend4(const uint8_t* src, uint8_t* dst) const {
    const __m128i zero = _mm_setzero_si128();
    const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src));
    const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst));
    const __m128i sLow = _mm_unpacklo_epi8(s, zero), sHigh = _mm_unpackhi_epi8(s, zero);
    const __m128i dLow = _mm_unpacklo_epi8(d, zero), dHigh = _mm_unpackhi_epi8(d, zero);
    const __m128i p0 = Pixel(_mm_unpacklo_epi16(sLow, zero), _mm_unpacklo_epi16(dLow, zero));
    const __m128i p1 = Pixel(_mm_unpackhi_epi16(sLow, zero), _mm_unpackhi_epi16(dLow, zero));
    const __m128i p2 = Pixel(_mm_unpacklo_epi16(sHigh, zero), _mm_unpacklo_epi16(dHigh, zero));
    const __m128i p3 = Pixel(_mm_unpackhi_epi16(sHigh, zero), _mm_unpackhi_epi16(dHigh, zero));
    const __m128i packed = _mm_packus_epi16(_mm_packs_epi32(p0, p1), _mm_packs_epi32(p2, p3));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), packed);
  }
#endif

 private:
#if defined(__SSE2__)
  // One pixel's four channels as 32-bit lanes (blue, green, red, alpha).
  __m128i Pixel(__m128i s, __m128i d) const {
    const __m128 source = _mm_cvtepi32_ps(s);
    const __m128 alpha = _mm_shuffle_ps(source, source, _MM_SHUFFLE(3, 3, 3, 3));
    const __m128 keep = _mm_sub_ps(_mm_set1_ps(1.0f), _mm_mul_ps(alpha, _mm_set1_ps(alphaScale_)));
    const __m128 value =
        _mm_add_ps(_mm_mul_ps(source, _mm_set1_ps(scale_)), _mm_mul_ps(_mm_cvtepi32_ps(d), keep));
    return _mm_cvtps_epi32(value);  // rounds to nearest, halves to even
  }
#endif

  float scale_;
  float alphaScale_;
};

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
  const ScaledBlend blend(constant);
  int32_t i = 0;
#if defined(__SSE2__)
  for (; i + 4 <= count; i += 4)
    blend.Blend4(src + i * kPixelBytes, dst + i * kPixelBytes);
#endif
  for (; i < count; ++i)
    blend.Blend1(src + i * kPixelBytes, dst + i * kPixelBytes);
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
