#include "image_file_writer.h"

#include <stb/stb_image_write.h>

#include <unistd.h>
#include <algorithm>
#include <cassert>
#include <fstream>
#include <map>

namespace wayband::imaging::testing {
namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
uint8_t Red(uint32_t p) {
  return static_cast<uint8_t>(p >> 16);
}
uint8_t Green(uint32_t p) {
  return static_cast<uint8_t>(p >> 8);
}
uint8_t Blue(uint32_t p) {
  return static_cast<uint8_t>(p);
}

// Distinct colours (alpha dropped) in order of first use, and each pixel's index.
struct Indexed {
  std::vector<uint32_t> colours;
  std::vector<uint8_t> indices;
};
Indexed IndexColours(const RgbaImage& image, bool transparentEntry) {
  Indexed result;
  std::map<uint32_t, uint8_t> seen;
  if (transparentEntry) result.colours.push_back(0x00FF00FF);
  for (const uint32_t pixel : image.pixels) {
    if (transparentEntry && (pixel >> 24) == 0) {
      result.indices.push_back(0);
      continue;
    }
    const uint32_t colour = pixel & 0xFFFFFF;
    auto [it, added] = seen.emplace(colour, static_cast<uint8_t>(result.colours.size()));
    if (added) result.colours.push_back(colour);
    result.indices.push_back(it->second);
  }
  assert(result.colours.size() <= 256);
  return result;
}

// Runs of equal indices per row, then end of line; end of bitmap last.
std::vector<uint8_t> RleRows(const Indexed& indexed, int32_t width, int32_t height, int bitCount) {
  std::vector<uint8_t> data;
  for (int32_t row = height - 1; row >= 0; --row) {
    const uint8_t* line = indexed.indices.data() + static_cast<size_t>(row * width);
    for (int32_t x = 0; x < width;) {
      int32_t n = 1;
      while (x + n < width && n < 255 && line[x + n] == line[x])
        ++n;
      data.push_back(static_cast<uint8_t>(n));
      data.push_back(bitCount == 8 ? line[x] : static_cast<uint8_t>(line[x] << 4 | line[x]));
      x += n;
    }
    data.insert(data.end(), {0, 0});
  }
  data.insert(data.end(), {0, 1});
  return data;
}

std::vector<uint8_t> PlainRows(const RgbaImage& image, const Indexed& indexed, int bitCount,
                               bool topDown) {
  const size_t stride = static_cast<size_t>((image.width * bitCount + 31) / 32 * 4);
  std::vector<uint8_t> data(stride * static_cast<size_t>(image.height), 0);
  for (int32_t y = 0; y < image.height; ++y) {
    uint8_t* row = data.data() + stride * static_cast<size_t>(topDown ? y : image.height - 1 - y);
    for (int32_t x = 0; x < image.width; ++x) {
      const uint32_t p = image.At(x, y);
      if (bitCount <= 8) {
        const int32_t bit = x * bitCount;
        const uint8_t index = indexed.indices[static_cast<size_t>(y * image.width + x)];
        row[bit / 8] = static_cast<uint8_t>(row[bit / 8] | index << (8 - bitCount - bit % 8));
      } else if (bitCount == 16) {
        const uint32_t v = (Red(p) >> 3) << 10 | (Green(p) >> 3) << 5 | Blue(p) >> 3;
        row[2 * x] = static_cast<uint8_t>(v);
        row[2 * x + 1] = static_cast<uint8_t>(v >> 8);
      } else {
        uint8_t* out = row + static_cast<size_t>(x * bitCount / 8);
        out[0] = Blue(p);
        out[1] = Green(p);
        out[2] = Red(p);
        if (bitCount == 32) out[3] = static_cast<uint8_t>(p >> 24);
      }
    }
  }
  return data;
}

void AppendToVector(void* context, void* data, int size) {
  auto* out = static_cast<std::vector<uint8_t>*>(context);
  const auto* bytes = static_cast<const uint8_t*>(data);
  out->insert(out->end(), bytes, bytes + size);
}

std::vector<uint8_t> RgbaBytes(const RgbaImage& image, bool alpha) {
  std::vector<uint8_t> bytes;
  for (const uint32_t p : image.pixels) {
    bytes.insert(bytes.end(), {Red(p), Green(p), Blue(p)});
    if (alpha) bytes.push_back(static_cast<uint8_t>(p >> 24));
  }
  return bytes;
}

// LZW codes of 9 bits with a clear code before the table would need 10: every index is
// sent as a literal code.
std::vector<uint8_t> GifImageData(const std::vector<uint8_t>& indices) {
  constexpr uint32_t kClear = 256;
  constexpr uint32_t kEnd = 257;
  constexpr size_t kLiteralsPerClear = 254;
  std::vector<uint8_t> packed;
  uint32_t buffer = 0;
  int bits = 0;
  auto emit = [&](uint32_t code) {
    buffer |= code << bits;
    bits += 9;
    while (bits >= 8) {
      packed.push_back(static_cast<uint8_t>(buffer));
      buffer >>= 8;
      bits -= 8;
    }
  };
  for (size_t i = 0; i < indices.size(); ++i) {
    if (i % kLiteralsPerClear == 0) emit(kClear);
    emit(indices[i]);
  }
  emit(kEnd);
  if (bits > 0) packed.push_back(static_cast<uint8_t>(buffer));
  std::vector<uint8_t> blocks{8};  // minimum code size
  for (size_t at = 0; at < packed.size(); at += 255) {
    const size_t n = std::min<size_t>(255, packed.size() - at);
    blocks.push_back(static_cast<uint8_t>(n));
    blocks.insert(blocks.end(), packed.begin() + static_cast<std::ptrdiff_t>(at),
                  packed.begin() + static_cast<std::ptrdiff_t>(at + n));
  }
  blocks.push_back(0);
  return blocks;
}

}  // namespace

RgbaImage MakeImage(int32_t width, int32_t height,
                    const std::function<uint32_t(int32_t x, int32_t y)>& pixel) {
  RgbaImage image{width, height, {}};
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x)
      image.pixels.push_back(pixel(x, y));
  }
  return image;
}

std::vector<uint8_t> WriteBmp(const RgbaImage& image, int bitCount, BmpLayout layout) {
  const Indexed indexed = IndexColours(image, false);
  const size_t tableEntries = bitCount <= 8 ? size_t{1} << bitCount : 0;
  const std::vector<uint8_t> data =
      layout == BmpLayout::kRle
          ? RleRows(indexed, image.width, image.height, bitCount)
          : PlainRows(image, indexed, bitCount, layout == BmpLayout::kTopDown);
  const uint32_t offBits = static_cast<uint32_t>(14 + 40 + 4 * tableEntries);
  std::vector<uint8_t> out{'B', 'M'};
  Put32(out, offBits + static_cast<uint32_t>(data.size()));
  Put32(out, 0);
  Put32(out, offBits);
  Put32(out, 40);
  Put32(out, static_cast<uint32_t>(image.width));
  Put32(out, static_cast<uint32_t>(layout == BmpLayout::kTopDown ? -image.height : image.height));
  Put16(out, 1);
  Put16(out, static_cast<uint32_t>(bitCount));
  Put32(out, layout != BmpLayout::kRle ? 0 : bitCount == 8 ? 1 : 2);
  Put32(out, static_cast<uint32_t>(data.size()));
  Put32(out, 2835);
  Put32(out, 2835);
  Put32(out, 0);
  Put32(out, 0);
  for (size_t i = 0; i < tableEntries; ++i) {
    const uint32_t c = i < indexed.colours.size() ? indexed.colours[i] : 0;
    out.insert(out.end(), {Blue(c), Green(c), Red(c), 0});
  }
  out.insert(out.end(), data.begin(), data.end());
  return out;
}

std::vector<uint8_t> WriteGif(const RgbaImage& image) {
  const Indexed indexed = IndexColours(image, true);
  std::vector<uint8_t> out{'G', 'I', 'F', '8', '9', 'a'};
  Put16(out, static_cast<uint32_t>(image.width));
  Put16(out, static_cast<uint32_t>(image.height));
  out.insert(out.end(), {0xF7, 0, 0});  // global table of 256 entries
  for (size_t i = 0; i < 256; ++i) {
    const uint32_t c = i < indexed.colours.size() ? indexed.colours[i] : 0;
    out.insert(out.end(), {Red(c), Green(c), Blue(c)});
  }
  out.insert(out.end(), {0x21, 0xF9, 4, 1, 0, 0, 0, 0});  // transparent index 0
  out.push_back(0x2C);
  Put32(out, 0);
  Put16(out, static_cast<uint32_t>(image.width));
  Put16(out, static_cast<uint32_t>(image.height));
  out.push_back(0);
  const std::vector<uint8_t> data = GifImageData(indexed.indices);
  out.insert(out.end(), data.begin(), data.end());
  out.push_back(0x3B);
  return out;
}

std::vector<uint8_t> WriteJpeg(const RgbaImage& image, int quality) {
  std::vector<uint8_t> out;
  const std::vector<uint8_t> rgb = RgbaBytes(image, false);
  stbi_write_jpg_to_func(AppendToVector, &out, image.width, image.height, 3, rgb.data(), quality);
  return out;
}

std::vector<uint8_t> WritePng(const RgbaImage& image, bool alpha) {
  std::vector<uint8_t> out;
  const int channels = alpha ? 4 : 3;
  const std::vector<uint8_t> bytes = RgbaBytes(image, alpha);
  stbi_write_png_to_func(AppendToVector, &out, image.width, image.height, channels, bytes.data(),
                         image.width * channels);
  return out;
}

std::filesystem::path WriteTempFile(const std::string& name, const std::vector<uint8_t>& bytes) {
  const auto folder =
      std::filesystem::temp_directory_path() / ("wayband_import_" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  const auto path = folder / name;
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  return path;
}

}  // namespace wayband::imaging::testing
