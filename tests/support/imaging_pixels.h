// Pixel words of the imaging and icon tests (blue | green << 8 | red << 16 | alpha << 24,
// the bytes a 32-bit surface stores), surfaces painted from them, and checks of what a
// surface holds.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <functional>

#include "imaging/dib32.h"

namespace wayband::imaging::testing {

constexpr uint32_t Bgra(uint8_t blue, uint8_t green, uint8_t red, uint8_t alpha = 0) {
  return uint32_t{blue} | (uint32_t{green} << 8) | (uint32_t{red} << 16) | (uint32_t{alpha} << 24);
}
constexpr uint8_t Channel(uint32_t word, int index) {
  return static_cast<uint8_t>(word >> (8 * index));
}
inline constexpr uint32_t kColourBytes = 0x00FFFFFF;

// Pixel words by picture position ((0, 0) top-left).
using PixelFn = std::function<uint32_t(int32_t x, int32_t y)>;

inline void FillPixels(DibSurface& surface, const PixelFn& pixel) {
  for (int32_t y = 0; y < surface.Height(); ++y) {
    for (int32_t x = 0; x < surface.Width(); ++x)
      surface.SetPixelAt(x, y, pixel(x, y));
  }
}

template <class Surface = CDib32>
Surface Painted(int32_t width, int32_t height, const PixelFn& pixel) {
  Surface surface;
  surface.Create(width, height);
  FillPixels(surface, pixel);
  return surface;
}

inline CDib32 MakeDib32(int32_t width, int32_t height, uint32_t fill) {
  return Painted(width, height, [fill](int32_t, int32_t) { return fill; });
}

// Whether every channel of two pixel words differs by at most `tolerance`.
inline bool Near(uint32_t a, uint32_t b, int tolerance) {
  for (int c = 0; c < 4; ++c) {
    if (std::abs(int{Channel(a, c)} - int{Channel(b, c)}) > tolerance) return false;
  }
  return true;
}

// Whether every pixel of the surface is `expected` at its position, in the bits of `mask`
// and within `tolerance` per channel; names the first that is not.
inline ::testing::AssertionResult PixelsAre(const DibSurface& surface, const PixelFn& expected,
                                            uint32_t mask = 0xFFFFFFFF, int tolerance = 0) {
  for (int32_t y = 0; y < surface.Height(); ++y) {
    for (int32_t x = 0; x < surface.Width(); ++x) {
      const uint32_t got = surface.PixelAt(x, y), want = expected(x, y);
      if (!Near(got & mask, want & mask, tolerance)) {
        return ::testing::AssertionFailure() << std::hex << got << " at " << std::dec << x << ","
                                             << y << ", expected " << std::hex << want;
      }
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace wayband::imaging::testing
