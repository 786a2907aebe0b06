#include "render/paint/bar_face.h"

#include <utility>

#include "imaging/icon_sizes.h"
#include "platform/twips.h"
#include "render/draw/caption.h"
#include "render/paint/bar_geometry.h"

namespace wayband::render {
namespace {

// The face's pixels: the bar's columns, and its rows from the top edge to the row below it.
platform::Rect FaceArea(const platform::Rect& bar) {
  return {0, 0, bar.right, platform::ClampToLong(int64_t{bar.Height()} + 1)};
}

BarFaceKey KeyOf(const platform::DrawingContext& target, const platform::Rect& bar,
                 const BarLook& look, const LargeBarContent& content, const LargeBarParts& parts) {
  const FaceContent shown{
      .icon = content.icon,
      .iconEnabled = content.iconEnabled,
      .iconAt = parts.iconAt,
      .font = parts.font ? &*parts.font : nullptr,
      .captionRect = parts.captionRect,
      .format = CaptionFormat(content.center, content.rightToLeft && !content.center,
                              /*wordWrap=*/false, /*extra=*/0),
      .captionColor = content.captionColor};
  return {.background = BarImageKeyOf(bar, look),
          .content = ContentKeyOf(target, shown, bar.top),
          .captionColor = content.captionColor};
}

// Paints the bar's face into a new image and keeps it under the key as the newer face;
// keeps the key alone when the face cannot stand for the bar. Null when no image can be
// made (the faces stay as they were).
const BarFace* RefreshFace(const platform::DrawingContext& target, const platform::Rect& bar,
                           const BarLook& look, BarImageCache background,
                           const LargeBarContent& content, const LargeBarParts& parts,
                           BarFaceKey key, const BarFaceCache& cache) {
  const platform::Rect area = FaceArea(bar);
  std::shared_ptr<imaging::CDib32> image = NewFaceImage(target, area.right, area.bottom);
  if (!image) return nullptr;
  LargeBarParts lifted = parts;
  lifted.iconAt = key.content.iconAt;
  lifted.captionRect = key.content.captionRect;
  platform::DrawingContext& face = *image->hDC();
  PaintLargeBarFace(&face, {0, 0, bar.right, bar.Height()}, look, background, content, lifted);
  const bool fits = ContentInside(face, key.content, imaging::IconPixels(kLargeIconSizeIndex),
                                  content.captionCache, content.caption, area);
  BarFace& renewed = cache.faces.Renew();
  renewed.Keep(std::move(key), content.caption, fits ? std::move(image) : nullptr, cache.picture);
  return &renewed;
}

}  // namespace

void PaintCachedLargeBar(platform::DrawingContext* target, const platform::Rect& bar,
                         const BarLook& look, BarImageCache background,
                         const LargeBarContent& content, BarFaceCache cache) {
  if (target == nullptr) return;
  if (!cache.enabled || !look.palette || bar.left != 0 || bar.right <= 0 || bar.bottom <= bar.top ||
      !FaceServes(*target)) {
    cache.faces = {};
    PaintLargeBar(target, bar, look, background, content);
    return;
  }
  const LargeBarParts parts = LargeBarPartsFor(*target, bar, content);
  BarFaceKey key = KeyOf(*target, bar, look, content, parts);
  const BarFace* face = cache.faces.Find(key, content.caption);
  if (face == nullptr) {
    face = RefreshFace(*target, bar, look, background, content, parts, std::move(key), cache);
  }
  if (face != nullptr && face->image) {
    face->image->PaintTo(target, 0, bar.top);
  } else {
    PaintLargeBarFace(target, bar, look, background, content, parts);
  }
  DrawBarSeparator(target, bar, content.border);
}

}  // namespace wayband::render
