// Helpers of the bar-painting tests: solid pictures, a palette whose slots are
// told apart by their colour and the bounding box of what a paint changed (reading colours
// back and PNG files come from tests/support).
#pragma once

#include <cstdint>
#include <memory>

#include "imaging/dib32.h"
#include "platform/bitmap.h"
#include "platform/color.h"
#include "platform/geometry.h"
#include "render/scheme/scheme_palette.h"
#include "support/panel_icons.h"
#include "support/png_file.h"
#include "support/surface_colors.h"
#include "wayband/picture.h"

namespace wayband::testing {

// A 32-bit bitmap picture of width x height in one plain colour, with `corner` at (0,0).
inline std::shared_ptr<Picture> SolidPicture(int32_t width, int32_t height,
                                             platform::ColorRef color, platform::ColorRef corner) {
  auto bitmap = platform::Bitmap::Create(width, height, 32);
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x)
      bitmap->SetPixelAt(x, y, platform::PixelFromColor(x == 0 && y == 0 ? corner : color, 255));
  }
  return Picture::FromImage(bitmap);
}

// Slot i holds a plain colour of its own, so any slot mixed up with another shows.
inline render::SchemePalette NumberedPalette() {
  render::SchemePalette palette;
  for (size_t i = 0; i < render::kSchemeSlotCount; ++i) {
    const auto n = static_cast<uint8_t>(i);
    palette[i] = platform::RGB(static_cast<uint8_t>(40 + 4 * n), static_cast<uint8_t>(200 - 3 * n),
                               static_cast<uint8_t>(17 * (n % 15)));
  }
  return palette;
}

// The smallest rectangle holding every pixel in which the two surfaces differ (empty when
// none does).
inline platform::Rect ChangedBounds(const imaging::CDib32& painted, const imaging::CDib32& before) {
  return InkBounds([&](int32_t x, int32_t y) { return ColorAt(painted, x, y); },
                   [&](int32_t x, int32_t y) { return ColorAt(before, x, y); },
                   platform::Rect{0, 0, painted.Width(), painted.Height()}, 0)
      .value_or(platform::Rect{});
}

}  // namespace wayband::testing
