#include "render/scheme/hsl.h"

#include <algorithm>
#include <cmath>

namespace wayband::render {
namespace {

constexpr double kGreyTolerance = 0.00001;
constexpr double kDegreesPerSextant = 60.0;
constexpr double kFullTurn = 360.0;
constexpr double kThirdTurn = 120.0;

}  // namespace

Hsl RGBToHSL(double red, double green, double blue) {
  const double max = std::max({red, green, blue});
  const double min = std::min({red, green, blue});
  Hsl hsl;
  hsl.lightness = (max + min) / 2.0;
  const double delta = max - min;
  if (std::abs(delta) < kGreyTolerance) return hsl;
  hsl.saturation = hsl.lightness <= 0.5 ? delta / (max + min) : delta / (2.0 - max - min);
  double sextant = 0.0;
  if (red == max) {
    sextant = (green - blue) / delta;
  } else if (green == max) {
    sextant = 2.0 + (blue - red) / delta;
  } else {
    sextant = 4.0 + (red - green) / delta;
  }
  hsl.hue = sextant * kDegreesPerSextant;
  if (hsl.hue < 0.0) hsl.hue += kFullTurn;
  return hsl;
}

RgbChannels HSLToRGB(double hue, double lightness, double saturation) {
  if (saturation == 0.0) return RgbChannels{lightness, lightness, lightness};
  const double m2 = lightness <= 0.5 ? lightness * (1.0 + saturation)
                                     : lightness + saturation - lightness * saturation;
  const double m1 = 2.0 * lightness - m2;
  return RgbChannels{HueToChannel(m1, m2, hue + kThirdTurn), HueToChannel(m1, m2, hue),
                     HueToChannel(m1, m2, hue - kThirdTurn)};
}

double HueToChannel(double m1, double m2, double hue) {
  if (hue > kFullTurn) {
    hue -= kFullTurn;
  } else if (hue < 0.0) {
    hue += kFullTurn;
  }
  if (hue < 60.0) return m1 + (m2 - m1) * hue / kDegreesPerSextant;
  if (hue < 180.0) return m2;
  if (hue < 240.0) return m1 + (m2 - m1) * (240.0 - hue) / kDegreesPerSextant;
  return m1;
}

}  // namespace wayband::render
