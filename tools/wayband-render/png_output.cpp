#include "png_output.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace wayband::render_tool {

namespace {

constexpr int kBitDepth = 8;
constexpr size_t kRgbBytes = 3;

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

// One row of the picture (from the top) as red, green, blue bytes.
void RgbRow(const imaging::CDib32& image, int32_t y, std::vector<png_byte>& row) {
  const imaging::ConstPixelView view = image.View();
  const uint8_t* pixel = view.Pixel(0, view.StoredRow(y));
  for (int32_t x = 0; x < image.Width(); ++x, pixel += view.bytesPerPixel) {
    row[static_cast<size_t>(x) * kRgbBytes + 0] = pixel[2];
    row[static_cast<size_t>(x) * kRgbBytes + 1] = pixel[1];
    row[static_cast<size_t>(x) * kRgbBytes + 2] = pixel[0];
  }
}

}  // namespace

bool WritePng(const imaging::CDib32& image, const std::filesystem::path& path, std::string* error) {
  if (image.View().IsEmpty()) {
    *error = "the image is empty";
    return false;
  }
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
  if (!file) {
    *error = "cannot open " + path.string() + " for writing";
    return false;
  }
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    *error = "out of memory";
    return false;
  }
  std::vector<png_byte> row(static_cast<size_t>(image.Width()) * kRgbBytes);
  // libpng reports failures by jumping back here.
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    *error = "libpng could not write " + path.string();
    return false;
  }
  png_init_io(png, file.get());
  png_set_IHDR(png, info, static_cast<png_uint_32>(image.Width()),
               static_cast<png_uint_32>(image.Height()), kBitDepth, PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int32_t y = 0; y < image.Height(); ++y) {
    RgbRow(image, y, row);
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  if (std::fflush(file.get()) != 0) {
    *error = "cannot write " + path.string();
    return false;
  }
  return true;
}

}  // namespace wayband::render_tool
