// FillRect with solid brushes and with pattern brushes tiled from the brush origin.
#include <gtest/gtest.h>

#include "surface.h"

namespace wayband::platform {
namespace {

using testing::Surface;

TEST(FillRectSolid, FillsTheHalfOpenRectangleWithAlphaZero) {
  Surface dst(5, 4, 32);
  dst.Fill(0xFFFFFFFF);
  ASSERT_TRUE(FillRect(*dst.dc, Rect{1, 1, 4, 3}, CreateSolidBrush(RGB(255, 0, 255))));
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 5; ++x) {
      const bool inside = x >= 1 && x < 4 && y >= 1 && y < 3;
      EXPECT_EQ(dst.At(x, y), inside ? 0x00FF00FFu : 0xFFFFFFFFu) << x << "," << y;
    }
  }
  EXPECT_TRUE(FillRect(*dst.dc, Rect{0, 0, 5, 4}, Brush{}));  // a null brush paints nothing
  EXPECT_EQ(dst.At(0, 0), 0xFFFFFFFFu);
}

TEST(FillRectSolid, MonochromeTargetsTakeTheNearestColour) {
  Surface mono(8, 1, 1);
  ASSERT_TRUE(FillRect(*mono.dc, Rect{2, 0, 6, 1}, CreateSolidBrush(RGB(0, 255, 0))));
  EXPECT_EQ(mono.bitmap->Row(0)[0], 0x3C);
}

class PatternFill : public ::testing::Test {
 protected:
  PatternFill() {
    // A 3 x 2 tile with distinct pixels, alpha bytes set.
    for (int y = 0; y < 2; ++y) {
      for (int x = 0; x < 3; ++x)
        tile->SetPixelAt(x, y, 0x80000000u | uint32_t(10 * y + x));
    }
  }
  BitmapHandle tile = Bitmap::Create(3, 2, 32);
  Surface dst{7, 5, 32};
};

TEST_F(PatternFill, TilesFromTheBrushOrigin) {
  const Brush brush = CreatePatternBrush(tile.get());
  for (const Point origin : {Point{0, 0}, Point{2, 1}, Point{-4, -3}, Point{100, 51}}) {
    dst.dc->SetBrushOrg(origin);
    ASSERT_TRUE(FillRect(*dst.dc, Rect{0, 0, 7, 5}, brush));
    for (int y = 0; y < 5; ++y) {
      for (int x = 0; x < 7; ++x) {
        const int tx = ((x - origin.x) % 3 + 3) % 3, ty = ((y - origin.y) % 2 + 2) % 2;
        ASSERT_EQ(dst.At(x, y), 0x80000000u | uint32_t(10 * ty + tx))
            << "origin " << origin.x << "," << origin.y << " pixel " << x << "," << y;
      }
    }
  }
}

TEST_F(PatternFill, TheTileSitsAtTheRectangleWhenTheOriginIsThere) {
  const Brush brush = CreatePatternBrush(tile.get());
  dst.dc->SetBrushOrg(Point{2, 3});
  ASSERT_TRUE(FillRect(*dst.dc, Rect{2, 3, 7, 5}, brush));
  EXPECT_EQ(dst.At(2, 3), 0x80000000u);
  EXPECT_EQ(dst.At(5, 4), 0x8000000Au);
  EXPECT_EQ(dst.At(1, 3), 0u);
}

TEST_F(PatternFill, MonochromePatternsUseTextAndBackgroundColours) {
  const auto bits = Bitmap::Create(2, 1, 1);
  bits->SetPixelAt(1, 0, 1);
  const Brush brush = CreatePatternBrush(bits.get());
  dst.dc->SetTextColor(RGB(1, 2, 3));
  dst.dc->SetBkColor(RGB(4, 5, 6));
  ASSERT_TRUE(FillRect(*dst.dc, Rect{0, 0, 4, 1}, brush));
  EXPECT_EQ(dst.At(0, 0), PixelFromColor(RGB(1, 2, 3)));
  EXPECT_EQ(dst.At(1, 0), PixelFromColor(RGB(4, 5, 6)));
  EXPECT_EQ(dst.At(2, 0), PixelFromColor(RGB(1, 2, 3)));
}

TEST_F(PatternFill, ColourPatternsOnOtherFormatsCarryColourOnly) {
  Surface rgb(3, 1, 24);
  ASSERT_TRUE(FillRect(*rgb.dc, Rect{0, 0, 3, 1}, CreatePatternBrush(tile.get())));
  EXPECT_EQ(rgb.At(2, 0), 2u);
  const auto rgbTile = Bitmap::Create(1, 1, 24);
  rgbTile->SetPixelAt(0, 0, 0x123456);
  ASSERT_TRUE(FillRect(*dst.dc, Rect{0, 0, 1, 1}, CreatePatternBrush(rgbTile.get())));
  EXPECT_EQ(dst.At(0, 0), 0x00123456u);
}

TEST_F(PatternFill, PatBltCombinesTheSelectedPattern) {
  dst.Fill(0x0000FFFF);
  dst.dc->SelectBrush(CreatePatternBrush(tile.get()));
  dst.dc->SetBrushOrg(Point{1, 0});
  ASSERT_TRUE(PatBlt(*dst.dc, 0, 0, 2, 1, PATINVERT));
  EXPECT_EQ(dst.At(0, 0), 0x0000FFFFu ^ 0x80000002u);
  EXPECT_EQ(dst.At(1, 0), 0x0000FFFFu ^ 0x80000000u);
}

}  // namespace
}  // namespace wayband::platform
