// Icon files built in memory for the tests: images of 1, 4, 8, 24 and 32 bits per pixel
// with their colour tables, colour rows and masks, gathered behind a header and directory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace wayband::imaging::testing {

struct IconPixel {
  uint8_t blue = 0;
  uint8_t green = 0;
  uint8_t red = 0;
  uint8_t alpha = 0;         // stored for 32-bit images only
  bool transparent = false;  // the mask bit

  // The pixel word a 32-bit surface holds after the colour part is drawn: with alpha for
  // 32-bit images, alpha 0 for the others.
  uint32_t Word(bool withAlpha) const;
};

struct IconImageSpec {
  int32_t width = 0;
  int32_t height = 0;
  int bitCount = 32;
  std::vector<IconPixel> pixels;  // row by row from the top
  // Paletted images: write only the colours used and name their number in the header's
  // colours-used field, instead of the full table with the field 0.
  bool compactPalette = false;

  const IconPixel& At(int32_t x, int32_t y) const {
    return pixels[static_cast<size_t>(y * width + x)];
  }
};

// An image of random colours (from 2^bitCount colours for paletted depths) and a random
// mask, the same for the same seed.
IconImageSpec RandomIconImage(int32_t width, int32_t height, int bitCount, uint32_t seed);

// The image data: 40-byte header (height doubled), colour table, colour rows bottom-up,
// mask rows bottom-up.
std::vector<uint8_t> BuildIconImage(const IconImageSpec& image);

// A whole file: header (reserved 0, the given type), one directory entry per image (width
// and height bytes, bit count, size and offset) and the image data in order.
std::vector<uint8_t> BuildIconFile(const std::vector<IconImageSpec>& images, uint16_t type = 1);

// Offsets of the directory fields of entry `index` in a built file.
constexpr size_t EntryOffset(size_t index) {
  return 6 + 16 * index;
}
constexpr size_t kEntryBytesInResource = 8;
constexpr size_t kEntryImageOffset = 12;

void PutLe16(std::vector<uint8_t>& bytes, size_t at, uint16_t value);
void PutLe32(std::vector<uint8_t>& bytes, size_t at, uint32_t value);
uint32_t GetLe32(const std::vector<uint8_t>& bytes, size_t at);

}  // namespace wayband::imaging::testing
