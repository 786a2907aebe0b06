#include "frame_support.h"

#include <algorithm>
#include <cmath>

#include "imaging/byte_array3.h"
#include "imaging/icon_sizes.h"

namespace wayband::testing {

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
