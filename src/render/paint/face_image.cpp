#include "render/paint/face_image.h"

#include "platform/paint_caches.h"
#include "platform/text/text_output.h"
#include "platform/twips.h"
#include "render/draw/drawing_flags.h"

namespace wayband::render {
namespace {

bool Inside(const platform::Rect& inner, const platform::Rect& outer) {
  return inner.IsEmpty() || (inner.left >= outer.left && inner.top >= outer.top &&
                             inner.right <= outer.right && inner.bottom <= outer.bottom);
}

// Coordinates moved up by `rows`.
platform::Point Lifted(platform::Point p, int32_t rows) {
  return {p.x, platform::ClampToLong(int64_t{p.y} - rows)};
}

platform::Rect Lifted(const platform::Rect& r, int32_t rows) {
  return {r.left, platform::ClampToLong(int64_t{r.top} - rows), r.right,
          platform::ClampToLong(int64_t{r.bottom} - rows)};
}

}  // namespace

bool FaceServes(const platform::DrawingContext& target) {
  const platform::BitmapHandle& bitmap = target.bitmap();
  return bitmap && bitmap->bitCount() == 32 &&
         target.BkMode() == platform::BackgroundMode::kTransparent &&
         CurrentDrawingFlags().IsNT4OrLater && platform::PaintCachesEnabled();
}

std::shared_ptr<imaging::CDib32> NewFaceImage(const platform::DrawingContext& target, int32_t width,
                                              int32_t height) {
  auto image = std::make_shared<imaging::CDib32>();
  if (!image->Create(width, height)) return nullptr;
  image->hDC()->SetBkMode(platform::BackgroundMode::kTransparent);
  image->hDC()->SelectFont(target.font());
  return image;
}

FaceContentKey ContentKeyOf(const platform::DrawingContext& target, const FaceContent& content,
                            int32_t top) {
  FaceContentKey key;
  key.flags = CurrentDrawingFlags();
  key.hasIcon = content.icon != nullptr;
  key.iconRevision = content.icon ? content.icon->Revision() : 0;
  key.iconEnabled = content.iconEnabled;
  key.iconAt = Lifted(content.iconAt, top);
  const platform::Font& selected = target.font();
  key.font = content.font        ? *content.font
             : selected.IsNull() ? platform::DefaultGuiLogFont()
                                 : *selected.logFont;
  key.captionRect = Lifted(content.captionRect, top);
  key.format = content.format;
  key.captionColor = DrawnColor(content.captionColor);
  return key;
}

bool ContentInside(const platform::DrawingContext& face, const FaceContentKey& key,
                   int32_t iconSize, const CaptionCache* cache, std::string_view text,
                   const platform::Rect& area) {
  const platform::Rect icon{key.iconAt.x, key.iconAt.y,
                            platform::ClampToLong(int64_t{key.iconAt.x} + iconSize),
                            platform::ClampToLong(int64_t{key.iconAt.y} + iconSize)};
  if (key.hasIcon && !Inside(icon, area)) return false;
  if (cache == nullptr || !cache->Holds(text, key.font, key.captionRect, key.format)) return false;
  return !cache->layout || Inside(platform::PreparedTextInk(face, *cache->layout), area);
}

}  // namespace wayband::render
