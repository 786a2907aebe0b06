// CBitmapBrush: a pattern brush made from a rectangle of pixels, used to tile background
// pictures. The brush is replaced when a new one is made and released with the object.
#pragma once

#include <cstdint>

#include "platform/bitmap.h"
#include "platform/color.h"
#include "platform/drawing_context.h"
#include "platform/gdi_objects.h"

namespace wayband::imaging {

// A colour argument of PatternFill that is not given.
inline constexpr platform::ColorRef kNoColour = platform::CLR_INVALID;

class CBitmapBrush {
 public:
  // Copies the block (0, 0, width, height) of `source` into a display-compatible bitmap
  // and makes the brush from it.
  void CreateFromDC(const platform::DrawingContext* source, int32_t width, int32_t height);
  // Replaces the brush by a pattern brush of the bitmap and records its size.
  void CreateFromBitmap(const platform::Bitmap* bitmap);

  platform::Brush hBrush() const { return brush_; }
  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }

  // Fills (x, y, width, height) of the target with the brush by the raster operation,
  // the target's background and text colours set to the given ones (they colour
  // monochrome patterns) for the duration of the fill.
  void PatternFill(platform::DrawingContext* target, int32_t x, int32_t y, int32_t width,
                   int32_t height, platform::RasterOp rop = platform::PATCOPY,
                   platform::ColorRef backColour = kNoColour,
                   platform::ColorRef textColour = kNoColour) const;

 private:
  platform::Brush brush_;
  int32_t width_ = 0;
  int32_t height_ = 0;
};

}  // namespace wayband::imaging
