// The standard picture object: an image a host assigns to one of a control's picture
// properties. Controls hold pictures by reference (std::shared_ptr) and never change them.
// Pictures made from files (the picture loader of the image import) also keep the file's
// bytes as read, so that the picture can be stored again exactly as it came.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <utility>
#include <vector>

namespace wayband {

namespace platform {
class Bitmap;
}

enum class PictureType : int16_t { kNone = 0, kBitmap = 1, kMetafile = 2, kIcon = 3 };

// A picture's size in HIMETRIC units (0.01 mm).
struct HimetricSize {
  int32_t width = 0;
  int32_t height = 0;
  friend bool operator==(const HimetricSize&, const HimetricSize&) = default;
};

class Picture {
 public:
  // A picture of the given type showing `image`; null when there is no image. Its size is
  // the image's at the screen's 96 pixels per inch; it is drawn opaque.
  static std::shared_ptr<Picture> FromImage(std::shared_ptr<const platform::Bitmap> image,
                                            PictureType type = PictureType::kBitmap);

  // What the picture loader makes of a file.
  struct FileContent {
    std::shared_ptr<const platform::Bitmap> image;
    PictureType type = PictureType::kBitmap;
    HimetricSize size;  // as measured on the screen the file was loaded on
    // The image is 32 bits per pixel and its pixels of alpha 0 are transparent: they hold
    // RGB(255, 0, 255), and rendering leaves the target unchanged there.
    bool transparent = false;
    std::vector<uint8_t> fileBytes;  // the file as read
  };
  // Null when there is no image.
  static std::shared_ptr<Picture> FromFile(FileContent content);

  PictureType Type() const { return type_; }
  // Size in HIMETRIC units (0.01 mm).
  int32_t Width() const { return size_.width; }
  int32_t Height() const { return size_.height; }
  const std::shared_ptr<const platform::Bitmap>& Image() const { return image_; }
  // Whether some pixels are transparent (see FileContent::transparent).
  bool Transparent() const { return transparent_; }
  // The bytes of the file the picture was loaded from; empty for other pictures.
  std::span<const uint8_t> FileBytes() const { return fileBytes_; }

 private:
  Picture(std::shared_ptr<const platform::Bitmap> image, PictureType type, HimetricSize size,
          bool transparent, std::vector<uint8_t> fileBytes)
      : image_(std::move(image)),
        type_(type),
        size_(size),
        transparent_(transparent),
        fileBytes_(std::move(fileBytes)) {}

  std::shared_ptr<const platform::Bitmap> image_;
  PictureType type_;
  HimetricSize size_;
  bool transparent_ = false;
  std::vector<uint8_t> fileBytes_;
};

}  // namespace wayband
