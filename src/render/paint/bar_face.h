// A panel's cached faces: images of its whole large bar as painted before the separator
// (background, icon and caption), so that an unchanged bar costs one block copy a frame.
// The rules of faces are in render/paint/face_image.h.
//
// Key, by value:
//   - the background's key (size, the gradient's ends as drawn for the bar's state, the
//     state picture and the low-colour flag);
//   - the icon and caption (FaceContentKey), with the caption's text and its colour as
//     handed to the target.
// The face covers the bar's columns and its rows from the top edge to the row below its
// bottom edge; the separator then paints over the first and last of those rows whatever
// the face holds there. Only bars at x 0 are served. The control also drops every face
// when it marks its bar images stale.
#pragma once

#include <cstdint>
#include <memory>

#include "render/paint/bar_painter.h"
#include "render/paint/face_image.h"
#include "wayband/picture.h"

namespace wayband::render {

struct BarFaceKey {
  BarImageKey background;
  FaceContentKey content;
  // The caption colour as the bar hands it to the target, besides its drawn value.
  platform::ColorRef captionColor = 0;
  friend bool operator==(const BarFaceKey&, const BarFaceKey&) = default;
};

// A panel keeps the faces of its bar's last two looks, so that the mouse moving onto the
// bar and off again finds both.
using BarFace = Face<BarFaceKey>;
using BarFaces = RecentFaces<BarFaceKey>;

// The panel's faces; `picture` owns the look's picture; `enabled` false paints in place.
struct BarFaceCache {
  BarFaces& faces;
  std::shared_ptr<const Picture> picture;
  bool enabled = true;
};

// PaintLargeBar's result, the face copied from the cache when it shows this bar and made
// afresh first when it does not.
void PaintCachedLargeBar(platform::DrawingContext* target, const platform::Rect& bar,
                         const BarLook& look, BarImageCache background,
                         const LargeBarContent& content, BarFaceCache cache);

}  // namespace wayband::render
