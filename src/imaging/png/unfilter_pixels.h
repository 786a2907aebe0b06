// Sub, Average and Paeth unfiltering a whole pixel at a time, for pixels of 3, 4, 6 or 8
// bytes. The bytes of one pixel do not depend on each other, only on the pixel to their
// left, so each pixel is unfiltered in the 16-bit lanes of one SSE2 register; the results
// are those of the byte-wise filters exactly (all arithmetic is exact in 16 bits). Pixels
// of 3 and 6 bytes move 4 and 8 bytes at a time: the lanes past the pixel are ignored, and
// each store's extra bytes are overwritten by the next pixel's, so the rows read and write
// up to kUnfilterSlackBytes past their end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#define WAYBAND_PNG_PIXEL_UNFILTER 1
#endif

namespace wayband::imaging::png {

inline constexpr size_t kUnfilterSlackBytes = 2;

#if defined(WAYBAND_PNG_PIXEL_UNFILTER)

enum class PixelFilter { kSub, kAverage, kPaeth };

// Bytes moved per pixel of kBytes.
template <size_t kBytes>
inline constexpr size_t kMovedBytes = kBytes <= 4 ? 4 : 8;

template <size_t kBytes>
inline __m128i LoadPixel(const uint8_t* p) {
  uint64_t bytes = 0;
  std::memcpy(&bytes, p, kMovedBytes<kBytes>);
  return _mm_unpacklo_epi8(_mm_cvtsi64_si128(static_cast<long long>(bytes)), _mm_setzero_si128());
}

template <size_t kBytes>
inline void StorePixel(uint8_t* p, __m128i lanes) {
  const uint64_t bytes = static_cast<uint64_t>(_mm_cvtsi128_si64(_mm_packus_epi16(lanes, lanes)));
  std::memcpy(p, &bytes, kMovedBytes<kBytes>);
}

inline __m128i Select(__m128i mask, __m128i ifSet, __m128i ifClear) {
  return _mm_or_si128(_mm_and_si128(mask, ifSet), _mm_andnot_si128(mask, ifClear));
}

inline __m128i Abs16(__m128i x) {
  return _mm_max_epi16(x, _mm_sub_epi16(_mm_setzero_si128(), x));
}

// The Paeth predictor of PaethPredictor, lane by lane.
inline __m128i PaethLanes(__m128i left, __m128i above, __m128i upperLeft) {
  const __m128i towardsAbove = _mm_sub_epi16(above, upperLeft);
  const __m128i towardsLeft = _mm_sub_epi16(left, upperLeft);
  const __m128i distanceLeft = Abs16(towardsAbove);
  const __m128i distanceAbove = Abs16(towardsLeft);
  const __m128i distanceUpperLeft = Abs16(_mm_add_epi16(towardsAbove, towardsLeft));
  const __m128i notLeft = _mm_or_si128(_mm_cmpgt_epi16(distanceLeft, distanceAbove),
                                       _mm_cmpgt_epi16(distanceLeft, distanceUpperLeft));
  const __m128i notAbove = _mm_cmpgt_epi16(distanceAbove, distanceUpperLeft);
  return Select(notLeft, Select(notAbove, upperLeft, above), left);
}

// Unfilters `size` bytes (a whole number of pixels) from `in` into `out`; `prior` is the
// unfiltered row above. Pixels left of the row count as zero.
template <PixelFilter kFilter, size_t kBytes>
void UnfilterPixels(const uint8_t* in, uint8_t* out, const uint8_t* prior, size_t size) {
  const __m128i lowByte = _mm_set1_epi16(0xFF);
  __m128i left = _mm_setzero_si128();
  __m128i upperLeft = _mm_setzero_si128();
  for (size_t i = 0; i + kBytes <= size; i += kBytes) {
    __m128i predicted = left;
    if constexpr (kFilter != PixelFilter::kSub) {
      const __m128i above = LoadPixel<kBytes>(prior + i);
      if constexpr (kFilter == PixelFilter::kAverage) {
        predicted = _mm_srli_epi16(_mm_add_epi16(left, above), 1);
      } else {
        predicted = PaethLanes(left, above, upperLeft);
      }
      upperLeft = above;
    }
    left = _mm_and_si128(_mm_add_epi16(LoadPixel<kBytes>(in + i), predicted), lowByte);
    StorePixel<kBytes>(out + i, left);
  }
}

// Runs UnfilterPixels for pixels of `bytesPerPixel` bytes; false when that size has none.
template <PixelFilter kFilter>
bool UnfilterWholePixels(const uint8_t* in, uint8_t* out, const uint8_t* prior, size_t size,
                         unsigned bytesPerPixel) {
  switch (bytesPerPixel) {
    case 3:
      UnfilterPixels<kFilter, 3>(in, out, prior, size);
      return true;
    case 4:
      UnfilterPixels<kFilter, 4>(in, out, prior, size);
      return true;
    case 6:
      UnfilterPixels<kFilter, 6>(in, out, prior, size);
      return true;
    case 8:
      UnfilterPixels<kFilter, 8>(in, out, prior, size);
      return true;
    default:
      return false;
  }
}

#endif

}  // namespace wayband::imaging::png
