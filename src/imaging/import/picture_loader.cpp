#include "imaging/import/picture_loader.h"

#include <utility>

#include "imaging/ico/file_bytes.h"
#include "imaging/ico/file_icon.h"
#include "imaging/import/icon_entry_pixels.h"
#include "platform/device_caps.h"
#include "platform/image_codecs/raster_decode.h"
#include "platform/twips.h"

namespace wayband::imaging {
namespace {

constexpr double kHimetricPerInch = 2540.0;
constexpr size_t kAlphaByte = 3;
// A cursor pixel of partial alpha is shown from half alpha up: a picture's pixels are
// either shown or transparent.
constexpr uint8_t kShownFrom = 128;

// Icon and cursor files start with reserved 0 and type 1 or 2.
bool IsIconOrCursorFile(std::span<const uint8_t> bytes) {
  return bytes.size() >= 4 && bytes[0] == 0 && bytes[1] == 0 && (bytes[2] == 1 || bytes[2] == 2) &&
         bytes[3] == 0;
}

int32_t PixelsToHimetric(int32_t pixels, int pixelsPerInch) {
  return platform::RoundToLong(pixels * kHimetricPerInch / pixelsPerInch);
}

HimetricSize ScreenHimetric(const platform::Bitmap& image) {
  return {PixelsToHimetric(image.width(), platform::DesktopDeviceCaps(platform::LOGPIXELSX)),
          PixelsToHimetric(image.height(), platform::DesktopDeviceCaps(platform::LOGPIXELSY))};
}

// The image of the file with the most pixels, the deepest of those of equal size.
int32_t LargestImage(const CFileIcon& file) {
  int32_t best = 0;
  int64_t bestArea = 0;
  int32_t bestDepth = 0;
  for (int32_t i = 1; i <= file.ImageCount(); ++i) {
    const int64_t area = int64_t{file.ImageWidth(i)} * file.ImageHeight(i);
    const int32_t depth = file.ImageBitCount(i);
    if (area > bestArea || (area == bestArea && area > 0 && depth > bestDepth)) {
      best = i;
      bestArea = area;
      bestDepth = depth;
    }
  }
  return best;
}

// The surface's straight-alpha pixels as a picture image: shown pixels opaque, the others
// transparent in the marker colour.
struct MaskedImage {
  platform::BitmapHandle image;
  bool transparent = false;
};
MaskedImage ToPictureImage(const CDib32& pixels) {
  MaskedImage result;
  result.image =
      platform::Bitmap::Create(pixels.Width(), pixels.Height(), 32, platform::RowOrder::kTopDown);
  if (!result.image) return result;
  const ConstPixelView in = pixels.View();
  for (int32_t y = 0; y < in.height; ++y) {
    const uint8_t* from = in.Pixel(0, in.StoredRow(y));
    uint8_t* to = result.image->Row(y);
    for (int32_t x = 0; x < in.width; ++x, from += 4, to += 4) {
      if (from[kAlphaByte] >= kShownFrom) {
        to[0] = from[0];
        to[1] = from[1];
        to[2] = from[2];
        to[kAlphaByte] = 255;
      } else {
        to[0] = platform::GetBValue(platform::codecs::kTransparentPixelColour);
        to[1] = platform::GetGValue(platform::codecs::kTransparentPixelColour);
        to[2] = platform::GetRValue(platform::codecs::kTransparentPixelColour);
        to[kAlphaByte] = 0;
        result.transparent = true;
      }
    }
  }
  return result;
}

MaskedImage IconFileImage(std::span<const uint8_t> bytes) {
  CFileIcon file;
  const bool loaded = bytes[2] == 2 ? file.LoadCursorBytes(bytes) : file.LoadIconBytes(bytes);
  if (!loaded) return {};
  const int32_t image = LargestImage(file);
  if (image == 0) return {};
  return ToPictureImage(IconEntryPixels(file, image));
}

MaskedImage RasterImage(std::span<const uint8_t> bytes) {
  auto decoded = platform::codecs::DecodeRaster(bytes);
  if (!decoded) return {};
  return {std::move(decoded->image), decoded->hasTransparentPixels};
}

}  // namespace

std::shared_ptr<Picture> LoadPicture(const std::filesystem::path& path) {
  auto bytes = ico::ReadFileBytes(path, kMaxPictureFileBytes);
  if (!bytes) return nullptr;
  return LoadPictureFromBytes(std::move(*bytes));
}

std::shared_ptr<Picture> LoadPictureFromBytes(std::vector<uint8_t> bytes) {
  MaskedImage image = IsIconOrCursorFile(bytes) ? IconFileImage(bytes) : RasterImage(bytes);
  if (!image.image) return nullptr;
  Picture::FileContent content;
  content.size = ScreenHimetric(*image.image);
  content.image = std::move(image.image);
  content.type = PictureType::kBitmap;
  content.transparent = image.transparent;
  content.fileBytes = std::move(bytes);
  return Picture::FromFile(std::move(content));
}

}  // namespace wayband::imaging
