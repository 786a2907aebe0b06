#include "imaging/ico/icon_image.h"

#include <algorithm>

#include "imaging/ico/icon_file_format.h"

namespace wayband::imaging::ico {
namespace {

constexpr uint32_t kColourTableEntryBytes = 4;
constexpr uint64_t kMaxPaletteEntries = 256;  // the most any paletted row can index
constexpr uint16_t kBitCountOffset = 14;
constexpr platform::RgbQuad kMaskBlack{0, 0, 0, 0};
constexpr platform::RgbQuad kMaskWhite{255, 255, 255, 0};

platform::BitmapInfoHeader ReadInfoHeader(const uint8_t* p) {
  platform::BitmapInfoHeader h;
  h.biSize = ReadLe32(p);
  h.biWidth = static_cast<int32_t>(ReadLe32(p + 4));
  h.biHeight = static_cast<int32_t>(ReadLe32(p + 8));
  h.biPlanes = ReadLe16(p + 12);
  h.biBitCount = ReadLe16(p + 14);
  h.biCompression = ReadLe32(p + 16);
  h.biSizeImage = ReadLe32(p + 20);
  h.biXPelsPerMeter = static_cast<int32_t>(ReadLe32(p + 24));
  h.biYPelsPerMeter = static_cast<int32_t>(ReadLe32(p + 28));
  h.biClrUsed = ReadLe32(p + 32);
  h.biClrImportant = ReadLe32(p + 36);
  return h;
}

// Colour-table entries: the colours-used field when not 0, else the full table of a
// paletted depth, else none.
uint64_t ColourTableEntries(const platform::BitmapInfoHeader& h) {
  if (h.biClrUsed != 0) return h.biClrUsed;
  switch (h.biBitCount) {
    case 1:
      return 2;
    case 4:
      return 16;
    case 8:
      return 256;
    default:
      return 0;
  }
}

// Bytes of one row of `bitsPerPixel` x width bits, rounded up to whole 32-bit words.
// Width x bits per pixel stays below 2^63 (31 + 32 bits), so nothing overflows.
uint64_t RowBytes(uint64_t width, uint64_t bitsPerPixel) {
  return (width * bitsPerPixel + 31) / 32 * 4;
}

// Where the parts of one image lie, all offsets from the start of the image data.
struct Layout {
  platform::BitmapInfoHeader header;  // as stored
  uint64_t colourTableEntries = 0;
  uint64_t colourOffset = 0;
  uint32_t rows = 0;            // each part's height: the header's height halved
  uint64_t colourRowBytes = 0;  // as the header describes the colour rows
  // Where the mask starts: after the colour rows counted with the header's planes; nothing
  // when that position does not fit in 64 bits.
  std::optional<uint64_t> maskOffset;
};

std::optional<uint64_t> MaskOffset(uint64_t colourOffset, uint64_t planeRowBytes, uint32_t rows) {
  uint64_t colourBytes = 0;
  uint64_t offset = 0;
  if (__builtin_mul_overflow(planeRowBytes, uint64_t{rows}, &colourBytes) ||
      __builtin_add_overflow(colourOffset, colourBytes, &offset)) {
    return std::nullopt;
  }
  return offset;
}

std::optional<Layout> ReadLayout(std::span<const uint8_t> image) {
  if (image.size() < kImageHeaderBytes) return std::nullopt;
  Layout layout;
  layout.header = ReadInfoHeader(image.data());
  const platform::BitmapInfoHeader& h = layout.header;
  const int32_t halfHeight = h.biHeight / 2;
  if (h.biWidth <= 0 || halfHeight == 0) return std::nullopt;
  layout.rows = halfHeight > 0 ? static_cast<uint32_t>(halfHeight)
                               : static_cast<uint32_t>(-int64_t{halfHeight});
  layout.colourTableEntries = ColourTableEntries(h);
  layout.colourOffset = kImageHeaderBytes + kColourTableEntryBytes * layout.colourTableEntries;
  const auto width = static_cast<uint64_t>(h.biWidth);
  layout.colourRowBytes = RowBytes(width, h.biBitCount);
  layout.maskOffset = MaskOffset(layout.colourOffset,
                                 RowBytes(width, uint64_t{h.biPlanes} * h.biBitCount), layout.rows);
  return layout;
}

// The block [offset, offset + rows x rowBytes) of the image, or nothing when it does not
// lie wholly inside.
std::optional<std::span<const uint8_t>> RowBlock(std::span<const uint8_t> image, uint64_t offset,
                                                 uint32_t rows, uint64_t rowBytes) {
  if (offset > image.size() || rowBytes == 0) return std::nullopt;
  const uint64_t available = image.size() - offset;
  if (rows > available / rowBytes) return std::nullopt;
  return image.subspan(static_cast<size_t>(offset), static_cast<size_t>(rows * rowBytes));
}

std::vector<platform::RgbQuad> ReadColourTable(std::span<const uint8_t> image, uint64_t entries) {
  std::vector<platform::RgbQuad> colors(static_cast<size_t>(std::min(entries, kMaxPaletteEntries)));
  for (size_t i = 0; i < colors.size(); ++i) {
    const uint8_t* p = image.data() + kImageHeaderBytes + i * kColourTableEntryBytes;
    colors[i] = platform::RgbQuad{p[0], p[1], p[2], p[3]};
  }
  return colors;
}

}  // namespace

int32_t ImageHeaderBitCount(std::span<const uint8_t> image) {
  if (image.size() < kBitCountOffset + sizeof(uint16_t)) return 0;
  return ReadLe16(image.data() + kBitCountOffset);
}

std::optional<DibPart> ColourPart(std::span<const uint8_t> image) {
  const std::optional<Layout> layout = ReadLayout(image);
  if (!layout) return std::nullopt;
  // The table sits between the header and the rows, so rows inside the data imply a
  // table inside it too.
  const auto rows = RowBlock(image, layout->colourOffset, layout->rows, layout->colourRowBytes);
  if (!rows) return std::nullopt;
  DibPart part;
  part.header = layout->header;
  part.header.biHeight = layout->header.biHeight / 2;
  part.colors = ReadColourTable(image, layout->colourTableEntries);
  part.rows = *rows;
  part.rowCount = layout->rows;
  return part;
}

std::optional<DibPart> MaskPart(std::span<const uint8_t> image) {
  const std::optional<Layout> layout = ReadLayout(image);
  if (!layout || !layout->maskOffset) return std::nullopt;
  const uint64_t maskRowBytes = RowBytes(static_cast<uint64_t>(layout->header.biWidth), 1);
  const auto rows = RowBlock(image, *layout->maskOffset, layout->rows, maskRowBytes);
  if (!rows) return std::nullopt;
  DibPart part;
  part.header.biWidth = layout->header.biWidth;
  part.header.biHeight = layout->header.biHeight / 2;
  part.header.biPlanes = 1;
  part.header.biBitCount = 1;
  part.colors = {kMaskBlack, kMaskWhite};
  part.rows = *rows;
  part.rowCount = layout->rows;
  return part;
}

}  // namespace wayband::imaging::ico
