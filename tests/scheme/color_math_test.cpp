// The palette's colour arithmetic: rounding, translation, mixing, darkening, the contrast
// guard and the lightness conversions on the 0-255 scale.
#include <gtest/gtest.h>

#include <cmath>

#include "desktop_fixture.h"
#include "render/scheme/color_math.h"
#include "render/scheme/hsl.h"
#include "render/scheme/scheme_derivation.h"
#include "scheme_table_transcription.h"

namespace wayband::test {
namespace {

using namespace render;

TEST(ColorMath, RoundsHalvesToEven) {
  EXPECT_EQ(RoundHalfEven(0.5), 0.0);
  EXPECT_EQ(RoundHalfEven(1.5), 2.0);
  EXPECT_EQ(RoundHalfEven(2.5), 2.0);
  EXPECT_EQ(RoundHalfEven(127.5), 128.0);
  EXPECT_EQ(RoundHalfEven(-0.5), 0.0);
  EXPECT_EQ(RoundHalfEven(-1.5), -2.0);
  EXPECT_EQ(RoundHalfEven(2.4999), 2.0);
  EXPECT_EQ(RoundHalfEven(2.5001), 3.0);
}

TEST(ColorMath, PackingClampsAndMapsNotANumberToZero) {
  EXPECT_EQ(PackChannels(300, -4, 128), FromRedFirst(0xFF0080));
  EXPECT_EQ(PackChannels(std::nan(""), 1, 2), FromRedFirst(0x000102));
}

class ColorTranslation : public DesktopTest {};

TEST_F(ColorTranslation, ToRgbTranslatesMasksAndKeepsAllBitsSet) {
  UsePreset("Windows Standard");
  EXPECT_EQ(ToRGB(0x8000000F), FromRedFirst(0xD4D0C8));
  EXPECT_EQ(ToRGB(0x02123456), 0x123456u);  // palette-relative: low 24 bits
  EXPECT_EQ(ToRGB(0x8000001F), 0u);         // index past the table: black
  EXPECT_EQ(ToRGB(0x7F000000), 0u);
  EXPECT_EQ(ToRGB(0xFFFFFFFF), 0xFFFFFFFFu);
}

TEST_F(ColorTranslation, MixWeightsRoundAndTranslate) {
  UsePreset("Windows Standard");
  EXPECT_EQ(MixColors(kWhite, kBlack, 128), 0x808080u);
  const OleColor a = FromRedFirst(0x123456), b = FromRedFirst(0xFEDCBA);
  EXPECT_EQ(MixColors(a, b, 255), a);
  EXPECT_EQ(MixColors(a, b, 0), b);
  EXPECT_EQ(MixColors(0x80000005, kBlack, 255), kWhite);  // window colour, translated
  EXPECT_EQ(MixColors(0xFFFFFFFF, kBlack, 255), kWhite);  // all bits set: its low bytes
  EXPECT_EQ(MixColors(0x8000FF05, kWhite, 255), kBlack);  // untranslatable: black
  EXPECT_EQ(MixColors(a, b, 999), a);                     // weights clamp to 0-255
  EXPECT_EQ(MixColors(a, b, -7), b);
  // 10·200/255 + 250·55/255 = 7.84 + 53.92 = 61.76
  EXPECT_EQ(MixColors(FromRedFirst(0x0A0A0A), FromRedFirst(0xFAFAFA), 200), 0x3E3E3Eu);
}

TEST(ColorMath, DarkenToMidtoneScalesUntilBelowTheMiddle) {
  EXPECT_EQ(DarkenToMidtone(kWhite), 0x6C6C6Cu);  // 255 -> 166 -> 108
  // 10 · 0.65 = 6.5 rounds to 6, not 7.
  EXPECT_EQ(DarkenToMidtone(FromRedFirst(0xFFFF0A)), FromRedFirst(0xA6A606));
  EXPECT_EQ(DarkenToMidtone(FromRedFirst(0x7F7F80)), FromRedFirst(0x7F7F80));  // average 127
}

TEST(ColorMath, EnsureContrastKeepsColoursOnLightAndTunedBackgrounds) {
  const OleColor c = FromRedFirst(0x204060), light = FromRedFirst(0xF0F0F0);
  EXPECT_EQ(EnsureContrast(c, FromRedFirst(0x666666), light), c);  // average 102
  EXPECT_EQ(EnsureContrast(c, FromRedFirst(0x8C8C1C), light), c);
  EXPECT_EQ(EnsureContrast(c, FromRedFirst(0x1E8C1C), light), c);
  EXPECT_NE(EnsureContrast(c, FromRedFirst(0x1C8C1E), light), c);  // blue-first spelling
  EXPECT_NE(EnsureContrast(c, FromRedFirst(0x656565), light), c);  // average 101
}

TEST(ColorMath, EnsureContrastLightensOnDarkBackgroundsAndAlwaysEnds) {
  const OleColor light = FromRedFirst(0xF0F0F0), dark = 0;
  EXPECT_EQ(EnsureContrast(kBlack, dark, light), MixColors(kWhite, light, 200));
  EXPECT_EQ(EnsureContrast(FromRedFirst(0x010101), dark, light),
            MixColors(FromRedFirst(0xC0C0C0), light, 200));
  for (int grey = 0; grey <= 255; ++grey) {
    const OleColor c =
        platform::RGB(static_cast<uint8_t>(grey), 0, static_cast<uint8_t>(255 - grey));
    const OleColor lifted = LightenForDarkBackground(c);
    EXPECT_GT(ChannelAverage(lifted), 155) << grey;
    EXPECT_EQ(EnsureContrast(c, dark, light), MixColors(lifted, light, 200));
  }
  EXPECT_EQ(LightenForDarkBackground(FromRedFirst(0xC8C8C8)), FromRedFirst(0xC8C8C8));
}

TEST(ColorMath, HslWorksOnTheByteScale) {
  const Hsl hsl = RGBToHSL(212, 208, 200);
  EXPECT_DOUBLE_EQ(hsl.lightness, 206.0);
  EXPECT_DOUBLE_EQ(hsl.saturation, 12.0 / (2.0 - 412.0));  // negative above 0.5
  EXPECT_DOUBLE_EQ(hsl.hue, 40.0);
  EXPECT_DOUBLE_EQ(RGBToHSL(0, 0, 200).hue, 240.0);
  EXPECT_DOUBLE_EQ(RGBToHSL(200, 0, 100).hue, 330.0);   // negative sextant wraps
  EXPECT_DOUBLE_EQ(RGBToHSL(1, 0, 0).saturation, 1.0);  // lightness 0.5 uses the first form
  const Hsl grey = RGBToHSL(90, 90, 90);
  EXPECT_EQ(grey.saturation, 0.0);
  EXPECT_EQ(grey.hue, 0.0);
}

TEST(ColorMath, HslRoundTripsOnTheByteScale) {
  for (uint32_t rgb :
       {0x123456u, 0xFEDCBAu, 0x00FF00u, 0xD4D0C8u, 0x800080u, 0x0A246Au, 0x010203u}) {
    const double r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    const Hsl hsl = RGBToHSL(r, g, b);
    const RgbChannels back = HSLToRGB(hsl.hue, hsl.lightness, hsl.saturation);
    EXPECT_NEAR(back.red, r, 1e-9) << std::hex << rgb;
    EXPECT_NEAR(back.green, g, 1e-9) << std::hex << rgb;
    EXPECT_NEAR(back.blue, b, 1e-9) << std::hex << rgb;
  }
}

TEST(ColorMath, HueToChannelWrapsOneTurn) {
  EXPECT_DOUBLE_EQ(HueToChannel(10, 70, 400), HueToChannel(10, 70, 40));
  EXPECT_DOUBLE_EQ(HueToChannel(10, 70, -30), 10);  // 330: the low magnitude
  EXPECT_DOUBLE_EQ(HueToChannel(10, 70, 360), 10);  // not above 360: no wrap
  EXPECT_DOUBLE_EQ(HueToChannel(10, 70, 210), 40);  // falling edge
}

TEST(ColorMath, FaceTintAndPressedAccent) {
  EXPECT_EQ(TintFace(FromRedFirst(0xD4D0C8)), FromRedFirst(0xFFFDF3));
  EXPECT_EQ(TintFace(FromRedFirst(0xECE9D8)), kWhite);
  EXPECT_EQ(PressedFromAccent(FromRedFirst(0xF8B330)), FromRedFirst(0xFF7900));
  // A degenerate face (lightness 1 on the byte scale) gives no number; it packs as black.
  EXPECT_EQ(TintFace(FromRedFirst(0x020000)), 0u);
}

}  // namespace
}  // namespace wayband::test
