#include "surface_colors.h"

#include <algorithm>
#include <cstdlib>

namespace wayband::testing {

platform::ColorRef ColorAt(const imaging::CDib32& surface, int32_t x, int32_t y) {
  return platform::ColorFromPixel(surface.PixelAt(x, y));
}

platform::ColorRef ColorAt(const platform::Bitmap& bitmap, int32_t x, int32_t y) {
  if (x < 0 || y < 0 || x >= bitmap.width() || y >= bitmap.height()) return platform::CLR_INVALID;
  return platform::ColorFromPixel(bitmap.PixelAt(x, y));
}

imaging::CDib32 ClearedSurface(int32_t width, int32_t height, platform::ColorRef color) {
  imaging::CDib32 surface;
  surface.Create(width, height);
  surface.Clear(color);
  return surface;
}

int ChannelDistance(platform::ColorRef a, platform::ColorRef b) {
  return std::max({std::abs(platform::GetRValue(a) - platform::GetRValue(b)),
                   std::abs(platform::GetGValue(a) - platform::GetGValue(b)),
                   std::abs(platform::GetBValue(a) - platform::GetBValue(b))});
}

bool NearColor(platform::ColorRef a, platform::ColorRef b, int tolerance) {
  return ChannelDistance(a, b) <= tolerance;
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

}  // namespace wayband::testing
