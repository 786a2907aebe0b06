// What shows over the control's windows in a screenshot: a tooltip that is up and a
// dialog. The picture grows to take in whatever sticks out of the control, the space
// around the control showing the desktop's application background colour.
#pragma once

#include <optional>

#include "headless/dialog_host.h"
#include "imaging/dib32.h"
#include "platform/geometry.h"
#include "platform/tooltip/tip_display.h"

namespace wayband::render_tool {

// A dialog sits this far right of and below the control's top-left corner, pixels.
inline constexpr int32_t kDialogOffsetX = 24;
inline constexpr int32_t kDialogOffsetY = 48;

// `control` is the control's window image, `controlScreen` where that window is on screen.
imaging::CDib32 WithOverlays(imaging::CDib32 control, const platform::Rect& controlScreen,
                             const std::optional<platform::TipDisplay>& tip,
                             const headless::DialogSnapshot* dialog, double twipsPerPixel);

}  // namespace wayband::render_tool
