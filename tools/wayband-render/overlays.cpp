#include "overlays.h"

#include <algorithm>

#include "headless/dialog_drawing.h"
#include "headless/tip_drawing.h"
#include "platform/gdi_objects.h"
#include "platform/system_colors.h"

namespace wayband::render_tool {

namespace {

using platform::Rect;

Rect Union(const Rect& a, const Rect& b) {
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

// A tip's shadow reaches this far beyond its box.
constexpr int32_t kTipShadow = 4;
// The largest picture side, pixels: overlays far off the control are cut there.
constexpr int32_t kMaxPictureSide = 8192;

}  // namespace

imaging::CDib32 WithOverlays(imaging::CDib32 control, const Rect& controlScreen,
                             const std::optional<platform::TipDisplay>& tip,
                             const headless::DialogSnapshot* dialog, double twipsPerPixel) {
  if (!tip && !dialog) return control;
  const Rect controlRect{controlScreen.left, controlScreen.top,
                         controlScreen.left + control.Width(),
                         controlScreen.top + control.Height()};
  Rect area = controlRect;
  Rect tipRect;
  if (tip) {
    tipRect = headless::TipScreenRect(*tip);
    area = Union(
        area, {tipRect.left, tipRect.top, tipRect.right + kTipShadow, tipRect.bottom + kTipShadow});
  }
  Rect dialogRect;
  if (dialog) {
    const platform::Size size = headless::DialogWindowSize(*dialog, twipsPerPixel, twipsPerPixel);
    dialogRect = {controlRect.left + kDialogOffsetX, controlRect.top + kDialogOffsetY,
                  controlRect.left + kDialogOffsetX + size.cx,
                  controlRect.top + kDialogOffsetY + size.cy};
    area = Union(area, dialogRect);
  }
  area.right = std::min(area.right, area.left + kMaxPictureSide);
  area.bottom = std::min(area.bottom, area.top + kMaxPictureSide);
  imaging::CDib32 picture;
  if (!picture.Create(area.Width(), area.Height()) || !picture.hDC()) return control;
  platform::DrawingContext& dc = *picture.hDC();
  platform::FillRect(
      dc, {0, 0, area.Width(), area.Height()},
      platform::CreateSolidBrush(platform::GetSysColor(platform::COLOR_APPWORKSPACE)));
  if (control.hDC()) {
    platform::BitBlt(dc, controlRect.left - area.left, controlRect.top - area.top, control.Width(),
                     control.Height(), control.hDC(), 0, 0, platform::SRCCOPY);
  }
  // The dialog is modal over the form; a tip cannot be up at the same time.
  if (dialog) {
    headless::DrawDialog(dc, *dialog, {dialogRect.left - area.left, dialogRect.top - area.top},
                         twipsPerPixel, twipsPerPixel);
  } else if (tip) {
    headless::DrawTip(dc, *tip, {area.left, area.top});
  }
  return picture;
}

}  // namespace wayband::render_tool
