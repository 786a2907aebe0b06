#include "render/draw/color_blend.h"

#include <algorithm>

#include "platform/color.h"
#include "platform/round_half_even.h"
#include "platform/system_colors.h"
#include "render/scheme/color_math.h"
#include "render/scheme/hsl.h"

namespace wayband::render {
namespace {

constexpr int kMaxWeight = 255;
constexpr OleColor kLow24Bits = 0x00FFFFFF;
constexpr double kChannelScale = 255.0;
constexpr double kDarkenedLightness = 0.8;

// (p·w) div 255 + (q·(255 − w)) div 255: each product truncated on its own.
uint8_t BlendChannel(uint8_t p, uint8_t q, int weight) {
  return static_cast<uint8_t>(p * weight / kMaxWeight + q * (kMaxWeight - weight) / kMaxWeight);
}

uint8_t ToChannel(double unit) {
  const int64_t value = platform::RoundHalfEven(unit * kChannelScale);
  return static_cast<uint8_t>(std::clamp<int64_t>(value, 0, kMaxWeight));
}

}  // namespace

OleColor DrawnColor(OleColor color) {
  platform::ColorRef translated = 0;
  return platform::OleTranslateColor(color, &translated) ? translated : kWhite;
}

OleColor BlendColors(OleColor a, OleColor b, int weight, bool swap) {
  weight = std::clamp(weight, 0, kMaxWeight);
  platform::ColorRef p = DrawnColor(a);
  platform::ColorRef q = DrawnColor(b);
  if (swap) std::swap(p, q);
  return platform::RGB(BlendChannel(platform::GetRValue(p), platform::GetRValue(q), weight),
                       BlendChannel(platform::GetGValue(p), platform::GetGValue(q), weight),
                       BlendChannel(platform::GetBValue(p), platform::GetBValue(q), weight));
}

OleColor DarkenLightness(OleColor color) {
  // A colour that cannot be translated darkens as black, as the palette counts it.
  const platform::ColorRef c = ToRGB(color) & kLow24Bits;
  const Hsl hsl =
      RGBToHSL(platform::GetRValue(c) / kChannelScale, platform::GetGValue(c) / kChannelScale,
               platform::GetBValue(c) / kChannelScale);
  const RgbChannels rgb = HSLToRGB(hsl.hue, hsl.lightness * kDarkenedLightness, hsl.saturation);
  return platform::RGB(ToChannel(rgb.red), ToChannel(rgb.green), ToChannel(rgb.blue));
}

}  // namespace wayband::render
