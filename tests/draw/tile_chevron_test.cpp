// Picture tiling (pattern brush and block copies) and the chevron glyph's pixels.
#include <gtest/gtest.h>

#include <array>

#include "draw_fixture.h"
#include "platform/color.h"
#include "render/draw/chevron_glyph.h"
#include "render/draw/color_blend.h"
#include "render/draw/tile_picture.h"

namespace wayband::test {
namespace {

using platform::ColorRef;
using platform::RGB;

const ColorRef kBackground = RGB(1, 2, 3);

// A 3 x 2 picture of six colours.
Canvas Picture() {
  Canvas picture(3, 2);
  for (int32_t y = 0; y < 2; ++y) {
    for (int32_t x = 0; x < 3; ++x)
      platform::SetPixel(
          *picture.dc(), x, y,
          RGB(static_cast<uint8_t>(40 * x + 10), 90, static_cast<uint8_t>(100 * y + 50)));
  }
  return picture;
}

int32_t Mod(int64_t value, int32_t modulus) {
  return static_cast<int32_t>(((value % modulus) + modulus) % modulus);
}

// Checks that the area (5, 4, 10 x 7) shows the picture with column (X + shiftX) mod 3 and
// row (Y + shiftY) mod 2, and that nothing outside it changed.
void ExpectTiled(Canvas& canvas, Canvas& picture, int32_t shiftX, int32_t shiftY) {
  for (int32_t y = 0; y < canvas.Height(); ++y) {
    for (int32_t x = 0; x < canvas.Width(); ++x) {
      const bool inside = x >= 5 && x < 15 && y >= 4 && y < 11;
      const ColorRef expected =
          inside ? picture.At(Mod(int64_t{x} + shiftX, 3), Mod(int64_t{y} + shiftY, 2))
                 : kBackground;
      ASSERT_EQ(canvas.At(x, y), expected) << x << "," << y;
    }
  }
}

TEST_F(DrawTest, TilingPutsThePictureCornerAtTheRectangleCorner) {
  Canvas canvas(20, 14, kBackground);
  Canvas picture = Picture();
  canvas.dc()->SetBrushOrg(platform::Point{2, 1});
  render::TilePicture(canvas.dc(), 5, 4, 10, 7, picture.dc(), 3, 2, 1, 1);  // phases unused
  ExpectTiled(canvas, picture, -5, -4);
  EXPECT_EQ(canvas.dc()->BrushOrg(), (platform::Point{2, 1}));
}

TEST_F(DrawTest, TilingOnTheFirstWindows95ReleaseCopiesBlocksFromThePhase) {
  SetVersion(platform::OsVersion{platform::PlatformId::kWindows, 4, 0, 950});
  Canvas canvas(20, 14, kBackground);
  Canvas picture = Picture();
  render::TilePicture(canvas.dc(), 5, 4, 10, 7, picture.dc(), 3, 2, 1, 0);
  ExpectTiled(canvas, picture, 1, 0);  // the first copy starts at (5 + 1) mod 3 = 0
  canvas.Fill(kBackground);
  render::TilePicture(canvas.dc(), 5, 4, 10, 7, picture.dc(), 3, 2, -5, -4);
  ExpectTiled(canvas, picture, -5, -4);  // the same picture as the brush path
}

TEST_F(DrawTest, TilingIgnoresMissingPicturesAndStaysInBounds) {
  Canvas canvas(6, 6, kBackground);
  Canvas picture = Picture();
  render::TilePicture(canvas.dc(), 0, 0, 6, 6, nullptr, 3, 2);
  render::TilePicture(canvas.dc(), 0, 0, 6, 6, picture.dc(), 0, 2);
  render::TilePicture(nullptr, 0, 0, 6, 6, picture.dc(), 3, 2);
  EXPECT_EQ(canvas.CountOther(kBackground), 0);
  for (const auto version : {platform::OsVersion{platform::PlatformId::kNT, 5, 1, 2600},
                             platform::OsVersion{platform::PlatformId::kWindows, 4, 0, 950}}) {
    SetVersion(version);
    render::TilePicture(canvas.dc(), -2000000000, -2000000000, 2100000000, 2100000000, picture.dc(),
                        3, 2, 2147483647, -2147483647);
    EXPECT_EQ(canvas.CountOther(kBackground), 36);
  }
}

// The glyph's weights as a table: rows -2 to 11 (5 to 7 empty), columns 1 to 9; 0 is
// an untouched pixel. Starred cells of the lighter shadow inks are marked below.
constexpr int kFirstRow = -2;
constexpr std::array<std::array<int, 9>, 14> kWeights = {{
    {25, 242, 152, 25, 246, 148, 21, 0, 0},
    {0, 32, 242, 139, 36, 242, 180, 25, 3},
    {0, 0, 61, 246, 177, 65, 255, 180, 16},
    {0, 28, 255, 184, 32, 213, 182, 32, 16},
    {16, 255, 189, 28, 206, 168, 28, 16, 8},
    {0, 7, 12, 16, 14, 16, 16, 12, 0},
    {0, 3, 3, 3, 0, 8, 8, 0, 0},
    {},
    {},
    {},
    {0, 16, 148, 159, 184, 193, 193, 45, 0},
    {0, 0, 16, 199, 255, 255, 57, 12, 8},
    {0, 0, 0, 20, 184, 45, 25, 7, 3},
    {0, 0, 0, 0, 7, 12, 7, 0, 0},
}};

ColorRef InkAt(int dx, int dy) {
  if (dx == 8 && dy == 3) return platform::ColorFromRrggbb(0x1A1A31);
  if ((dy == 4 && (dx == 6 || dx == 7)) || (dx == 9 && dy == 9))
    return platform::ColorFromRrggbb(0x28284B);
  if (dy == 3 || dy == 4) return RGB(16, 16, 29);  // the shadow's near-black
  return RGB(0, 0, 0);
}

TEST_F(DrawTest, ChevronLaysItsInkOverTheBackgroundByTheWeightTable) {
  // A background that differs in every pixel, so a pixel sampled from the wrong place shows.
  Canvas canvas(200, 24);
  auto backdrop = [](int32_t x, int32_t y) {
    return RGB(static_cast<uint8_t>(60 + 7 * y), static_cast<uint8_t>(250 - x),
               static_cast<uint8_t>(120 + 3 * x + y));
  };
  for (int32_t y = 0; y < 24; ++y) {
    for (int32_t x = 0; x < 200; ++x)
      platform::SetPixel(*canvas.dc(), x, y, backdrop(x, y));
  }
  // A 200-pixel strip of 3000 twips: left = (3000 − 180) div 15 = 188; X = 188 + 5 − 7, T = 4.
  render::DrawChevronGlyph(canvas.dc(), 188, 0, 200, 24);
  const int32_t X = 186;
  const int32_t T = 4;
  auto drawn = [&](int dx, int dy) {  // the expected colour of a glyph pixel
    const int weight = kWeights[static_cast<size_t>(dy - kFirstRow)][static_cast<size_t>(dx - 1)];
    ColorRef under = backdrop(X + dx, T + dy);
    const bool fromRowOne = (dy == -2 && (dx == 2 || dx == 5)) ||
                            (dy == -1 && (dx == 3 || dx == 6)) ||
                            (dy == 0 && (dx == 4 || dx == 7)) || (dy == 2 && dx == 2);
    if (fromRowOne) under = canvas.At(X + dx, T + 1);
    if (dy == 2 && dx == 3) under = canvas.At(X + 4, T + 2);
    return render::BlendColors(InkAt(dx, dy), under, weight);
  };
  int touched = 0;
  for (int32_t y = 0; y < 24; ++y) {
    for (int32_t x = 0; x < 200; ++x) {
      const int dx = x - X;
      const int dy = y - T;
      const bool inTable = dx >= 1 && dx <= 9 && dy >= kFirstRow && dy <= 11;
      const int weight =
          inTable ? kWeights[static_cast<size_t>(dy - kFirstRow)][static_cast<size_t>(dx - 1)] : 0;
      if (weight == 0) {
        ASSERT_EQ(canvas.At(x, y), backdrop(x, y)) << dx << "," << dy;
        continue;
      }
      ++touched;
      EXPECT_EQ(canvas.At(x, y), drawn(dx, dy)) << dx << "," << dy;
    }
  }
  EXPECT_EQ(touched, 74);
  // Full weight is the ink itself; the sampled pixels drew over the glyph's own row 1.
  EXPECT_EQ(canvas.At(X + 7, T), RGB(0, 0, 0));
  EXPECT_NE(canvas.At(X + 2, T - 2), render::BlendColors(0, backdrop(X + 2, T - 2), 242));
}

TEST_F(DrawTest, ChevronClipsToTheBitmap) {
  Canvas canvas(8, 8, kBackground);
  render::DrawChevronGlyph(canvas.dc(), 0, 0, 8, 20);  // X = −4, T = 0: cut on three sides
  render::DrawChevronGlyph(canvas.dc(), -2147483647, 0, 2147483647, -2147483647);
  render::DrawChevronGlyph(nullptr, 0, 0, 8, 8);
  EXPECT_GT(canvas.CountOther(kBackground), 0);
}

}  // namespace
}  // namespace wayband::test
