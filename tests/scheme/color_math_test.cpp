// The palette's colour arithmetic: rounding, translation, mixing, darkening, the contrast
// guard and the lightness conversions on the 0-255 scale.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "desktop_fixture.h"
#include "render/scheme/color_math.h"
#include "render/scheme/hsl.h"
#include "render/scheme/scheme_derivation.h"

namespace wayband::test {
namespace {

using namespace render;

struct ColorCase {
  OleColor in;
  OleColor out;
};

TEST(ColorMath, RoundsHalvesToEvenAndPacksClampedChannels) {
  for (const auto& [value, rounded] :
       {std::pair{0.5, 0.0}, {1.5, 2.0}, {2.5, 2.0}, {-1.5, -2.0}, {2.4999, 2.0}, {2.5001, 3.0}})
    EXPECT_EQ(RoundHalfEven(value), rounded) << value;
  EXPECT_EQ(PackChannels(300, -4, 128), FromRedFirst(0xFF0080));
  EXPECT_EQ(PackChannels(std::nan(""), 1, 2), FromRedFirst(0x000102));
}

class ColorTranslation : public DesktopTest {
 protected:
  void SetUp() override { UsePreset("Windows Standard"); }
};

TEST_F(ColorTranslation, ToRgbTranslatesMasksAndKeepsAllBitsSet) {
  const ColorCase cases[] = {
      {0x8000000F, FromRedFirst(0xD4D0C8)},
      {0x02123456, 0x123456},  // palette-relative: low 24 bits
      {0x8000001F, 0},         // index past the table: black
      {0x7F000000, 0},
      {0xFFFFFFFF, 0xFFFFFFFF},
  };
  for (const ColorCase& c : cases)
    EXPECT_EQ(ToRGB(c.in), c.out) << std::hex << c.in;
}

TEST_F(ColorTranslation, MixWeightsClampRoundAndTranslate) {
  const OleColor a = FromRedFirst(0x123456), b = FromRedFirst(0xFEDCBA);
  const struct {
    OleColor a, b;
    int weight;
    OleColor mixed;
  } cases[] = {
      {kWhite, kBlack, 128, 0x808080},
      {a, b, 255, a},
      {a, b, 999, a},
      {a, b, -7, b},
      {0x80000005, kBlack, 255, kWhite},  // window colour, translated
      {0xFFFFFFFF, kBlack, 255, kWhite},  // all bits set: its low bytes
      {0x8000FF05, kWhite, 255, kBlack},  // untranslatable: black
      // 10·200/255 + 250·55/255 = 7.84 + 53.92 = 61.76
      {FromRedFirst(0x0A0A0A), FromRedFirst(0xFAFAFA), 200, 0x3E3E3E},
  };
  for (const auto& c : cases)
    EXPECT_EQ(MixColors(c.a, c.b, c.weight), c.mixed) << std::hex << c.a << " " << c.b;
}

TEST(ColorMath, DarkeningAndTinting) {
  const ColorCase midtones[] = {
      {kWhite, 0x6C6C6C},                                // 255 -> 166 -> 108
      {FromRedFirst(0xFFFF0A), FromRedFirst(0xA6A606)},  // 10 · 0.65 = 6.5 -> 6
      {FromRedFirst(0x7F7F80), FromRedFirst(0x7F7F80)},  // average 127: unchanged
  };
  for (const ColorCase& c : midtones)
    EXPECT_EQ(DarkenToMidtone(c.in), c.out) << std::hex << c.in;
  const ColorCase tints[] = {
      {FromRedFirst(0xD4D0C8), FromRedFirst(0xFFFDF3)},
      {FromRedFirst(0xECE9D8), kWhite},
      {FromRedFirst(0x020000), 0},  // lightness 1 on the byte scale: no number, packs black
  };
  for (const ColorCase& c : tints)
    EXPECT_EQ(TintFace(c.in), c.out) << std::hex << c.in;
  EXPECT_EQ(PressedFromAccent(FromRedFirst(0xF8B330)), FromRedFirst(0xFF7900));
}

TEST(ColorMath, EnsureContrastKeepsLightAndTunedBackgroundsAndLiftsOnDarkOnes) {
  const OleColor c = FromRedFirst(0x204060), light = FromRedFirst(0xF0F0F0);
  const std::pair<uint32_t, bool> backgrounds[] = {
      {0x666666, true},                      // average 102
      {0x8C8C1C, true},                      // the two tuned olives
      {0x1E8C1C, true},  {0x1C8C1E, false},  // an olive spelt blue first
      {0x656565, false},                     // average 101
  };
  for (const auto& [background, kept] : backgrounds)
    EXPECT_EQ(EnsureContrast(c, FromRedFirst(background), light) == c, kept)
        << std::hex << background;
  EXPECT_EQ(EnsureContrast(kBlack, 0, light), MixColors(kWhite, light, 200));
  EXPECT_EQ(EnsureContrast(FromRedFirst(0x010101), 0, light),
            MixColors(FromRedFirst(0xC0C0C0), light, 200));
  for (int grey = 0; grey <= 255; ++grey) {
    const OleColor colour =
        platform::RGB(static_cast<uint8_t>(grey), 0, static_cast<uint8_t>(255 - grey));
    const OleColor lifted = LightenForDarkBackground(colour);
    EXPECT_GT(ChannelAverage(lifted), 155) << grey;
    EXPECT_EQ(EnsureContrast(colour, 0, light), MixColors(lifted, light, 200));
  }
  EXPECT_EQ(LightenForDarkBackground(FromRedFirst(0xC8C8C8)), FromRedFirst(0xC8C8C8));
}

TEST(ColorMath, HslOnTheByteScaleRoundTrips) {
  const Hsl hsl = RGBToHSL(212, 208, 200);
  EXPECT_DOUBLE_EQ(hsl.lightness, 206.0);
  EXPECT_DOUBLE_EQ(hsl.saturation, 12.0 / (2.0 - 412.0));  // negative above 0.5
  EXPECT_DOUBLE_EQ(hsl.hue, 40.0);
  EXPECT_DOUBLE_EQ(RGBToHSL(0, 0, 200).hue, 240.0);
  EXPECT_DOUBLE_EQ(RGBToHSL(200, 0, 100).hue, 330.0);   // negative sextant wraps
  EXPECT_DOUBLE_EQ(RGBToHSL(1, 0, 0).saturation, 1.0);  // lightness 0.5 uses the first form
  EXPECT_EQ(RGBToHSL(90, 90, 90).saturation, 0.0);
  for (uint32_t rgb : {0x123456u, 0xFEDCBAu, 0x00FF00u, 0xD4D0C8u, 0x800080u, 0x010203u}) {
    const double r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    const Hsl there = RGBToHSL(r, g, b);
    const RgbChannels back = HSLToRGB(there.hue, there.lightness, there.saturation);
    EXPECT_NEAR(back.red, r, 1e-9) << std::hex << rgb;
    EXPECT_NEAR(back.green, g, 1e-9) << std::hex << rgb;
    EXPECT_NEAR(back.blue, b, 1e-9) << std::hex << rgb;
  }
  // One turn wraps; 360 itself does not.
  for (const auto& [hue, channel] :
       {std::pair{400.0, 50.0}, {-30.0, 10.0}, {360.0, 10.0}, {210.0, 40.0}, {40.0, 50.0}})
    EXPECT_DOUBLE_EQ(HueToChannel(10, 70, hue), channel) << hue;
}

}  // namespace
}  // namespace wayband::test
