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
  const HimetricSize size{PixelsToHimetric(image->width()), PixelsToHimetric(image->height())};
  return std::shared_ptr<Picture>(new Picture(std::move(image), type, size, false, {}));
}

std::shared_ptr<Picture> Picture::FromFile(FileContent content) {
  if (!content.image) return nullptr;
  const bool transparent = content.transparent && content.image->bitCount() == 32;
  return std::shared_ptr<Picture>(new Picture(std::move(content.image), content.type, content.size,
                                              transparent, std::move(content.fileBytes)));
}

}  // namespace wayband
