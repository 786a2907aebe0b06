// The splitter strip between the panel area and the bars: a gradient and, while the
// splitter can be dragged, a row of grip dots.
#pragma once

#include "platform/drawing_context.h"
#include "platform/geometry.h"
#include "render/paint/frame_colors.h"

namespace wayband::render {

// Paints the strip of `strip` pixels into its own context: the splitter gradient over the
// strip and one row more, then the grip unless the splitter is locked.
void PaintSplitterStrip(platform::DrawingContext* target, const FrameLook& look,
                        platform::Size strip, bool locked);

}  // namespace wayband::render
