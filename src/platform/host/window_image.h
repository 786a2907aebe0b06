// The image of one window that a control paints itself: a 32-bit bitmap, rows top-down, at
// the window's client size, selected in a drawing context whose state (font, colours,
// modes) persists like a window's own. A host shows the bitmap's pixels as they are.
#pragma once

#include <memory>

#include "platform/bitmap.h"
#include "platform/drawing_context.h"
#include "platform/geometry.h"

namespace wayband::host {

class WindowImage {
 public:
  // The context over a bitmap of `client` pixels. After a change of size a new bitmap
  // replaces the old one, keeping the pixels that still fit (the rest start black). Null
  // for an empty size, or when the platform refuses the memory.
  platform::DrawingContext* Context(platform::Size client);
  // Fills the current image with a plain colour; nothing while there is none.
  void Clear(platform::ColorRef color);
  // What the window shows now; null before the first Context.
  const platform::BitmapHandle& Image() const { return bitmap_; }

 private:
  std::unique_ptr<platform::DrawingContext> dc_;
  platform::BitmapHandle bitmap_;
};

}  // namespace wayband::host
