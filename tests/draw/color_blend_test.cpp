// The integer colour blend and the lightness darkening.
#include <gtest/gtest.h>

#include "draw_fixture.h"
#include "platform/system_colors.h"
#include "render/draw/color_blend.h"

namespace wayband::test {
namespace {

using platform::ColorFromRrggbb;
using render::BlendColors;
using render::DarkenLightness;

struct BlendCase {
  uint32_t a, b;
  int weight;
  bool swap;
  uint32_t expected;  // red first
};

class Blend : public DrawTest, public ::testing::WithParamInterface<BlendCase> {};

TEST_P(Blend, TruncatesEachProductSeparately) {
  const BlendCase& c = GetParam();
  EXPECT_EQ(BlendColors(ColorFromRrggbb(c.a), ColorFromRrggbb(c.b), c.weight, c.swap),
            ColorFromRrggbb(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Blend,
    ::testing::Values(BlendCase{0xFFFFFF, 0x000000, 128, false, 0x808080},
                      BlendCase{0x000000, 0xFFFFFF, 128, false, 0x7F7F7F},
                      // 1·128 div 255 + 1·127 div 255 = 0: two truncations lose the unit.
                      BlendCase{0x010101, 0x010101, 128, false, 0x000000},
                      BlendCase{0x123456, 0xABCDEF, 255, false, 0x123456},
                      BlendCase{0x123456, 0xABCDEF, 0, false, 0xABCDEF},
                      BlendCase{0x123456, 0xABCDEF, 255, true, 0xABCDEF},
                      BlendCase{0x123456, 0xABCDEF, 300, false, 0x123456},  // clamped
                      BlendCase{0x123456, 0xABCDEF, -5, false, 0xABCDEF}));

TEST_F(DrawTest, BlendSwapExchangesTheColours) {
  const uint32_t a = ColorFromRrggbb(0x3366CC);
  const uint32_t b = ColorFromRrggbb(0xF0E010);
  EXPECT_EQ(BlendColors(a, b, 24, true), BlendColors(b, a, 24, false));
}

TEST_F(DrawTest, BlendTranslatesSystemColoursAndPaintsUntranslatableOnesWhite) {
  const uint32_t face = platform::GetSysColor(platform::COLOR_BTNFACE);
  EXPECT_EQ(BlendColors(platform::SysColorRef(platform::COLOR_BTNFACE), 0, 255), face);
  EXPECT_EQ(BlendColors(0x7F000000u, 0, 255), ColorFromRrggbb(0xFFFFFF));
  EXPECT_EQ(BlendColors(0xFFFFFFFFu, 0x80000063u, 128), ColorFromRrggbb(0xFFFFFF));
}

TEST_F(DrawTest, DarkenLightnessKeepsHueAndSaturation) {
  EXPECT_EQ(DarkenLightness(ColorFromRrggbb(0xFFFFFF)), ColorFromRrggbb(0xCCCCCC));
  EXPECT_EQ(DarkenLightness(ColorFromRrggbb(0x000000)), ColorFromRrggbb(0x000000));
  // Pure red: lightness 0.5 → 0.4, saturation 1: red 0.8·255 = 204.
  EXPECT_EQ(DarkenLightness(ColorFromRrggbb(0xFF0000)), ColorFromRrggbb(0xCC0000));
  // A light orange (lightness above one half): FFC06F, hue 33.75°, s 1, l 0.7176 → 0.5741.
  EXPECT_EQ(DarkenLightness(ColorFromRrggbb(0xFFC06F)), ColorFromRrggbb(0xFFA026));
  // Grey 808080: lightness 128/255 · 0.8 · 255 = 102.4 → 102.
  EXPECT_EQ(DarkenLightness(ColorFromRrggbb(0x808080)), ColorFromRrggbb(0x666666));
}

}  // namespace
}  // namespace wayband::test
