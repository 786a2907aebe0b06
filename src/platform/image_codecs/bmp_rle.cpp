#include "platform/image_codecs/bmp_rle.h"

#include <algorithm>

#include "platform/image_codecs/bmp_layout.h"

namespace wayband::platform::codecs {
namespace {

using namespace bmp;

constexpr uint32_t kBiRle8 = 1;
constexpr uint32_t kBiRle4 = 2;

// Escapes after a zero count.
constexpr uint8_t kEndOfLine = 0;
constexpr uint8_t kEndOfBitmap = 1;
constexpr uint8_t kDelta = 2;

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
  const size_t stride = RowStride(h->width, 8);
  const size_t tableBytes = h->colours * kColourEntryBytes;
  size_t pixelsAt = 0;
  std::vector<uint8_t> out = NewUncompressedFile(h->width, h->height, 8, h->colours, pixelsAt);
  std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(h->colourTableAt), tableBytes,
              out.begin() + static_cast<std::ptrdiff_t>(kFileHeaderBytes + kInfoHeaderBytes));

  RunExpander expander(*h, std::span<uint8_t>(out).subspan(pixelsAt), stride);
  expander.Run(file.subspan(h->dataAt));
  return out;
}

}  // namespace wayband::platform::codecs
