// Whole-surface pixel operations, one pass over the pixel store each.
#pragma once

#include <cstdint>

#include "imaging/pixel_view.h"

namespace wayband::imaging {

// Channel tolerance of the near background key: a channel matches within +-12.
inline constexpr int kNearKeyTolerance = 12;

// 32-bit pixels: blue, green and red each become channel x alpha \ 255; alpha unchanged.
void PremultiplyAlpha(PixelView view);

// Every pixel becomes grey: blue = green = red = round((red + green + blue) / 3), other
// bytes unchanged. Pixels in the key colour are left alone when `keepKeyColour` is set.
// Works on 24-bit and 32-bit views.
void Greyscale(PixelView view, bool keepKeyColour);

// Every pixel whose blue, green and red each lie within `tolerance` of the top-left
// pixel's becomes the key colour with alpha 0 (32-bit views).
void KeyOutBackground(PixelView view, int tolerance);

}  // namespace wayband::imaging
