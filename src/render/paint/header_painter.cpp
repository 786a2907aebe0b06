#include "render/paint/header_painter.h"

#include "render/draw/caption.h"
#include "render/draw/color_blend.h"
#include "render/draw/outline.h"
#include "render/paint/picture_tile.h"

namespace wayband::render {
namespace {

// A left-to-right caption where an icon was wanted but the panel has none moves left by
// the icon and its margin, to start 7 pixels in.
constexpr int32_t kMissingIconShift = kHeaderIconSize + kHeaderIconRightMargin;
// With the toolbar at the bottom the caption sits this far above the centred position.
constexpr int32_t kCaptionLift = 4;
// With the toolbar on top the caption's rectangle is this high.
constexpr int32_t kTopToolbarCaptionHeight = 100;

}  // namespace

HeaderLayout HeaderLayoutFor(const HeaderPlacement& p) {
  HeaderLayout layout;
  const int32_t top = p.toolbarOnTop ? p.toolbarHeight : 0;
  const int32_t height = p.toolbarHeight - kHeaderHeightLess;
  layout.header = {0, top, p.controlWidth, top + height};
  layout.icon = {
      p.rightToLeft ? p.controlWidth - kHeaderIconSize - kHeaderIconRightMargin : kHeaderIconLeft,
      top + (height - kHeaderIconSize) / 2};

  const int32_t offset = p.showIcon ? kCaptionOffsetWithIcon : kCaptionOffsetWithoutIcon;
  int32_t left = p.rightToLeft ? 0 : offset;
  const int32_t right = p.rightToLeft ? p.controlWidth - offset : p.controlWidthTwips;
  if (p.showIcon && !p.hasIcon) left -= kMissingIconShift;

  int32_t captionTop = top;
  int32_t captionBottom = top + kTopToolbarCaptionHeight;
  if (!p.toolbarOnTop) {
    captionTop = (height - p.captionTextHeight) / 2 - kCaptionLift;
    captionBottom = layout.header.bottom;
  }
  layout.caption = {left, captionTop, right - left, captionBottom - captionTop};
  return layout;
}

uint32_t HeaderCaptionFormat(const HeaderScene& scene) {
  return CaptionFormat(/*centre=*/false, scene.rightToLeft, /*wordWrap=*/false, /*extra=*/0);
}

void PaintHeaderFace(platform::DrawingContext* target, const FrameLook& look,
                     const HeaderScene& scene) {
  if (target == nullptr) return;
  const platform::Rect& header = scene.layout.header;
  FillVertical(target, HeaderGradient(look), header);
  TilePictureOver(target, scene.picture, header);
  if (scene.icon != nullptr) {
    scene.icon->DrawIcon(target, kHeaderIconSizeIndex, kHeaderIconKind, scene.layout.icon.x,
                         scene.layout.icon.y, scene.iconEnabled);
  }
  target->SetTextColor(DrawnColor(scene.captionColor));
  DrawCaptionInFont(target, scene.captionFont, scene.caption, scene.layout.caption,
                    {.centre = false, .rightAlign = scene.rightToLeft, .wordWrap = false},
                    scene.captionCache);
}

void FinishHeader(platform::DrawingContext* target, const FrameLook& look,
                  const HeaderScene& scene) {
  if (target == nullptr) return;
  const platform::Rect& header = scene.layout.header;
  DrawRectOutline(target, HeaderOutline(look), 0, 0, header.Width(), header.Height());
  target->SetTextColor(DrawnColor(scene.foreColor));
}

void PaintHeader(platform::DrawingContext* target, const FrameLook& look,
                 const HeaderScene& scene) {
  PaintHeaderFace(target, look, scene);
  FinishHeader(target, look, scene);
}

}  // namespace wayband::render
