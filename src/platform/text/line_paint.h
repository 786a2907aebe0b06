// Painting one laid-out line into a drawing context's bitmap: the opaque cell background,
// the glyphs, and the underline and strike-out bars (the font's own, over the whole line,
// and the mnemonic underline under single clusters).
#pragma once

#include <cstdint>
#include <limits>
#include <span>
#include <vector>

#include "platform/drawing_context.h"
#include "platform/text/realized_font.h"
#include "platform/text/text_layout.h"

namespace wayband::platform::text {

// A clip rectangle that clips nothing but the bitmap's own edges.
inline constexpr Rect kNoClip{
    std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::min(),
    std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::max()};

struct LineStyle {
  ColorRef color = 0;
  bool opaque = false;  // fill the line's cell with `background` first
  ColorRef background = 0;
  bool underline = false;
  bool strikeOut = false;
  std::span<const uint32_t> underlinedClusters;  // character indices of mnemonic underlines
};

// A rectangle from 64-bit edges, each clamped to the 32-bit range.
Rect ClampedRect(int64_t left, int64_t top, int64_t right, int64_t bottom);

// Paints the line with the top-left of its cell at (left, top), touching only pixels
// inside `clip`. Nothing happens when the context holds no bitmap.
void PaintLine(DrawingContext& dc, const RealizedFont& font, const LineLayout& layout, int64_t left,
               int64_t top, const Rect& clip, const LineStyle& style);

// A rectangle holding every pixel PaintLine paints for the same arguments on a bitmap
// without edges (the glyph images, the opaque cell and the bars), within `clip`; empty
// when it paints none.
Rect LineInk(const RealizedFont& font, const LineLayout& layout, int64_t left, int64_t top,
             const Rect& clip, const LineStyle& style);

}  // namespace wayband::platform::text
