#include "icon_file_builder.h"

#include <algorithm>
#include <cassert>
#include <random>

namespace wayband::imaging::testing {
namespace {

constexpr size_t kHeaderBytes = 40;

size_t RowBytes(int32_t width, int bitCount) {
  return static_cast<size_t>((width * bitCount + 31) / 32 * 4);
}

uint32_t ColourKey(const IconPixel& p) {
  return uint32_t{p.blue} | (uint32_t{p.green} << 8) | (uint32_t{p.red} << 16);
}

bool Paletted(int bitCount) {
  return bitCount <= 8;
}

// Distinct colours in order of first use.
std::vector<uint32_t> PaletteOf(const IconImageSpec& image) {
  std::vector<uint32_t> palette;
  for (const IconPixel& p : image.pixels) {
    if (std::find(palette.begin(), palette.end(), ColourKey(p)) == palette.end())
      palette.push_back(ColourKey(p));
  }
  assert(palette.size() <= (size_t{1} << image.bitCount));
  return palette;
}

// Packs the value into the row at column x with `bits` bits per pixel, leftmost pixel in
// the high bits of a byte.
void PackBits(uint8_t* row, int32_t x, int bits, uint32_t value) {
  const int32_t bit = x * bits;
  const int shift = 8 - bits - (bit % 8);
  row[bit / 8] = static_cast<uint8_t>(row[bit / 8] | (value << shift));
}

void WriteColourPixel(uint8_t* row, int32_t x, const IconImageSpec& image, const IconPixel& p,
                      const std::vector<uint32_t>& palette) {
  if (Paletted(image.bitCount)) {
    const auto index = std::find(palette.begin(), palette.end(), ColourKey(p)) - palette.begin();
    PackBits(row, x, image.bitCount, static_cast<uint32_t>(index));
    return;
  }
  const size_t bytes = static_cast<size_t>(image.bitCount / 8);
  uint8_t* out = row + static_cast<size_t>(x) * bytes;
  out[0] = p.blue;
  out[1] = p.green;
  out[2] = p.red;
  if (bytes == 4) out[3] = p.alpha;
}

}  // namespace

uint32_t IconPixel::Word(bool withAlpha) const {
  return ColourKey(*this) | (withAlpha ? uint32_t{alpha} << 24 : 0u);
}

IconImageSpec RandomIconImage(int32_t width, int32_t height, int bitCount, uint32_t seed) {
  std::mt19937 rng(seed);
  IconImageSpec image{width, height, bitCount, {}, false};
  std::vector<IconPixel> colours;
  const size_t paletteSize = Paletted(bitCount) ? size_t{1} << bitCount : 0;
  for (size_t i = 0; i < paletteSize; ++i) {
    colours.push_back({static_cast<uint8_t>(rng()), static_cast<uint8_t>(rng()),
                       static_cast<uint8_t>(rng()), 0, false});
  }
  for (int32_t i = 0; i < width * height; ++i) {
    IconPixel p = paletteSize ? colours[rng() % paletteSize]
                              : IconPixel{static_cast<uint8_t>(rng()), static_cast<uint8_t>(rng()),
                                          static_cast<uint8_t>(rng()), 0, false};
    if (bitCount == 32) p.alpha = static_cast<uint8_t>(rng());
    p.transparent = rng() % 3 == 0;
    image.pixels.push_back(p);
  }
  return image;
}

std::vector<uint8_t> BuildIconImage(const IconImageSpec& image) {
  const std::vector<uint32_t> palette =
      Paletted(image.bitCount) ? PaletteOf(image) : std::vector<uint32_t>{};
  const size_t tableEntries = !Paletted(image.bitCount) ? 0
                              : image.compactPalette    ? palette.size()
                                                        : size_t{1} << image.bitCount;
  const size_t colourRow = RowBytes(image.width, image.bitCount);
  const size_t maskRow = RowBytes(image.width, 1);
  const size_t rows = static_cast<size_t>(image.height);
  std::vector<uint8_t> data(kHeaderBytes + 4 * tableEntries + rows * (colourRow + maskRow), 0);

  PutLe32(data, 0, kHeaderBytes);
  PutLe32(data, 4, static_cast<uint32_t>(image.width));
  PutLe32(data, 8, static_cast<uint32_t>(image.height * 2));
  PutLe16(data, 12, 1);
  PutLe16(data, 14, static_cast<uint16_t>(image.bitCount));
  PutLe32(data, 32, image.compactPalette ? static_cast<uint32_t>(palette.size()) : 0);
  for (size_t i = 0; i < palette.size(); ++i)
    PutLe32(data, kHeaderBytes + 4 * i, palette[i]);

  uint8_t* colourRows = data.data() + kHeaderBytes + 4 * tableEntries;
  uint8_t* maskRows = colourRows + rows * colourRow;
  for (int32_t y = 0; y < image.height; ++y) {
    const size_t stored = rows - 1 - static_cast<size_t>(y);  // bottom row first
    for (int32_t x = 0; x < image.width; ++x) {
      const IconPixel& p = image.At(x, y);
      WriteColourPixel(colourRows + stored * colourRow, x, image, p, palette);
      if (p.transparent) PackBits(maskRows + stored * maskRow, x, 1, 1);
    }
  }
  return data;
}

std::vector<uint8_t> BuildIconFile(const std::vector<IconImageSpec>& images, uint16_t type) {
  std::vector<uint8_t> file(EntryOffset(images.size()), 0);
  PutLe16(file, 2, type);
  PutLe16(file, 4, static_cast<uint16_t>(images.size()));
  for (size_t i = 0; i < images.size(); ++i) {
    const std::vector<uint8_t> data = BuildIconImage(images[i]);
    const size_t entry = EntryOffset(i);
    file[entry] = static_cast<uint8_t>(images[i].width);
    file[entry + 1] = static_cast<uint8_t>(images[i].height);
    PutLe16(file, entry + 4, 1);
    PutLe16(file, entry + 6, static_cast<uint16_t>(images[i].bitCount));
    PutLe32(file, entry + kEntryBytesInResource, static_cast<uint32_t>(data.size()));
    PutLe32(file, entry + kEntryImageOffset, static_cast<uint32_t>(file.size()));
    file.insert(file.end(), data.begin(), data.end());
  }
  return file;
}

void PutLe16(std::vector<uint8_t>& bytes, size_t at, uint16_t value) {
  bytes[at] = static_cast<uint8_t>(value);
  bytes[at + 1] = static_cast<uint8_t>(value >> 8);
}

void PutLe32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  PutLe16(bytes, at, static_cast<uint16_t>(value));
  PutLe16(bytes, at + 2, static_cast<uint16_t>(value >> 16));
}

uint32_t GetLe32(const std::vector<uint8_t>& bytes, size_t at) {
  return uint32_t{bytes[at]} | (uint32_t{bytes[at + 1]} << 8) | (uint32_t{bytes[at + 2]} << 16) |
         (uint32_t{bytes[at + 3]} << 24);
}

}  // namespace wayband::imaging::testing
