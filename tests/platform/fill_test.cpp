// FillRect with solid brushes and with pattern brushes tiled from the brush origin, and
// GradientFill rectangles: per-pixel colours, alpha bytes, clipping and bad input.
#include <gtest/gtest.h>

#include "surface.h"

namespace wayband::platform {
namespace {

using testing::Surface;

TEST(FillRect, SolidBrushesFillTheHalfOpenRectangleWithAlphaZero) {
  Surface dst(5, 4, 32), mono(8, 1, 1);
  dst.Fill(0xFFFFFFFF);
  ASSERT_TRUE(FillRect(*dst.dc, Rect{1, 1, 4, 3}, CreateSolidBrush(RGB(255, 0, 255))));
  EXPECT_TRUE(FillRect(*dst.dc, Rect{0, 0, 5, 4}, Brush{}));  // a null brush paints nothing
  EXPECT_TRUE(dst.Matches(
      [](int x, int y) { return x >= 1 && x < 4 && y >= 1 && y < 3 ? 0x00FF00FFu : 0xFFFFFFFFu; }));
  // Monochrome targets take the nearest colour.
  ASSERT_TRUE(FillRect(*mono.dc, Rect{2, 0, 6, 1}, CreateSolidBrush(RGB(0, 255, 0))));
  EXPECT_EQ(mono.Byte0(), 0x3C);
}

class PatternFill : public ::testing::Test {
 protected:
  static uint32_t TileValue(int tx, int ty) { return 0x80000000u | uint32_t(10 * ty + tx); }
  PatternFill() {
    for (int y = 0; y < 2; ++y) {
      for (int x = 0; x < 3; ++x)
        tile->SetPixelAt(x, y, TileValue(x, y));
    }
  }
  BitmapHandle tile = Bitmap::Create(3, 2, 32);  // distinct pixels, alpha bytes set
  Surface dst{7, 5, 32};
};

TEST_F(PatternFill, TilesFromTheBrushOriginWhereverItIs) {
  const Brush brush = CreatePatternBrush(tile.get());
  for (const Point origin : {Point{0, 0}, Point{2, 1}, Point{-4, -3}, Point{100, 51}}) {
    dst.dc->SetBrushOrg(origin);
    ASSERT_TRUE(FillRect(*dst.dc, Rect{0, 0, 7, 5}, brush));
    EXPECT_TRUE(dst.Matches([&](int x, int y) {
      return TileValue(((x - origin.x) % 3 + 3) % 3, ((y - origin.y) % 2 + 2) % 2);
    })) << "origin "
        << origin.x << "," << origin.y;
  }
  // PatBlt combines the selected pattern the same way.
  dst.Fill(0x0000FFFF);
  dst.dc->SelectBrush(brush);
  dst.dc->SetBrushOrg(Point{1, 0});
  ASSERT_TRUE(PatBlt(*dst.dc, 0, 0, 2, 1, PATINVERT));
  EXPECT_EQ(dst.At(0, 0), 0x0000FFFFu ^ TileValue(2, 0));
  EXPECT_EQ(dst.At(1, 0), 0x0000FFFFu ^ TileValue(0, 0));
}

TEST_F(PatternFill, MonochromePatternsUseTextAndBackgroundColoursAndOthersCarryColourOnly) {
  const auto bits = Bitmap::Create(2, 1, 1);
  bits->SetPixelAt(1, 0, 1);
  dst.dc->SetTextColor(RGB(1, 2, 3));
  dst.dc->SetBkColor(RGB(4, 5, 6));
  ASSERT_TRUE(FillRect(*dst.dc, Rect{0, 0, 4, 1}, CreatePatternBrush(bits.get())));
  for (int x = 0; x < 4; ++x)
    EXPECT_EQ(dst.At(x, 0), PixelFromColor(x % 2 ? RGB(4, 5, 6) : RGB(1, 2, 3))) << x;
  Surface rgb(3, 1, 24);
  ASSERT_TRUE(FillRect(*rgb.dc, Rect{0, 0, 3, 1}, CreatePatternBrush(tile.get())));
  EXPECT_EQ(rgb.At(2, 0), 2u);
  const auto rgbTile = Bitmap::Create(1, 1, 24);
  rgbTile->SetPixelAt(0, 0, 0x123456);
  ASSERT_TRUE(FillRect(*dst.dc, Rect{0, 0, 1, 1}, CreatePatternBrush(rgbTile.get())));
  EXPECT_EQ(dst.At(0, 0), 0x00123456u);
}

TriVertex Vertex(int32_t x, int32_t y, uint8_t r, uint8_t g, uint8_t b, uint8_t a = 0) {
  return TriVertex{x, y, uint16_t(r << 8), uint16_t(g << 8), uint16_t(b << 8), uint16_t(a << 8)};
}

constexpr GradientRect kFirst{0, 1};
constexpr GradientMode kH = GradientMode::GRADIENT_FILL_RECT_H;
constexpr GradientMode kV = GradientMode::GRADIENT_FILL_RECT_V;

TEST(GradientFill, HorizontalRampsKeepTheirColoursWithTheirVerticesInAnyOrder) {
  Surface forward(4, 2, 32), backward(4, 2, 32), mono(4, 1, 1);
  const TriVertex vertices[] = {Vertex(0, 0, 255, 0, 0), Vertex(4, 2, 0, 0, 255)};
  const TriVertex swapped[] = {vertices[1], vertices[0]};
  ASSERT_TRUE(GradientFill(*forward.dc, vertices, {&kFirst, 1}, kH));
  ASSERT_TRUE(GradientFill(*backward.dc, swapped, {&kFirst, 1}, kH));
  const uint32_t expected[] = {0x00FF0000, 0x00BF003F, 0x007F007F, 0x003F00BF};
  EXPECT_TRUE(forward.Matches([&](int x, int) { return expected[x]; }));
  EXPECT_TRUE(backward.Matches([&](int x, int) { return expected[x]; }));
  // Monochrome targets take the nearest colour per pixel: 0, 63, 127 black; 191 white.
  const TriVertex grey[] = {Vertex(0, 0, 0, 0, 0), Vertex(4, 1, 255, 255, 255)};
  ASSERT_TRUE(GradientFill(*mono.dc, grey, {&kFirst, 1}, kH));
  EXPECT_EQ(mono.Byte0() & 0xF0, 0x10);
}

TEST(GradientFill, ClippedRectanglesKeepTheirRamp) {
  Surface whole(8, 1, 32), clipped(4, 1, 32), rgb(4, 1, 24);
  const TriVertex vertices[] = {Vertex(-4, 0, 0, 0, 0, 0), Vertex(4, 1, 255, 255, 255, 255)};
  const TriVertex shifted[] = {Vertex(0, 0, 0, 0, 0, 0), Vertex(8, 1, 255, 255, 255, 255)};
  ASSERT_TRUE(GradientFill(*clipped.dc, vertices, {&kFirst, 1}, kH));
  ASSERT_TRUE(GradientFill(*rgb.dc, vertices, {&kFirst, 1}, kH));
  ASSERT_TRUE(GradientFill(*whole.dc, shifted, {&kFirst, 1}, kH));
  EXPECT_TRUE(clipped.Matches([&](int x, int) { return whole.At(x + 4, 0); }));
  EXPECT_TRUE(rgb.Matches([&](int x, int) { return whole.At(x + 4, 0) & 0xFFFFFF; }));
  const TriVertex huge[] = {Vertex(INT32_MIN, INT32_MIN, 0, 0, 0),
                            Vertex(INT32_MAX, INT32_MAX, 255, 255, 255)};
  EXPECT_TRUE(GradientFill(*whole.dc, huge, {&kFirst, 1}, kV));
  EXPECT_EQ(whole.At(0, 0), 0x007F7F7Fu);  // the middle of the ramp
}

TEST(GradientFill, BadIndicesModesAndContextsDrawNothing) {
  Surface dst(2, 2, 32);
  const TriVertex vertices[] = {Vertex(0, 0, 9, 9, 9), Vertex(2, 2, 9, 9, 9)};
  const GradientRect rects[] = {{0, 1}, {0, 2}};
  EXPECT_FALSE(GradientFill(*dst.dc, vertices, rects, kH));
  EXPECT_FALSE(GradientFill(*dst.dc, vertices, {rects, 1}, GradientMode{2}));
  EXPECT_FALSE(GradientFill(DrawingContext::Screen(), vertices, {rects, 1}, kH));
  const GradientRect flat{0, 0};  // a rectangle of no area
  EXPECT_TRUE(GradientFill(*dst.dc, vertices, {&flat, 1}, kV));
  EXPECT_EQ(dst.Differing(0), 0);
}

}  // namespace
}  // namespace wayband::platform
