#include "render/scheme/color_math.h"

#include <algorithm>
#include <cmath>

#include "platform/color.h"
#include "platform/round_half_even.h"
#include "platform/system_colors.h"

namespace wayband::render {
namespace {

constexpr OleColor kLow24Bits = 0x00FFFFFF;
constexpr double kChannelMax = 255.0;
constexpr int kMaxWeight = 255;
constexpr int kMidtoneAverage = 128;
constexpr double kMidtoneFactor = 0.65;
constexpr int kLightBackgroundAverage = 101;
constexpr int kReadableAverage = 155;
constexpr int kContrastMixWeight = 200;
// Two olive backgrounds for which the tuned text colours are always kept.
constexpr OleColor kOliveBackground = platform::ColorFromRrggbb(0x8C8C1C);
constexpr OleColor kDeepOliveBackground = platform::ColorFromRrggbb(0x1E8C1C);

uint8_t ClampChannel(double value) {
  if (std::isnan(value)) return 0;
  return static_cast<uint8_t>(std::clamp(value, 0.0, kChannelMax));
}

int ChannelOf(OleColor color, int shift) {
  return static_cast<int>((color >> shift) & 0xFF);
}

}  // namespace

double RoundHalfEven(double value) {
  return static_cast<double>(platform::RoundHalfEven(value));
}

OleColor PackChannels(double red, double green, double blue) {
  return platform::RGB(ClampChannel(red), ClampChannel(green), ClampChannel(blue));
}

int ChannelAverage(OleColor color) {
  return (ChannelOf(color, 0) + ChannelOf(color, 8) + ChannelOf(color, 16)) / 3;
}

OleColor ToRGB(OleColor color) {
  if (color == kAllBitsColor) return color;
  platform::ColorRef translated = 0;
  if (!platform::OleTranslateColor(color, &translated)) return kBlack;
  return translated & kLow24Bits;
}

OleColor MixColors(OleColor a, OleColor b, int weight) {
  weight = std::clamp(weight, 0, kMaxWeight);
  const OleColor pa = ToRGB(a);
  const OleColor pb = ToRGB(b);
  auto mix = [&](int shift) {
    const double wa = static_cast<double>(ChannelOf(pa, shift) * weight) / kChannelMax;
    const double wb =
        static_cast<double>(ChannelOf(pb, shift) * (kMaxWeight - weight)) / kChannelMax;
    return RoundHalfEven(wa + wb);
  };
  return PackChannels(mix(0), mix(8), mix(16));
}

OleColor DarkenToMidtone(OleColor color) {
  OleColor c = ToRGB(color);
  while (ChannelAverage(c) >= kMidtoneAverage) {
    auto scaled = [&](int shift) { return RoundHalfEven(ChannelOf(c, shift) * kMidtoneFactor); };
    c = PackChannels(scaled(0), scaled(8), scaled(16));
  }
  return c;
}

OleColor LightenForDarkBackground(OleColor color) {
  if (ChannelAverage(color) <= 0) return kWhite;
  OleColor c = color;
  while (ChannelAverage(c) <= kReadableAverage) {
    auto lifted = [&](int shift) {
      const int channel = ChannelOf(c, shift);
      return static_cast<double>(channel + (256 - channel) / 2);
    };
    c = PackChannels(lifted(0), lifted(8), lifted(16));
  }
  return c;
}

OleColor EnsureContrast(OleColor color, OleColor background, OleColor lightFace) {
  const OleColor c = ToRGB(color);
  if (background == kOliveBackground || background == kDeepOliveBackground ||
      ChannelAverage(background) > kLightBackgroundAverage) {
    return c;
  }
  return MixColors(LightenForDarkBackground(c), lightFace, kContrastMixWeight);
}

}  // namespace wayband::render
