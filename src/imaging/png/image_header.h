// The IHDR fields and the scanline geometry that follows from them.
#pragma once

#include <cstdint>

namespace wayband::imaging::png {

enum ColourType : uint8_t {
  kGrey = 0,
  kRgb = 2,
  kPalette = 3,
  kGreyAlpha = 4,
  kRgba = 6,
};

inline constexpr uint8_t kInterlaceNone = 0;
inline constexpr uint8_t kInterlaceAdam7 = 1;
inline constexpr uint8_t kCompressionDeflate = 0;

struct ImageHeader {
  uint32_t width = 0;
  uint32_t height = 0;
  uint8_t bitDepth = 0;
  uint8_t colourType = 0;
  uint8_t compression = 0;
  uint8_t interlace = 0;
};

// Samples per pixel: 1 for grey and palette, 2 for grey + alpha, 3 for RGB, 4 for RGBA;
// 0 for an unknown colour type.
unsigned SamplesPerPixel(uint8_t colourType);

// True for the colour type and bit depth pairs PNG defines (and this decoder converts).
bool IsSupportedFormat(uint8_t colourType, uint8_t bitDepth);

// Bit depth x samples per pixel.
inline unsigned BitsPerPixel(const ImageHeader& header) {
  return header.bitDepth * SamplesPerPixel(header.colourType);
}

// Bytes per pixel for the filters: the bytes of a whole pixel, at least 1.
inline unsigned FilterBytesPerPixel(const ImageHeader& header) {
  const unsigned bytes = BitsPerPixel(header) / 8;
  return bytes > 0 ? bytes : 1;
}

// Bytes of one row of `width` pixels without its filter byte. Exact in 64 bits for any
// 32-bit width and up to 64 bits per pixel.
inline uint64_t RowBytes(uint64_t width, unsigned bitsPerPixel) {
  return (width * bitsPerPixel + 7) / 8;
}

}  // namespace wayband::imaging::png
