// Painting one large bar (background, icon, caption, separator) and one toolbar button
// (background and icon). The inputs are plain render-level values; the bar pass of the
// control decides states, colours and rectangles and hands them over.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "imaging/dib32.h"
#include "imaging/icon_bytes.h"
#include "platform/drawing_context.h"
#include "platform/geometry.h"
#include "platform/text/logical_font.h"
#include "render/draw/caption.h"
#include "render/paint/bar_colors.h"
#include "render/scheme/scheme_palette.h"
#include "wayband/picture.h"
#include "wayband/std_font.h"

namespace wayband::render {

// The control's four bar pictures (null when unset).
struct BarPictures {
  std::shared_ptr<const Picture> bar;
  std::shared_ptr<const Picture> hover;
  std::shared_ptr<const Picture> selected;
  std::shared_ptr<const Picture> pressed;
};

// The picture over a large bar: pressed → BarPressedPicture, else selected →
// BarSelectedPicture, else hot → BarHoverPicture, else BarPicture.
const std::shared_ptr<const Picture>& LargeBarPicture(BarState state, const BarPictures& pictures);
// The picture over a filled toolbar button: BarSelectedPicture when selected, else
// BarHoverPicture.
const std::shared_ptr<const Picture>& ToolbarButtonPicture(BarState state,
                                                           const BarPictures& pictures);

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

// A panel's cached image of its normal-state bar background.
//
// The cache is an optimisation only: a bar painted from it must look exactly as a bar
// painted afresh. So the image keeps, as its key, everything its pixels are made of: the
// bar's size, the gradient's two ends as drawn (system colour references translated, so
// a changed system colour counts), the tiled picture and the low-colour flag that turns
// gradients into flat fills. The image serves a bar only while its key equals the bar's;
// otherwise, or while `stale` is not 0, it is painted again first. The control also marks
// every image stale when it is resized, when its form reports a scheme change and when
// BarPicture changes (a picture set after another was freed may reuse its address). What is drawn
// over the background (icon, caption, separator) is never cached, so fonts, captions,
// icons and the enabled state cannot go stale; BackColor or a panel BackColor1 of the
// host's choice bypass the cache.
struct BarImageKey {
  int32_t width = 0;
  int32_t height = 0;
  OleColor top = 0;
  OleColor bottom = 0;
  const Picture* picture = nullptr;
  bool lowColor = false;
  friend bool operator==(const BarImageKey&, const BarImageKey&) = default;
};

// The panel's image, its stale marker (0 while the image is valid) and its key; `enabled`
// false paints every bar afresh (the cache's off switch, for comparing the two).
struct BarImageCache {
  std::shared_ptr<imaging::CDib32>& image;
  int16_t& stale;
  BarImageKey& key;
  bool enabled = true;
};

// The key of the bar's background as the look paints it.
BarImageKey BarImageKeyOf(const platform::Rect& bar, const BarLook& look);

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
  // The bar's caption layout; null lays the caption out afresh.
  CaptionCache* captionCache = nullptr;
};

// Where a large bar's content goes, decided against the target it is painted for: the
// icon's top-left corner, the caption rectangle and the caption's font record (none: the
// target's selected font).
struct LargeBarParts {
  platform::Point iconAt;
  platform::Rect captionRect;
  std::optional<platform::LogFont> font;
};
LargeBarParts LargeBarPartsFor(const platform::DrawingContext& target, const platform::Rect& bar,
                               const LargeBarContent& content);

// What a large bar shows before its separator: PaintBar, the 24-pixel icon and the
// caption (single line, end ellipsis), placed by `parts`.
void PaintLargeBarFace(platform::DrawingContext* target, const platform::Rect& bar,
                       const BarLook& look, BarImageCache cache, const LargeBarContent& content,
                       const LargeBarParts& parts);
// The separator lines on the bar's top, left and bottom edges (its right edge lies past the
// control's): the rectangle from x 0 and the bar's top, reaching three pixels past its
// right edge and one row below its bottom.
void DrawBarSeparator(platform::DrawingContext* target, const platform::Rect& bar, OleColor border);

// A whole large bar: its face, then its separator.
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
