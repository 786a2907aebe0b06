// MoveToEx and LineTo with one-pixel solid pens. A line from (x0, y0) to (x1, y1) steps
// along its major axis; at step t (0 <= t < n, n the major length) the minor coordinate
// advances by round(t * minor length / n), halves away from the start. The end point is
// not drawn, horizontal and vertical lines cover exactly the pixels between the two points,
// and the steps drawn are only those inside the bitmap, so huge coordinates cost nothing.
#include <algorithm>
#include <utility>

#include "platform/device_color.h"
#include "platform/device_row.h"
#include "platform/drawing_context.h"
#include "platform/pixel_words.h"

namespace wayband::platform {
namespace {

struct Line {
  int64_t majorStart = 0;
  int64_t minorStart = 0;
  int64_t majorStep = 1;  // +1 or -1
  int64_t minorStep = 1;
  uint64_t length = 0;  // steps along the major axis
  uint64_t rise = 0;    // total change along the minor axis (<= length)

  int64_t MinorAt(uint64_t t) const {
    // rise * t < 2^64 because both are below 2^32.
    const uint64_t product = rise * t;
    const uint64_t offset = product / length + (2 * (product % length) + length) / (2 * length);
    return minorStart + minorStep * static_cast<int64_t>(offset);
  }
};

// The steps t in [0, length) whose major coordinate lies in [0, limit).
std::pair<int64_t, int64_t> StepsInside(const Line& line, int32_t limit) {
  int64_t first = 0;
  int64_t last = static_cast<int64_t>(line.length);
  if (line.majorStep > 0) {
    first = std::max(first, -line.majorStart);
    last = std::min(last, int64_t{limit} - line.majorStart);
  } else {
    first = std::max(first, line.majorStart - (int64_t{limit} - 1));
    last = std::min(last, line.majorStart + 1);
  }
  return {first, last};
}

// A column of 32-bit pixels: one word a row, each in a cache line of its own. The rows are
// stepped by pointer, and the lines some rows ahead are fetched for writing early, so the
// stores do not wait for their lines one after another.
void DrawColumn32(Bitmap& bitmap, int32_t x, int32_t top, int32_t count, uint32_t value) {
  constexpr int32_t kRowsAhead = 8;
  if (count <= 0) return;
  uint8_t* p = bitmap.Row(top) + int64_t{x} * 4;
  const int64_t step = count > 1 ? bitmap.Row(top + 1) - bitmap.Row(top) : 0;
  for (int32_t i = 0; i < count; ++i, p += step) {
    if (i + kRowsAhead < count) __builtin_prefetch(p + kRowsAhead * step, 1);
    StoreWord(p, value);
  }
}

void DrawStraightRun(Bitmap& bitmap, const Line& line, bool xMajor, int64_t first, int64_t last,
                     int32_t minorLimit, uint32_t value) {
  if (first >= last || line.minorStart < 0 || line.minorStart >= minorLimit) return;
  const int64_t a = line.majorStart + line.majorStep * first;
  const int64_t b = line.majorStart + line.majorStep * (last - 1);
  const auto low = static_cast<int32_t>(std::min(a, b));
  const auto count = static_cast<int32_t>(last - first);
  const auto across = static_cast<int32_t>(line.minorStart);
  if (xMajor) {
    FillDeviceRow(bitmap, across, low, count, value);
    return;
  }
  if (bitmap.bitCount() == 32) {
    DrawColumn32(bitmap, across, low, count, value);
    return;
  }
  for (int32_t y = low; y < low + count; ++y)
    bitmap.SetPixelAt(across, y, value);
}

void DrawLine(Bitmap& bitmap, Point from, Point to, uint32_t value) {
  const int64_t dx = int64_t{to.x} - from.x;
  const int64_t dy = int64_t{to.y} - from.y;
  const bool xMajor = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
  const int64_t major = xMajor ? dx : dy;
  const int64_t minor = xMajor ? dy : dx;
  const Line line{xMajor ? from.x : from.y,
                  xMajor ? from.y : from.x,
                  major < 0 ? -1 : 1,
                  minor < 0 ? -1 : 1,
                  static_cast<uint64_t>(major < 0 ? -major : major),
                  static_cast<uint64_t>(minor < 0 ? -minor : minor)};
  if (line.length == 0) return;
  const int32_t majorLimit = xMajor ? bitmap.width() : bitmap.height();
  const int32_t minorLimit = xMajor ? bitmap.height() : bitmap.width();
  const auto [first, last] = StepsInside(line, majorLimit);
  if (line.rise == 0) {
    // Horizontal and vertical lines: the minor coordinate never moves, so the steps inside
    // the bitmap are one run of pixels (the outlines of every frame are drawn this way).
    DrawStraightRun(bitmap, line, xMajor, first, last, minorLimit, value);
    return;
  }
  for (int64_t t = first; t < last; ++t) {
    const int64_t along = line.majorStart + line.majorStep * t;
    const int64_t across = line.MinorAt(static_cast<uint64_t>(t));
    if (across < 0 || across >= minorLimit) continue;
    const auto px = static_cast<int32_t>(xMajor ? along : across);
    const auto py = static_cast<int32_t>(xMajor ? across : along);
    bitmap.SetPixelAt(px, py, value);
  }
}

}  // namespace

bool MoveToEx(DrawingContext& dc, int32_t x, int32_t y, Point* previous) {
  if (previous != nullptr) *previous = dc.CurrentPosition();
  dc.SetCurrentPosition(Point{x, y});
  return true;
}

bool LineTo(DrawingContext& dc, int32_t x, int32_t y) {
  const Point from = dc.CurrentPosition();
  dc.SetCurrentPosition(Point{x, y});
  Bitmap* bitmap = dc.bitmap().get();
  if (bitmap == nullptr) return false;
  if (dc.pen().style == Pen::Style::kSolid) {
    DrawLine(*bitmap, from, Point{x, y}, DeviceValue(*bitmap, dc.pen().color));
  }
  return true;
}

}  // namespace wayband::platform
