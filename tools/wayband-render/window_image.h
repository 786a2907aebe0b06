// The window image of a control: what a screen would show of it. What the control's window
// shows at (0, 0), then its child windows from the back of the stacking order to the
// front: the toolbar and splitter strips with what they show at their window positions,
// and each visible child control as a labelled placeholder box. The frame pass copies
// ControlSurface and ToolbarSurface to their windows and paints the splitter strip
// straight into its window; a window nothing was presented to yet shows its surface.
// Geometry comes from the control's inspection snapshot.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "headless/headless_host.h"
#include "imaging/dib32.h"
#include "wayband/wayband_control.h"

namespace wayband::render_tool {

struct PlaceholderLook {
  std::string label;
  uint32_t color = 0;  // a colour value; system references allowed
};

// Child windows of the control that stand for placeholders, by window handle.
using Placeholders = std::map<host::WindowHandle, PlaceholderLook>;

// Composes the image; empty when the control has no size.
imaging::CDib32 ComposeWindowImage(const Wayband& control, headless::HeadlessHost& host,
                                   const Placeholders& placeholders);

}  // namespace wayband::render_tool
