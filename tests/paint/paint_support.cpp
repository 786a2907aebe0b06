#include "paint_support.h"

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "imaging/byte_array3.h"
#include "imaging/icon_sizes.h"
#include "platform/bitmap.h"

namespace wayband::testing {

imaging::CIconBytes SolidIcon(const std::string& key, platform::ColorRef color) {
  imaging::CIconBytes icon;
  icon.SetKey(key);
  for (const int32_t sizeIndex : {0, 1}) {
    const int32_t size = imaging::IconPixels(sizeIndex);
    imaging::ByteArray3 bytes(4, size, size);
    for (int32_t y = 0; y < size; ++y) {
      for (int32_t x = 0; x < size; ++x) {
        bytes.At(0, x, y) = platform::GetBValue(color);
        bytes.At(1, x, y) = platform::GetGValue(color);
        bytes.At(2, x, y) = platform::GetRValue(color);
        bytes.At(3, x, y) = 255;
      }
    }
    icon.SetBytes(sizeIndex, imaging::kKind32Bit, bytes);
  }
  return icon;
}

std::shared_ptr<Picture> SolidPicture(int32_t width, int32_t height, platform::ColorRef color,
                                      platform::ColorRef corner) {
  auto bitmap = platform::Bitmap::Create(width, height, 32);
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) {
      bitmap->SetPixelAt(x, y, platform::PixelFromColor(x == 0 && y == 0 ? corner : color, 255));
    }
  }
  return Picture::FromImage(bitmap);
}

render::SchemePalette NumberedPalette() {
  render::SchemePalette palette;
  for (size_t i = 0; i < render::kSchemeSlotCount; ++i) {
    const auto n = static_cast<uint8_t>(i);
    palette[i] = platform::RGB(static_cast<uint8_t>(40 + 4 * n), static_cast<uint8_t>(200 - 3 * n),
                               static_cast<uint8_t>(17 * (n % 15)));
  }
  return palette;
}

platform::ColorRef ColorAt(const imaging::CDib32& surface, int32_t x, int32_t y) {
  return platform::ColorFromPixel(surface.PixelAt(x, y));
}

imaging::CDib32 ClearedSurface(int32_t width, int32_t height, platform::ColorRef color) {
  imaging::CDib32 surface;
  surface.Create(width, height);
  surface.Clear(color);
  return surface;
}

platform::Rect ChangedBounds(const imaging::CDib32& painted, const imaging::CDib32& before) {
  platform::Rect bounds{painted.Width(), painted.Height(), 0, 0};
  for (int32_t y = 0; y < painted.Height(); ++y) {
    for (int32_t x = 0; x < painted.Width(); ++x) {
      if (painted.PixelAt(x, y) == before.PixelAt(x, y)) continue;
      bounds = {std::min(bounds.left, x), std::min(bounds.top, y), std::max(bounds.right, x + 1),
                std::max(bounds.bottom, y + 1)};
    }
  }
  return bounds.IsEmpty() ? platform::Rect{} : bounds;
}

bool NearColor(platform::ColorRef a, platform::ColorRef b, int tolerance) {
  const auto near = [tolerance](int p, int q) { return std::abs(p - q) <= tolerance; };
  return near(platform::GetRValue(a), platform::GetRValue(b)) &&
         near(platform::GetGValue(a), platform::GetGValue(b)) &&
         near(platform::GetBValue(a), platform::GetBValue(b));
}

bool WritePng(const imaging::CDib32& surface, const std::filesystem::path& path, int scale) {
  if (!surface.IsCreated() || scale < 1) return false;
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!png || !info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
    return false;
  }
  png_init_io(png, file);
  const int32_t width = surface.Width() * scale;
  png_set_IHDR(png, info, static_cast<png_uint_32>(width),
               static_cast<png_uint_32>(surface.Height() * scale), 8, PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  std::vector<png_byte> row(static_cast<size_t>(width) * 3);
  for (int32_t y = 0; y < surface.Height(); ++y) {
    for (int32_t x = 0; x < width; ++x) {
      const platform::ColorRef c = ColorAt(surface, x / scale, y);
      row[3 * static_cast<size_t>(x)] = platform::GetRValue(c);
      row[3 * static_cast<size_t>(x) + 1] = platform::GetGValue(c);
      row[3 * static_cast<size_t>(x) + 2] = platform::GetBValue(c);
    }
    for (int i = 0; i < scale; ++i)
      png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return std::fclose(file) == 0;
}

}  // namespace wayband::testing
