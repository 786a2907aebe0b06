// The key colour of the imaging subsystem: it marks transparent pixels in pictures without
// alpha and in intermediate surfaces.
#pragma once

#include <cstdint>

#include "platform/color.h"

namespace wayband::imaging {

inline constexpr platform::ColorRef kKeyColor = platform::RGB(254, 3, 253);

// The key colour as stored pixel bytes (blue, green, red).
inline constexpr uint8_t kKeyBlue = 253;
inline constexpr uint8_t kKeyGreen = 3;
inline constexpr uint8_t kKeyRed = 254;

// Whether the stored bytes blue, green, red of a pixel spell the key colour.
constexpr bool IsKeyPixel(const uint8_t* bgr) {
  return bgr[0] == kKeyBlue && bgr[1] == kKeyGreen && bgr[2] == kKeyRed;
}

}  // namespace wayband::imaging
