// GradientFill of rectangles. Along the gradient axis a rectangle of length L runs from the
// colour of the vertex at its low edge to the colour of the vertex at its high edge: pixel p
// (0 <= p < L) gets, per 16-bit channel, (start * (L - p) + end * p) / L, and shows the high
// byte of that value. Red, green and blue make the colour; alpha goes to the alpha byte of
// 32-bit pixels. Each colour is computed once per column (horizontal) or row (vertical),
// stepping without division, and stored as a run of pixel words.
#include <algorithm>
#include <array>

#include "platform/axis_map.h"
#include "platform/device_color.h"
#include "platform/device_row.h"
#include "platform/drawing_context.h"
#include "platform/pixel_words.h"

namespace wayband::platform {
namespace {

constexpr int32_t kColumnChunk = 1024;

// One 16-bit channel along the ramp, stepped exactly: the numerator start * L + delta * p
// of pixel p advances by delta per pixel, kept as quotient and remainder of L.
class ChannelWalk {
 public:
  ChannelWalk(uint16_t start, uint16_t end, int64_t length, int64_t p) : length_(length) {
    const int64_t delta = int64_t{end} - start;
    const int64_t numerator = int64_t{start} * length + delta * p;
    quotient_ = numerator / length;
    remainder_ = numerator % length;
    quotientStep_ = delta >= 0 ? delta / length : -((-delta + length - 1) / length);
    remainderStep_ = delta - quotientStep_ * length;
  }

  uint8_t Shown() const { return static_cast<uint8_t>(quotient_ >> 8); }

  // Without a branch: where the remainder wraps depends on the colours, so a test of it
  // would mispredict at about every other step.
  void Next() {
    remainder_ += remainderStep_;
    const int64_t carry = remainder_ >= length_ ? 1 : 0;
    quotient_ += quotientStep_ + carry;
    remainder_ -= length_ & -carry;
  }

 private:
  int64_t length_;
  int64_t quotient_ = 0;
  int64_t remainder_ = 0;
  int64_t quotientStep_ = 0;
  int64_t remainderStep_ = 0;  // 0 <= remainderStep_ < length_
};

// The colours of a rectangle along its gradient axis, from position p on.
class RampWalk {
 public:
  // `start` is the vertex at the low edge, `end` the one at the high edge, `length` > 0.
  RampWalk(const TriVertex& start, const TriVertex& end, int64_t length, int64_t p)
      : red_(start.Red, end.Red, length, p),
        green_(start.Green, end.Green, length, p),
        blue_(start.Blue, end.Blue, length, p),
        alpha_(start.Alpha, end.Alpha, length, p) {}

  // The device value of the current position on `bitmap`.
  uint32_t Value(const Bitmap& bitmap) const {
    const ColorRef color = RGB(red_.Shown(), green_.Shown(), blue_.Shown());
    if (bitmap.bitCount() != 32) return DeviceValue(bitmap, color);
    return PixelFromColor(color, alpha_.Shown());
  }

  void Next() {
    red_.Next();
    green_.Next();
    blue_.Next();
    alpha_.Next();
  }

 private:
  ChannelWalk red_, green_, blue_, alpha_;
};

struct Ramp {
  const TriVertex* start = nullptr;  // vertex at the low edge
  const TriVertex* end = nullptr;    // vertex at the high edge
  int64_t low = 0;                   // coordinate of the low edge
  int64_t length = 0;

  RampWalk WalkFrom(int64_t coordinate) const {
    return RampWalk(*start, *end, length, coordinate - low);
  }
};

Ramp MakeRamp(const TriVertex& a, const TriVertex& b, bool horizontal) {
  const int64_t aAt = horizontal ? a.x : a.y;
  const int64_t bAt = horizontal ? b.x : b.y;
  if (aAt <= bAt) return Ramp{&a, &b, aAt, bAt - aAt};
  return Ramp{&b, &a, bAt, aAt - bAt};
}

// A horizontal gradient: one run of colours, written to every row.
void FillHorizontal(Bitmap& bitmap, const Ramp& ramp, const AxisMap& columns, const AxisMap& rows) {
  std::array<uint32_t, kColumnChunk> values;
  RampWalk walk = ramp.WalkFrom(columns.dstStart());
  for (int32_t first = 0; first < columns.count(); first += kColumnChunk) {
    const int32_t count = std::min(kColumnChunk, columns.count() - first);
    for (int32_t i = 0; i < count; ++i, walk.Next())
      values[size_t(i)] = walk.Value(bitmap);
    for (int32_t j = 0; j < rows.count(); ++j) {
      WriteDeviceRow(bitmap, rows.dstStart() + j, columns.dstStart() + first, count, values.data());
    }
  }
}

// A vertical gradient: one colour per row. On 32-bit pixels each row is one run of words
// filled directly, the widest fill chosen once for all the rows.
void FillVertical(Bitmap& bitmap, const Ramp& ramp, const AxisMap& columns, const AxisMap& rows) {
  RampWalk walk = ramp.WalkFrom(rows.dstStart());
  if (bitmap.bitCount() == 32) {
    const WordFill fill = ChosenWordFill();
    const int64_t offset = int64_t{columns.dstStart()} * 4;
    for (int32_t j = 0; j < rows.count(); ++j, walk.Next())
      fill(bitmap.Row(rows.dstStart() + j) + offset, walk.Value(bitmap), columns.count());
    return;
  }
  for (int32_t j = 0; j < rows.count(); ++j, walk.Next()) {
    FillDeviceRow(bitmap, rows.dstStart() + j, columns.dstStart(), columns.count(),
                  walk.Value(bitmap));
  }
}

void FillGradientRect(Bitmap& bitmap, const TriVertex& a, const TriVertex& b, bool horizontal) {
  const int64_t left = std::min(a.x, b.x);
  const int64_t top = std::min(a.y, b.y);
  const AxisMap columns(left, std::max(a.x, b.x) - left, bitmap.width());
  const AxisMap rows(top, std::max(a.y, b.y) - top, bitmap.height());
  if (columns.IsEmpty() || rows.IsEmpty()) return;
  const Ramp ramp = MakeRamp(a, b, horizontal);
  if (horizontal) {
    FillHorizontal(bitmap, ramp, columns, rows);
  } else {
    FillVertical(bitmap, ramp, columns, rows);
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
