// Icon, cursor, BMP, GIF, JPEG and PNG files written in memory for the icon and import
// tests, from pictures of 0xAARRGGBB words, rows from the top.
#pragma once

#include <stb/stb_image_write.h>

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <functional>
#include <map>
#include <random>
#include <vector>

namespace wayband::imaging::testing {

struct RgbaImage {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint32_t> pixels;

  uint32_t At(int32_t x, int32_t y) const { return pixels[static_cast<size_t>(y * width + x)]; }
};

inline RgbaImage MakeImage(int32_t width, int32_t height,
                           const std::function<uint32_t(int32_t x, int32_t y)>& pixel) {
  RgbaImage image{width, height, {}};
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x)
      image.pixels.push_back(pixel(x, y));
  }
  return image;
}

constexpr uint32_t Argb(uint8_t alpha, uint8_t red, uint8_t green, uint8_t blue) {
  return (uint32_t{alpha} << 24) | (uint32_t{red} << 16) | (uint32_t{green} << 8) | blue;
}
// Byte `index` of a pixel word: 0 blue, 1 green, 2 red, 3 alpha.
constexpr uint8_t ByteOf(uint32_t p, int index) {
  return static_cast<uint8_t>(p >> (8 * index));
}

inline void PutLe16(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  bytes[at] = ByteOf(value, 0);
  bytes[at + 1] = ByteOf(value, 1);
}
inline void PutLe32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  PutLe16(bytes, at, value & 0xFFFF);
  PutLe16(bytes, at + 2, value >> 16);
}
inline uint32_t GetLe32(const std::vector<uint8_t>& bytes, size_t at) {
  return bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) | (uint32_t{bytes[at + 3]} << 24);
}
// Appends little-endian fields of 16 or 32 bits.
inline void Append(std::vector<uint8_t>& out, std::initializer_list<uint32_t> fields, int bits) {
  for (const uint32_t field : fields) {
    for (int i = 0; i < bits / 8; ++i)
      out.push_back(ByteOf(field, i));
  }
}

// Distinct colours in order of first use and each pixel's index (entry 0 for alpha 0).
struct Indexed {
  std::vector<uint32_t> colours;
  std::vector<uint8_t> indices;
};
inline Indexed IndexColours(const RgbaImage& image, bool transparentEntry) {
  Indexed result;
  std::map<uint32_t, uint8_t> seen;
  if (transparentEntry) result.colours.push_back(0x00FF00FF);
  for (const uint32_t pixel : image.pixels) {
    if (transparentEntry && ByteOf(pixel, 3) == 0) {
      result.indices.push_back(0);
      continue;
    }
    auto [it, added] = seen.emplace(pixel & 0xFFFFFF, static_cast<uint8_t>(result.colours.size()));
    if (added) result.colours.push_back(pixel & 0xFFFFFF);
    result.indices.push_back(it->second);
  }
  assert(result.colours.size() <= 256);
  return result;
}

// Packs `value` at column x of a row of `bits` bits per pixel, leftmost in the high bits.
inline void Pack(uint8_t* row, int32_t x, int bits, uint32_t value) {
  row[x * bits / 8] = static_cast<uint8_t>(row[x * bits / 8] | value << (8 - bits - x * bits % 8));
}

// The picture at `bitCount` bits, masked where alpha is 0 (kept only at 32 bits); a compact
// palette holds just the colours used and names their number in the colours-used field.
struct IconImage {
  RgbaImage picture;
  int bitCount = 32;
  bool compactPalette = false;

  // The word a 32-bit surface holds where the colour part is drawn; the mask bit.
  uint32_t Drawn(int32_t x, int32_t y) const {
    return bitCount == 32 ? picture.At(x, y) : picture.At(x, y) & 0xFFFFFF;
  }
  bool Masked(int32_t x, int32_t y) const { return ByteOf(picture.At(x, y), 3) == 0; }
};

// Random colours (of 2^bitCount for paletted depths), a third of the pixels masked.
inline IconImage RandomIconImage(int32_t width, int32_t height, int bitCount, uint32_t seed) {
  std::mt19937 rng(seed);
  std::vector<uint32_t> palette(bitCount <= 8 ? size_t{1} << bitCount : 0);
  for (uint32_t& colour : palette)
    colour = rng() & 0xFFFFFF;
  return {MakeImage(width, height,
                    [&](int32_t, int32_t) {
                      const uint32_t colour =
                          palette.empty() ? rng() & 0xFFFFFF : palette[rng() % palette.size()];
                      const uint32_t alpha = bitCount == 32 ? 1 + rng() % 255 : 255;
                      return rng() % 3 == 0 ? colour : colour | alpha << 24;
                    }),
          bitCount};
}

// 40-byte header (height doubled), colour table, colour rows, mask rows, rows bottom-up.
inline std::vector<uint8_t> BuildIconImage(const IconImage& image) {
  const RgbaImage& picture = image.picture;
  const bool paletted = image.bitCount <= 8;
  const Indexed indexed = paletted ? IndexColours(picture, false) : Indexed{};
  assert(indexed.colours.size() <= (size_t{1} << image.bitCount));
  const size_t table = !paletted              ? 0
                       : image.compactPalette ? indexed.colours.size()
                                              : size_t{1} << image.bitCount;
  const auto rowBytes = [&](int bits) { return size_t((picture.width * bits + 31) / 32 * 4); };
  const size_t colourRow = rowBytes(image.bitCount), maskRow = rowBytes(1),
               colourAt = 40 + 4 * table;
  const size_t rows = static_cast<size_t>(picture.height);
  std::vector<uint8_t> data;
  Append(data, {40, static_cast<uint32_t>(picture.width), static_cast<uint32_t>(2 * rows)}, 32);
  Append(data, {1, static_cast<uint32_t>(image.bitCount)}, 16);
  Append(data, {0, 0, 0, 0, image.compactPalette ? static_cast<uint32_t>(table) : 0, 0}, 32);
  for (size_t i = 0; i < table; ++i)
    Append(data, {i < indexed.colours.size() ? indexed.colours[i] : 0}, 32);
  data.resize(colourAt + rows * (colourRow + maskRow), 0);
  for (int32_t y = 0; y < picture.height; ++y) {
    const size_t stored = rows - 1 - static_cast<size_t>(y);  // bottom row first
    uint8_t* colour = data.data() + colourAt + stored * colourRow;
    uint8_t* mask = data.data() + colourAt + rows * colourRow + stored * maskRow;
    for (int32_t x = 0; x < picture.width; ++x) {
      if (paletted) {
        Pack(colour, x, image.bitCount,
             indexed.indices[static_cast<size_t>(y * picture.width + x)]);
      } else {
        for (int c = 0; c < image.bitCount / 8; ++c)
          colour[x * image.bitCount / 8 + c] = ByteOf(picture.At(x, y), c);
      }
      if (image.Masked(x, y)) Pack(mask, x, 1, 1);
    }
  }
  return data;
}

// Offsets of the directory fields of entry `index` in a built file.
constexpr size_t EntryOffset(size_t index) {
  return 6 + 16 * index;
}
constexpr size_t kEntryBytesInResource = 8;
constexpr size_t kEntryImageOffset = 12;

// Header (reserved 0, the given type), a directory entry per image, the images in order.
inline std::vector<uint8_t> BuildIconFile(const std::vector<IconImage>& images, uint16_t type = 1) {
  std::vector<uint8_t> file(EntryOffset(images.size()), 0);
  PutLe16(file, 2, type);
  PutLe16(file, 4, static_cast<uint32_t>(images.size()));
  for (size_t i = 0; i < images.size(); ++i) {
    const std::vector<uint8_t> data = BuildIconImage(images[i]);
    const size_t entry = EntryOffset(i);
    file[entry] = static_cast<uint8_t>(images[i].picture.width);
    file[entry + 1] = static_cast<uint8_t>(images[i].picture.height);
    PutLe16(file, entry + 4, 1);
    PutLe16(file, entry + 6, static_cast<uint32_t>(images[i].bitCount));
    PutLe32(file, entry + kEntryBytesInResource, static_cast<uint32_t>(data.size()));
    PutLe32(file, entry + kEntryImageOffset, static_cast<uint32_t>(file.size()));
    file.insert(file.end(), data.begin(), data.end());
  }
  return file;
}

enum class BmpLayout { kBottomUp, kTopDown, kRle };

// 24 or 32 bits, bottom-up or top-down; or kRle at 4 or 8 bits: runs of equal indices into
// a table of the image's colours.
inline std::vector<uint8_t> WriteBmp(const RgbaImage& image, int bitCount,
                                     BmpLayout layout = BmpLayout::kBottomUp) {
  const Indexed indexed = bitCount <= 8 ? IndexColours(image, false) : Indexed{};
  const size_t stride = static_cast<size_t>((image.width * bitCount + 31) / 32 * 4);
  std::vector<uint8_t> data;
  for (int32_t row = image.height - 1; row >= 0; --row) {  // stored rows, bottom first
    const int32_t y = layout == BmpLayout::kTopDown ? image.height - 1 - row : row;
    const uint8_t* index = indexed.indices.data() + (bitCount <= 8 ? y * image.width : 0);
    for (int32_t x = 0, n = 1; layout == BmpLayout::kRle && x < image.width; x += n, n = 1) {
      while (x + n < image.width && n < 255 && index[x + n] == index[x])
        ++n;
      data.insert(data.end(), {static_cast<uint8_t>(n),
                               bitCount == 8 ? index[x] : uint8_t(index[x] << 4 | index[x])});
    }
    std::vector<uint8_t> line(layout == BmpLayout::kRle ? 2 : stride, 0);  // or end of line
    for (int32_t x = 0; layout != BmpLayout::kRle && x < image.width; ++x) {
      for (int c = 0; c < bitCount / 8; ++c)
        line[static_cast<size_t>(x * bitCount / 8 + c)] = ByteOf(image.At(x, y), c);
    }
    data.insert(data.end(), line.begin(), line.end());
  }
  if (layout == BmpLayout::kRle) data.insert(data.end(), {0, 1});
  const size_t table = bitCount <= 8 ? size_t{1} << bitCount : 0;
  const uint32_t offBits = static_cast<uint32_t>(14 + 40 + 4 * table);
  const uint32_t size = static_cast<uint32_t>(data.size());
  const uint32_t height =
      static_cast<uint32_t>(layout == BmpLayout::kTopDown ? -image.height : image.height);
  std::vector<uint8_t> out{'B', 'M'};
  Append(out, {offBits + size, 0, offBits, 40, static_cast<uint32_t>(image.width), height}, 32);
  Append(out, {1, static_cast<uint32_t>(bitCount)}, 16);
  const uint32_t compression = layout != BmpLayout::kRle ? 0 : bitCount == 8 ? 1 : 2;
  Append(out, {compression, size, 2835, 2835, 0, 0}, 32);
  for (size_t i = 0; i < table; ++i)
    Append(out, {i < indexed.colours.size() ? indexed.colours[i] : 0}, 32);
  out.insert(out.end(), data.begin(), data.end());
  return out;
}

// A GIF89a, alpha 0 in transparent colour 0, each index a literal 9-bit LZW code.
inline std::vector<uint8_t> WriteGif(const RgbaImage& image) {
  const Indexed indexed = IndexColours(image, true);
  const auto width = static_cast<uint32_t>(image.width),
             height = static_cast<uint32_t>(image.height);
  std::vector<uint8_t> out{'G', 'I', 'F', '8', '9', 'a'};
  Append(out, {width, height}, 16);
  out.insert(out.end(), {0xF7, 0, 0});  // global table of 256 entries
  for (size_t i = 0; i < 256; ++i) {
    const uint32_t c = i < indexed.colours.size() ? indexed.colours[i] : 0;
    out.insert(out.end(), {ByteOf(c, 2), ByteOf(c, 1), ByteOf(c, 0)});
  }
  out.insert(out.end(), {0x21, 0xF9, 4, 1, 0, 0, 0, 0, 0x2C});  // transparent index 0
  Append(out, {0, 0, width, height}, 16);
  out.insert(out.end(), {0, 8});  // no local table; minimum code size 8
  std::vector<uint8_t> packed;
  uint32_t buffer = 0;
  int bits = 0;
  const auto emit = [&](uint32_t code) {
    for (buffer |= code << bits, bits += 9; bits >= 8; buffer >>= 8, bits -= 8)
      packed.push_back(static_cast<uint8_t>(buffer));
  };
  for (size_t i = 0; i < indexed.indices.size(); ++i) {
    if (i % 254 == 0) emit(256);  // clear
    emit(indexed.indices[i]);
  }
  emit(257);  // end
  if (bits > 0) packed.push_back(static_cast<uint8_t>(buffer));
  for (size_t at = 0; at < packed.size(); at += 255) {
    const size_t n = std::min<size_t>(255, packed.size() - at);
    out.push_back(static_cast<uint8_t>(n));
    out.insert(out.end(), packed.begin() + static_cast<std::ptrdiff_t>(at),
               packed.begin() + static_cast<std::ptrdiff_t>(at + n));
  }
  out.insert(out.end(), {0, 0x3B});
  return out;
}

// JPEG (quality 1 to 100), or PNG when `quality` is 0: RGB, or RGBA with `alpha`.
inline std::vector<uint8_t> Encode(const RgbaImage& image, int quality, bool alpha = false) {
  const int channels = alpha ? 4 : 3;
  std::vector<uint8_t> samples, out;
  for (const uint32_t p : image.pixels) {
    samples.insert(samples.end(), {ByteOf(p, 2), ByteOf(p, 1), ByteOf(p, 0)});
    if (alpha) samples.push_back(ByteOf(p, 3));
  }
  const auto append = [](void* context, void* data, int size) {
    auto* bytes = static_cast<const uint8_t*>(data);
    auto* target = static_cast<std::vector<uint8_t>*>(context);
    target->insert(target->end(), bytes, bytes + size);
  };
  if (quality > 0) {
    stbi_write_jpg_to_func(append, &out, image.width, image.height, 3, samples.data(), quality);
  } else {
    stbi_write_png_to_func(append, &out, image.width, image.height, channels, samples.data(),
                           image.width * channels);
  }
  return out;
}
inline std::vector<uint8_t> WriteJpeg(const RgbaImage& image, int quality) {
  return Encode(image, quality);
}
inline std::vector<uint8_t> WritePng(const RgbaImage& image, bool alpha = true) {
  return Encode(image, 0, alpha);
}

}  // namespace wayband::imaging::testing
