#include "paint_support.h"

#include <algorithm>

#include "platform/bitmap.h"

namespace wayband::testing {

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

platform::Rect ChangedBounds(const imaging::CDib32& painted, const imaging::CDib32& before) {
  const std::optional<platform::Rect> bounds =
      InkBounds([&painted](int32_t x, int32_t y) { return ColorAt(painted, x, y); },
                [&before](int32_t x, int32_t y) { return ColorAt(before, x, y); },
                platform::Rect{0, 0, painted.Width(), painted.Height()}, 0);
  return bounds.value_or(platform::Rect{});
}

}  // namespace wayband::testing
