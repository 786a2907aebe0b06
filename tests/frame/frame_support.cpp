#include "frame_support.h"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "imaging/byte_array3.h"
#include "imaging/icon_sizes.h"

namespace wayband::testing {

platform::ColorRef ColorAt(const imaging::CDib32& surface, int32_t x, int32_t y) {
  return platform::ColorFromPixel(surface.PixelAt(x, y));
}

platform::ColorRef ColorAt(const platform::Bitmap& bitmap, int32_t x, int32_t y) {
  if (x < 0 || y < 0 || x >= bitmap.width() || y >= bitmap.height()) return platform::CLR_INVALID;
  return platform::ColorFromPixel(bitmap.PixelAt(x, y));
}

platform::ColorRef GradientRow(platform::ColorRef c1, platform::ColorRef c2, int32_t p,
                               int32_t length) {
  const auto channel = [&](uint8_t a, uint8_t b) {
    const int64_t first = int64_t{a} << 8;
    const int64_t second = int64_t{b} << 8;
    return static_cast<uint8_t>(((first * (length - p) + second * p) / length) >> 8);
  };
  return platform::RGB(channel(platform::GetRValue(c1), platform::GetRValue(c2)),
                       channel(platform::GetGValue(c1), platform::GetGValue(c2)),
                       channel(platform::GetBValue(c1), platform::GetBValue(c2)));
}

int ChannelDistance(platform::ColorRef a, platform::ColorRef b) {
  return std::max({std::abs(platform::GetRValue(a) - platform::GetRValue(b)),
                   std::abs(platform::GetGValue(a) - platform::GetGValue(b)),
                   std::abs(platform::GetBValue(a) - platform::GetBValue(b))});
}

std::optional<platform::Rect> InkBounds(const ColorSource& actual, const ColorSource& background,
                                        const platform::Rect& area, int tolerance) {
  std::optional<platform::Rect> bounds;
  for (int32_t y = area.top; y < area.bottom; ++y) {
    for (int32_t x = area.left; x < area.right; ++x) {
      if (ChannelDistance(actual(x, y), background(x, y)) <= tolerance) continue;
      if (!bounds) {
        bounds = platform::Rect{x, y, x + 1, y + 1};
      } else {
        bounds->left = std::min(bounds->left, x);
        bounds->top = std::min(bounds->top, y);
        bounds->right = std::max(bounds->right, x + 1);
        bounds->bottom = std::max(bounds->bottom, y + 1);
      }
    }
  }
  return bounds;
}

platform::ColorRef Screen::At(int32_t x, int32_t y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) return platform::CLR_INVALID;
  return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
}

namespace {

void LayOver(Screen& screen, const platform::Bitmap& image, platform::Point at) {
  for (int32_t y = 0; y < image.height(); ++y) {
    for (int32_t x = 0; x < image.width(); ++x) {
      const int32_t sx = at.x + x;
      const int32_t sy = at.y + y;
      if (sx < 0 || sy < 0 || sx >= screen.width || sy >= screen.height) continue;
      screen.pixels[static_cast<size_t>(sy) * static_cast<size_t>(screen.width) +
                    static_cast<size_t>(sx)] = ColorAt(image, x, y);
    }
  }
}

}  // namespace

Screen ComposeScreen(headless::HeadlessHost& host, host::WindowHandle control) {
  Screen screen;
  const platform::Bitmap* image = host.WindowImage(control);
  if (!image) return screen;
  screen.width = image->width();
  screen.height = image->height();
  screen.pixels.assign(static_cast<size_t>(screen.width) * static_cast<size_t>(screen.height), 0);
  LayOver(screen, *image, {});
  std::vector<host::WindowHandle> children = host.Windows().GetChildren(control);
  std::reverse(children.begin(), children.end());  // back to front
  for (host::WindowHandle child : children) {
    const platform::Bitmap* strip = host.WindowImage(child);
    if (!strip || !host.Windows().IsWindowVisible(child)) continue;
    const platform::Rect rect = host.Windows().GetLocalRect(child);
    LayOver(screen, *strip, {rect.left, rect.top});
  }
  return screen;
}

bool WritePng(const Screen& screen, const std::filesystem::path& path) {
  if (screen.width <= 0 || screen.height <= 0) return false;
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  bool ok = false;
  if (png && info && setjmp(png_jmpbuf(png)) == 0) {
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(screen.width),
                 static_cast<png_uint_32>(screen.height), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<png_byte> row(static_cast<size_t>(screen.width) * 3);
    for (int32_t y = 0; y < screen.height; ++y) {
      for (int32_t x = 0; x < screen.width; ++x) {
        const platform::ColorRef c = screen.At(x, y);
        row[static_cast<size_t>(x) * 3] = platform::GetRValue(c);
        row[static_cast<size_t>(x) * 3 + 1] = platform::GetGValue(c);
        row[static_cast<size_t>(x) * 3 + 2] = platform::GetBValue(c);
      }
      png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    ok = true;
  }
  png_destroy_write_struct(&png, &info);
  std::fclose(file);
  return ok;
}

namespace {

// A disc image of `size` pixels as a 32-bit icon array (bottom-up rows, straight alpha).
imaging::ByteArray3 DiscImage(int32_t size, platform::ColorRef color) {
  imaging::ByteArray3 bytes(4, size, size);
  const double centre = size / 2.0;
  const double radius = size / 2.0 - 1.0;
  for (int32_t y = 0; y < size; ++y) {
    for (int32_t x = 0; x < size; ++x) {
      const double dx = x + 0.5 - centre;
      const double dy = (size - 1 - y) + 0.5 - centre;  // rows are stored bottom-up
      const double distance = std::sqrt(dx * dx + dy * dy);
      const double coverage = std::clamp(radius - distance + 0.5, 0.0, 1.0);
      // A highlight towards the top left.
      const double shine =
          std::clamp(1.0 - std::hypot(dx + size / 5.0, dy + size / 5.0) / (size / 3.0), 0.0, 1.0);
      const auto mix = [&](uint8_t c) {
        return static_cast<uint8_t>(std::lround(c + (255 - c) * shine * 0.7));
      };
      bytes.At(0, x, y) = mix(platform::GetBValue(color));
      bytes.At(1, x, y) = mix(platform::GetGValue(color));
      bytes.At(2, x, y) = mix(platform::GetRValue(color));
      bytes.At(3, x, y) = static_cast<uint8_t>(std::lround(coverage * 255));
    }
  }
  return bytes;
}

}  // namespace

imaging::CIconBytes MakeDiscIcon(const std::string& key, platform::ColorRef color) {
  imaging::CIconBytes icon;
  icon.SetKey(key);
  for (int32_t pixels : {16, 24}) {
    icon.SetBytes(imaging::IconSizeIndex(pixels), imaging::kKind32Bit, DiscImage(pixels, color));
  }
  return icon;
}

}  // namespace wayband::testing
