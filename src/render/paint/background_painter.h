// The backgrounds of the frame: the control's own area behind the header and the bars,
// with its centred caption, and the toolbar strip.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/drawing_context.h"
#include "platform/geometry.h"
#include "platform/text/logical_font.h"
#include "render/draw/caption.h"
#include "render/paint/frame_colors.h"
#include "wayband/picture.h"

namespace wayband::render {

// The panel area of a control with panels starts this far down (below the header).
inline constexpr int32_t kPanelAreaTop = 28;

struct ControlBackground {
  bool hasPanels = false;
  int32_t width = 0;
  // Fills end at the bottom of the bar area.
  int32_t barAreaBottom = 0;
  // With panels and default colours the panel area ends at the top of the bar stack.
  int32_t barsTop = 0;
  const Picture* picture = nullptr;  // BackgroundPicture
};

// The control background: a gradient over the control (over the panel area only while
// panels exist and BackColor is default), then the background picture tiled over the
// bar area from the top-left corner.
void PaintControlBackground(platform::DrawingContext* target, const FrameLook& look,
                            const ControlBackground& background);

// A caption of the empty control or the empty panel area: centred, word-wrapped, ended
// with an ellipsis, in `color` (a colour value) and `font`, on a transparent background.
struct CentredCaption {
  std::string_view text;
  platform::Rect rect;
  OleColor color = 0;
  const platform::LogFont* font = nullptr;  // null: the target's current font
  CaptionCache* cache = nullptr;            // null: laid out afresh
};
void DrawCentredCaption(platform::DrawingContext* target, const CentredCaption& caption);

// The toolbar strip: its picture tiled over the whole strip, or else the toolbar
// gradient; then its outline.
void PaintToolbarBackground(platform::DrawingContext* target, const FrameLook& look,
                            platform::Size strip, const Picture* picture);

}  // namespace wayband::render
