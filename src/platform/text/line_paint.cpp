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

// The decoration bars of a line in the order they are painted: the underline and the
// strike-out over the whole line, then the mnemonic underlines under single clusters.
// `visit` takes each bar's rectangle, unclipped.
template <typename Visit>
void ForEachDecoration(const ScaledMetrics& m, const LineLayout& layout, int64_t left,
                       int64_t baseline, const LineStyle& style, Visit visit) {
  const auto bar = [&](int64_t from, int64_t to, int32_t rowOffset, int32_t thickness) {
    const int64_t top = baseline + rowOffset;
    visit(ClampedRect(from, top, to, top + thickness));
  };
  if (style.underline) bar(left, left + layout.width, m.underlineOffset, m.underlineThickness);
  if (style.strikeOut) bar(left, left + layout.width, -m.strikeoutOffset, m.strikeoutThickness);
  for (const uint32_t cluster : style.underlinedClusters) {
    const auto [from, to] = layout.ClusterExtent(cluster);
    if (from < to) bar(left + from, left + to, m.underlineOffset, m.underlineThickness);
  }
}

Rect CellOf(const ScaledMetrics& m, const LineLayout& layout, int64_t left, int64_t top) {
  return ClampedRect(left, top, left + layout.width, top + m.height());
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
  if (style.opaque) FillClipped(dc, CellOf(m, layout, left, top), visible, style.background);
  const int64_t baseline = top + m.ascent;
  for (const PlacedGlyph& g : layout.glyphs) {
    BlendGlyph(*target, g.face->Glyph(g.glyph), left + g.x, baseline + g.y, visible, style.color);
  }
  ForEachDecoration(m, layout, left, baseline, style,
                    [&](const Rect& bar) { FillClipped(dc, bar, visible, style.color); });
}

Rect LineInk(const RealizedFont& font, const LineLayout& layout, int64_t left, int64_t top,
             const Rect& clip, const LineStyle& style) {
  const ScaledMetrics& m = font.metrics();
  Rect ink = style.opaque ? CellOf(m, layout, left, top) : Rect{};
  const int64_t baseline = top + m.ascent;
  for (const PlacedGlyph& g : layout.glyphs) {
    const GlyphImage& glyph = g.face->Glyph(g.glyph);
    if (glyph.IsEmpty()) continue;
    // Where BlendGlyph puts the image: its left column and top row from the glyph's origin.
    const int64_t x = left + g.x + glyph.left;
    const int64_t y = baseline + g.y - glyph.top;
    ink = UnionRect(ink, ClampedRect(x, y, x + glyph.width, y + glyph.height));
  }
  ForEachDecoration(m, layout, left, baseline, style,
                    [&](const Rect& bar) { ink = UnionRect(ink, bar); });
  return IntersectRect(ink, clip);
}

}  // namespace wayband::platform::text
