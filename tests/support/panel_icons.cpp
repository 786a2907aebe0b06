#include "panel_icons.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "imaging/byte_array3.h"
#include "imaging/icon_sizes.h"

namespace wayband::testing {
namespace {

// Colour and coverage of pixel (x, y) of a square image `size` pixels wide, rows stored
// bottom-up.
using PixelRule =
    std::function<void(int32_t size, int32_t x, int32_t y, double& shine, double& coverage)>;

imaging::CIconBytes IconOf(const std::string& key, platform::ColorRef color,
                           const PixelRule& rule) {
  imaging::CIconBytes icon;
  icon.SetKey(key);
  for (const int32_t pixels : {16, 24}) {
    imaging::ByteArray3 bytes(4, pixels, pixels);
    for (int32_t y = 0; y < pixels; ++y) {
      for (int32_t x = 0; x < pixels; ++x) {
        double shine = 0.0;
        double coverage = 1.0;
        rule(pixels, x, y, shine, coverage);
        const auto mix = [&](uint8_t c) {
          return static_cast<uint8_t>(std::lround(c + (255 - c) * shine * 0.7));
        };
        bytes.At(0, x, y) = mix(platform::GetBValue(color));
        bytes.At(1, x, y) = mix(platform::GetGValue(color));
        bytes.At(2, x, y) = mix(platform::GetRValue(color));
        bytes.At(3, x, y) = static_cast<uint8_t>(std::lround(coverage * 255));
      }
    }
    icon.SetBytes(imaging::IconSizeIndex(pixels), imaging::kKind32Bit, bytes);
  }
  return icon;
}

}  // namespace

imaging::CIconBytes SolidIcon(const std::string& key, platform::ColorRef color) {
  return IconOf(key, color, [](int32_t, int32_t, int32_t, double&, double&) {});
}

imaging::CIconBytes MakeDiscIcon(const std::string& key, platform::ColorRef color) {
  return IconOf(
      key, color, [](int32_t size, int32_t x, int32_t y, double& shine, double& coverage) {
        const double centre = size / 2.0;
        const double dx = x + 0.5 - centre;
        const double dy = (size - 1 - y) + 0.5 - centre;  // rows are stored bottom-up
        coverage = std::clamp(size / 2.0 - 1.0 - std::sqrt(dx * dx + dy * dy) + 0.5, 0.0, 1.0);
        // A highlight towards the top left.
        shine =
            std::clamp(1.0 - std::hypot(dx + size / 5.0, dy + size / 5.0) / (size / 3.0), 0.0, 1.0);
      });
}

}  // namespace wayband::testing
