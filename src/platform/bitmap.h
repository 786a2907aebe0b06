// Bitmaps of the drawing platform: device-independent sections (1, 24 or 32 bits per
// pixel, rows bottom-up or top-down) and the bitmaps made compatible with a context.
// A bitmap owns its pixel memory; handles are shared so that a context can keep the
// bitmap selected while its creator also holds it, as the platform allows.
#pragma once

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "platform/color.h"

namespace wayband::platform {

// The 40-byte bitmap information header. A positive biHeight stores rows bottom-up, a
// negative one top-down.
struct BitmapInfoHeader {
  uint32_t biSize = 40;
  int32_t biWidth = 0;
  int32_t biHeight = 0;
  uint16_t biPlanes = 1;
  uint16_t biBitCount = 0;
  uint32_t biCompression = 0;
  uint32_t biSizeImage = 0;
  int32_t biXPelsPerMeter = 0;
  int32_t biYPelsPerMeter = 0;
  uint32_t biClrUsed = 0;
  uint32_t biClrImportant = 0;
};
static_assert(sizeof(BitmapInfoHeader) == 40);

inline constexpr uint32_t BI_RGB = 0;

// One entry of a colour table, in its stored byte order.
struct RgbQuad {
  uint8_t rgbBlue = 0;
  uint8_t rgbGreen = 0;
  uint8_t rgbRed = 0;
  uint8_t rgbReserved = 0;
  friend bool operator==(const RgbQuad&, const RgbQuad&) = default;
};
static_assert(sizeof(RgbQuad) == 4);

enum class RowOrder { kBottomUp, kTopDown };

// Largest pixel memory one bitmap may hold. Creating a larger bitmap fails, as does any
// size of 0 or below; callers see the same outcome as the platform refusing memory.
inline constexpr int64_t kMaxBitmapBytes = int64_t{256} << 20;

// Bytes of one stored row: width x bit count rounded up to whole 32-bit words.
constexpr int64_t DibStride(int64_t width, int bitCount) {
  return (width * bitCount + 31) / 32 * 4;
}

class Bitmap {
 public:
  // A zero-filled bitmap of 1, 24 or 32 bits per pixel, or null when the size is 0 or
  // below, the bit count is another, or the memory would pass kMaxBitmapBytes. A 1-bit
  // bitmap keeps a two-entry colour table (black and white when none is given).
  static std::shared_ptr<Bitmap> Create(int32_t width, int32_t height, int bitCount,
                                        RowOrder order = RowOrder::kBottomUp,
                                        std::span<const RgbQuad> colorTable = {});

  int32_t width() const { return width_; }
  int32_t height() const { return height_; }
  int bitCount() const { return bitCount_; }
  RowOrder rowOrder() const { return order_; }
  // Bytes per stored row (a multiple of 4).
  int32_t stride() const { return stride_; }
  bool IsMonochrome() const { return bitCount_ == 1; }

  // The whole pixel store; its first byte is the first stored row.
  std::span<uint8_t> bits() { return pixels_; }
  std::span<const uint8_t> bits() const { return pixels_; }
  // The stored row holding picture row y, counted from the top of the picture (0 <= y <
  // height()).
  uint8_t* Row(int32_t y) { return pixels_.data() + StoredRowOffset(y); }
  const uint8_t* Row(int32_t y) const { return pixels_.data() + StoredRowOffset(y); }

  std::span<const RgbQuad> colorTable() const { return colorTable_; }

  // Pixel access in picture coordinates, (0,0) top-left; no bounds check beyond a debug
  // assertion. 32-bit pixels read and write the whole word (alpha included); 24-bit ones
  // the three colour bytes; 1-bit ones the bit (0 or 1) in the low bit of the value (the
  // leftmost pixel of a byte is its high bit).
  uint32_t PixelAt(int32_t x, int32_t y) const;
  void SetPixelAt(int32_t x, int32_t y, uint32_t value);

 private:
  Bitmap(int32_t width, int32_t height, int bitCount, RowOrder order, int32_t stride);

  int64_t StoredRowOffset(int32_t y) const {
    assert(y >= 0 && y < height_);
    const int64_t stored = order_ == RowOrder::kTopDown ? y : int64_t{height_} - 1 - y;
    return stored * stride_;
  }

  int32_t width_;
  int32_t height_;
  int bitCount_;
  RowOrder order_;
  int32_t stride_;
  std::vector<uint8_t> pixels_;
  std::vector<RgbQuad> colorTable_;
};

using BitmapHandle = std::shared_ptr<Bitmap>;

}  // namespace wayband::platform
