#include "render/paint/bar_face.h"

#include <utility>

#include "imaging/icon_sizes.h"
#include "platform/paint_caches.h"
#include "platform/text/text_output.h"
#include "platform/twips.h"
#include "render/draw/caption.h"
#include "render/draw/color_blend.h"
#include "render/paint/bar_geometry.h"

namespace wayband::render {
namespace {

bool FaceServes(const platform::DrawingContext& target, const platform::Rect& bar) {
  const platform::BitmapHandle& bitmap = target.bitmap();
  return bar.left == 0 && bar.right > 0 && bar.bottom > bar.top && bitmap &&
         bitmap->bitCount() == 32 && target.BkMode() == platform::BackgroundMode::kTransparent &&
         CurrentDrawingFlags().IsNT4OrLater && platform::PaintCachesEnabled();
}

// The face's pixels: the bar's columns, and its rows from the top edge to the row below it.
platform::Rect FaceArea(const platform::Rect& bar) {
  return {0, 0, bar.right, platform::ClampToLong(int64_t{bar.Height()} + 1)};
}

platform::Point InFace(platform::Point p, int32_t top) {
  return {p.x, platform::ClampToLong(int64_t{p.y} - top)};
}

platform::Rect InFace(const platform::Rect& r, int32_t top) {
  return {r.left, platform::ClampToLong(int64_t{r.top} - top), r.right,
          platform::ClampToLong(int64_t{r.bottom} - top)};
}

bool Inside(const platform::Rect& inner, const platform::Rect& outer) {
  return inner.IsEmpty() || (inner.left >= outer.left && inner.top >= outer.top &&
                             inner.right <= outer.right && inner.bottom <= outer.bottom);
}

// The font the caption is drawn in: the parts' record, or the target's selected font.
platform::LogFont CaptionFont(const platform::DrawingContext& target, const LargeBarParts& parts) {
  if (parts.font) return *parts.font;
  const platform::Font& selected = target.font();
  return selected.IsNull() ? platform::DefaultGuiLogFont() : *selected.logFont;
}

BarFaceKey KeyOf(const platform::DrawingContext& target, const platform::Rect& bar,
                 const BarLook& look, const LargeBarContent& content, const LargeBarParts& parts) {
  BarFaceKey key;
  key.background = BarImageKeyOf(bar, look);
  key.flags = CurrentDrawingFlags();
  key.hasIcon = content.icon != nullptr;
  key.iconRevision = content.icon ? content.icon->Revision() : 0;
  key.iconEnabled = content.iconEnabled;
  key.iconAt = InFace(parts.iconAt, bar.top);
  key.font = CaptionFont(target, parts);
  key.captionRect = InFace(parts.captionRect, bar.top);
  key.format = CaptionFormat(content.center, content.rightToLeft && !content.center,
                             /*wordWrap=*/false, /*extra=*/0);
  key.captionColor = content.captionColor;
  key.drawnCaptionColor = DrawnColor(content.captionColor);
  return key;
}

// Whether everything the face's painting drew lies in the face: the icon's square and the
// caption's ink as laid out in the bar's caption cache.
bool FitsFace(const platform::DrawingContext& face, const BarFaceKey& key,
              const LargeBarContent& content, const platform::Rect& area) {
  const int32_t iconSize = imaging::IconPixels(kLargeIconSizeIndex);
  const platform::Rect icon{key.iconAt.x, key.iconAt.y,
                            platform::ClampToLong(int64_t{key.iconAt.x} + iconSize),
                            platform::ClampToLong(int64_t{key.iconAt.y} + iconSize)};
  if (key.hasIcon && !Inside(icon, area)) return false;
  const CaptionCache* caption = content.captionCache;
  if (caption == nullptr || !caption->Holds(content.caption, key.font, key.captionRect, key.format))
    return false;
  return !caption->layout || Inside(platform::PreparedTextInk(face, *caption->layout), area);
}

// Paints the bar's face into a new image and keeps it under the key; keeps the key alone
// when the face cannot stand for the bar, and nothing when no image can be made.
void RefreshFace(const platform::DrawingContext& target, const platform::Rect& bar,
                 const BarLook& look, BarImageCache background, const LargeBarContent& content,
                 const LargeBarParts& parts, BarFaceKey key, const BarFaceCache& cache) {
  const platform::Rect area = FaceArea(bar);
  auto image = std::make_shared<imaging::CDib32>();
  if (!image->Create(area.right, area.bottom)) {
    cache.face = {};
    return;
  }
  platform::DrawingContext& face = *image->hDC();
  face.SetBkMode(platform::BackgroundMode::kTransparent);
  face.SelectFont(target.font());
  LargeBarParts shifted = parts;
  shifted.iconAt = key.iconAt;
  shifted.captionRect = key.captionRect;
  PaintLargeBarFace(&face, {0, 0, bar.right, bar.Height()}, look, background, content, shifted);
  const bool fits = FitsFace(face, key, content, area);
  cache.face.filled = true;
  cache.face.key = std::move(key);
  cache.face.caption.assign(content.caption);
  cache.face.image = fits ? std::move(image) : nullptr;
  cache.face.picture = cache.picture;
}

}  // namespace

void PaintCachedLargeBar(platform::DrawingContext* target, const platform::Rect& bar,
                         const BarLook& look, BarImageCache background,
                         const LargeBarContent& content, BarFaceCache cache) {
  if (target == nullptr) return;
  if (!cache.enabled || !look.palette || !FaceServes(*target, bar)) {
    cache.face = {};
    PaintLargeBar(target, bar, look, background, content);
    return;
  }
  const LargeBarParts parts = LargeBarPartsFor(*target, bar, content);
  BarFaceKey key = KeyOf(*target, bar, look, content, parts);
  if (!cache.face.filled || !(cache.face.key == key) || cache.face.caption != content.caption) {
    RefreshFace(*target, bar, look, background, content, parts, std::move(key), cache);
  }
  if (cache.face.image) {
    cache.face.image->PaintTo(target, 0, bar.top);
  } else {
    PaintLargeBarFace(target, bar, look, background, content, parts);
  }
  DrawBarSeparator(target, bar, content.border);
}

}  // namespace wayband::render
