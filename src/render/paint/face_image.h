// Faces: images of the parts of a frame that look the same from one frame to the next (a
// large bar, the header), copied into the frame instead of painted again. Each face's
// cache states its key next to its code; these are the rules all of them share.
//   - A face is painted as its part is in place, with the part moved up to the face's top
//     edge (parts start at x 0), in a context in transparent mode holding the target's
//     font. Every painter a face runs depends on where it paints only through the
//     rectangles it is handed, so the moved part looks the same.
//   - A face serves only targets that paint as its context does: 32-bit pixels,
//     transparent mode, the NT family's caption path and paint caches on.
//   - A face stands for its part only when all the part paints lies inside the face: the
//     fill covers the face, and the icon's square and the caption's ink lie within it.
//     Otherwise the face keeps its key without an image, and the part is painted in place
//     for as long as the key holds.
//   - The face owns the picture it shows, so the picture's address in the key cannot name
//     another picture while the key is kept.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "imaging/dib32.h"
#include "platform/drawing_context.h"
#include "platform/geometry.h"
#include "platform/text/logical_font.h"
#include "render/draw/caption.h"
#include "wayband/picture.h"

namespace wayband::render {

template <typename Key>
struct Face {
  bool filled = false;
  Key key;
  std::string caption;  // the rest of the key, compared without a copy
  // Null while the key's part paints outside the face (painted in place).
  std::shared_ptr<imaging::CDib32> image;
  std::shared_ptr<const Picture> picture;  // the owner of the key's picture

  bool Holds(const Key& other, std::string_view text) const {
    return filled && key == other && caption == text;
  }
};

// The two faces a part showed last, the newer first: a part that goes back and forth
// between two looks (a bar under the mouse and back) finds both.
template <typename Key>
struct RecentFaces {
  std::array<Face<Key>, 2> faces;

  // The face holding the key, made the newer one; null when neither does.
  const Face<Key>* Find(const Key& key, std::string_view text) {
    if (faces[1].Holds(key, text)) std::swap(faces[0], faces[1]);
    return faces[0].Holds(key, text) ? &faces[0] : nullptr;
  }
  // The newer face, emptied for another key after the one it held became the older.
  Face<Key>& Renew() {
    faces[1] = std::move(faces[0]);
    faces[0] = {};
    return faces[0];
  }
};

bool FaceServes(const platform::DrawingContext& target);

// A new face image for `target`: transparent mode, the target's font. Null when it cannot
// be made.
std::shared_ptr<imaging::CDib32> NewFaceImage(const platform::DrawingContext& target, int32_t width,
                                              int32_t height);

// Coordinates moved up by `rows`.
platform::Point Lifted(platform::Point p, int32_t rows);
platform::Rect Lifted(const platform::Rect& r, int32_t rows);

// The font a caption drawn in `record` is drawn in (null: the target's selected font).
platform::LogFont DrawnCaptionFont(const platform::DrawingContext& target,
                                   const platform::LogFont* record);

// Whether the icon's square of `size` pixels at `at` lies within `area`.
bool IconInside(platform::Point at, int32_t size, const platform::Rect& area);

// Whether the caption `cache` holds, laid out for exactly this text, font, rectangle and
// format, paints only within `area` in the face's context.
bool CaptionInside(const platform::DrawingContext& face, const CaptionCache* cache,
                   std::string_view text, const platform::LogFont& font, const platform::Rect& rect,
                   uint32_t format, const platform::Rect& area);

}  // namespace wayband::render
