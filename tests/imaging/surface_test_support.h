// Helpers of the surface tests: surfaces of random pixels and the imaging library declared
// present or missing.
#pragma once

#include <random>

#include "imaging/dib24.h"
#include "platform/imaging_library.h"
#include "support/imaging_pixels.h"

namespace wayband::imaging::testing {

// Random pixel words, the same for the same seed; with `opaque` every alpha is 255, with
// `someTransparent` about a quarter of the pixels have alpha 0.
inline CDib32 RandomDib(int32_t width, int32_t height, uint32_t seed, bool opaque = false,
                        bool someTransparent = false) {
  std::mt19937 rng(seed);
  return Painted(width, height, [&](int32_t, int32_t) {
    const uint32_t word = static_cast<uint32_t>(rng()) | (opaque ? 0xFF000000u : 0u);
    return someTransparent && rng() % 4 == 0 ? word & kColourBytes : word;
  });
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
