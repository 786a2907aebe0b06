// Twips and pixels. Hosts place child windows in twips (1/1440 inch); drawing and hit
// testing use pixels. The conversion the controls rely on rounds the twips value and the
// screen's twips per pixel to whole numbers (halves to even) and divides as integers,
// truncating toward zero.
#pragma once

#include <cstdint>
#include "platform/round_half_even.h"

namespace wayband::platform {

// Twips on a 96 dots-per-inch screen.
inline constexpr double kDefaultTwipsPerPixel = 15.0;

// RoundHalfEven clamped to the 32-bit signed range (the platform's Long).
int32_t RoundToLong(double value);

// A 64-bit intermediate clamped to the 32-bit signed range.
int32_t ClampToLong(int64_t value);

// t twips in pixels: round(t) div round(twipsPerPixel), truncating toward zero. A twips
// per pixel that rounds to 0 gives 0 (there is no such screen).
int32_t TwipsToPixels(double twips, double twipsPerPixel);

}  // namespace wayband::platform
