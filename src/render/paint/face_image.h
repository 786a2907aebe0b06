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
#include "imaging/icon_bytes.h"
#include "platform/drawing_context.h"
#include "platform/geometry.h"
#include "platform/text/logical_font.h"
#include "render/draw/caption.h"
#include "render/draw/color_blend.h"
#include "render/draw/drawing_flags.h"
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
  // Keeps the key and the image painted for it; a null image keeps the key alone.
  void Keep(Key shown, std::string_view text, std::shared_ptr<imaging::CDib32> painted,
            std::shared_ptr<const Picture> owner) {
    filled = true;
    key = std::move(shown);
    caption.assign(text);
    image = std::move(painted);
    picture = std::move(owner);
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

// What a face shows over its fill, as the face's key holds it: the icon's revision (new
// with every change of its arrays or picture), enabled state and place in the face, the
// caption's font record, rectangle in the face, format and colour as drawn, and the
// process-wide drawing flags. The caption's text is the face's own `caption`.
struct FaceContentKey {
  DrawingFlags flags;
  bool hasIcon = false;
  uint64_t iconRevision = 0;
  bool iconEnabled = false;
  platform::Point iconAt;
  platform::LogFont font;
  platform::Rect captionRect;
  uint32_t format = 0;
  OleColor captionColor = 0;
  friend bool operator==(const FaceContentKey&, const FaceContentKey&) = default;
};

// The icon and caption of a part, where the part paints them on its target.
struct FaceContent {
  const imaging::CIconBytes* icon = nullptr;
  bool iconEnabled = true;
  platform::Point iconAt;
  const platform::LogFont* font = nullptr;  // null: the target's selected font
  platform::Rect captionRect;
  uint32_t format = 0;
  OleColor captionColor = 0;
};

// The content's key for a face whose top edge is row `top` of the target.
FaceContentKey ContentKeyOf(const platform::DrawingContext& target, const FaceContent& content,
                            int32_t top);

// Whether all the content painted into the face lies within `area`: the icon's square, and
// the caption's ink as `cache` holds it, laid out for exactly this text and the key's font,
// rectangle and format.
bool ContentInside(const platform::DrawingContext& face, const FaceContentKey& key,
                   int32_t iconSize, const CaptionCache* cache, std::string_view text,
                   const platform::Rect& area);

bool FaceServes(const platform::DrawingContext& target);

// A new face image for `target`: transparent mode, the target's font. Null when it cannot
// be made.
std::shared_ptr<imaging::CDib32> NewFaceImage(const platform::DrawingContext& target, int32_t width,
                                              int32_t height);

}  // namespace wayband::render
