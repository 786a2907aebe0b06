#include "render/paint/background_painter.h"

#include "render/draw/caption.h"
#include "render/draw/color_blend.h"
#include "render/draw/outline.h"
#include "render/paint/picture_tile.h"

namespace wayband::render {

void PaintControlBackground(platform::DrawingContext* target, const FrameLook& look,
                            const ControlBackground& background) {
  if (target == nullptr) return;
  const platform::Rect barArea{0, 0, background.width, background.barAreaBottom};
  if (!background.hasPanels) {
    FillVertical(target, EmptyControlGradient(look), barArea);
  } else if (look.backColor.set) {
    FillVertical(target, PanelAreaGradient(look), barArea);
  } else {
    FillVertical(target, PanelAreaGradient(look),
                 {0, kPanelAreaTop, background.width, background.barsTop});
  }
  TilePictureOver(target, background.picture, barArea);
}

void DrawCentredCaption(platform::DrawingContext* target, const CentredCaption& caption) {
  if (target == nullptr) return;
  // Drawn on a transparent background whatever mode the target was left in, so the
  // caption never paints a box over the gradient behind it.
  const platform::BackgroundMode mode = target->SetBkMode(platform::BackgroundMode::kTransparent);
  const platform::ColorRef textColor = target->SetTextColor(DrawnColor(caption.color));
  DrawCaptionInFont(target, caption.font, caption.text, caption.rect,
                    {.centre = true, .rightAlign = false, .wordWrap = true}, caption.cache);
  target->SetTextColor(textColor);
  target->SetBkMode(mode);
}

void PaintToolbarBackground(platform::DrawingContext* target, const FrameLook& look,
                            platform::Size strip, const Picture* picture) {
  if (target == nullptr) return;
  const platform::Rect whole{0, 0, strip.cx, strip.cy};
  if (picture != nullptr) {
    TilePictureOver(target, picture, whole);
    DrawRectOutline(target, look.palette[Slot::Border], 0, 0, strip.cx, strip.cy);
    return;
  }
  FillVertical(target, ToolbarGradient(look), whole);
  DrawRectOutline(target, ToolbarOutline(look), 0, 0, strip.cx, strip.cy);
}

}  // namespace wayband::render
