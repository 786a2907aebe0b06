#include "imaging/import/icon_entry_pixels.h"

#include "imaging/import/png_pixels.h"
#include "imaging/png/png_decoder.h"

#include <utility>

namespace wayband::imaging {
namespace {

constexpr size_t kAlphaByte = 3;
constexpr uint8_t kOpaque = 255;
constexpr int32_t kAlphaBitCount = 32;

bool HasAlpha(const CDib32& surface) {
  bool any = false;
  ForEachPixel(surface.View(), [&any](const uint8_t* pixel) { any |= pixel[kAlphaByte] != 0; });
  return any;
}

// Sets each pixel's alpha from the mask: opaque where the mask bit is clear. The mask is
// drawn with 0 bits in the text colour (black) and 1 bits in the background colour.
void ApplyMask(const CFileIcon& file, int32_t image, CDib32& colour) {
  CDib32 mask;
  if (!mask.Create(colour.Width(), colour.Height())) return;
  file.DrawImage(mask.hDC(), image, IconImagePart::kMask, 0, 0);
  const ConstPixelView bits = std::as_const(mask).View();
  const PixelView out = colour.View();
  for (int32_t row = 0; row < out.height; ++row) {
    for (int32_t x = 0; x < out.width; ++x) {
      const uint8_t* m = bits.Pixel(x, row);
      const bool transparent = m[0] != 0 || m[1] != 0 || m[2] != 0;
      out.Pixel(x, row)[kAlphaByte] = transparent ? 0 : kOpaque;
    }
  }
}

}  // namespace

CDib32 IconEntryPixels(const CFileIcon& file, int32_t image) {
  const auto data = file.ImageData(image);
  if (IsPngData(data)) {
    CPngDecoder decoder;
    decoder.LoadFromMemory(data);
    return PngPixels(decoder);
  }
  CDib32 colour;
  if (!colour.Create(file.ImageWidth(image), file.ImageHeight(image))) return colour;
  file.DrawImage(colour.hDC(), image, IconImagePart::kColour, 0, 0);
  if (file.ImageBitCount(image) != kAlphaBitCount || !HasAlpha(colour))
    ApplyMask(file, image, colour);
  return colour;
}

}  // namespace wayband::imaging
