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
  key.content = ContentKeyOf(target,
                             {.icon = scene.icon,
                              .iconEnabled = scene.iconEnabled,
                              .iconAt = scene.layout.icon,
                              .font = scene.captionFont,
                              .captionRect = scene.layout.caption,
                              .format = HeaderCaptionFormat(scene),
                              .captionColor = scene.captionColor},
                             header.top);
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
  lifted.layout.icon = key.content.iconAt;
  lifted.layout.caption = key.content.captionRect;
  platform::DrawingContext& face = *image->hDC();
  PaintHeaderFace(&face, look, lifted);
  const bool fits =
      ContentInside(face, key.content, kHeaderIconSize, scene.captionCache, scene.caption, area);
  cache.face.Keep(std::move(key), scene.caption, fits ? std::move(image) : nullptr, cache.picture);
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
