// Decoding the raster files the picture loader reads besides cursors: BMP (every bit
// depth, RLE-compressed, top-down), GIF (the first frame) and JPEG (baseline, progressive,
// greyscale). The format is told by the file's content, not its name.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "platform/bitmap.h"
#include "platform/color.h"

namespace wayband::platform::codecs {

enum class RasterFormat { kUnknown, kBmp, kGif, kJpeg };

// The format whose signature starts the file.
RasterFormat SniffRasterFormat(std::span<const uint8_t> file);

// Size bounds of one decode. Files come from anywhere; an image over these bounds is
// refused before anything is allocated for its pixels.
struct RasterLimits {
  int32_t maxSide = 16384;                // pixels, either side
  int64_t maxPixels = int64_t{16} << 20;  // width x height (64 MiB of 32-bit pixels)
};

// The colour that transparent pixels of a decoded image hold (with alpha 0), so that code
// that reads only colours can still tell them.
inline constexpr ColorRef kTransparentPixelColour = RGB(255, 0, 255);

struct DecodedRaster {
  RasterFormat format = RasterFormat::kUnknown;
  // 32 bits per pixel, rows top-down: alpha 255 where the picture shows, 0 (colour
  // kTransparentPixelColour) where it is transparent. BMP and JPEG images are opaque.
  BitmapHandle image;
  bool hasTransparentPixels = false;
};

// Nothing when the format is unknown, the file is damaged beyond decoding, or the image is
// over the limits.
std::optional<DecodedRaster> DecodeRaster(std::span<const uint8_t> file,
                                          const RasterLimits& limits = {});

}  // namespace wayband::platform::codecs
