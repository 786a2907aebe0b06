#include "render/draw/outline.h"

#include "platform/twips.h"
#include "render/draw/color_blend.h"

namespace wayband::render {

void DrawRectOutline(platform::DrawingContext* target, OleColor color, int32_t x, int32_t y,
                     int32_t width, int32_t height) {
  if (target == nullptr) return;
  const int32_t right = platform::ClampToLong(int64_t{x} + width - 1);
  const int32_t bottom = platform::ClampToLong(int64_t{y} + height - 1);
  const platform::Pen previous = target->SelectPen(platform::CreatePen(DrawnColor(color)));
  // Left edge upwards, top, right edge downwards, bottom back to the start; each LineTo
  // leaves out its end point, which the next segment draws.
  platform::MoveToEx(*target, x, bottom, nullptr);
  platform::LineTo(*target, x, y);
  platform::LineTo(*target, right, y);
  platform::LineTo(*target, right, bottom);
  platform::LineTo(*target, x, bottom);
  target->SelectPen(previous);
}

}  // namespace wayband::render
