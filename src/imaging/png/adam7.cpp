#include "imaging/png/adam7.h"

#include <cstring>

#include "imaging/png/unfilter.h"

namespace wayband::imaging::png {
namespace {

uint64_t CountSteps(uint64_t size, uint32_t first, uint32_t step) {
  return size > first ? (size - first + step - 1) / step : 0;
}

// Reads sample `index` of a row packed at `bits` (1, 2 or 4) bits, most significant first.
uint8_t PackedSample(const uint8_t* row, uint64_t index, unsigned bits) {
  const uint64_t bit = index * bits;
  const unsigned shift = 8 - bits - static_cast<unsigned>(bit % 8);
  return static_cast<uint8_t>((row[bit / 8] >> shift) & ((1u << bits) - 1));
}

void SetPackedSample(uint8_t* row, uint64_t index, unsigned bits, uint8_t value) {
  const uint64_t bit = index * bits;
  const unsigned shift = 8 - bits - static_cast<unsigned>(bit % 8);
  const uint8_t mask = static_cast<uint8_t>(((1u << bits) - 1) << shift);
  row[bit / 8] = static_cast<uint8_t>((row[bit / 8] & ~mask) | (value << shift));
}

// Places the pixels of one unfiltered pass row into image row `imageRow`.
void PlacePassRow(const uint8_t* passRow, uint64_t passWidth, const Adam7Pass& pass,
                  unsigned bitsPerPixel, uint8_t* imageRow) {
  if (bitsPerPixel >= 8) {
    const size_t bytes = bitsPerPixel / 8;
    for (uint64_t i = 0; i < passWidth; ++i) {
      const uint64_t x = pass.firstColumn + i * pass.columnStep;
      std::memcpy(imageRow + x * bytes, passRow + i * bytes, bytes);
    }
    return;
  }
  for (uint64_t i = 0; i < passWidth; ++i) {
    const uint64_t x = pass.firstColumn + i * pass.columnStep;
    SetPackedSample(imageRow, x, bitsPerPixel, PackedSample(passRow, i, bitsPerPixel));
  }
}

}  // namespace

PassSize Adam7PassSize(const Adam7Pass& pass, uint64_t width, uint64_t height) {
  return PassSize{CountSteps(width, pass.firstColumn, pass.columnStep),
                  CountSteps(height, pass.firstRow, pass.rowStep)};
}

uint64_t Adam7DataBytes(uint64_t width, uint64_t height, unsigned bitsPerPixel) {
  uint64_t total = 0;
  for (const Adam7Pass& pass : kAdam7Passes) {
    const PassSize size = Adam7PassSize(pass, width, height);
    if (!size.IsEmpty()) total += size.height * (RowBytes(size.width, bitsPerPixel) + 1);
  }
  return total;
}

void Deinterlace(ScanlineStream& scanlines, const ImageHeader& header, std::span<uint8_t> image) {
  const unsigned bitsPerPixel = BitsPerPixel(header);
  const uint64_t imageRowBytes = RowBytes(header.width, bitsPerPixel);
  for (const Adam7Pass& pass : kAdam7Passes) {
    const PassSize size = Adam7PassSize(pass, header.width, header.height);
    if (size.IsEmpty()) continue;
    const size_t rowBytes = RowBytes(size.width, bitsPerPixel);
    RowUnfilter rows(rowBytes, FilterBytesPerPixel(header));
    for (uint64_t r = 0; r < size.height; ++r) {
      const uint8_t* const row = rows.Next(scanlines.Next(rowBytes + 1));
      const uint64_t y = pass.firstRow + r * pass.rowStep;
      PlacePassRow(row, size.width, pass, bitsPerPixel, image.data() + y * imageRowBytes);
    }
  }
}

}  // namespace wayband::imaging::png
