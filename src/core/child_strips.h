// The design of the control's two child strips, as the host creates them with the
// control: the toolbar strip docked to the bottom edge (twips scale, hand pointer) and the
// hidden splitter strip (pixel scale, sizing pointer) that appears with the first panel.
#pragma once

#include "platform/host/child_strip.h"

namespace wayband::core {

inline constexpr const char* kToolbarName = "ctlToolbar";
inline constexpr const char* kSplitBarName = "ctlSplitBar";
// The toolbar's designed height: 16 twips plus one 32-pixel bar at 15 twips per pixel.
inline constexpr double kToolbarDesignHeight = 496.0;
// The splitter's designed height: 7 pixels at 15 twips per pixel.
inline constexpr double kSplitBarDesignHeight = 105.0;

host::StripDesign ToolbarDesign();
host::StripDesign SplitBarDesign();

}  // namespace wayband::core
