// Painting one large bar (background, icon, caption, separator) and one toolbar button
// (background and icon). The inputs are plain render-level values; the bar pass of the
// control decides states, colours and rectangles and hands them over.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "imaging/dib32.h"
#include "imaging/icon_bytes.h"
#include "platform/drawing_context.h"
#include "platform/geometry.h"
#include "render/paint/bar_colors.h"
#include "render/scheme/scheme_palette.h"
#include "wayband/picture.h"
#include "wayband/std_font.h"

namespace wayband::render {

// The control's four bar pictures (null when unset).
struct BarPictures {
  const Picture* bar = nullptr;
  const Picture* hover = nullptr;
  const Picture* selected = nullptr;
  const Picture* pressed = nullptr;
};

// The picture over a large bar: pressed → BarPressedPicture, else selected →
// BarSelectedPicture, else hot → BarHoverPicture, else BarPicture.
const Picture* LargeBarPicture(BarState state, const BarPictures& pictures);
// The picture over a filled toolbar button: BarSelectedPicture when selected, else
// BarHoverPicture.
const Picture* ToolbarButtonPicture(BarState state, const BarPictures& pictures);

// What the background of one large bar shows.
struct BarLook {
  bool styled = false;
  BarState state;
  const SchemePalette* palette = nullptr;
  HostColor backColor;
  HostColor hoverColor;
  PanelBackColors panel;
  // The state picture, tiled over the gradient; null for none.
  const Picture* picture = nullptr;
};

// A panel's cached image of its normal-state bar background and the stale marker (0 while
// the image is valid).
struct BarImageCache {
  std::shared_ptr<imaging::CDib32>& image;
  int16_t& stale;
};

// The cache serves a bar only in the normal state with BackColor and the panel's
// BackColor1 at their defaults.
bool UsesBarImageCache(const BarLook& look);

// The background of one large bar: the gradient of LargeBarFill from one pixel below the
// bar's top edge, then the state picture tiled over the same rows. A bar the cache serves
// is copied from the cache, which is painted first when stale.
void PaintBar(platform::DrawingContext* target, const platform::Rect& bar, const BarLook& look,
              BarImageCache cache);

// What a large bar shows over its background.
struct LargeBarContent {
  // The panel's icon, or null when its key is not in the icon store.
  const imaging::CIconBytes* icon = nullptr;
  bool iconEnabled = true;
  std::string_view caption;
  // A plain colour (LargeBarCaptionColor).
  OleColor captionColor = 0;
  // The caption's font; null leaves the target's font in place.
  const StdFont* font = nullptr;
  bool center = false;
  bool rightToLeft = false;
  int32_t controlWidth = 0;
  // Height of "A" in the control's font, pixels.
  int32_t textHeightPixels = 0;
  // The separator's colour (the palette's Border).
  OleColor border = 0;
};

// A whole large bar: PaintBar, the 24-pixel icon, the caption (single line, end ellipsis)
// and the separator lines on the bar's top, left and bottom edges.
void PaintLargeBar(platform::DrawingContext* target, const platform::Rect& bar, const BarLook& look,
                   BarImageCache cache, const LargeBarContent& content);

// What a toolbar button shows.
struct ToolbarButtonLook {
  BarFill fill;
  // Tiled over a filled button; null for none.
  const Picture* picture = nullptr;
  const imaging::CIconBytes* icon = nullptr;
  bool iconEnabled = true;
};

// A toolbar button: its fill and picture (unless it is not filled), then its 16-pixel icon.
void PaintToolbarButton(platform::DrawingContext* target, const platform::Rect& button,
                        const ToolbarButtonLook& look);

}  // namespace wayband::render
