// Tiling a picture over a rectangle, its top-left corner at the rectangle's top-left.
#pragma once

#include <cstdint>

#include "platform/drawing_context.h"

namespace wayband::render {

// Fills (x, y, x + width, y + height) with the picture held in `picture` (picture width x
// picture height pixels) repeated from the rectangle's corner. The phases matter only on
// the first release of Windows 95, where block copies replace the pattern brush.
void TilePicture(platform::DrawingContext* target, int32_t x, int32_t y, int32_t width,
                 int32_t height, platform::DrawingContext* picture, int32_t pictureWidth,
                 int32_t pictureHeight, int32_t phaseX = 0, int32_t phaseY = 0);

}  // namespace wayband::render
