// How the headless host draws a tip for screenshots: a box with a one-pixel border in the
// info-text colour, filled with the info-background colour, holding the text on one line
// in the info-text colour and the default GUI font; a soft shadow to the right and below
// when the tooltip class had the drop-shadow style.
#pragma once

#include "platform/drawing_context.h"
#include "platform/geometry.h"
#include "platform/tooltip/tip_display.h"

namespace wayband::headless {

// The tip's box in screen pixels: at the tip's position, sized to its text (the shadow
// lies outside it).
platform::Rect TipScreenRect(const platform::TipDisplay& tip);

// Draws the tip into a 32-bit drawing context whose top-left pixel shows the screen point
// `origin`, so the tip lands at its screen position. The context's colours, mode and font
// are left as they were.
void DrawTip(platform::DrawingContext& dc, const platform::TipDisplay& tip,
             platform::Point origin = {});

}  // namespace wayband::headless
