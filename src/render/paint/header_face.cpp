#include "render/paint/header_face.h"

#include <utility>

#include "render/draw/caption.h"
#include "render/draw/color_blend.h"
#include "render/scheme/low_color_display.h"

namespace wayband::render {
namespace {

HeaderFaceKey KeyOf(const platform::DrawingContext& target, const FrameLook& look,
                    const HeaderScene& scene) {
  const platform::Rect& header = scene.layout.header;
  const Gradient fill = HeaderGradient(look);
  HeaderFaceKey key;
  key.header = header;
  key.top = DrawnColor(fill.top);
  key.bottom = DrawnColor(fill.bottom);
  key.lowColor = LowColorDisplay();
  key.picture = scene.picture;
  key.flags = CurrentDrawingFlags();
  key.hasIcon = scene.icon != nullptr;
  key.iconRevision = scene.icon ? scene.icon->Revision() : 0;
  key.iconEnabled = scene.iconEnabled;
  key.iconAt = Lifted(scene.layout.icon, header.top);
  key.font = DrawnCaptionFont(target, scene.captionFont);
  key.captionRect = Lifted(scene.layout.caption, header.top);
  key.format = HeaderCaptionFormat(scene);
  key.captionColor = DrawnColor(scene.captionColor);
  return key;
}

void RefreshFace(const platform::DrawingContext& target, const FrameLook& look,
                 const HeaderScene& scene, HeaderFaceKey key, const HeaderFaceCache& cache) {
  const platform::Rect area{0, 0, key.header.right, key.header.Height()};
  std::shared_ptr<imaging::CDib32> image = NewFaceImage(target, area.right, area.bottom);
  if (!image) {
    cache.face = {};
    return;
  }
  HeaderScene lifted = scene;
  lifted.layout.header = area;
  lifted.layout.icon = key.iconAt;
  lifted.layout.caption = key.captionRect;
  platform::DrawingContext& face = *image->hDC();
  PaintHeaderFace(&face, look, lifted);
  const bool fits = (!key.hasIcon || IconInside(key.iconAt, kHeaderIconSize, area)) &&
                    CaptionInside(face, scene.captionCache, scene.caption, key.font,
                                  key.captionRect, key.format, area);
  cache.face.filled = true;
  cache.face.key = std::move(key);
  cache.face.caption.assign(scene.caption);
  cache.face.image = fits ? std::move(image) : nullptr;
  cache.face.picture = cache.picture;
}

}  // namespace

void PaintCachedHeader(platform::DrawingContext* target, const FrameLook& look,
                       const HeaderScene& scene, HeaderFaceCache cache) {
  if (target == nullptr) return;
  const platform::Rect& header = scene.layout.header;
  if (!cache.enabled || header.left != 0 || header.IsEmpty() || !FaceServes(*target)) {
    cache.face = {};
    PaintHeader(target, look, scene);
    return;
  }
  HeaderFaceKey key = KeyOf(*target, look, scene);
  if (!cache.face.Holds(key, scene.caption))
    RefreshFace(*target, look, scene, std::move(key), cache);
  if (cache.face.image) {
    cache.face.image->PaintTo(target, 0, header.top);
  } else {
    PaintHeaderFace(target, look, scene);
  }
  FinishHeader(target, look, scene);
}

}  // namespace wayband::render
