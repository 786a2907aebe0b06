// Colours and fills: the integer colour blend, the lightness darkening, and gradients
// through the primitive, through one-pixel bands and as flat fills, in bounds for huge
// rectangles.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "draw_fixture.h"
#include "platform/system_colors.h"
#include "render/draw/color_blend.h"
#include "render/draw/gradient.h"

namespace wayband::test {
namespace {

using platform::ColorFromRrggbb;
using platform::Rect;

const platform::ColorRef kTop = ColorFromRrggbb(0xFFFFFF);
const platform::ColorRef kBottom = ColorFromRrggbb(0x204060);
const platform::ColorRef kBackground = platform::RGB(1, 2, 3);

// Rows (or columns) of the canvas, each checked to be one colour; returns their colours.
std::vector<platform::ColorRef> Bands(const Canvas& canvas, bool vertical) {
  std::vector<platform::ColorRef> bands;
  const int32_t count = vertical ? canvas.Height() : canvas.Width();
  const int32_t across = vertical ? canvas.Width() : canvas.Height();
  for (int32_t i = 0; i < count; ++i) {
    const platform::ColorRef first = vertical ? canvas.At(0, i) : canvas.At(i, 0);
    for (int32_t j = 0; j < across; ++j)
      EXPECT_EQ(vertical ? canvas.At(j, i) : canvas.At(i, j), first) << i << "," << j;
    bands.push_back(first);
  }
  return bands;
}

class GradientPaths : public DrawTest, public ::testing::WithParamInterface<bool> {};

// Bands: rows top..bottom inclusive, weight round((1 − offset/H) · 255), one row past the
// rectangle. The primitive: exactly the rectangle's rows, (c1·(H − p) + c2·p) / H.
TEST_P(GradientPaths, VerticalRowsOfAHeightTenRectangle) {
  const bool bands = GetParam();
  SetGradientPrimitive(!bands);
  Canvas canvas(4, 16, kBackground);
  render::FillGradientRect(canvas.dc(), Rect{0, 2, 4, 12}, kTop, kBottom, true);
  const auto rows = Bands(canvas, true);
  EXPECT_EQ(rows[1], kBackground);
  EXPECT_EQ(rows[2], kTop);
  if (bands) {
    EXPECT_EQ(rows[7], render::BlendColors(kTop, kBottom, 128));
    EXPECT_EQ(rows[12], kBottom);  // the eleventh row, below the rectangle
    // Single precision: 1 − 0.1 gives 229.5 → 230 and 1 − 0.7 gives exactly 76.5 → 76,
    // where double precision would give 77.
    const int weights[] = {255, 230, 204, 178, 153, 128, 102, 76, 51, 26, 0};
    for (int32_t p = 0; p <= 10; ++p)
      EXPECT_EQ(rows[2 + p], render::BlendColors(kTop, kBottom, weights[p])) << p;
  } else {
    EXPECT_EQ(rows[12], kBackground);
    // 16-bit channels interpolated per row and cut to their high byte: FF·(10 − p) + 20·p
    // over ten for red gives E8 in row 1, where rounding would give E9.
    EXPECT_EQ(rows[3], ColorFromRrggbb(0xE8EBEF));
    EXPECT_EQ(rows[11], ColorFromRrggbb(0x36536F));
  }
  EXPECT_EQ(rows[13], kBackground);
}

TEST_P(GradientPaths, HorizontalRunsLeftToRight) {
  SetGradientPrimitive(!GetParam());
  Canvas canvas(12, 3, kBackground);
  render::FillGradient(canvas.dc(), kTop, kBottom, 1, 0, 10, 3, true);
  const auto columns = Bands(canvas, false);
  EXPECT_EQ(columns[0], kBackground);
  EXPECT_EQ(columns[1], kTop);
  EXPECT_EQ(columns[11], GetParam() ? kBottom : kBackground);
  for (int32_t x = 2; x <= 10; ++x)  // strictly darker towards the right: each channel falls
    EXPECT_LT(platform::GetRValue(columns[x]), platform::GetRValue(columns[x - 1])) << x;
}

INSTANTIATE_TEST_SUITE_P(BandsAndPrimitive, GradientPaths, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Bands" : "Primitive"; });

TEST_F(DrawTest, GradientTranslatesSystemColoursIsFlatForEqualColoursAndOnLowColourDisplays) {
  Canvas canvas(5, 8, kBackground);
  render::FillGradient(canvas.dc(), platform::SysColorRef(platform::COLOR_BTNFACE), kBottom, 0, 0,
                       2, 6, false);
  EXPECT_EQ(canvas.At(0, 0), platform::GetSysColor(platform::COLOR_BTNFACE));
  render::FillGradient(canvas.dc(), kBottom, kBottom, 0, 0, 5, 8, false);
  EXPECT_EQ(canvas.CountOther(kBottom), 0);
  SetColorDepth(8);
  for (bool bands : {false, true}) {
    SetGradientPrimitive(!bands);
    render::FillGradient(canvas.dc(), kTop, kBottom, 0, 0, 5, 8, false);
    EXPECT_EQ(canvas.CountOther(kTop), 0);
    render::FillGradientRect(canvas.dc(), Rect{0, 0, 5, 8}, kBottom, kTop, true);
    EXPECT_EQ(canvas.CountOther(kBottom), 0);
  }
}

TEST_F(DrawTest, GradientBandsStayCheapAndInBoundsForHugeRectangles) {
  SetGradientPrimitive(false);
  Canvas canvas(3, 3, kBackground);
  render::FillGradientRect(canvas.dc(), Rect{-2000000000, -2000000000, 2000000000, 2000000000},
                           kTop, kBottom, true);
  render::FillGradient(canvas.dc(), kTop, kBottom, 2147483000, 0, 2147483000, 5, true);
  render::FillGradient(nullptr, kTop, kBottom, 0, 0, 5, 5, true);
  EXPECT_EQ(canvas.At(1, 1), canvas.At(0, 1));  // rows are one colour
  EXPECT_NE(canvas.At(1, 1), kBackground);
}

using render::BlendColors;

TEST_F(DrawTest, BlendTruncatesEachProductSeparatelyAndTranslatesItsColours) {
  const uint32_t face = platform::SysColorRef(platform::COLOR_BTNFACE);
  const struct {
    uint32_t a, b;  // red first, or system colour references
    int weight;
    bool swap;
    uint32_t expected;
  } cases[] = {
      // clang-format off
      {0xFFFFFF, 0x000000, 128, false, 0x808080}, {0x000000, 0xFFFFFF, 128, false, 0x7F7F7F},
      // 1·128 div 255 + 1·127 div 255 = 0: two truncations lose the unit.
      {0x010101, 0x010101, 128, false, 0x000000},
      {0x123456, 0xABCDEF, 255, false, 0x123456}, {0x123456, 0xABCDEF, 255, true, 0xABCDEF},
      {0x123456, 0xABCDEF, 300, false, 0x123456}, {0x123456, 0xABCDEF, -5, false, 0xABCDEF},
      // Untranslatable colours are painted white.
      {0x7F000000, 0, 255, false, 0xFFFFFF}, {0xFFFFFFFF, 0x80000063, 128, false, 0xFFFFFF},
      // clang-format on
  };
  const auto colour = [](uint32_t c) { return c >= 0x01000000 ? c : ColorFromRrggbb(c); };
  for (const auto& c : cases) {
    EXPECT_EQ(BlendColors(colour(c.a), colour(c.b), c.weight, c.swap), ColorFromRrggbb(c.expected))
        << std::hex << c.a << " " << c.b << " " << std::dec << c.weight;
  }
  EXPECT_EQ(BlendColors(face, 0, 255), platform::GetSysColor(platform::COLOR_BTNFACE));
}

TEST_F(DrawTest, DarkenLightnessKeepsHueAndSaturation) {
  // Pure red: lightness 0.5 → 0.4, saturation 1: red 0.8·255 = 204. A light orange
  // (lightness above one half): hue 33.75°, s 1, l 0.7176 → 0.5741. Grey 808080: lightness
  // 128/255 · 0.8 · 255 = 102.4 → 102.
  for (const auto& [in, out] : {std::pair{0xFFFFFFu, 0xCCCCCCu},
                                {0x000000u, 0x000000u},
                                {0xFF0000u, 0xCC0000u},
                                {0xFFC06Fu, 0xFFA026u},
                                {0x808080u, 0x666666u}})
    EXPECT_EQ(render::DarkenLightness(ColorFromRrggbb(in)), ColorFromRrggbb(out)) << std::hex << in;
}

}  // namespace
}  // namespace wayband::test
