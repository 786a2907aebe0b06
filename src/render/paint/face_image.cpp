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

platform::Point Lifted(platform::Point p, int32_t rows) {
  return {p.x, platform::ClampToLong(int64_t{p.y} - rows)};
}

platform::Rect Lifted(const platform::Rect& r, int32_t rows) {
  return {r.left, platform::ClampToLong(int64_t{r.top} - rows), r.right,
          platform::ClampToLong(int64_t{r.bottom} - rows)};
}

platform::LogFont DrawnCaptionFont(const platform::DrawingContext& target,
                                   const platform::LogFont* record) {
  if (record != nullptr) return *record;
  const platform::Font& selected = target.font();
  return selected.IsNull() ? platform::DefaultGuiLogFont() : *selected.logFont;
}

bool IconInside(platform::Point at, int32_t size, const platform::Rect& area) {
  return Inside({at.x, at.y, platform::ClampToLong(int64_t{at.x} + size),
                 platform::ClampToLong(int64_t{at.y} + size)},
                area);
}

bool CaptionInside(const platform::DrawingContext& face, const CaptionCache* cache,
                   std::string_view text, const platform::LogFont& font, const platform::Rect& rect,
                   uint32_t format, const platform::Rect& area) {
  if (cache == nullptr || !cache->Holds(text, font, rect, format)) return false;
  return !cache->layout || Inside(platform::PreparedTextInk(face, *cache->layout), area);
}

}  // namespace wayband::render
