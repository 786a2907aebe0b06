// Helpers shared by the surface tests: pixel words, filling surfaces, comparing blocks.
#pragma once

#include <cstdint>
#include <functional>

#include "imaging/dib24.h"
#include "imaging/dib32.h"
#include "platform/imaging_library.h"

namespace wayband::imaging::testing {

// A 32-bit pixel word from its stored bytes.
constexpr uint32_t Bgra(uint8_t blue, uint8_t green, uint8_t red, uint8_t alpha) {
  return uint32_t{blue} | (uint32_t{green} << 8) | (uint32_t{red} << 16) | (uint32_t{alpha} << 24);
}
constexpr uint32_t Bgr(uint8_t blue, uint8_t green, uint8_t red) {
  return Bgra(blue, green, red, 0);
}
constexpr uint8_t Channel(uint32_t word, int index) {
  return static_cast<uint8_t>(word >> (8 * index));
}

// Sets every pixel (x, y) of the picture ((0,0) top-left) to fn(x, y).
inline void FillPixels(DibSurface& surface, const std::function<uint32_t(int32_t, int32_t)>& fn) {
  for (int32_t y = 0; y < surface.Height(); ++y) {
    for (int32_t x = 0; x < surface.Width(); ++x)
      surface.SetPixelAt(x, y, fn(x, y));
  }
}

inline CDib32 MakeDib32(int32_t width, int32_t height, uint32_t fill) {
  CDib32 dib;
  dib.Create(width, height);
  FillPixels(dib, [fill](int32_t, int32_t) { return fill; });
  return dib;
}

// Declares the imaging library present or missing for the life of the object and
// records it as a control's start-up would.
class ScopedImagingLibrary {
 public:
  explicit ScopedImagingLibrary(bool loads) : saved_(platform::ProbeImagingLibrary()) {
    platform::SetImagingLibrary({loads, loads});
    platform::RecordImagingCapabilities();
  }
  ~ScopedImagingLibrary() {
    platform::SetImagingLibrary(saved_);
    platform::RecordImagingCapabilities();
  }

 private:
  platform::ImagingCapabilities saved_;
};

}  // namespace wayband::imaging::testing
