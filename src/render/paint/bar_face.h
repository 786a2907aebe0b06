// A panel's cached face: the image of its whole large bar as painted before the separator
// (background, icon and caption), so that an unchanged bar costs one block copy a frame.
//
// The cache is an optimisation only: a bar drawn from it looks exactly as a bar painted
// afresh. Its key holds everything the face's pixels are made of, by value:
//   - the background's key (size, the gradient's ends as drawn for the bar's state, the
//     state picture and the low-colour flag); the face keeps the picture alive, so its
//     address cannot name another picture while the key holds it;
//   - the icon's revision (which changes with every change of its arrays or picture), its
//     enabled state and its place in the bar;
//   - the caption's text, font record, rectangle in the bar, format and colour;
//   - the process-wide drawing flags.
// A face serves only a bar that starts at x 0 on a 32-bit target in transparent mode, on
// the NT family's formatted caption path, with paint caches on. It is copied to the bar's
// rows from its top edge to the row below its bottom edge; the separator then covers the
// first and last of those rows whatever the face holds there. A face whose icon or caption
// would reach outside those rows or past the bar's right edge cannot stand for the bar:
// the key is kept with no image, and the bar is painted in place while the key holds.
// The control also drops every face when it marks its bar images stale.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "imaging/dib32.h"
#include "platform/geometry.h"
#include "platform/text/logical_font.h"
#include "render/draw/drawing_flags.h"
#include "render/paint/bar_painter.h"
#include "wayband/picture.h"

namespace wayband::render {

struct BarFaceKey {
  BarImageKey background;
  DrawingFlags flags;
  bool hasIcon = false;
  uint64_t iconRevision = 0;
  bool iconEnabled = false;
  platform::Point iconAt;  // in the face
  platform::LogFont font;
  platform::Rect captionRect;  // in the face
  uint32_t format = 0;
  platform::ColorRef captionColor = 0;
  OleColor drawnCaptionColor = 0;
  friend bool operator==(const BarFaceKey&, const BarFaceKey&) = default;
};

struct BarFace {
  bool filled = false;
  BarFaceKey key;
  std::string caption;  // the rest of the key, compared without a copy
  // Null while the key's bar reaches outside the face (painted in place).
  std::shared_ptr<imaging::CDib32> image;
  // The owner of key.background.picture.
  std::shared_ptr<const Picture> picture;
};

// The panel's face; `picture` owns the look's picture; `enabled` false paints in place.
struct BarFaceCache {
  BarFace& face;
  std::shared_ptr<const Picture> picture;
  bool enabled = true;
};

// PaintLargeBar's result, the face copied from the cache when it shows this bar and made
// afresh first when it does not.
void PaintCachedLargeBar(platform::DrawingContext* target, const platform::Rect& bar,
                         const BarLook& look, BarImageCache background,
                         const LargeBarContent& content, BarFaceCache cache);

}  // namespace wayband::render
