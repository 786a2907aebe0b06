#include "render/draw/gradient.h"

#include <algorithm>
#include <array>

#include "platform/color.h"
#include "platform/round_half_even.h"
#include "platform/twips.h"
#include "render/draw/color_blend.h"
#include "render/draw/drawing_flags.h"
#include "render/scheme/low_color_display.h"

namespace wayband::render {
namespace {

constexpr float kFullWeight = 255.0f;
constexpr int kChannelShift = 8;  // 8-bit channels sit in the high byte of vertex channels

void FillSolid(platform::DrawingContext& target, const platform::Rect& rect, OleColor color) {
  const platform::ColorRef nearest = platform::GetNearestColor(target, DrawnColor(color));
  platform::FillRect(target, rect, platform::CreateSolidBrush(nearest));
}

platform::TriVertex Vertex(int32_t x, int32_t y, platform::ColorRef color) {
  platform::TriVertex vertex;
  vertex.x = x;
  vertex.y = y;
  vertex.Red = static_cast<uint16_t>(platform::GetRValue(color) << kChannelShift);
  vertex.Green = static_cast<uint16_t>(platform::GetGValue(color) << kChannelShift);
  vertex.Blue = static_cast<uint16_t>(platform::GetBValue(color) << kChannelShift);
  return vertex;
}

void FillWithPrimitive(platform::DrawingContext& target, const platform::Rect& rect,
                       platform::ColorRef c1, platform::ColorRef c2, bool vertical) {
  const std::array<platform::TriVertex, 2> vertices = {Vertex(rect.left, rect.top, c1),
                                                       Vertex(rect.right, rect.bottom, c2)};
  const std::array<platform::GradientRect, 1> rects = {platform::GradientRect{0, 1}};
  platform::GradientFill(target, vertices, rects,
                         vertical ? platform::GradientMode::GRADIENT_FILL_RECT_V
                                  : platform::GradientMode::GRADIENT_FILL_RECT_H);
}

// Weight of c1 at `offset` bands into a gradient `length` bands long: round((1 − offset /
// length) · 255) in single precision, halves to even.
int BandWeight(int64_t offset, int64_t length) {
  const float fraction = static_cast<float>(offset) / static_cast<float>(length);
  return static_cast<int>(platform::RoundHalfEven((1.0f - fraction) * kFullWeight));
}

// One-pixel bands from the first edge to the far edge inclusive, so the loop paints one
// band beyond the rectangle. Bands outside the target's bitmap change nothing and are
// skipped, which keeps huge rectangles cheap; the weights depend only on the position.
void FillWithBands(platform::DrawingContext& target, const platform::Rect& rect,
                   platform::ColorRef c1, platform::ColorRef c2, bool vertical) {
  const platform::BitmapHandle& bitmap = target.bitmap();
  if (!bitmap) return;
  const int64_t first = vertical ? rect.top : rect.left;
  const int64_t last = vertical ? rect.bottom : rect.right;
  const int64_t length = std::max<int64_t>(last - first, 1);
  const int64_t extent = vertical ? bitmap->height() : bitmap->width();
  const int64_t from = std::max<int64_t>(first, 0);
  const int64_t to = std::min<int64_t>(last, extent - 1);
  for (int64_t at = from; at <= to; ++at) {
    const auto band = static_cast<int32_t>(at);
    const platform::Rect bandRect = vertical
                                        ? platform::Rect{rect.left, band, rect.right, band + 1}
                                        : platform::Rect{band, rect.top, band + 1, rect.bottom};
    const OleColor color = BlendColors(c1, c2, BandWeight(at - first, length), false);
    platform::FillRect(target, bandRect, platform::CreateSolidBrush(color));
  }
}

}  // namespace

void FillGradient(platform::DrawingContext* target, OleColor c1, OleColor c2, int32_t x, int32_t y,
                  int32_t width, int32_t height, bool horizontal) {
  if (target == nullptr) return;
  const platform::Rect rect{x, y, platform::ClampToLong(int64_t{x} + width),
                            platform::ClampToLong(int64_t{y} + height)};
  if (c1 != c2 && !LowColorDisplay()) {
    FillGradientRect(target, rect, c1, c2, !horizontal);
  } else {
    FillSolid(*target, rect, c1);
  }
}

void FillGradientRect(platform::DrawingContext* target, const platform::Rect& rect, OleColor c1,
                      OleColor c2, bool vertical) {
  if (target == nullptr) return;
  if (LowColorDisplay()) {
    FillSolid(*target, rect, c1);
    return;
  }
  const platform::ColorRef first = DrawnColor(c1);
  const platform::ColorRef second = DrawnColor(c2);
  if (CurrentDrawingFlags().GradientFillAvailable) {
    FillWithPrimitive(*target, rect, first, second, vertical);
  } else {
    FillWithBands(*target, rect, first, second, vertical);
  }
}

}  // namespace wayband::render
