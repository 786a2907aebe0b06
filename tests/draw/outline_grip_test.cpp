// One-pixel outlines and the splitter grip.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "draw_fixture.h"
#include "platform/system_colors.h"
#include "render/draw/grip.h"
#include "render/draw/outline.h"

namespace wayband::test {
namespace {

using platform::ColorFromRrggbb;
using platform::Rect;

const platform::ColorRef kBackground = platform::RGB(200, 200, 200);
const platform::ColorRef kInk = ColorFromRrggbb(0x3366CC);

std::set<std::pair<int32_t, int32_t>> InkedPixels(const Canvas& canvas) {
  std::set<std::pair<int32_t, int32_t>> inked;
  for (int32_t y = 0; y < canvas.Height(); ++y) {
    for (int32_t x = 0; x < canvas.Width(); ++x) {
      if (canvas.At(x, y) != kBackground) inked.insert({x, y});
    }
  }
  return inked;
}

TEST_F(DrawTest, OutlineSetsTheBorderPixelsOfItsRectangle) {
  Canvas canvas(8, 8, kBackground);
  render::DrawRectOutline(canvas.dc(), kInk, 0, 0, 3, 3);
  const std::set<std::pair<int32_t, int32_t>> border = {{0, 0}, {1, 0}, {2, 0}, {0, 1},
                                                        {2, 1}, {0, 2}, {1, 2}, {2, 2}};
  EXPECT_EQ(InkedPixels(canvas), border);
  EXPECT_EQ(canvas.At(0, 0), kInk);

  canvas.Fill(kBackground);
  render::DrawRectOutline(canvas.dc(), kInk, 2, 3, 5, 4);  // outer size exactly 5 x 4
  const auto inked = InkedPixels(canvas);
  EXPECT_EQ(inked.size(), 14u);
  EXPECT_EQ(*inked.begin(), std::make_pair(2, 3));
  EXPECT_EQ(*inked.rbegin(), std::make_pair(6, 6));

  canvas.Fill(kBackground);
  render::DrawRectOutline(canvas.dc(), kInk, 4, 4, 1, 1);
  EXPECT_TRUE(InkedPixels(canvas).empty());
}

TEST_F(DrawTest, OutlineRestoresThePenAndTranslatesItsColour) {
  Canvas canvas(4, 4, kBackground);
  canvas.dc()->SelectPen(platform::CreatePen(kBackground));
  render::DrawRectOutline(canvas.dc(), platform::SysColorRef(platform::COLOR_HIGHLIGHT), 0, 0, 4,
                          4);
  EXPECT_EQ(canvas.At(3, 3), platform::GetSysColor(platform::COLOR_HIGHLIGHT));
  EXPECT_EQ(canvas.dc()->pen().color, kBackground);
  render::DrawRectOutline(nullptr, kInk, 0, 0, 4, 4);
  render::DrawRectOutline(canvas.dc(), kInk, 2147483600, -2147483600, 2000, 2000);
}

TEST_F(DrawTest, GripDotsStartFromTheTargetOrigin) {
  Canvas canvas(100, 8, kBackground);
  // A rectangle whose left is not 0: the dots still count from the target's origin.
  render::DrawGrip(canvas.dc(), Rect{10, 0, 110, 8}, render::kSplitterGripDots);
  const platform::ColorRef dark = ColorFromRrggbb(0x293042);
  const platform::ColorRef centre = ColorFromRrggbb(0x63759C);
  const platform::ColorRef light = ColorFromRrggbb(0xFFFFFF);
  // x0 = round(50 − 22.5) = 28 (half to even), y0 = round(4 − 2) = 2.
  for (int32_t k = 0; k < render::kSplitterGripDots; ++k) {
    const int32_t x = 28 + 5 * k;
    EXPECT_EQ(canvas.At(x, 2), dark) << k;
    EXPECT_EQ(canvas.At(x + 1, 2), dark);
    EXPECT_EQ(canvas.At(x, 3), dark);
    EXPECT_EQ(canvas.At(x + 1, 3), centre);
    EXPECT_EQ(canvas.At(x + 2, 3), light);
    EXPECT_EQ(canvas.At(x + 1, 4), light);
    EXPECT_EQ(canvas.At(x + 2, 4), light);
    EXPECT_EQ(canvas.At(x + 2, 2), kBackground);
    EXPECT_EQ(canvas.At(x, 4), kBackground);
  }
  EXPECT_EQ(InkedPixels(canvas).size(), 7u * render::kSplitterGripDots);
  EXPECT_EQ(canvas.At(27, 2), kBackground);
  EXPECT_EQ(canvas.At(28 + 45, 2), kBackground);  // a grip 45 pixels wide
}

TEST_F(DrawTest, GripRoundsHalvesToEvenAndClipsFarDots) {
  Canvas canvas(20, 7, kBackground);
  // w = 20, n = 3: 10 − 7.5 = 2.5 → 2; h = 7: 3.5 − 2 = 1.5 → 2.
  render::DrawGrip(canvas.dc(), Rect{0, 0, 20, 7}, 3);
  EXPECT_EQ(*InkedPixels(canvas).begin(), std::make_pair(2, 2));
  canvas.Fill(kBackground);
  render::DrawGrip(canvas.dc(), Rect{0, 0, 20, 7}, 2147483647);
  render::DrawGrip(canvas.dc(), Rect{0, 0, 20, 7}, -3);
  render::DrawGrip(nullptr, Rect{0, 0, 20, 7}, 3);
  EXPECT_FALSE(InkedPixels(canvas).empty());  // the huge grip covers the strip, clipped
}

}  // namespace
}  // namespace wayband::test
