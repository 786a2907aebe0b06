// GradientFill rectangles: per-pixel colours, alpha bytes, clipping and bad input.
#include <gtest/gtest.h>

#include "surface.h"

namespace wayband::platform {
namespace {

using testing::Surface;

TriVertex Vertex(int32_t x, int32_t y, uint8_t r, uint8_t g, uint8_t b, uint8_t a = 0) {
  return TriVertex{x, y, uint16_t(r << 8), uint16_t(g << 8), uint16_t(b << 8), uint16_t(a << 8)};
}

constexpr GradientRect kFirstRect{0, 1};

TEST(GradientFillRows, VerticalRunsFromTopColourTowardsBottomColour) {
  Surface dst(3, 10, 32);
  const TriVertex vertices[] = {Vertex(0, 0, 0, 100, 255, 255), Vertex(3, 10, 200, 100, 0, 0)};
  ASSERT_TRUE(
      GradientFill(*dst.dc, vertices, {&kFirstRect, 1}, GradientMode::GRADIENT_FILL_RECT_V));
  for (int y = 0; y < 10; ++y) {
    // Per 16-bit channel (top * (10 - y) + bottom * y) / 10, high byte shown.
    const uint32_t red = (200 * 256 * y / 10) >> 8;
    const uint32_t blue = (255 * 256 * (10 - y) / 10) >> 8;
    const uint32_t expected = (blue << 24) | (red << 16) | (100u << 8) | blue;
    for (int x = 0; x < 3; ++x)
      ASSERT_EQ(dst.At(x, y), expected) << y;
  }
  EXPECT_EQ(dst.At(0, 0), 0xFF0064FFu);  // the first row is exactly the top colour
}

TEST(GradientFillRows, HorizontalRunsFromLeftColour) {
  Surface dst(4, 2, 32);
  const TriVertex vertices[] = {Vertex(0, 0, 255, 0, 0), Vertex(4, 2, 0, 0, 255)};
  ASSERT_TRUE(
      GradientFill(*dst.dc, vertices, {&kFirstRect, 1}, GradientMode::GRADIENT_FILL_RECT_H));
  const uint32_t expected[] = {0x00FF0000, 0x00BF003F, 0x007F007F, 0x003F00BF};
  for (int x = 0; x < 4; ++x) {
    EXPECT_EQ(dst.At(x, 0), expected[x]) << x;
    EXPECT_EQ(dst.At(x, 1), expected[x]) << x;
  }
}

TEST(GradientFillRows, ColoursStayWithTheirVerticesWhenSwapped) {
  Surface a(4, 1, 32), b(4, 1, 32);
  const TriVertex forward[] = {Vertex(0, 0, 255, 0, 0), Vertex(4, 1, 0, 0, 255)};
  const TriVertex backward[] = {Vertex(4, 1, 0, 0, 255), Vertex(0, 0, 255, 0, 0)};
  ASSERT_TRUE(GradientFill(*a.dc, forward, {&kFirstRect, 1}, GradientMode::GRADIENT_FILL_RECT_H));
  ASSERT_TRUE(GradientFill(*b.dc, backward, {&kFirstRect, 1}, GradientMode::GRADIENT_FILL_RECT_H));
  for (int x = 0; x < 4; ++x)
    EXPECT_EQ(a.At(x, 0), b.At(x, 0));
}

TEST(GradientFillClipping, ClippedRectanglesKeepTheirRamp) {
  Surface whole(8, 1, 32), clipped(4, 1, 32), rgb(4, 1, 24);
  const TriVertex vertices[] = {Vertex(-4, 0, 0, 0, 0, 0), Vertex(4, 1, 255, 255, 255, 255)};
  const TriVertex shifted[] = {Vertex(0, 0, 0, 0, 0, 0), Vertex(8, 1, 255, 255, 255, 255)};
  for (Surface* s : {&clipped, &rgb}) {
    ASSERT_TRUE(
        GradientFill(*s->dc, vertices, {&kFirstRect, 1}, GradientMode::GRADIENT_FILL_RECT_H));
  }
  ASSERT_TRUE(
      GradientFill(*whole.dc, shifted, {&kFirstRect, 1}, GradientMode::GRADIENT_FILL_RECT_H));
  for (int x = 0; x < 4; ++x) {
    EXPECT_EQ(clipped.At(x, 0), whole.At(x + 4, 0));
    EXPECT_EQ(rgb.At(x, 0), whole.At(x + 4, 0) & 0xFFFFFF);
  }
  const TriVertex huge[] = {Vertex(INT32_MIN, INT32_MIN, 0, 0, 0),
                            Vertex(INT32_MAX, INT32_MAX, 255, 255, 255)};
  EXPECT_TRUE(GradientFill(*whole.dc, huge, {&kFirstRect, 1}, GradientMode::GRADIENT_FILL_RECT_V));
  EXPECT_EQ(whole.At(0, 0), 0x007F7F7Fu);  // the middle of the ramp
}

TEST(GradientFillArguments, BadIndicesModesAndContextsDrawNothing) {
  Surface dst(2, 2, 32);
  const TriVertex vertices[] = {Vertex(0, 0, 9, 9, 9), Vertex(2, 2, 9, 9, 9)};
  const GradientRect rects[] = {{0, 1}, {0, 2}};
  EXPECT_FALSE(GradientFill(*dst.dc, vertices, rects, GradientMode::GRADIENT_FILL_RECT_H));
  EXPECT_FALSE(GradientFill(*dst.dc, vertices, {rects, 1}, GradientMode{2}));
  EXPECT_FALSE(GradientFill(DrawingContext::Screen(), vertices, {rects, 1},
                            GradientMode::GRADIENT_FILL_RECT_H));
  EXPECT_EQ(dst.Differing(0), 0);
  const GradientRect flat{0, 0};  // a rectangle of no area
  EXPECT_TRUE(GradientFill(*dst.dc, vertices, {&flat, 1}, GradientMode::GRADIENT_FILL_RECT_V));
  EXPECT_EQ(dst.Differing(0), 0);
}

TEST(GradientFillMonochrome, UsesTheNearestColourPerPixel) {
  Surface mono(4, 1, 1);
  const TriVertex vertices[] = {Vertex(0, 0, 0, 0, 0), Vertex(4, 1, 255, 255, 255)};
  ASSERT_TRUE(
      GradientFill(*mono.dc, vertices, {&kFirstRect, 1}, GradientMode::GRADIENT_FILL_RECT_H));
  EXPECT_EQ(mono.bitmap->Row(0)[0] & 0xF0, 0x10);  // 0, 63, 127 black; 191 white
}

}  // namespace
}  // namespace wayband::platform
