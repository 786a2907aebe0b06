#include "render/paint/bar_painter.h"

#include "platform/system_colors.h"
#include "platform/text/logical_font.h"
#include "platform/twips.h"
#include "render/draw/caption.h"
#include "render/draw/color_blend.h"
#include "render/draw/font_record.h"
#include "render/draw/gradient.h"
#include "render/draw/outline.h"
#include "render/paint/bar_geometry.h"
#include "render/paint/picture_tile.h"
#include "render/scheme/low_color_display.h"

namespace wayband::render {
namespace {

// The separator outline reaches this far past the bar's right edge, out of the control,
// so that a bar shows lines on its top, left and bottom edges only.
constexpr int32_t kSeparatorOverhang = 3;

// v + d without overflow for rectangles near the ends of the coordinate range.
int32_t Offset(int32_t v, int32_t d) {
  return platform::ClampToLong(int64_t{v} + d);
}

// The gradient and the state picture, both starting one pixel below the bar's top edge.
void PaintBarBackground(platform::DrawingContext* target, const platform::Rect& bar,
                        const BarLook& look) {
  const BarFill fill = LargeBarFill(look.styled, look.state, *look.palette, look.backColor,
                                    look.hoverColor, look.panel);
  // The gradient's width is the rectangle's right edge: bars start at x 0.
  const int32_t belowTopEdge = Offset(bar.top, 1);
  FillGradient(target, fill.top, fill.bottom, bar.left, belowTopEdge, bar.right, bar.Height(),
               /*horizontal=*/false);
  TilePictureOver(target, look.picture,
                  {bar.left, belowTopEdge, bar.right, Offset(belowTopEdge, bar.Height())});
}

}  // namespace

BarImageKey BarImageKeyOf(const platform::Rect& bar, const BarLook& look) {
  const BarFill fill = LargeBarFill(look.styled, look.state, *look.palette, look.backColor,
                                    look.hoverColor, look.panel);
  return {bar.Width(),  bar.Height(),     DrawnColor(fill.top), DrawnColor(fill.bottom),
          look.picture, LowColorDisplay()};
}

namespace {

// Paints the background into a new cache image of the bar's size. False when the image
// cannot be made; the bar is then painted straight into the target and the cache stays
// stale, so a later pass tries again.
bool RefreshCache(const platform::Rect& bar, const BarLook& look, const BarImageKey& key,
                  BarImageCache cache) {
  auto image = std::make_shared<imaging::CDib32>();
  if (!image->Create(bar.Width(), bar.Height())) return false;
  image->hDC()->SetBkMode(platform::BackgroundMode::kTransparent);
  PaintBarBackground(image->hDC(), {0, 0, bar.Width(), bar.Height()}, look);
  // A new image rather than a repaint of the old one: records copied while panels are
  // reordered share the old image and keep it.
  cache.image = std::move(image);
  cache.stale = 0;
  cache.key = key;
  return true;
}

void DrawBarCaption(platform::DrawingContext* target, const LargeBarParts& parts,
                    const LargeBarContent& content) {
  const platform::ColorRef previousColor = target->SetTextColor(content.captionColor);
  const bool rightAlign = content.rightToLeft && !content.center;
  DrawCaptionInFont(target, parts.font ? &*parts.font : nullptr, content.caption, parts.captionRect,
                    {.centre = content.center, .rightAlign = rightAlign, .wordWrap = false},
                    content.captionCache);
  target->SetTextColor(previousColor);
}

}  // namespace

const std::shared_ptr<const Picture>& LargeBarPicture(BarState state, const BarPictures& pictures) {
  if (state.pressed) return pictures.pressed;
  if (state.selected) return pictures.selected;
  if (state.hot) return pictures.hover;
  return pictures.bar;
}

const std::shared_ptr<const Picture>& ToolbarButtonPicture(BarState state,
                                                           const BarPictures& pictures) {
  return state.selected ? pictures.selected : pictures.hover;
}

bool UsesBarImageCache(const BarLook& look) {
  return !look.backColor.set && look.state.IsNormal() && look.panel.backColor1 == kNoColorChosen;
}

void PaintBar(platform::DrawingContext* target, const platform::Rect& bar, const BarLook& look,
              BarImageCache cache) {
  if (!target || !look.palette) return;
  if (!cache.enabled || !UsesBarImageCache(look)) {
    PaintBarBackground(target, bar, look);
    return;
  }
  const BarImageKey key = BarImageKeyOf(bar, look);
  const bool cached =
      cache.stale == 0 && cache.key == key && cache.image && cache.image->IsCreated();
  if (!cached && !RefreshCache(bar, look, key, cache)) {
    PaintBarBackground(target, bar, look);
    return;
  }
  cache.image->PaintTo(target, bar.left, bar.top);
}

LargeBarParts LargeBarPartsFor(const platform::DrawingContext& target, const platform::Rect& bar,
                               const LargeBarContent& content) {
  LargeBarParts parts;
  parts.iconAt = LargeBarIconPosition(bar, content.rightToLeft, content.controlWidth);
  parts.captionRect = LargeBarCaptionRect(bar, content.center, content.rightToLeft,
                                          content.controlWidth, content.textHeightPixels);
  if (content.font) {
    parts.font.emplace();
    FontToLogFont(*content.font, &target, &*parts.font, /*forceBold=*/false);
  }
  return parts;
}

void PaintLargeBarFace(platform::DrawingContext* target, const platform::Rect& bar,
                       const BarLook& look, BarImageCache cache, const LargeBarContent& content,
                       const LargeBarParts& parts) {
  if (!target) return;
  PaintBar(target, bar, look, cache);
  if (content.icon) {
    content.icon->DrawIcon(target, kLargeIconSizeIndex, kBarIconKind, parts.iconAt.x,
                           parts.iconAt.y, content.iconEnabled);
  }
  DrawBarCaption(target, parts, content);
}

void DrawBarSeparator(platform::DrawingContext* target, const platform::Rect& bar,
                      OleColor border) {
  DrawRectOutline(target, border, 0, bar.top, Offset(bar.right, kSeparatorOverhang),
                  Offset(bar.Height(), 1));
}

void PaintLargeBar(platform::DrawingContext* target, const platform::Rect& bar, const BarLook& look,
                   BarImageCache cache, const LargeBarContent& content) {
  if (!target) return;
  PaintLargeBarFace(target, bar, look, cache, content, LargeBarPartsFor(*target, bar, content));
  DrawBarSeparator(target, bar, content.border);
}

void PaintToolbarButton(platform::DrawingContext* target, const platform::Rect& button,
                        const ToolbarButtonLook& look) {
  if (!target) return;
  if (look.fill.filled) {
    FillGradient(target, look.fill.top, look.fill.bottom, button.left, button.top, button.Width(),
                 button.Height(), /*horizontal=*/false);
    TilePictureOver(target, look.picture, button);
  }
  if (look.icon) {
    const platform::Point at = ToolbarButtonIconPosition(button);
    look.icon->DrawIcon(target, kSmallIconSizeIndex, kBarIconKind, at.x, at.y, look.iconEnabled);
  }
}

}  // namespace wayband::render
