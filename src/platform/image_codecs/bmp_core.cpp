#include "platform/image_codecs/bmp_core.h"

#include <algorithm>

#include "platform/image_codecs/bmp_layout.h"

namespace wayband::platform::codecs {
namespace {

using namespace bmp;

// The core header: size, 16-bit width and height (always bottom-up), planes, bit count.
constexpr uint32_t kCoreHeaderBytes = 12;
constexpr size_t kCoreWidth = kInfo + 4;
constexpr size_t kCoreHeight = kInfo + 6;
constexpr size_t kCoreBitCount = kInfo + 10;
// A core colour-table entry: blue, green, red.
constexpr size_t kCoreColourEntryBytes = 3;
constexpr int kTrueColourBits = 24;

bool DepthIsKnown(int bitCount) {
  return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == kTrueColourBits;
}

}  // namespace

bool IsCoreHeaderBitmapFile(std::span<const uint8_t> file) {
  return file.size() >= kFileHeaderBytes + kCoreHeaderBytes && file[0] == 'B' && file[1] == 'M' &&
         Le32(file, kInfoSize) == kCoreHeaderBytes;
}

std::optional<std::vector<uint8_t>> ExpandCoreHeaderBitmapFile(std::span<const uint8_t> file,
                                                               int64_t maxPixels) {
  if (!IsCoreHeaderBitmapFile(file)) return std::nullopt;
  const int32_t width = Le16(file, kCoreWidth);
  const int32_t height = Le16(file, kCoreHeight);
  const int bitCount = Le16(file, kCoreBitCount);
  if (!DepthIsKnown(bitCount) || width <= 0 || height <= 0 || int64_t{width} * height > maxPixels)
    return std::nullopt;

  // A paletted file has a full table of 2^bits entries, or fewer when its rows start
  // before the end of a full one.
  const size_t tableAt = kFileHeaderBytes + kCoreHeaderBytes;
  size_t colours = bitCount == kTrueColourBits ? 0 : size_t{1} << bitCount;
  size_t dataAt = Le32(file, kOffBits);
  if (dataAt >= tableAt && (dataAt - tableAt) / kCoreColourEntryBytes < colours)
    colours = (dataAt - tableAt) / kCoreColourEntryBytes;
  if ((file.size() - tableAt) / kCoreColourEntryBytes < colours) return std::nullopt;
  // An offset inside the headers is damage the rows survive: they follow the table.
  if (dataAt < tableAt) dataAt = tableAt + colours * kCoreColourEntryBytes;
  if (dataAt > file.size()) return std::nullopt;

  size_t pixelsAt = 0;
  std::vector<uint8_t> out = NewUncompressedFile(width, height, bitCount, colours, pixelsAt);
  const size_t outTable = kFileHeaderBytes + kInfoHeaderBytes;
  for (size_t i = 0; i < colours; ++i) {
    std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(tableAt + i * kCoreColourEntryBytes),
                kCoreColourEntryBytes,
                out.begin() + static_cast<std::ptrdiff_t>(outTable + i * kColourEntryBytes));
  }
  // Rows cut short by the end of the file leave the rest of the image at zero.
  const size_t imageBytes = std::min(out.size() - pixelsAt, file.size() - dataAt);
  std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(dataAt), imageBytes,
              out.begin() + static_cast<std::ptrdiff_t>(pixelsAt));
  return out;
}

}  // namespace wayband::platform::codecs
