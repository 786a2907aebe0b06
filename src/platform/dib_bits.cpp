// SetDIBitsToDevice. Rows of the DIB are numbered from its origin: the bottom row for a
// bottom-up DIB (positive height), the top row for a top-down one. The call sets the
// destination block (x, y, width, height) from the DIB block whose columns start at xSrc and
// whose rows are ySrc .. ySrc + height - 1; `bits` holds the rows startScan ..
// startScan + scanLines - 1 in storage order. Only rows present in `bits` in full are read.
#include <algorithm>
#include <array>
#include <vector>

#include "platform/axis_map.h"
#include "platform/device_color.h"
#include "platform/device_row.h"
#include "platform/drawing_context.h"
#include "platform/pixel_words.h"

namespace wayband::platform {
namespace {

constexpr int32_t kChunk = 512;
constexpr uint32_t kColorBytes = 0x00FFFFFFu;

bool SupportedHeader(const BitmapInfoHeader& header) {
  const uint16_t bits = header.biBitCount;
  const bool depth = bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32;
  return depth && header.biCompression == BI_RGB && header.biWidth > 0 && header.biHeight != 0 &&
         header.biHeight != INT32_MIN;
}

// Decodes packed DIB rows into device values of the destination.
class RowDecoder {
 public:
  RowDecoder(const BitmapInfoHeader& header, std::span<const RgbQuad> colors, const Bitmap& dst)
      : bitCount_(header.biBitCount), dst_(dst) {
    if (bitCount_ > 8) return;
    // Indices beyond the given colour table show entry black.
    palette_.assign(size_t{1} << bitCount_, DeviceValue(dst, RGB(0, 0, 0)));
    const size_t entries = std::min(palette_.size(), colors.size());
    for (size_t i = 0; i < entries; ++i) {
      palette_[i] = DeviceValue(dst, RGB(colors[i].rgbRed, colors[i].rgbGreen, colors[i].rgbBlue));
    }
  }

  // The device values of `count` pixels from column `column` of one packed row.
  void Decode(const uint8_t* row, int64_t column, int32_t count, uint32_t* out) const {
    for (int32_t i = 0; i < count; ++i)
      out[i] = Pixel(row, column + i);
  }

 private:
  uint32_t Pixel(const uint8_t* row, int64_t c) const {
    switch (bitCount_) {
      case 1:
        return palette_[(row[c >> 3] >> (7 - (c & 7))) & 1u];
      case 4:
        return palette_[(row[c >> 1] >> ((c & 1) ? 0 : 4)) & 0x0Fu];
      case 8:
        return palette_[row[c]];
      case 24: {
        const uint8_t* p = row + c * 3;
        return DeviceValue(dst_, RGB(p[2], p[1], p[0]));
      }
      default: {
        const uint32_t word = LoadWord(row + c * 4);
        if (dst_.bitCount() == 32) return word;  // alpha bytes pass unchanged
        return DeviceValue(dst_, ColorFromPixel(word & kColorBytes));
      }
    }
  }

  int bitCount_;
  const Bitmap& dst_;
  std::vector<uint32_t> palette_;
};

}  // namespace

int32_t SetDIBitsToDevice(DrawingContext& dc, int32_t x, int32_t y, int32_t width, int32_t height,
                          int32_t xSrc, int32_t ySrc, uint32_t startScan, uint32_t scanLines,
                          std::span<const uint8_t> bits, const BitmapInfoHeader& header,
                          std::span<const RgbQuad> colors) {
  Bitmap* target = dc.bitmap().get();
  if (target == nullptr || !SupportedHeader(header) || width < 0 || height < 0) return 0;
  const bool bottomUp = header.biHeight > 0;
  const int64_t dibHeight = bottomUp ? header.biHeight : -int64_t{header.biHeight};
  const int64_t stride = DibStride(header.biWidth, header.biBitCount);
  if (startScan >= dibHeight) return 0;
  const int64_t lines = std::min(
      {int64_t{scanLines}, dibHeight - startScan, static_cast<int64_t>(bits.size()) / stride});
  if (lines <= 0) return 0;

  const AxisMap columns(Extent{x, width}, target->width(), Extent{xSrc, width}, header.biWidth);
  const RowDecoder decoder(header, colors, *target);
  const int64_t firstRow = std::max<int64_t>(startScan, ySrc);
  const int64_t endRow = std::min<int64_t>(int64_t{startScan} + lines, int64_t{ySrc} + height);
  std::array<uint32_t, kChunk> values;
  for (int64_t r = firstRow; r < endRow && !columns.IsEmpty(); ++r) {
    const int64_t dy =
        bottomUp ? int64_t{y} + (int64_t{ySrc} + height - 1 - r) : int64_t{y} + (r - ySrc);
    if (dy < 0 || dy >= target->height()) continue;
    const uint8_t* row = bits.data() + (r - startScan) * stride;
    for (int32_t first = 0; first < columns.count(); first += kChunk) {
      const int32_t count = std::min(kChunk, columns.count() - first);
      decoder.Decode(row, columns.Source(first), count, values.data());
      WriteDeviceRow(*target, static_cast<int32_t>(dy), columns.dstStart() + first, count,
                     values.data());
    }
  }
  return static_cast<int32_t>(lines);
}

}  // namespace wayband::platform
