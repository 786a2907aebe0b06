#include "platform/gdi_objects.h"

#include <new>

namespace wayband::platform {

Brush CreateSolidBrush(ColorRef color) {
  return Brush{Brush::Style::kSolid, color, nullptr};
}

Brush CreatePatternBrush(const Bitmap* bitmap) {
  if (bitmap == nullptr) return Brush{};
  // The brush keeps its own copy: the caller may delete the bitmap right away.
  try {
    return Brush{Brush::Style::kPattern, 0, std::make_shared<const Bitmap>(*bitmap)};
  } catch (const std::bad_alloc&) {
    return Brush{};
  }
}

Pen CreatePen(ColorRef color) {
  return Pen{Pen::Style::kSolid, color};
}

}  // namespace wayband::platform
