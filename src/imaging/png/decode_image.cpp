#include "imaging/png/decode_image.h"

#include <algorithm>
#include <span>
#include <vector>

#include "imaging/png/adam7.h"
#include "imaging/png/checked_size.h"
#include "imaging/png/convert_rows.h"
#include "imaging/png/limits.h"
#include "imaging/png/scanline_stream.h"
#include "imaging/png/unfilter.h"
#include "platform/drawing_context.h"

namespace wayband::imaging::png {
namespace {

// Output inflate may produce beyond the expected scanline bytes.
constexpr uint64_t kInflateSlackBytes = 100;
// The zlib header in front of the DEFLATE data; dropped unchecked.
constexpr size_t kZlibHeaderBytes = 2;

// The memory budget of one image, checked against DecodeLimits::maxDecodedBytes. The
// scanlines are decompressed through a small sliding window, but the budget counts them
// as if held whole, so the images a decoder accepts do not depend on how it streams.
struct BufferPlan {
  uint64_t inflateCapacity = 0;    // expected scanline bytes + slack: inflate stops there
  uint64_t scanlineBytes = 0;      // the scanlines (interlaced sub-byte images can need
                                   // more than the expected size; the rest reads as 0)
  uint64_t deinterlacedBytes = 0;  // the de-interlaced rows of an Adam7 image
  uint64_t outputBytes = 0;        // the converted bitmap rows
};

bool IsInterlaced(const ImageHeader& header) {
  return header.interlace == kInterlaceAdam7;
}

bool IsDecodable(const ImageHeader& header) {
  return header.width > 0 && header.height > 0 &&
         IsSupportedFormat(header.colourType, header.bitDepth) &&
         (header.interlace == kInterlaceNone || header.interlace == kInterlaceAdam7);
}

Status PlanBuffers(const ImageHeader& header, const DecodeLimits& limits, BufferPlan& plan) {
  if (header.width > limits.maxImageSide || header.height > limits.maxImageSide) {
    return Status::kLimitExceeded;
  }
  const unsigned bitsPerPixel = BitsPerPixel(header);
  const uint64_t rowBytes = RowBytes(header.width, bitsPerPixel);
  uint64_t expected = 0, filteredRows = 0, outputRows = 0, total = 0;
  const bool sized =
      ExpectedScanlineBytes(header, expected) &&
      CheckedAdd(expected, kInflateSlackBytes, plan.inflateCapacity) &&
      CheckedMul(rowBytes + 1, header.height, filteredRows) &&
      CheckedMul(rowBytes, IsInterlaced(header) ? header.height : 0, plan.deinterlacedBytes) &&
      CheckedMul(platform::DibStride(header.width, static_cast<int>(OutputBitCount(header))),
                 header.height, outputRows);
  if (!sized) return Status::kLimitExceeded;
  const uint64_t needed = IsInterlaced(header)
                              ? Adam7DataBytes(header.width, header.height, bitsPerPixel)
                              : filteredRows;
  plan.scanlineBytes = std::max(needed, plan.inflateCapacity);
  plan.outputBytes = outputRows;
  const bool summed = CheckedAdd(plan.scanlineBytes, plan.deinterlacedBytes, total) &&
                      CheckedAdd(total, plan.outputBytes, total);
  return summed && total <= limits.maxDecodedBytes ? Status::kOk : Status::kLimitExceeded;
}

// The DEFLATE data of the image: the joined IDAT data without the zlib header. None when
// the compression method is unknown: decompression then fails at once and every scanline
// byte is zero.
std::span<const uint8_t> DeflateData(const PngFile& file) {
  if (file.header.compression != kCompressionDeflate) return {};
  const std::span<const uint8_t> compressed(file.compressed);
  return compressed.subspan(std::min(compressed.size(), kZlibHeaderBytes));
}

// Unfilters the scanlines read from `scanlines` (de-interlacing an Adam7 image first) and
// converts them into `target`, row by row as they are decompressed.
void DecodeRows(const ImageHeader& header, ScanlineStream& scanlines, const DibRows& target) {
  const size_t rowBytes = RowBytes(header.width, BitsPerPixel(header));
  if (IsInterlaced(header)) {
    std::vector<uint8_t> image(rowBytes * header.height, 0);
    Deinterlace(scanlines, header, image);
    ConvertRows(header, ScanlineView{image.data(), rowBytes}, target);
    return;
  }
  RowUnfilter rows(rowBytes, FilterBytesPerPixel(header));
  const RowConverter convert = ChooseConverter(header);
  for (uint32_t y = 0; y < header.height; ++y)
    convert(rows.Next(scanlines.Next(rowBytes + 1)), target.Row(y), header);
}

// An empty 24-bit (rows top-down) or 32-bit (rows bottom-up) bitmap of the image's size.
platform::BitmapHandle MakeBitmap(const ImageHeader& header) {
  const unsigned bitCount = OutputBitCount(header);
  const int32_t height = static_cast<int32_t>(header.height);
  platform::BitmapInfoHeader info;
  info.biWidth = static_cast<int32_t>(header.width);
  info.biHeight = bitCount == 32 ? height : -height;
  info.biBitCount = static_cast<uint16_t>(bitCount);
  info.biCompression = platform::BI_RGB;
  info.biSizeImage = static_cast<uint32_t>(
      platform::DibStride(header.width, static_cast<int>(bitCount)) * header.height);
  return platform::CreateDIBSection(info, {});
}

PalettedImage MakePaletted(const PngFile& file) {
  const ImageHeader& header = file.header;
  PalettedImage image;
  image.width = header.width;
  image.height = header.height;
  image.bitCount = OutputBitCount(header);
  image.stride = static_cast<size_t>(platform::DibStride(header.width, image.bitCount));
  image.colours = OutputColourTable(header, file.palette);
  image.bits.assign(image.stride * header.height, 0);
  return image;
}

}  // namespace

bool ExpectedScanlineBytes(const ImageHeader& header, uint64_t& bytes) {
  const uint64_t rowBytes = RowBytes(header.width, BitsPerPixel(header));
  uint64_t total = 0;
  if (!CheckedMul(header.height, rowBytes + 1, total)) return false;
  if (IsInterlaced(header) && !CheckedAdd(total, header.height, total)) return false;
  bytes = total;
  return true;
}

DecodedImage DecodeImage(const PngFile& file, const Inflater& inflater,
                         const DecodeLimits& limits) {
  DecodedImage image;
  const ImageHeader& header = file.header;
  if (!IsDecodable(header)) return image;
  BufferPlan plan;
  if (PlanBuffers(header, limits, plan) != Status::kOk) {
    image.outcome = DecodeOutcome::kLimitExceeded;
    return image;
  }
  ScanlineStream scanlines(inflater, DeflateData(file), plan.inflateCapacity,
                           RowBytes(header.width, BitsPerPixel(header)) + 1);
  if (OutputBitCount(header) >= 24) {
    image.bitmap = MakeBitmap(header);
    if (image.bitmap) {
      platform::Bitmap& bitmap = *image.bitmap;
      DecodeRows(header, scanlines,
                 DibRows{bitmap.bits().data(), static_cast<size_t>(bitmap.stride()), header.height,
                         bitmap.rowOrder() == platform::RowOrder::kBottomUp});
    }
    // The platform refuses a bitmap only for its own size limit.
    image.outcome = image.bitmap ? DecodeOutcome::kBitmap : DecodeOutcome::kLimitExceeded;
  } else {
    image.paletted = MakePaletted(file);
    PalettedImage& paletted = image.paletted;
    DecodeRows(header, scanlines,
               DibRows{paletted.bits.data(), paletted.stride, header.height, true});
    image.outcome = DecodeOutcome::kPaletted;
  }
  image.inflateStatus = scanlines.Finish();
  return image;
}

}  // namespace wayband::imaging::png
