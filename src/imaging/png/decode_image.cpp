#include "imaging/png/decode_image.h"

#include <algorithm>
#include <memory>

#include "imaging/png/adam7.h"
#include "imaging/png/checked_size.h"
#include "imaging/png/convert_rows.h"
#include "imaging/png/limits.h"
#include "imaging/png/unfilter.h"
#include "platform/drawing_context.h"

namespace wayband::imaging::png {
namespace {

// Room the inflate buffer has beyond the expected scanline bytes.
constexpr uint64_t kInflateSlackBytes = 100;
// The zlib header in front of the DEFLATE data; dropped unchecked.
constexpr size_t kZlibHeaderBytes = 2;

// The buffers decoding one image takes.
struct BufferPlan {
  uint64_t inflateCapacity = 0;    // expected scanline bytes + slack: inflate stops there
  uint64_t scanlineBytes = 0;      // the buffer holding them (interlaced sub-byte images
                                   // can need more than the expected size; the rest is 0)
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

// Inflates the image data into `output` and zeroes whatever it did not produce.
Status InflateScanlines(const PngFile& file, const Inflater& inflater, std::span<uint8_t> output) {
  if (file.header.compression != kCompressionDeflate) {
    std::fill(output.begin(), output.end(), uint8_t{0});
    return Status::kCorruptData;
  }
  const std::span<const uint8_t> compressed(file.compressed);
  const InflateResult result =
      inflater.Inflate(compressed.subspan(std::min(compressed.size(), kZlibHeaderBytes)), output);
  std::fill(output.begin() + static_cast<ptrdiff_t>(result.written), output.end(), uint8_t{0});
  return result.status;
}

// Unfilters the scanlines (de-interlacing an Adam7 image into `deinterlaced`) and returns
// where the unfiltered rows are.
ScanlineView UnfilterImage(const ImageHeader& header, std::span<uint8_t> scanlines,
                           std::vector<uint8_t>& deinterlaced) {
  const uint64_t rowBytes = RowBytes(header.width, BitsPerPixel(header));
  if (IsInterlaced(header)) {
    deinterlaced.assign(rowBytes * header.height, 0);
    Deinterlace(scanlines, header, deinterlaced);
    return ScanlineView{deinterlaced.data(), rowBytes};
  }
  UnfilterRows(scanlines, rowBytes, header.height, FilterBytesPerPixel(header));
  return ScanlineView{scanlines.data() + 1, rowBytes + 1};
}

// A 24-bit (rows top-down) or 32-bit (rows bottom-up) bitmap of the converted rows.
platform::BitmapHandle MakeBitmap(const ImageHeader& header, ScanlineView rows) {
  const unsigned bitCount = OutputBitCount(header);
  const int32_t height = static_cast<int32_t>(header.height);
  platform::BitmapInfoHeader info;
  info.biWidth = static_cast<int32_t>(header.width);
  info.biHeight = bitCount == 32 ? height : -height;
  info.biBitCount = static_cast<uint16_t>(bitCount);
  info.biCompression = platform::BI_RGB;
  info.biSizeImage = static_cast<uint32_t>(
      platform::DibStride(header.width, static_cast<int>(bitCount)) * header.height);
  platform::BitmapHandle bitmap = platform::CreateDIBSection(info, {});
  if (!bitmap) return nullptr;
  const DibRows target{bitmap->bits().data(), static_cast<size_t>(bitmap->stride()), header.height,
                       bitmap->rowOrder() == platform::RowOrder::kBottomUp};
  ConvertRows(header, rows, target);
  return bitmap;
}

PalettedImage MakePaletted(const PngFile& file, ScanlineView rows) {
  const ImageHeader& header = file.header;
  PalettedImage image;
  image.width = header.width;
  image.height = header.height;
  image.bitCount = OutputBitCount(header);
  image.stride = static_cast<size_t>(platform::DibStride(header.width, image.bitCount));
  image.colours = OutputColourTable(header, file.palette);
  image.bits.assign(image.stride * header.height, 0);
  ConvertRows(header, rows, DibRows{image.bits.data(), image.stride, header.height, true});
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
  // Left uninitialised: inflate writes the front, and InflateScanlines and the line below
  // zero everything it did not write, so the large buffer is filled once.
  const auto buffer = std::make_unique_for_overwrite<uint8_t[]>(plan.scanlineBytes);
  const std::span<uint8_t> scanlines(buffer.get(), plan.scanlineBytes);
  image.inflateStatus = InflateScanlines(file, inflater, scanlines.first(plan.inflateCapacity));
  std::fill(scanlines.begin() + static_cast<ptrdiff_t>(plan.inflateCapacity), scanlines.end(),
            uint8_t{0});
  std::vector<uint8_t> deinterlaced;
  const ScanlineView rows = UnfilterImage(header, scanlines, deinterlaced);
  if (OutputBitCount(header) >= 24) {
    image.bitmap = MakeBitmap(header, rows);
    // The platform refuses a bitmap only for its own size limit.
    image.outcome = image.bitmap ? DecodeOutcome::kBitmap : DecodeOutcome::kLimitExceeded;
  } else {
    image.paletted = MakePaletted(file, rows);
    image.outcome = DecodeOutcome::kPaletted;
  }
  return image;
}

}  // namespace wayband::imaging::png
