#include "platform/device_color.h"

#include <cstdlib>

namespace wayband::platform {
namespace {

constexpr int32_t kRedWeight = 299;
constexpr int32_t kGreenWeight = 587;
constexpr int32_t kBlueWeight = 114;

ColorRef TableColor(const RgbQuad& entry) {
  return RGB(entry.rgbRed, entry.rgbGreen, entry.rgbBlue);
}

}  // namespace

int32_t Luminance1000(ColorRef color) {
  return kRedWeight * GetRValue(color) + kGreenWeight * GetGValue(color) +
         kBlueWeight * GetBValue(color);
}

uint32_t DeviceValue(const Bitmap& bitmap, ColorRef color) {
  if (!bitmap.IsMonochrome()) return PixelFromColor(color) & DeviceMask(bitmap);
  const auto table = bitmap.colorTable();
  const int32_t luminance = Luminance1000(color);
  const int32_t toZero = std::abs(luminance - Luminance1000(TableColor(table[0])));
  const int32_t toOne = std::abs(luminance - Luminance1000(TableColor(table[1])));
  return toOne < toZero ? 1u : 0u;
}

ColorRef DeviceColor(const Bitmap& bitmap, uint32_t value) {
  if (bitmap.IsMonochrome()) return TableColor(bitmap.colorTable()[value & 1u]);
  return ColorFromPixel(value);
}

uint32_t DeviceMask(const Bitmap& bitmap) {
  switch (bitmap.bitCount()) {
    case 32:
      return 0xFFFFFFFFu;
    case 24:
      return 0x00FFFFFFu;
    default:
      return 1u;
  }
}

}  // namespace wayband::platform
