// Colour values of the drawing platform: 32 bits, red in bits 0-7, green in 8-15, blue in
// 16-23. A value with bit 31 set is a system colour reference; the drawing calls of this
// layer take plain colours only (translation happens above, when a colour is drawn).
#pragma once

#include <cstdint>

namespace wayband::platform {

using ColorRef = uint32_t;

// Returned by GetPixel outside the selected bitmap and by calls that cannot answer.
inline constexpr ColorRef CLR_INVALID = 0xFFFFFFFF;

constexpr ColorRef RGB(uint8_t red, uint8_t green, uint8_t blue) {
  return ColorRef{red} | (ColorRef{green} << 8) | (ColorRef{blue} << 16);
}
constexpr uint8_t GetRValue(ColorRef color) {
  return static_cast<uint8_t>(color);
}
constexpr uint8_t GetGValue(ColorRef color) {
  return static_cast<uint8_t>(color >> 8);
}
constexpr uint8_t GetBValue(ColorRef color) {
  return static_cast<uint8_t>(color >> 16);
}

// A plain colour as a 32-bit pixel word (bytes blue, green, red, alpha in memory).
constexpr uint32_t PixelFromColor(ColorRef color, uint8_t alpha = 0) {
  return (uint32_t{GetRValue(color)} << 16) | (uint32_t{GetGValue(color)} << 8) |
         uint32_t{GetBValue(color)} | (uint32_t{alpha} << 24);
}
// The colour of a 32-bit pixel word; its alpha byte is dropped.
constexpr ColorRef ColorFromPixel(uint32_t pixel) {
  return RGB(static_cast<uint8_t>(pixel >> 16), static_cast<uint8_t>(pixel >> 8),
             static_cast<uint8_t>(pixel));
}

}  // namespace wayband::platform
