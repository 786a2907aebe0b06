// What one frame pass decided before it paints the bars: the targets it paints on, the look
// it evaluated once for the whole pass, and the caption height it measured.
#pragma once

#include <cstdint>

#include "platform/drawing_context.h"

namespace wayband::core {

struct FrameContext {
  // The control's main target (ControlSurface's context on the NT family, the control
  // window's own context elsewhere) and the toolbar strip's target.
  platform::DrawingContext* mainTarget = nullptr;
  platform::DrawingContext* toolbarTarget = nullptr;
  // The styled look (the application is drawn with visual styles), evaluated once per pass.
  bool styled = false;
  // Height of "A" in the control's font, twips converted to pixels (half to even).
  int32_t textHeightPixels = 0;
};

}  // namespace wayband::core
