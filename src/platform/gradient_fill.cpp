// GradientFill of rectangles. Along the gradient axis a rectangle of length L runs from the
// colour of the vertex at its low edge to the colour of the vertex at its high edge: pixel p
// (0 <= p < L) gets, per 16-bit channel, (start * (L - p) + end * p) / L, and shows the high
// byte of that value. Red, green and blue make the colour; alpha goes to the alpha byte of
// 32-bit pixels. Each colour is computed once per column (horizontal) or row (vertical) and
// stored as a run of pixel words.
#include <algorithm>
#include <array>

#include "platform/axis_map.h"
#include "platform/device_color.h"
#include "platform/device_row.h"
#include "platform/drawing_context.h"

namespace wayband::platform {
namespace {

constexpr int32_t kColumnChunk = 1024;

struct Ramp {
  const TriVertex* start = nullptr;  // vertex at the low edge
  const TriVertex* end = nullptr;    // vertex at the high edge
  int64_t length = 0;

  uint8_t Channel(uint16_t from, uint16_t to, int64_t p) const {
    const int64_t value = (int64_t{from} * (length - p) + int64_t{to} * p) / length;
    return static_cast<uint8_t>(value >> 8);
  }

  // The device value of position p (0 <= p < length) on `bitmap`.
  uint32_t ValueAt(const Bitmap& bitmap, int64_t p) const {
    const ColorRef color =
        RGB(Channel(start->Red, end->Red, p), Channel(start->Green, end->Green, p),
            Channel(start->Blue, end->Blue, p));
    if (bitmap.bitCount() != 32) return DeviceValue(bitmap, color);
    return PixelFromColor(color, Channel(start->Alpha, end->Alpha, p));
  }
};

Ramp MakeRamp(const TriVertex& a, const TriVertex& b, bool horizontal) {
  const int32_t aAt = horizontal ? a.x : a.y;
  const int32_t bAt = horizontal ? b.x : b.y;
  const bool aFirst = aAt <= bAt;
  return Ramp{aFirst ? &a : &b, aFirst ? &b : &a, aFirst ? int64_t{bAt} - aAt : int64_t{aAt} - bAt};
}

// A horizontal gradient: one run of colours, written to every row.
void FillHorizontal(Bitmap& bitmap, const Ramp& ramp, int64_t low, const AxisMap& columns,
                    const AxisMap& rows) {
  std::array<uint32_t, kColumnChunk> values;
  for (int32_t first = 0; first < columns.count(); first += kColumnChunk) {
    const int32_t count = std::min(kColumnChunk, columns.count() - first);
    const int32_t x = columns.dstStart() + first;
    for (int32_t i = 0; i < count; ++i)
      values[size_t(i)] = ramp.ValueAt(bitmap, x + i - low);
    for (int32_t j = 0; j < rows.count(); ++j) {
      WriteDeviceRow(bitmap, rows.dstStart() + j, x, count, values.data());
    }
  }
}

// A vertical gradient: one colour per row.
void FillVertical(Bitmap& bitmap, const Ramp& ramp, int64_t low, const AxisMap& columns,
                  const AxisMap& rows) {
  for (int32_t j = 0; j < rows.count(); ++j) {
    const int32_t y = rows.dstStart() + j;
    FillDeviceRow(bitmap, y, columns.dstStart(), columns.count(), ramp.ValueAt(bitmap, y - low));
  }
}

void FillGradientRect(Bitmap& bitmap, const TriVertex& a, const TriVertex& b, bool horizontal) {
  const Ramp ramp = MakeRamp(a, b, horizontal);
  const int64_t left = std::min(a.x, b.x);
  const int64_t top = std::min(a.y, b.y);
  const AxisMap columns(left, std::max(a.x, b.x) - left, bitmap.width());
  const AxisMap rows(top, std::max(a.y, b.y) - top, bitmap.height());
  if (columns.IsEmpty() || rows.IsEmpty()) return;
  if (horizontal) {
    FillHorizontal(bitmap, ramp, left, columns, rows);
  } else {
    FillVertical(bitmap, ramp, top, columns, rows);
  }
}

}  // namespace

bool GradientFill(DrawingContext& dst, std::span<const TriVertex> vertices,
                  std::span<const GradientRect> rects, GradientMode mode) {
  Bitmap* bitmap = dst.bitmap().get();
  const bool horizontal = mode == GradientMode::GRADIENT_FILL_RECT_H;
  if (bitmap == nullptr || (!horizontal && mode != GradientMode::GRADIENT_FILL_RECT_V)) {
    return false;
  }
  for (const GradientRect& rect : rects) {
    if (rect.UpperLeft >= vertices.size() || rect.LowerRight >= vertices.size()) return false;
  }
  for (const GradientRect& rect : rects) {
    FillGradientRect(*bitmap, vertices[rect.UpperLeft], vertices[rect.LowerRight], horizontal);
  }
  return true;
}

}  // namespace wayband::platform
