#include "png_file.h"

#include <png.h>

#include <cstdio>
#include <vector>

namespace wayband::testing {

bool WritePng(const std::filesystem::path& path, int32_t width, int32_t height,
              const ColorSource& colorAt, int32_t scale) {
  if (width <= 0 || height <= 0 || scale < 1) return false;
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
  if (png == nullptr || info == nullptr || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
    return false;
  }
  png_init_io(png, file);
  const int32_t outWidth = width * scale;
  png_set_IHDR(png, info, static_cast<png_uint_32>(outWidth),
               static_cast<png_uint_32>(height * scale), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  std::vector<png_byte> row(static_cast<size_t>(outWidth) * 3);
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < outWidth; ++x) {
      const platform::ColorRef c = colorAt(x / scale, y);
      row[static_cast<size_t>(x) * 3] = platform::GetRValue(c);
      row[static_cast<size_t>(x) * 3 + 1] = platform::GetGValue(c);
      row[static_cast<size_t>(x) * 3 + 2] = platform::GetBValue(c);
    }
    for (int32_t i = 0; i < scale; ++i)
      png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return std::fclose(file) == 0;
}

bool WritePng(const imaging::CDib32& surface, const std::filesystem::path& path, int32_t scale) {
  if (!surface.IsCreated()) return false;
  return WritePng(
      path, surface.Width(), surface.Height(),
      [&surface](int32_t x, int32_t y) { return ColorAt(surface, x, y); }, scale);
}

}  // namespace wayband::testing
