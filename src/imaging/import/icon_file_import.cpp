// The icon-file route. Each image is drawn the way the platform draws icons: 32-bit images
// by their colour part alone (alpha included), the others onto the key colour through
// their mask (colour XOR, mask AND, colour XOR), which leaves the key colour where the
// mask marks transparency.
//
// Which images are taken: an image 64 pixels wide is skipped. Beyond that, only square
// images at one of the standard sizes are stored as drawn: an image of another size would
// land under size index 0 at its own size and spoil a real 16-pixel image there. Images of
// fewer than 4 bits per pixel (kind 0) are not stored, as the icon store never draws that
// kind, and neither are images whose header names a bit count no bitmap has. Images stored
// as PNG inside the file are decoded with their alpha, resampled to
// the nearest standard size like a PNG file and stored at 32 bits.
#include "imaging/icon_sizes.h"
#include "imaging/import/import_routes.h"
#include "imaging/import/png_pixels.h"
#include "imaging/import/standard_size.h"
#include "imaging/import/surface_array.h"
#include "imaging/key_color.h"

namespace wayband::imaging {
namespace {

constexpr int32_t kSkippedWidth = 64;
constexpr int32_t kAlphaBitCount = 32;
constexpr platform::ColorRef kMagenta = platform::RGB(255, 0, 255);

// The bit counts of colour images that kinds 1 to 4 hold.
bool IsStoredBitCount(int32_t bitCount) {
  return bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24 ||
         bitCount == kAlphaBitCount;
}

bool IsStandardSize(int32_t pixels) {
  return IconPixels(IconSizeIndex(pixels)) == pixels;
}

// A square 32-bit surface stored at the nearest standard size, kind 4.
void StoreAtStandardSize(CDib32 pixels, CIconBytes& icon) {
  if (!pixels.IsCreated() || pixels.Width() != pixels.Height()) return;
  const int32_t size = SnapToStandardSize(pixels.Width());
  if (pixels.Width() != size) pixels = pixels.ResampleToWidth(size);
  icon.SetBytes(IconSizeIndex(size), kKind32Bit, SurfaceToArray(pixels, kChannels32Bit));
}

void ImportPngEntry(std::span<const uint8_t> data, CIconBytes& icon) {
  CPngDecoder decoder;
  decoder.LoadFromMemory(data);
  StoreAtStandardSize(PngPixels(decoder), icon);
}

void ImportBitmapEntry(const CFileIcon& file, int32_t image, CIconBytes& icon) {
  const int32_t width = file.ImageWidth(image);
  const int32_t height = file.ImageHeight(image);
  const int32_t bitCount = file.ImageBitCount(image);
  if (width != height || !IsStandardSize(height) || !IsStoredBitCount(bitCount)) return;

  CDib32 surface;
  if (!surface.Create(width, height)) return;
  surface.Clear(kMagenta);
  platform::DrawingContext* dc = surface.hDC();
  if (bitCount != kAlphaBitCount) {
    surface.Clear(kKeyColor);
    file.DrawImage(dc, image, IconImagePart::kColour, 0, 0, 0, 0, platform::SRCINVERT);
    file.DrawImage(dc, image, IconImagePart::kMask, 0, 0, 0, 0, platform::SRCAND);
    file.DrawImage(dc, image, IconImagePart::kColour, 0, 0, 0, 0, platform::SRCINVERT);
  } else {
    file.DrawImage(dc, image, IconImagePart::kColour, 0, 0, 0, 0, platform::SRCCOPY);
  }
  const int32_t channels = bitCount == kAlphaBitCount ? kChannels32Bit : kChannels24Bit;
  icon.SetBytes(IconSizeIndex(height), IconKind(bitCount), SurfaceToArray(surface, channels));
}

}  // namespace

void ImportIconFileImages(const CFileIcon& file, CIconBytes& icon) {
  for (int32_t image = 1; image <= file.ImageCount(); ++image) {
    if (file.ImageWidth(image) == kSkippedWidth) continue;
    const auto data = file.ImageData(image);
    if (IsPngData(data)) {
      ImportPngEntry(data, icon);
    } else {
      ImportBitmapEntry(file, image, icon);
    }
  }
}

}  // namespace wayband::imaging
