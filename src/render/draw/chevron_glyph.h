// The chevron glyph at the right end of the toolbar strip: a double chevron with a soft
// shadow and a small drop-down triangle, laid over the background by per-pixel weights.
#pragma once

#include <cstdint>

#include "platform/drawing_context.h"

namespace wayband::render {

// Anchors the glyph at X = left + (right − 2 − left) div 2 − 7, T = bottom − 20 (`top` is
// not used).
void DrawChevronGlyph(platform::DrawingContext* target, int32_t left, int32_t top, int32_t right,
                      int32_t bottom);

}  // namespace wayband::render
