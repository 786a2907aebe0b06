// libpng as the reference writer and reader of the PNG tests.
#pragma once

#include <png.h>

#include <cstdint>
#include <cstring>
#include <span>
#include <stdexcept>
#include <vector>

namespace wayband::imaging::png::testing {

struct PngImage {
  uint32_t width = 0;
  uint32_t height = 0;
  int colourType = PNG_COLOR_TYPE_RGBA;
  int bitDepth = 8;
  bool interlaced = false;
  std::vector<uint8_t> palette;  // RGB triplets, for palette images
  // Unfiltered PNG rows (packed samples, 16-bit samples big-endian), height x RowBytes.
  std::vector<uint8_t> rows;

  size_t RowBytes() const {
    static constexpr int kChannels[] = {1, 0, 3, 1, 2, 0, 4};  // by colour type
    return (width * kChannels[colourType] * bitDepth + 7) / 8;
  }
};

// Written with every filter open to libpng's choice, at compression level 6.
inline std::vector<uint8_t> WriteWithLibpng(const PngImage& image) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  std::vector<uint8_t> out;
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    throw std::runtime_error("libpng write failed");
  }
  png_set_write_fn(
      png, &out,
      [](png_structp p, png_bytep data, png_size_t size) {
        auto* target = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(p));
        target->insert(target->end(), data, data + size);
      },
      nullptr);
  png_set_IHDR(png, info, image.width, image.height, image.bitDepth, image.colourType,
               image.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  std::vector<png_color> colours;
  for (size_t i = 0; i + 2 < image.palette.size(); i += 3)
    colours.push_back({image.palette[i], image.palette[i + 1], image.palette[i + 2]});
  if (!colours.empty()) png_set_PLTE(png, info, colours.data(), static_cast<int>(colours.size()));
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_ALL_FILTERS);
  png_set_compression_level(png, 6);
  png_write_info(png, info);
  std::vector<png_bytep> rowPointers(image.height);
  for (uint32_t y = 0; y < image.height; ++y)
    rowPointers[y] = const_cast<png_bytep>(image.rows.data() + y * image.RowBytes());
  png_write_image(png, rowPointers.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

// 16-bit samples reduced to their high byte; kUnpacked: samples below 8 bits one byte
// each; kBgr: grey as colour, pixels blue, green, red (alpha).
enum class ReadAs { kPacked, kUnpacked, kBgr };
struct LibpngPixels {
  uint32_t width = 0;
  uint32_t height = 0;
  size_t rowBytes = 0;
  std::vector<uint8_t> rows;
  const uint8_t* Row(uint32_t y) const { return rows.data() + y * rowBytes; }
};

inline LibpngPixels ReadWithLibpng(std::span<const uint8_t> file, ReadAs as) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  struct Source {
    std::span<const uint8_t> bytes;
    size_t offset = 0;
  } source{file};
  LibpngPixels pixels;
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    throw std::runtime_error("libpng read failed");
  }
  png_set_read_fn(png, &source, [](png_structp p, png_bytep data, png_size_t size) {
    auto* s = static_cast<Source*>(png_get_io_ptr(p));
    if (size > s->bytes.size() - s->offset) png_error(p, "read past end");
    std::memcpy(data, s->bytes.data() + s->offset, size);
    s->offset += size;
  });
  png_read_info(png, info);
  png_set_strip_16(png);
  if (as == ReadAs::kUnpacked) png_set_packing(png);
  if (as == ReadAs::kBgr) {
    png_set_gray_to_rgb(png);
    png_set_bgr(png);
  }
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  pixels.width = png_get_image_width(png, info);
  pixels.height = png_get_image_height(png, info);
  pixels.rowBytes = png_get_rowbytes(png, info);
  pixels.rows.resize(pixels.rowBytes * pixels.height);
  std::vector<png_bytep> rowPointers(pixels.height);
  for (uint32_t y = 0; y < pixels.height; ++y)
    rowPointers[y] = pixels.rows.data() + y * pixels.rowBytes;
  png_read_image(png, rowPointers.data());
  png_destroy_read_struct(&png, &info, nullptr);
  return pixels;
}

}  // namespace wayband::imaging::png::testing
