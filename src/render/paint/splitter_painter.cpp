#include "render/paint/splitter_painter.h"

#include "render/draw/grip.h"

namespace wayband::render {

void PaintSplitterStrip(platform::DrawingContext* target, const FrameLook& look,
                        platform::Size strip, bool locked) {
  if (target == nullptr) return;
  FillVertical(target, SplitterGradient(look), {0, 0, strip.cx, strip.cy + 1});
  if (!locked) DrawGrip(target, {0, 0, strip.cx, strip.cy}, kSplitterGripDots);
}

}  // namespace wayband::render
