#include "platform/image_codecs/bmp_rle.h"

#include <algorithm>

namespace wayband::platform::codecs {
namespace {

// The BMP file as stored: a 14-byte file header, then the information header.
constexpr size_t kFileHeaderBytes = 14;
constexpr size_t kOffBits = 10;
constexpr size_t kInfoHeaderBytes = 40;
constexpr size_t kInfo = kFileHeaderBytes;
constexpr size_t kInfoSize = kInfo + 0;
constexpr size_t kInfoWidth = kInfo + 4;
constexpr size_t kInfoHeight = kInfo + 8;
constexpr size_t kInfoBitCount = kInfo + 14;
constexpr size_t kInfoCompression = kInfo + 16;
constexpr size_t kInfoSizeImage = kInfo + 20;
constexpr size_t kInfoColoursUsed = kInfo + 32;
constexpr size_t kColourEntryBytes = 4;

constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiRle8 = 1;
constexpr uint32_t kBiRle4 = 2;

// Escapes after a zero count.
constexpr uint8_t kEndOfLine = 0;
constexpr uint8_t kEndOfBitmap = 1;
constexpr uint8_t kDelta = 2;

uint16_t Le16(std::span<const uint8_t> b, size_t at) {
  return static_cast<uint16_t>(b[at] | (b[at + 1] << 8));
}
uint32_t Le32(std::span<const uint8_t> b, size_t at) {
  return uint32_t{b[at]} | (uint32_t{b[at + 1]} << 8) | (uint32_t{b[at + 2]} << 16) |
         (uint32_t{b[at + 3]} << 24);
}
void PutLe16(std::vector<uint8_t>& b, size_t at, uint16_t v) {
  b[at] = static_cast<uint8_t>(v);
  b[at + 1] = static_cast<uint8_t>(v >> 8);
}
void PutLe32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  for (size_t i = 0; i < 4; ++i)
    b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

struct RleHeader {
  int32_t width = 0;
  int32_t height = 0;
  bool fourBit = false;
  size_t colourTableAt = 0;
  size_t colours = 0;
  size_t dataAt = 0;
};

bool HasInfoHeader(std::span<const uint8_t> file) {
  return file.size() >= kFileHeaderBytes + kInfoHeaderBytes && file[0] == 'B' && file[1] == 'M' &&
         Le32(file, kInfoSize) >= kInfoHeaderBytes;
}

std::optional<RleHeader> ReadRleHeader(std::span<const uint8_t> file, int64_t maxPixels) {
  if (!IsRleBitmapFile(file)) return std::nullopt;
  RleHeader h;
  h.fourBit = Le32(file, kInfoCompression) == kBiRle4;
  const uint16_t bitCount = Le16(file, kInfoBitCount);
  if (bitCount != (h.fourBit ? 4 : 8)) return std::nullopt;
  h.width = static_cast<int32_t>(Le32(file, kInfoWidth));
  h.height = static_cast<int32_t>(Le32(file, kInfoHeight));
  // Run-length bitmaps are stored bottom-up only: a negative height is damage.
  if (h.width <= 0 || h.height <= 0 || int64_t{h.width} * h.height > maxPixels) return std::nullopt;
  const size_t fullTable = size_t{1} << bitCount;
  const uint32_t used = Le32(file, kInfoColoursUsed);
  h.colours = used == 0 ? fullTable : std::min<size_t>(used, fullTable);
  h.colourTableAt = kFileHeaderBytes + Le32(file, kInfoSize);
  if (h.colourTableAt > file.size() ||
      (file.size() - h.colourTableAt) / kColourEntryBytes < h.colours)
    return std::nullopt;
  h.dataAt = std::min<size_t>(Le32(file, kOffBits), file.size());
  return h;
}

// Expands the runs into 8-bit rows (stored bottom-up, `stride` bytes each).
class RunExpander {
 public:
  RunExpander(const RleHeader& h, std::span<uint8_t> rows, size_t stride)
      : h_(h), rows_(rows), stride_(stride) {}

  void Run(std::span<const uint8_t> data) {
    size_t pos = 0;
    while (pos + 2 <= data.size() && y_ < h_.height) {
      const uint8_t count = data[pos];
      const uint8_t value = data[pos + 1];
      pos += 2;
      if (count > 0) {
        Repeat(count, value);
      } else if (value == kEndOfLine) {
        x_ = 0;
        ++y_;
      } else if (value == kEndOfBitmap) {
        return;
      } else if (value == kDelta) {
        if (pos + 2 > data.size()) return;
        x_ += data[pos];
        y_ += data[pos + 1];
        pos += 2;
      } else {
        pos = Literal(data, pos, value);
      }
    }
  }

 private:
  // `count` pixels of one index (RLE8) or of two alternating indices (RLE4, high first).
  void Repeat(uint8_t count, uint8_t value) {
    for (uint8_t i = 0; i < count; ++i) {
      const uint8_t index =
          !h_.fourBit ? value : static_cast<uint8_t>(i % 2 == 0 ? value >> 4 : value & 0x0F);
      Put(index);
    }
  }

  // `count` indices stored as they are, padded to a 16-bit boundary; returns the position
  // after them.
  size_t Literal(std::span<const uint8_t> data, size_t pos, uint8_t count) {
    const size_t bytes = h_.fourBit ? (size_t{count} + 1) / 2 : count;
    for (uint8_t i = 0; i < count; ++i) {
      const size_t at = pos + (h_.fourBit ? i / 2 : i);
      if (at >= data.size()) break;
      const uint8_t b = data[at];
      Put(!h_.fourBit ? b : static_cast<uint8_t>(i % 2 == 0 ? b >> 4 : b & 0x0F));
    }
    return pos + (bytes + 1) / 2 * 2;
  }

  void Put(uint8_t index) {
    if (x_ < h_.width && y_ < h_.height)
      rows_[static_cast<size_t>(y_) * stride_ + static_cast<size_t>(x_)] = index;
    ++x_;
  }

  const RleHeader& h_;
  std::span<uint8_t> rows_;
  size_t stride_;
  int64_t x_ = 0;  // may run past the width; such pixels are dropped
  int64_t y_ = 0;  // stored row, counted from the bottom
};

}  // namespace

bool IsRleBitmapFile(std::span<const uint8_t> file) {
  if (!HasInfoHeader(file)) return false;
  const uint32_t compression = Le32(file, kInfoCompression);
  return compression == kBiRle8 || compression == kBiRle4;
}

std::optional<std::vector<uint8_t>> ExpandRleBitmapFile(std::span<const uint8_t> file,
                                                        int64_t maxPixels) {
  const std::optional<RleHeader> h = ReadRleHeader(file, maxPixels);
  if (!h) return std::nullopt;
  const size_t stride = (static_cast<size_t>(h->width) + 3) / 4 * 4;
  const size_t tableBytes = h->colours * kColourEntryBytes;
  const size_t pixelsAt = kFileHeaderBytes + kInfoHeaderBytes + tableBytes;
  const size_t imageBytes = stride * static_cast<size_t>(h->height);

  std::vector<uint8_t> out(pixelsAt + imageBytes, 0);
  out[0] = 'B';
  out[1] = 'M';
  PutLe32(out, 2, static_cast<uint32_t>(out.size()));
  PutLe32(out, kOffBits, static_cast<uint32_t>(pixelsAt));
  PutLe32(out, kInfoSize, kInfoHeaderBytes);
  PutLe32(out, kInfoWidth, static_cast<uint32_t>(h->width));
  PutLe32(out, kInfoHeight, static_cast<uint32_t>(h->height));
  PutLe16(out, kInfoBitCount - 2, 1);  // planes
  PutLe16(out, kInfoBitCount, 8);
  PutLe32(out, kInfoCompression, kBiRgb);
  PutLe32(out, kInfoSizeImage, static_cast<uint32_t>(imageBytes));
  PutLe32(out, kInfoColoursUsed, static_cast<uint32_t>(h->colours));
  std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(h->colourTableAt), tableBytes,
              out.begin() + static_cast<std::ptrdiff_t>(kFileHeaderBytes + kInfoHeaderBytes));

  RunExpander expander(*h, std::span<uint8_t>(out).subspan(pixelsAt), stride);
  expander.Run(file.subspan(h->dataAt));
  return out;
}

}  // namespace wayband::platform::codecs
