#include "platform/text/coverage_blend.h"

#include <algorithm>
#include <cstring>

#include "platform/device_color.h"
#include "platform/pixel_words.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace wayband::platform::text {
namespace {

constexpr uint8_t kHalfCoverage = 128;
constexpr uint8_t kFullCoverage = 255;

struct Coverage {
  uint8_t red;
  uint8_t green;
  uint8_t blue;

  bool IsNone() const { return red == 0 && green == 0 && blue == 0; }
  bool IsFull() const {
    return red == kFullCoverage && green == kFullCoverage && blue == kFullCoverage;
  }
  uint8_t Mean() const { return static_cast<uint8_t>((red + green + blue) / 3); }
};

Coverage CoverageAt(const uint8_t* row, int32_t x, int channels) {
  if (channels == 3) {
    const uint8_t* p = row + static_cast<size_t>(x) * 3;
    return Coverage{p[0], p[1], p[2]};
  }
  return Coverage{row[x], row[x], row[x]};
}

ColorRef Blend(ColorRef background, ColorRef ink, Coverage c) {
  return RGB(BlendChannel(GetRValue(background), GetRValue(ink), c.red),
             BlendChannel(GetGValue(background), GetGValue(ink), c.green),
             BlendChannel(GetBValue(background), GetBValue(ink), c.blue));
}

void BlendPixel(Bitmap& target, int32_t x, int32_t y, ColorRef ink, uint32_t inkValue, Coverage c) {
  if (c.IsNone()) return;
  if (target.IsMonochrome()) {
    if (c.Mean() >= kHalfCoverage) target.SetPixelAt(x, y, inkValue);
    return;
  }
  if (c.IsFull()) {
    target.SetPixelAt(x, y, inkValue);
    return;
  }
  const ColorRef background = DeviceColor(target, target.PixelAt(x, y));
  target.SetPixelAt(x, y, DeviceValue(target, Blend(background, ink, c)));
}

// One pixel of BlendRow32.
void BlendPixel32(uint8_t* out, uint8_t cr, uint8_t cg, uint8_t cb, ColorRef ink,
                  uint32_t inkValue) {
  if ((cr | cg | cb) == 0) return;
  if ((cr & cg & cb) == kFullCoverage) {
    StoreWord(out, inkValue);
    return;
  }
  const uint32_t old = LoadWord(out);
  StoreWord(out,
            uint32_t{BlendChannel(static_cast<uint8_t>(old >> 16), GetRValue(ink), cr)} << 16 |
                uint32_t{BlendChannel(static_cast<uint8_t>(old >> 8), GetGValue(ink), cg)} << 8 |
                uint32_t{BlendChannel(static_cast<uint8_t>(old), GetBValue(ink), cb)});
}

#if defined(__SSE2__)
// Four pixels of BlendRow32 at once, in 16-bit lanes: the same blend, exactly. A lane with
// coverage 255 comes out as the ink and one with coverage 0 as it was, so only the pixels
// without any coverage need keeping whole (their alpha included); every other pixel's
// alpha is cleared. `coverage` holds the pixels' coverage as words 0x00RRGGBB.
void BlendFour32(uint8_t* out, __m128i coverage, __m128i ink16) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i full = _mm_set1_epi16(kFullCoverage);
  const __m128i half = _mm_set1_epi16(kFullCoverage / 2 + 1);
  const __m128i old = _mm_loadu_si128(reinterpret_cast<const __m128i*>(out));
  const auto blendHalf = [&](__m128i background, __m128i cover) {
    // (background * (255 - c) + ink * c + 127) / 255, as (t + (t >> 8)) >> 8 with
    // t = numerator + 1, exact for every numerator up to 255 * 255.
    const __m128i sum = _mm_add_epi16(_mm_mullo_epi16(background, _mm_sub_epi16(full, cover)),
                                      _mm_mullo_epi16(ink16, cover));
    const __m128i t = _mm_add_epi16(sum, half);
    return _mm_srli_epi16(_mm_add_epi16(t, _mm_srli_epi16(t, 8)), 8);
  };
  const __m128i low = blendHalf(_mm_unpacklo_epi8(old, zero), _mm_unpacklo_epi8(coverage, zero));
  const __m128i high = blendHalf(_mm_unpackhi_epi8(old, zero), _mm_unpackhi_epi8(coverage, zero));
  const __m128i blended = _mm_and_si128(_mm_packus_epi16(low, high), _mm_set1_epi32(kColorBits));
  const __m128i untouched = _mm_cmpeq_epi32(coverage, zero);
  const __m128i result =
      _mm_or_si128(_mm_and_si128(untouched, old), _mm_andnot_si128(untouched, blended));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(out), result);
}

// The coverage of four pixels as words 0x00RRGGBB: one channel spread over three, or
// three channels (red, green, blue) moved into the pixel layout.
__m128i CoverageWords(const uint8_t* coverage, int channels) {
  if (channels == 1) {
    uint32_t four;
    std::memcpy(&four, coverage, sizeof four);
    const __m128i bytes = _mm_cvtsi32_si128(static_cast<int>(four));
    const __m128i pairs = _mm_unpacklo_epi8(bytes, bytes);
    return _mm_and_si128(_mm_unpacklo_epi16(pairs, pairs), _mm_set1_epi32(kColorBits));
  }
  // Built in general registers and moved over as two halves: four words stored and loaded
  // back as one vector would stall on the store forwarding.
  const auto word = [](const uint8_t* rgb) {
    return uint64_t{rgb[0]} << 16 | uint64_t{rgb[1]} << 8 | rgb[2];
  };
  const auto pair = [&](const uint8_t* rgb) {
    return static_cast<long long>(word(rgb) | word(rgb + 3) << 32);
  };
  return _mm_unpacklo_epi64(_mm_cvtsi64_si128(pair(coverage)),
                            _mm_cvtsi64_si128(pair(coverage + 6)));
}
#endif

// BlendPixel on a 32-bit target (pixel words 0x00RRGGBB after a blend), the pixels of one
// row addressed directly: four at a time where SSE2 is there, skipping groups without
// coverage, then one by one.
void BlendRow32(uint8_t* out, const uint8_t* coverage, int64_t count, int channels, ColorRef ink,
                uint32_t inkValue) {
  const size_t step = static_cast<size_t>(channels);
  int64_t i = 0;
#if defined(__SSE2__)
  const __m128i ink16 = _mm_setr_epi16(GetBValue(ink), GetGValue(ink), GetRValue(ink), 0,
                                       GetBValue(ink), GetGValue(ink), GetRValue(ink), 0);
  constexpr int64_t kLanes = 4;
  for (; i + kLanes <= count; i += kLanes, out += 4 * kLanes, coverage += kLanes * step) {
    const __m128i words = CoverageWords(coverage, channels);
    if (_mm_movemask_epi8(_mm_cmpeq_epi8(words, _mm_setzero_si128())) == 0xFFFF) continue;
    BlendFour32(out, words, ink16);
  }
#endif
  for (; i < count; ++i, out += 4, coverage += step) {
    BlendPixel32(out, coverage[0], coverage[channels == 3 ? 1 : 0], coverage[channels == 3 ? 2 : 0],
                 ink, inkValue);
  }
}

}  // namespace

void BlendGlyph(Bitmap& target, const GlyphImage& glyph, int64_t originX, int64_t baseline,
                const Rect& clip, ColorRef color) {
  if (glyph.IsEmpty() || clip.IsEmpty()) return;
  const ColorRef ink = color & kColorBits;
  const uint32_t inkValue = DeviceValue(target, ink);
  const int64_t left = originX + glyph.left;
  const int64_t top = baseline - glyph.top;
  const int64_t x0 = std::max<int64_t>(clip.left, left);
  const int64_t x1 = std::min<int64_t>(clip.right, left + glyph.width);
  const int64_t y0 = std::max<int64_t>(clip.top, top);
  const int64_t y1 = std::min<int64_t>(clip.bottom, top + glyph.height);
  for (int64_t y = y0; y < y1; ++y) {
    const uint8_t* row = glyph.Row(static_cast<int32_t>(y - top));
    if (target.bitCount() == 32 && x0 < x1) {
      const size_t first = static_cast<size_t>(x0 - left) * static_cast<size_t>(glyph.channels);
      BlendRow32(target.Row(static_cast<int32_t>(y)) + x0 * 4, row + first, x1 - x0, glyph.channels,
                 ink, inkValue);
      continue;
    }
    for (int64_t x = x0; x < x1; ++x) {
      BlendPixel(target, static_cast<int32_t>(x), static_cast<int32_t>(y), ink, inkValue,
                 CoverageAt(row, static_cast<int32_t>(x - left), glyph.channels));
    }
  }
}

}  // namespace wayband::platform::text
