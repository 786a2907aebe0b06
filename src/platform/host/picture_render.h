// Rendering a picture into a drawing context, as the platform's picture object renders
// itself: the whole picture scaled to a rectangle of the target.
#pragma once

#include <cstdint>

#include "platform/drawing_context.h"
#include "wayband/picture.h"

namespace wayband::platform {

// Draws the picture at (x, y) of the context, scaled to width x height pixels by nearest
// neighbour (the way StretchBlt scales). An opaque picture replaces the block; a
// transparent one leaves the target as it was at its transparent pixels. Nothing is drawn
// for sizes of 0 or below or a context without a bitmap.
void RenderPicture(const Picture& picture, DrawingContext& target, int32_t x, int32_t y,
                   int32_t width, int32_t height);

}  // namespace wayband::platform
