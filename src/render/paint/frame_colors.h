// The colours of the frame around the bars: the control background, the toolbar strip,
// the splitter strip, the header and the chevron button, in the styled and the plain look
// and under the host's BackColor and HoverColor. Pure functions of the look; the painters
// only fill what they return (FillVertical).
#pragma once

#include "platform/drawing_context.h"
#include "platform/geometry.h"
#include "render/paint/bar_colors.h"
#include "render/scheme/scheme_palette.h"

namespace wayband::render {

// The look one frame is painted in, evaluated once per frame pass.
struct FrameLook {
  const SchemePalette& palette;
  // The application is drawn with visual styles.
  bool styled = false;
  HostColor backColor;
  HostColor hoverColor;
};

// A vertical gradient from `top` at the top edge to `bottom` at the bottom edge; equal
// ends make a flat fill.
struct Gradient {
  OleColor top = 0;
  OleColor bottom = 0;
  friend bool operator==(const Gradient&, const Gradient&) = default;
};

// Fills the area with the gradient (nothing for an empty area).
void FillVertical(platform::DrawingContext* target, const Gradient& gradient,
                  const platform::Rect& area);

// The control background while BackColor is set (with or without panels): a light tint
// of it.
Gradient TintedBackground(OleColor backColor);
// The control without panels, default colours.
Gradient EmptyControlGradient(const FrameLook& look);
// The panel area between the header and the bars, default colours.
Gradient PanelAreaGradient(const FrameLook& look);

Gradient ToolbarGradient(const FrameLook& look);
OleColor ToolbarOutline(const FrameLook& look);

Gradient SplitterGradient(const FrameLook& look);

// The header strip: BackColor darkened, the styled header colours, or a flat button shadow.
Gradient HeaderGradient(const FrameLook& look);
// Whether the header is a flat fill of the button shadow (plain look, default colours).
bool HeaderIsFlat(const FrameLook& look);
OleColor HeaderOutline(const FrameLook& look);
// The header caption: HeaderForeColor, or a grey mixed from the header's top colour (the
// button face over a flat header) while the control is disabled.
OleColor HeaderCaptionColor(const FrameLook& look, bool controlEnabled, OleColor headerForeColor);

// The chevron button under the mouse, held down or not.
Gradient ChevronGradient(const FrameLook& look, bool pressed);

}  // namespace wayband::render
