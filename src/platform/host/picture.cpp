#include "wayband/picture.h"

#include "platform/bitmap.h"
#include "platform/twips.h"

namespace wayband {

namespace {
constexpr double kHimetricPerInch = 2540.0;
constexpr double kScreenPixelsPerInch = 96.0;

int32_t PixelsToHimetric(int32_t pixels) {
  return platform::RoundToLong(pixels * kHimetricPerInch / kScreenPixelsPerInch);
}
}  // namespace

std::shared_ptr<Picture> Picture::FromImage(std::shared_ptr<const platform::Bitmap> image,
                                            PictureType type) {
  if (!image) return nullptr;
  return std::shared_ptr<Picture>(new Picture(std::move(image), type));
}

int32_t Picture::Width() const {
  return PixelsToHimetric(image_->width());
}
int32_t Picture::Height() const {
  return PixelsToHimetric(image_->height());
}

}  // namespace wayband
