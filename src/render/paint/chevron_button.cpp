#include "render/paint/chevron_button.h"

#include "platform/twips.h"
#include "render/draw/chevron_glyph.h"

namespace wayband::render {
namespace {

constexpr double kButtonInsetTwips = 200.0;
constexpr double kButtonWidthTwips = 195.0;
constexpr double kGlyphInsetTwips = 180.0;
constexpr int32_t kButtonTop = 3;
constexpr int32_t kButtonHeightLess = 5;

}  // namespace

ChevronGeometry ChevronGeometryFor(double stripWidthTwips, platform::Size stripPixels,
                                   double twipsPerPixelX) {
  ChevronGeometry g;
  const int32_t left = platform::TwipsToPixels(stripWidthTwips - kButtonInsetTwips, twipsPerPixelX);
  const int32_t width = platform::TwipsToPixels(kButtonWidthTwips, twipsPerPixelX);
  g.button = {left, kButtonTop, left + width, kButtonTop + stripPixels.cy - kButtonHeightLess};
  g.glyphLeft = platform::TwipsToPixels(stripWidthTwips - kGlyphInsetTwips, twipsPerPixelX);
  g.glyphRight = stripPixels.cx;
  g.glyphBottom = stripPixels.cy;
  return g;
}

void PaintChevron(platform::DrawingContext* target, const FrameLook& look,
                  const ChevronGeometry& geometry, bool hot, bool pressed) {
  if (target == nullptr) return;
  if (hot) FillVertical(target, ChevronGradient(look, pressed), geometry.button);
  DrawChevronGlyph(target, geometry.glyphLeft, geometry.button.top, geometry.glyphRight,
                   geometry.glyphBottom);
}

}  // namespace wayband::render
