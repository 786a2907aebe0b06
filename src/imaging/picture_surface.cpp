#include "imaging/picture_surface.h"

#include "imaging/dib32.h"
#include "platform/bitmap.h"

namespace wayband::imaging {

CDib24 Dib24FromPicture(const Picture& picture) {
  if (picture.Type() != PictureType::kBitmap) return CDib24{};
  // The 32-bit surface selects the picture's bitmap into a context of its own for the
  // copy; the 24-bit one then takes the colours from it.
  CDib32 pixels;
  pixels.CreateFromBitmap(picture.Image().get());
  CDib24 result;
  if (!pixels.hDC() || !result.Create(pixels.Width(), pixels.Height())) return CDib24{};
  result.LoadFromDC(pixels.hDC());
  return result;
}

}  // namespace wayband::imaging
