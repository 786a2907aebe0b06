// The caption bar of a NorvaleContainer: a 19-pixel gradient across the top with a top
// line and a bottom line, the container's icon at (3, 2) and its caption beside it. The
// colours come from the container's BarColor, or from the scheme palette when BarColor is
// the system button face (styled or plain look).
#pragma once

#include <cstdint>
#include <string_view>

#include "imaging/icon_bytes.h"
#include "platform/drawing_context.h"
#include "platform/geometry.h"
#include "platform/text/logical_font.h"
#include "render/scheme/scheme_palette.h"

namespace wayband::render {

inline constexpr int32_t kContainerBarHeight = 19;
inline constexpr int32_t kContainerIconX = 3;
inline constexpr int32_t kContainerIconY = 2;
inline constexpr int32_t kContainerIconKind = 4;
// The caption starts this far in (and past the icon by the icon's size and this gap), and
// ends this far before the right edge.
inline constexpr int32_t kContainerCaptionInset = 5;
inline constexpr int32_t kContainerCaptionIconGap = 2;

// The caption bar's gradient ends, top line and bottom line.
struct ContainerBarColors {
  OleColor top = 0;
  OleColor bottom = 0;
  OleColor topLine = 0;
  OleColor bottomLine = 0;
};

ContainerBarColors ContainerBarColorsFor(OleColor barColor, const SchemePalette& palette,
                                         bool styled);

// The caption's rectangle in a container `width` pixels wide; an icon of `iconPixels`
// pushes it right when one is drawn.
platform::Rect ContainerCaptionRect(int32_t width, bool iconDrawn, int32_t iconPixels);

struct ContainerBarScene {
  int32_t width = 0;
  ContainerBarColors colors;
  // The icon to draw (null: none) at its size index, enabled or greyed.
  const imaging::CIconBytes* icon = nullptr;
  int32_t iconSizeIndex = 0;
  int32_t iconPixels = 0;
  bool enabled = true;
  // The caption as stored; it is shown through DisplayText, and DrawCaption applies
  // DisplayText again.
  std::string_view caption;
  OleColor captionColor = 0;
  const platform::LogFont* font = nullptr;  // null: the target's current font
};

// Paints the bar and returns the caption's rectangle.
platform::Rect PaintContainerBar(platform::DrawingContext* target, const ContainerBarScene& scene);

}  // namespace wayband::render
