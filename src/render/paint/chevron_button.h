// The chevron button at the right end of the toolbar strip: a fill while the mouse is over
// it, and the chevron glyph always.
#pragma once

#include <cstdint>

#include "platform/drawing_context.h"
#include "platform/geometry.h"
#include "render/paint/frame_colors.h"

namespace wayband::render {

struct ChevronGeometry {
  // The button's fill.
  platform::Rect button;
  // Where the glyph is anchored (DrawChevronGlyph's left, right and bottom).
  int32_t glyphLeft = 0;
  int32_t glyphRight = 0;
  int32_t glyphBottom = 0;
  friend bool operator==(const ChevronGeometry&, const ChevronGeometry&) = default;
};

// The button sits 200 twips in from the strip's right edge, 195 twips wide, 3 pixels down
// and 5 pixels shorter than the strip; the glyph's area starts 180 twips in from the right
// edge. Twips become pixels as the control converts them.
ChevronGeometry ChevronGeometryFor(double stripWidthTwips, platform::Size stripPixels,
                                   double twipsPerPixelX);

// Fills the button when the mouse is over it (`hot`; the pressed colours while it is also
// held down), then draws the glyph, enabled or not.
void PaintChevron(platform::DrawingContext* target, const FrameLook& look,
                  const ChevronGeometry& geometry, bool hot, bool pressed);

}  // namespace wayband::render
