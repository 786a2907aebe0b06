// The per-pixel composite CDib32::AlphaPaint uses where the platform's imaging library
// (and with it AlphaBlend) cannot be loaded. It is slow: it reads and writes the target one
// point at a time.
#pragma once

#include <cstdint>

#include "imaging/pixel_view.h"
#include "platform/drawing_context.h"

namespace wayband::imaging {

// Pixels with alpha of this or less are not drawn.
inline constexpr uint8_t kFallbackAlphaThreshold = 25;

// Draws the whole 32-bit `source` with its top-left at (x, y), stored row r going to
// target row y + height - 1 - r. Each pixel's alpha A (scaled by constantAlpha / 255 and
// rounded when constantAlpha is below 255) blends its straight colour over the target
// colour: target x (255 - A) \ 255 + source x A \ 255 per channel; A of 255 copies.
void AlphaPaintPerPixel(ConstPixelView source, platform::DrawingContext& target, int32_t x,
                        int32_t y, int32_t height, uint8_t constantAlpha);

}  // namespace wayband::imaging
