// Two-colour gradients: the imaging library's primitive when it exists, one-pixel bands
// otherwise, and a solid fill of the first colour on low-colour displays.
#pragma once

#include <cstdint>

#include "platform/drawing_context.h"
#include "platform/geometry.h"
#include "render/scheme/scheme_palette.h"

namespace wayband::render {

// Fills (x, y, x + width, y + height): a gradient c1 → c2 (top to bottom unless
// `horizontal`) when the colours differ and the display is not low-colour, else a solid
// fill of the nearest colour to c1.
void FillGradient(platform::DrawingContext* target, OleColor c1, OleColor c2, int32_t x, int32_t y,
                  int32_t width, int32_t height, bool horizontal);

// Fills the rectangle with a gradient from c1 at its top (left) edge to c2 at its bottom
// (right) edge.
void FillGradientRect(platform::DrawingContext* target, const platform::Rect& rect, OleColor c1,
                      OleColor c2, bool vertical);

}  // namespace wayband::render
