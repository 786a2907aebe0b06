// The standard icon sizes and colour classes of the icon store. A size index 0..7 names
// 16, 24, 32, 48, 72, 96, 128 or 256 pixels; a kind 0..4 names the colour class of a
// source bit count.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace wayband::imaging {

inline constexpr int32_t kIconSizeCount = 8;
inline constexpr int32_t kIconKindCount = 5;

// Kind 4 holds 32-bit images with alpha; kinds 1 to 3 hold 24-bit renderings.
inline constexpr int32_t kKind32Bit = 4;
inline constexpr int32_t kKind24Bit = 3;

inline constexpr std::array<int32_t, kIconSizeCount> kIconPixels = {16, 24, 32,  48,
                                                                    72, 96, 128, 256};

constexpr bool IsIconSizeIndex(int32_t sizeIndex) {
  return sizeIndex >= 0 && sizeIndex < kIconSizeCount;
}
constexpr bool IsIconKind(int32_t kind) {
  return kind >= 0 && kind < kIconKindCount;
}

// Pixels of a size index; 0 for any other number.
constexpr int32_t IconPixels(int32_t sizeIndex) {
  return IsIconSizeIndex(sizeIndex) ? kIconPixels[static_cast<size_t>(sizeIndex)] : 0;
}

// The size index of exactly that many pixels; any other value gives 0.
constexpr int32_t IconSizeIndex(int32_t pixels) {
  for (int32_t i = 0; i < kIconSizeCount; ++i) {
    if (kIconPixels[static_cast<size_t>(i)] == pixels) return i;
  }
  return 0;
}

// The kind of a bit count: 32 or more gives 4, 16 to 31 gives 3, 8 to 15 gives 2, 4 to 7
// gives 1, below 4 gives 0.
constexpr int32_t IconKind(int32_t bitCount) {
  if (bitCount >= 32) return 4;
  if (bitCount >= 16) return 3;
  if (bitCount >= 8) return 2;
  if (bitCount >= 4) return 1;
  return 0;
}

// The width at which a 24-bit image is stored: the smallest width at or above `width`
// whose 3-byte pixels fill whole 32-bit words, so that rows need no padding.
constexpr int32_t Stored24BitWidth(int32_t width) {
  return (width + 3) / 4 * 4;
}

}  // namespace wayband::imaging
