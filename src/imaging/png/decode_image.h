// Turns the kept contents of a PNG file into pixels: inflate the joined image data (up to
// the expected size) row by row, unfilter (de-interlacing first when Adam7 is used) and
// convert straight into the bitmap rows. 24- and 32-bit results become platform bitmaps; paletted
// results (1, 4 or 8 bits per pixel) are kept as a plain DIB.
#pragma once

#include <cstdint>
#include <vector>

#include "imaging/png/inflate.h"
#include "imaging/png/limits.h"
#include "imaging/png/png_file.h"
#include "imaging/png/status.h"
#include "platform/bitmap.h"

namespace wayband::imaging::png {

// A paletted result: rows padded to 4 bytes, stored bottom-up, with its colour table.
struct PalettedImage {
  uint32_t width = 0;
  uint32_t height = 0;
  unsigned bitCount = 0;
  size_t stride = 0;
  std::vector<platform::RgbQuad> colours;
  std::vector<uint8_t> bits;
};

enum class DecodeOutcome {
  kBitmap,             // a 24- or 32-bit bitmap
  kPaletted,           // a paletted result, which is not handed out as a bitmap
  kUnsupportedFormat,  // colour type, bit depth, interlace method or size not decodable
  kLimitExceeded,      // the image is larger than the decoder's limits allow
};

struct DecodedImage {
  DecodeOutcome outcome = DecodeOutcome::kUnsupportedFormat;
  // How decompression ended: kCorruptData means the image holds what was decoded before
  // the fault and zero bytes after it (also when the compression method is unknown and
  // nothing was decompressed). kOutputTooSmall means data beyond the image was ignored.
  Status inflateStatus = Status::kOk;
  platform::BitmapHandle bitmap;  // kBitmap only
  PalettedImage paletted;         // kPaletted only
};

// The bytes the inflated scanlines are expected to take: height x (row bytes + 1), plus
// height more for an interlaced image. False when the sum does not fit in 64 bits.
bool ExpectedScanlineBytes(const ImageHeader& header, uint64_t& bytes);

DecodedImage DecodeImage(const PngFile& file, const Inflater& inflater, const DecodeLimits& limits);

}  // namespace wayband::imaging::png
