#include "platform/text/line_paint.h"

#include <algorithm>
#include <limits>

#include "platform/text/coverage_blend.h"

namespace wayband::platform::text {
namespace {

int32_t Clamp32(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

void FillClipped(DrawingContext& dc, const Rect& area, const Rect& clip, ColorRef color) {
  const Rect visible = IntersectRect(area, clip);
  if (!visible.IsEmpty()) FillRect(dc, visible, CreateSolidBrush(color & kColorBits));
}

// Horizontal bar of `thickness` rows starting `rowOffset` rows below the baseline.
void PaintBar(DrawingContext& dc, int64_t left, int64_t right, int64_t baseline, int32_t rowOffset,
              int32_t thickness, const Rect& clip, ColorRef color) {
  const int64_t top = baseline + rowOffset;
  FillClipped(dc, ClampedRect(left, top, right, top + thickness), clip, color);
}

void PaintDecorations(DrawingContext& dc, const ScaledMetrics& m, const LineLayout& layout,
                      int64_t left, int64_t baseline, const Rect& clip, const LineStyle& style) {
  if (style.underline) {
    PaintBar(dc, left, left + layout.width, baseline, m.underlineOffset, m.underlineThickness, clip,
             style.color);
  }
  if (style.strikeOut) {
    PaintBar(dc, left, left + layout.width, baseline, -m.strikeoutOffset, m.strikeoutThickness,
             clip, style.color);
  }
  for (const uint32_t cluster : style.underlinedClusters) {
    const auto [from, to] = layout.ClusterExtent(cluster);
    if (from < to) {
      PaintBar(dc, left + from, left + to, baseline, m.underlineOffset, m.underlineThickness, clip,
               style.color);
    }
  }
}

}  // namespace

Rect ClampedRect(int64_t left, int64_t top, int64_t right, int64_t bottom) {
  return Rect{Clamp32(left), Clamp32(top), Clamp32(right), Clamp32(bottom)};
}

void PaintLine(DrawingContext& dc, const RealizedFont& font, const LineLayout& layout, int64_t left,
               int64_t top, const Rect& clip, const LineStyle& style) {
  Bitmap* target = dc.bitmap().get();
  if (target == nullptr) return;
  const Rect visible = IntersectRect(clip, Rect{0, 0, target->width(), target->height()});
  if (visible.IsEmpty()) return;
  const ScaledMetrics& m = font.metrics();
  if (style.opaque) {
    FillClipped(dc, ClampedRect(left, top, left + layout.width, top + m.height()), visible,
                style.background);
  }
  const int64_t baseline = top + m.ascent;
  for (const PlacedGlyph& g : layout.glyphs) {
    BlendGlyph(*target, g.face->Glyph(g.glyph), left + g.x, baseline + g.y, visible, style.color);
  }
  PaintDecorations(dc, m, layout, left, baseline, visible, style);
}

}  // namespace wayband::platform::text
