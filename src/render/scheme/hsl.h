// Hue, lightness and saturation conversions as the palette uses them. They work on
// whatever scale they are given; the palette feeds them channels on the 0-255 scale (not
// 0-1), so lightness runs up to 255 and the saturation formula for lightness above 0.5
// yields small negative values. The palette's constants are tuned for exactly that.
#pragma once

namespace wayband::render {

struct Hsl {
  double hue = 0.0;  // degrees, 0 to below 360
  double lightness = 0.0;
  double saturation = 0.0;
};

struct RgbChannels {
  double red = 0.0;
  double green = 0.0;
  double blue = 0.0;
};

// The hue of max == min (within 0.00001) is 0 and so is the saturation.
Hsl RGBToHSL(double red, double green, double blue);

// With saturation exactly 0 every channel is the lightness.
RgbChannels HSLToRGB(double hue, double lightness, double saturation);

// One channel from the two magnitudes for a hue (degrees, brought into range by one
// turn at most).
double HueToChannel(double m1, double m2, double hue);

}  // namespace wayband::render
