#include "render/scheme/low_color_display.h"

#include "platform/device_caps.h"

namespace wayband::render {
namespace {

constexpr int kFewestBits = 1;
constexpr int kMostLowColorBits = 8;

bool& LowColorFlag() {
  static bool lowColor = false;
  return lowColor;
}

}  // namespace

bool CheckLowColorDisplay(const platform::DrawingContext* context) {
  const int bits = context != nullptr ? platform::GetDeviceCaps(*context, platform::BITSPIXEL)
                                      : platform::DesktopDeviceCaps(platform::BITSPIXEL);
  LowColorFlag() = bits >= kFewestBits && bits <= kMostLowColorBits;
  return LowColorFlag();
}

bool LowColorDisplay() {
  return LowColorFlag();
}

}  // namespace wayband::render
