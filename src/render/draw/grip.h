// The splitter grip: a row of small embossed dots centred in the strip.
#pragma once

#include <cstdint>

#include "platform/drawing_context.h"
#include "platform/geometry.h"

namespace wayband::render {

// Dots of the splitter strip's grip.
inline constexpr int32_t kSplitterGripDots = 9;

// Draws `dots` dots 5 pixels apart, the first at (round(w/2 − 5·dots/2), round(h/2 − 2))
// from the target's origin, w and h being the rectangle's width and height.
void DrawGrip(platform::DrawingContext* target, const platform::Rect& rect, int32_t dots);

}  // namespace wayband::render
