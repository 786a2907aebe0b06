#include "platform/image_codecs/raster_decode.h"

#include <algorithm>
#include <vector>

#include "platform/image_codecs/bmp_core.h"
#include "platform/image_codecs/bmp_rle.h"
#include "platform/image_codecs/jpeg_huffman_guard.h"
#include "platform/image_codecs/stb_bridge.h"

namespace wayband::platform::codecs {
namespace {

constexpr uint8_t kOpaque = 255;
// A GIF pixel is either shown or transparent; anything from half alpha up is shown.
constexpr uint8_t kShownFrom = 128;

bool StartsWith(std::span<const uint8_t> file, std::initializer_list<uint8_t> signature) {
  return file.size() >= signature.size() &&
         std::equal(signature.begin(), signature.end(), file.begin());
}

bool WithinLimits(const StbImageSize& size, const RasterLimits& limits) {
  return size.width > 0 && size.height > 0 && size.width <= limits.maxSide &&
         size.height <= limits.maxSide && int64_t{size.width} * size.height <= limits.maxPixels;
}

// Red, green, blue, alpha rows into the bitmap's blue, green, red, alpha words. Opaque
// formats ignore the alpha the file may carry; transparent pixels get the marker colour.
bool StoreRgba(const uint8_t* rgba, Bitmap& image, bool opaque) {
  bool anyTransparent = false;
  const auto width = static_cast<size_t>(image.width());
  for (int32_t y = 0; y < image.height(); ++y) {
    uint8_t* out = image.Row(y);
    const uint8_t* in = rgba + static_cast<size_t>(y) * width * 4;
    for (size_t x = 0; x < width; ++x, in += 4, out += 4) {
      const bool shown = opaque || in[3] >= kShownFrom;
      anyTransparent |= !shown;
      if (shown) {
        out[0] = in[2];
        out[1] = in[1];
        out[2] = in[0];
        out[3] = kOpaque;
      } else {
        out[0] = GetBValue(kTransparentPixelColour);
        out[1] = GetGValue(kTransparentPixelColour);
        out[2] = GetRValue(kTransparentPixelColour);
        out[3] = 0;
      }
    }
  }
  return anyTransparent;
}

}  // namespace

RasterFormat SniffRasterFormat(std::span<const uint8_t> file) {
  if (StartsWith(file, {'B', 'M'})) return RasterFormat::kBmp;
  if (StartsWith(file, {'G', 'I', 'F', '8'})) return RasterFormat::kGif;
  if (StartsWith(file, {0xFF, 0xD8, 0xFF})) return RasterFormat::kJpeg;
  return RasterFormat::kUnknown;
}

std::optional<DecodedRaster> DecodeRaster(std::span<const uint8_t> file,
                                          const RasterLimits& limits) {
  const RasterFormat format = SniffRasterFormat(file);
  if (format == RasterFormat::kUnknown) return std::nullopt;

  // stb_image does not read run-length-encoded bitmaps, and misreads those with the old
  // core header: both are rewritten as plain bitmaps with an information header first.
  std::vector<uint8_t> expanded;
  std::span<const uint8_t> source = file;
  if (format == RasterFormat::kBmp) {
    std::optional<std::vector<uint8_t>> plain;
    if (IsRleBitmapFile(file)) {
      plain = ExpandRleBitmapFile(file, limits.maxPixels);
      if (!plain) return std::nullopt;
    } else if (IsCoreHeaderBitmapFile(file)) {
      plain = ExpandCoreHeaderBitmapFile(file, limits.maxPixels);
      if (!plain) return std::nullopt;
    }
    if (plain) {
      expanded = std::move(*plain);
      source = expanded;
    }
  }

  if (format == RasterFormat::kJpeg && !JpegHuffmanTablesFit(file)) return std::nullopt;

  StbImageSize size;
  if (!StbReadSize(source, size) || !WithinLimits(size, limits)) return std::nullopt;
  const StbPixels rgba = StbDecodeRgba(source, size);
  if (!rgba || !WithinLimits(size, limits)) return std::nullopt;

  DecodedRaster result;
  result.format = format;
  result.image = Bitmap::Create(size.width, size.height, 32, RowOrder::kTopDown);
  if (!result.image) return std::nullopt;
  result.hasTransparentPixels = StoreRgba(rgba.get(), *result.image, format != RasterFormat::kGif);
  return result;
}

}  // namespace wayband::platform::codecs
