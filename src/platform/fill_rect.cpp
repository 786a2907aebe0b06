#include "platform/blit_engine.h"
#include "platform/drawing_context.h"
#include "platform/rop3.h"

namespace wayband::platform {

bool FillRect(DrawingContext& dst, const Rect& rect, const Brush& brush) {
  Bitmap* target = dst.bitmap().get();
  if (target == nullptr) return false;
  const int64_t width = int64_t{rect.right} - rect.left;
  const int64_t height = int64_t{rect.bottom} - rect.top;
  const AxisMap columns(rect.left, width, target->width());
  const AxisMap rows(rect.top, height, target->height());
  const DevicePattern pattern(brush, dst, *target);
  if (columns.IsEmpty() || rows.IsEmpty() || pattern.IsEmpty()) return true;
  if (pattern.IsSolid()) {
    FillBlock(*target, columns, rows, pattern.solidValue());
    return true;
  }
  RunRaster(*target, columns, rows, RasterInputs{nullptr, &pattern, false},
            [](const uint32_t* p, const uint32_t*, uint32_t* d, int32_t count) {
              ApplyRopRow(RopIndex(PATCOPY), p, nullptr, d, count);
            });
  return true;
}

}  // namespace wayband::platform
