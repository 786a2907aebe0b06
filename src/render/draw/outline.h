// One-pixel rectangle outlines.
#pragma once

#include <cstdint>

#include "platform/drawing_context.h"
#include "render/scheme/scheme_palette.h"

namespace wayband::render {

// Outlines the width x height rectangle at (x, y) with a one-pixel pen: left, top, right
// and bottom edges inside the rectangle. A 1 x 1 outline draws nothing.
void DrawRectOutline(platform::DrawingContext* target, OleColor color, int32_t x, int32_t y,
                     int32_t width, int32_t height);

}  // namespace wayband::render
