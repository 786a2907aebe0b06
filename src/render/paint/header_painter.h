// The header strip above the panel area: the selected panel's icon and caption on the
// header colours, framed by a one-pixel outline.
#pragma once

#include <cstdint>
#include <string_view>

#include "imaging/icon_bytes.h"
#include "platform/drawing_context.h"
#include "platform/geometry.h"
#include "platform/text/logical_font.h"
#include "render/draw/caption.h"
#include "render/paint/frame_colors.h"
#include "wayband/picture.h"

namespace wayband::render {

// The header is this much lower than the toolbar strip.
inline constexpr int32_t kHeaderHeightLess = 5;
// The header icon: 24 pixels (size index 1), 8 pixels in from the left, or 10 from the
// right edge for right-to-left reading.
inline constexpr int32_t kHeaderIconSize = 24;
inline constexpr int32_t kHeaderIconSizeIndex = 1;
inline constexpr int32_t kHeaderIconKind = 4;
inline constexpr int32_t kHeaderIconLeft = 8;
inline constexpr int32_t kHeaderIconRightMargin = 10;
// Caption offsets from the near edge: past the icon (half the icon + the icon + 5), or 5
// without one.
inline constexpr int32_t kCaptionOffsetWithIcon = 41;
inline constexpr int32_t kCaptionOffsetWithoutIcon = 5;
// Largest header caption size, points: 16 points fill the header of the default layout.
inline constexpr double kHeaderCaptionMaxPoints = 16.0;

struct HeaderPlacement {
  int32_t controlWidth = 0;       // pixels
  int32_t controlWidthTwips = 0;  // the same width in twips
  int32_t toolbarHeight = 0;      // pixels
  bool toolbarOnTop = false;
  bool showIcon = true;
  // The selected panel's icon is in the icon store.
  bool hasIcon = false;
  bool rightToLeft = false;
  // Height of "A" in the header caption's font, pixels.
  int32_t captionTextHeight = 0;
};

struct HeaderLayout {
  platform::Rect header;
  // Top-left corner of the icon.
  platform::Point icon;
  // The edges the caption is drawn with. The header hands DrawCaption the caption's left
  // and top and then its width and height as the right and bottom edges, so a
  // left-to-right caption reaches past the control (its right edge starts as the control's
  // width in twips) and is cut by the control's edge rather than ended with an ellipsis.
  platform::Rect caption;
};

HeaderLayout HeaderLayoutFor(const HeaderPlacement& placement);

struct HeaderScene {
  HeaderLayout layout;
  const Picture* picture = nullptr;           // HeaderPicture
  const imaging::CIconBytes* icon = nullptr;  // null: no icon drawn
  bool iconEnabled = true;
  std::string_view caption;
  OleColor captionColor = 0;
  const platform::LogFont* captionFont = nullptr;  // null: the target's current font
  CaptionCache* captionCache = nullptr;            // null: laid out afresh
  bool rightToLeft = false;
  // The target's text colour afterwards: the control's ForeColor.
  OleColor foreColor = 0;
};

// The caption's DrawTextW format: single line, end ellipsis, left- or right-aligned.
uint32_t HeaderCaptionFormat(const HeaderScene& scene);

// Fill, picture, icon and caption, the caption in the scene's caption colour.
void PaintHeaderFace(platform::DrawingContext* target, const FrameLook& look,
                     const HeaderScene& scene);
// The outline from the target's origin with the header's size; the target's text colour
// becomes the scene's ForeColor.
void FinishHeader(platform::DrawingContext* target, const FrameLook& look,
                  const HeaderScene& scene);

// The face, then FinishHeader.
void PaintHeader(platform::DrawingContext* target, const FrameLook& look, const HeaderScene& scene);

}  // namespace wayband::render
