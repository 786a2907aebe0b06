// The control's cached header face: the image of the header strip as painted before its
// outline (fill, picture, icon, caption), so that an unchanged header costs one block
// copy a frame. The rules of faces are in render/paint/face_image.h.
//
// Key, by value: the strip's rectangle, the gradient's ends as drawn and the low-colour
// flag, the header picture, and the icon and caption (FaceContentKey, with the caption's
// text). The face covers the strip's rectangle, which the fill covers whole.
#pragma once

#include <cstdint>

#include "platform/geometry.h"
#include "render/paint/face_image.h"
#include "render/paint/frame_colors.h"
#include "render/paint/header_painter.h"

namespace wayband::render {

struct HeaderFaceKey {
  platform::Rect header;
  OleColor top = 0;
  OleColor bottom = 0;
  bool lowColor = false;
  const Picture* picture = nullptr;
  FaceContentKey content;
  friend bool operator==(const HeaderFaceKey&, const HeaderFaceKey&) = default;
};

using HeaderFace = Face<HeaderFaceKey>;

// The control's header face; `picture` owns the scene's picture; `enabled` false paints in
// place.
struct HeaderFaceCache {
  HeaderFace& face;
  std::shared_ptr<const Picture> picture;
  bool enabled = true;
};

// PaintHeader's result, the face copied from the cache when it shows this header and made
// afresh first when it does not.
void PaintCachedHeader(platform::DrawingContext* target, const FrameLook& look,
                       const HeaderScene& scene, HeaderFaceCache cache);

}  // namespace wayband::render
