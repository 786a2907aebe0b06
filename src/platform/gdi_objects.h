// Brushes and pens of the drawing platform. They are small values: a pattern brush keeps
// its own copy of the pattern, so the bitmap it was made from may be deleted at once.
#pragma once

#include <memory>

#include "platform/bitmap.h"
#include "platform/color.h"

namespace wayband::platform {

struct Brush {
  enum class Style { kNull, kSolid, kPattern };

  Style style = Style::kNull;
  ColorRef color = 0;                     // kSolid
  std::shared_ptr<const Bitmap> pattern;  // kPattern: 1-bit or colour pattern, tiled

  bool IsNull() const { return style == Style::kNull; }
};

// CreateSolidBrush: a brush of one plain colour.
Brush CreateSolidBrush(ColorRef color);
// CreatePatternBrush: a brush that tiles a copy of the bitmap from the context's brush
// origin. A monochrome pattern is drawn in the context's text colour (0 bits) and
// background colour (1 bits). A null bitmap gives a null brush.
Brush CreatePatternBrush(const Bitmap* bitmap);

struct Pen {
  enum class Style { kNull, kSolid };

  Style style = Style::kNull;
  ColorRef color = 0;
};

// CreatePen with PS_SOLID and width 0 or 1: a one-pixel solid pen.
Pen CreatePen(ColorRef color);

}  // namespace wayband::platform
