// The window image of a control: what a screen would show of it. The control's surface at
// (0, 0), then its child windows from the back of the stacking order to the front: the
// toolbar and splitter strips with their surfaces at their window positions, and each
// visible child control as a labelled placeholder box. Everything is read through the
// control's inspection snapshot and surface views.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "imaging/dib32.h"
#include "platform/host/window_system.h"
#include "wayband/wayband_control.h"

namespace wayband::render_tool {

struct PlaceholderLook {
  std::string label;
  uint32_t color = 0;  // a colour value; system references allowed
};

// Child windows of the control that stand for placeholders, by window handle.
using Placeholders = std::map<host::WindowHandle, PlaceholderLook>;

// Composes the image; empty when the control has no size.
imaging::CDib32 ComposeWindowImage(const Wayband& control, const host::WindowSystem& windows,
                                   const Placeholders& placeholders);

}  // namespace wayband::render_tool
