// Surfaces made from picture objects: only bitmap pictures carry pixels.
#include "imaging/dib24.h"
#include "imaging/dib32.h"
#include "platform/bitmap.h"

namespace wayband::imaging {
namespace {

const platform::Bitmap* PictureBitmap(const Picture* picture) {
  if (picture == nullptr || picture->Type() != PictureType::kBitmap) return nullptr;
  return picture->Image().get();
}

}  // namespace

void CDib32::CreateFromPicture(const Picture* picture) {
  const platform::Bitmap* bitmap = PictureBitmap(picture);
  if (bitmap == nullptr) {
    Destroy();
    return;
  }
  CreateFromBitmap(bitmap);
}

void CDib24::CreateFromPicture(const Picture* picture) {
  // The 32-bit surface selects the picture's bitmap into a context of its own for the
  // copy; this surface then takes the colours from it.
  CDib32 pixels;
  pixels.CreateFromPicture(picture);
  if (!pixels.hDC() || !Create(pixels.Width(), pixels.Height())) {
    Destroy();
    return;
  }
  LoadFromDC(pixels.hDC());
}

}  // namespace wayband::imaging
