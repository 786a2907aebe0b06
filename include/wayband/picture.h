// The standard picture object: an image a host assigns to one of a control's picture
// properties. Controls hold pictures by reference (std::shared_ptr) and never change them.
// Making pictures from files belongs to the image import; this object only carries the
// loaded image and its type.
#pragma once

#include <cstdint>
#include <memory>
#include <utility>

namespace wayband {

namespace platform {
class Bitmap;
}

enum class PictureType : int16_t { kNone = 0, kBitmap = 1, kMetafile = 2, kIcon = 3 };

class Picture {
 public:
  // A picture of the given type showing `image`; null when there is no image.
  static std::shared_ptr<Picture> FromImage(std::shared_ptr<const platform::Bitmap> image,
                                            PictureType type = PictureType::kBitmap);

  PictureType Type() const { return type_; }
  // Size in HIMETRIC units (0.01 mm) at the screen's 96 pixels per inch.
  int32_t Width() const;
  int32_t Height() const;
  const std::shared_ptr<const platform::Bitmap>& Image() const { return image_; }

 private:
  Picture(std::shared_ptr<const platform::Bitmap> image, PictureType type)
      : image_(std::move(image)), type_(type) {}

  std::shared_ptr<const platform::Bitmap> image_;
  PictureType type_;
};

}  // namespace wayband
