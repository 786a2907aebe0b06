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

}  // namespace wayband::testing
