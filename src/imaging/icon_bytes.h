// CIconBytes: one icon of a control, held as raw pixel arrays, one per standard size
// (size index 0..7) and colour class (kind 0..4), under a key string. It draws the best
// array it holds at any standard size, enabled or greyed, and hands its arrays to
// persistence as three-dimensional byte arrays (channel, x, y). Kind-4 arrays hold 32-bit
// images with straight alpha (4 channels); kinds 1 to 3 hold 24-bit renderings (3
// channels, width rounded up to a multiple of 4) whose transparent pixels are the key
// colour.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>

#include "imaging/byte_array3.h"
#include "imaging/icon_arrays.h"
#include "imaging/icon_sizes.h"
#include "platform/content_revision.h"
#include "platform/drawing_context.h"

namespace wayband {
class Picture;
}

namespace wayband::imaging {

class CDib32;

class CIconBytes {
 public:
  CIconBytes() { Reset(); }

  // Draws the icon at (x, y) at the pixel size of the size index. While the icon holds a
  // picture, the picture is drawn (resampled, magenta RGB(255, 0, 255) transparent,
  // `enabled` without effect). Otherwise the image chosen by SelectIconImage is drawn:
  // with `kind` 4 and a 32-bit image, composited by its alpha (greyed and at constant
  // alpha 128 when not enabled), resampled by area when its size differs; any other
  // image with the key colour transparent (greyed when not enabled), resampled
  // bilinearly when its size differs. Nothing is drawn for an unknown size index or when
  // the icon holds no image.
  void DrawIcon(platform::DrawingContext* target, int32_t sizeIndex, int32_t kind, int32_t x,
                int32_t y, bool enabled) const;

  // Imports an image file into the arrays (imaging/import/). The route is chosen by the
  // last three characters of the path, upper-cased: "ICO" icon files, "PNG" PNG files, any
  // other the picture loader ("JPG" keying out a background that varies a little). Each
  // image taken replaces the array at its size and kind; the others stay. The held
  // picture is dropped first; a picture-route import that stores an image holds its
  // picture afterwards. Pictures and PNGs that are not square are refused with a message.
  void ImportFile(const std::filesystem::path& path);

  // A copy of the array at (size index, kind); empty for an empty slot or unknown indices.
  ByteArray3 GetBytes(int32_t sizeIndex, int32_t kind) const;
  // Stores a copy, replacing what was there; unknown indices are ignored.
  void SetBytes(int32_t sizeIndex, int32_t kind, const ByteArray3& bytes);

  const std::string& Key() const { return key_; }
  void SetKey(std::string key) { key_ = std::move(key); }

  // Empties all 40 arrays.
  void Reset();
  // True when any of the kinds 2, 3, 4 or 1 holds an image at the size index.
  bool HasSize(int32_t sizeIndex) const { return HasIconSize(arrays_, sizeIndex); }

  // The picture of the last picture-route import; while one is held DrawIcon draws it
  // instead of the arrays. Setting null clears it.
  void SetPicture(std::shared_ptr<const Picture> picture) {
    picture_ = std::move(picture);
    ForgetPrepared();
  }
  void ClearPicture() {
    picture_.reset();
    ForgetPrepared();
  }
  bool HoldsPicture() const { return picture_ != nullptr; }
  const std::shared_ptr<const Picture>& HeldPicture() const { return picture_; }

  // Names what DrawIcon draws: it changes with the arrays and the held picture, and equal
  // values always draw the same (platform/content_revision.h).
  uint64_t Revision() const { return revision_.Value(); }

 private:
  // The alpha-composited images ready to blend (selected, greyed when not enabled,
  // resampled to the size, premultiplied), per size index and enabled state: the cache of
  // prepared icon surfaces. Key: the size index and the enabled state; what they are made
  // of (the arrays and the held picture) drops them all when it changes (SetBytes, Reset,
  // SetPicture, ClearPicture, and so every import). A copy of the icon shares them, as
  // they never change once made. Off with platform::SetPaintCachesEnabled(false).
  using PreparedSurfaces = std::array<std::shared_ptr<const CDib32>, 2 * kIconSizeCount>;
  const CDib32* PreparedAlphaSurface(int32_t sizeIndex, bool enabled) const;
  void ForgetPrepared() {
    prepared_ = {};
    revision_.Advance();
  }

  std::string key_;
  IconArrays arrays_;
  std::shared_ptr<const Picture> picture_;
  mutable PreparedSurfaces prepared_;
  platform::ContentRevision revision_;
};

}  // namespace wayband::imaging
