// Pixel primitives: one-pixel outlines, the splitter grip, picture tiling (pattern brush
// and block copies) and where the chevron glyph lays its ink.
#include <gtest/gtest.h>

#include "draw_fixture.h"
#include "platform/color.h"
#include "platform/system_colors.h"
#include "render/draw/chevron_glyph.h"
#include "render/draw/color_blend.h"
#include "render/draw/grip.h"
#include "render/draw/outline.h"
#include "render/draw/tile_picture.h"

namespace wayband::test {
namespace {

using platform::ColorRef;
using platform::OsVersion;
using platform::PlatformId;
using platform::Rect;
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

// The area (5, 4, 10 x 7) shows the picture with column (X + shiftX) mod 3 and row
// (Y + shiftY) mod 2, and nothing outside it changed.
void ExpectTiled(Canvas& canvas, Canvas& picture, int32_t shiftX, int32_t shiftY) {
  const auto mod = [](int64_t v, int32_t m) { return static_cast<int32_t>(((v % m) + m) % m); };
  for (int32_t y = 0; y < canvas.Height(); ++y) {
    for (int32_t x = 0; x < canvas.Width(); ++x) {
      const bool inside = x >= 5 && x < 15 && y >= 4 && y < 11;
      const ColorRef expected =
          inside ? picture.At(mod(int64_t{x} + shiftX, 3), mod(int64_t{y} + shiftY, 2))
                 : kBackground;
      ASSERT_EQ(canvas.At(x, y), expected) << x << "," << y;
    }
  }
}

TEST_F(DrawTest, TilingStartsThePictureAtTheRectangleOrAtThePhase) {
  Canvas canvas(20, 14, kBackground);
  Canvas picture = Picture();
  // The pattern brush: the corner at the rectangle's corner, the phases unused, the
  // target's brush origin put back.
  canvas.dc()->SetBrushOrg(platform::Point{2, 1});
  render::TilePicture(canvas.dc(), 5, 4, 10, 7, picture.dc(), 3, 2, 1, 1);
  ExpectTiled(canvas, picture, -5, -4);
  EXPECT_EQ(canvas.dc()->BrushOrg(), (platform::Point{2, 1}));
  // The first release of Windows 95 copies blocks from the phase: (5 + 1) mod 3 = 0 first.
  SetVersion(OsVersion{PlatformId::kWindows, 4, 0, 950});
  canvas.Fill(kBackground);
  render::TilePicture(canvas.dc(), 5, 4, 10, 7, picture.dc(), 3, 2, 1, 0);
  ExpectTiled(canvas, picture, 1, 0);
}

TEST_F(DrawTest, TilingIgnoresMissingPicturesAndStaysInBounds) {
  Canvas canvas(6, 6, kBackground);
  Canvas picture = Picture();
  render::TilePicture(canvas.dc(), 0, 0, 6, 6, nullptr, 3, 2);
  render::TilePicture(canvas.dc(), 0, 0, 6, 6, picture.dc(), 0, 2);
  render::TilePicture(nullptr, 0, 0, 6, 6, picture.dc(), 3, 2);
  EXPECT_EQ(canvas.CountOther(kBackground), 0);
  for (const auto version :
       {OsVersion{PlatformId::kNT, 5, 1, 2600}, OsVersion{PlatformId::kWindows, 4, 0, 950}}) {
    SetVersion(version);
    render::TilePicture(canvas.dc(), -2000000000, -2000000000, 2100000000, 2100000000, picture.dc(),
                        3, 2, 2147483647, -2147483647);
    EXPECT_EQ(canvas.CountOther(kBackground), 36);
  }
}

TEST_F(DrawTest, ChevronLaysItsInkInItsBoxOverTheBackgroundAndClips) {
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
  int touched = 0;
  for (int32_t y = 0; y < 24; ++y) {
    for (int32_t x = 0; x < 200; ++x) {
      if (canvas.At(x, y) == backdrop(x, y)) continue;
      ++touched;
      // Columns 1 to 9 of the glyph's rows -2 to 4 (chevron and shadow) and 8 to 11.
      const int dx = x - X, dy = y - T;
      EXPECT_TRUE(dx >= 1 && dx <= 9 && dy >= -2 && dy <= 11 && (dy <= 4 || dy >= 8))
          << dx << "," << dy;
    }
  }
  EXPECT_EQ(touched, 74);
  // Full weight is the ink itself; the upper edge drew over the glyph's own row 1.
  EXPECT_EQ(canvas.At(X + 7, T), RGB(0, 0, 0));
  EXPECT_EQ(canvas.At(X + 7, T + 1), render::BlendColors(0, backdrop(X + 7, T + 1), 182));
  EXPECT_NE(canvas.At(X + 2, T - 2), render::BlendColors(0, backdrop(X + 2, T - 2), 242));
  EXPECT_EQ(canvas.At(X + 2, T - 2), render::BlendColors(0, canvas.At(X + 2, T + 1), 242));

  Canvas small(8, 8, kBackground);
  render::DrawChevronGlyph(small.dc(), 0, 0, 8, 20);  // X = −4, T = 0: cut on three sides
  render::DrawChevronGlyph(small.dc(), -2147483647, 0, 2147483647, -2147483647);
  render::DrawChevronGlyph(nullptr, 0, 0, 8, 8);
  EXPECT_GT(small.CountOther(kBackground), 0);
}

using platform::ColorFromRrggbb;

const platform::ColorRef kGrey = platform::RGB(200, 200, 200);
const platform::ColorRef kInk = ColorFromRrggbb(0x3366CC);

TEST_F(DrawTest, OutlineSetsTheBorderPixelsOfItsRectangleAndRestoresThePen) {
  Canvas canvas(8, 8, kGrey);
  const struct {
    int32_t x, y, width, height;
    int64_t inked;
  } cases[] = {{0, 0, 3, 3, 8}, {2, 3, 5, 4, 14}, {4, 4, 1, 1, 0}};
  for (const auto& c : cases) {
    canvas.Fill(kGrey);
    render::DrawRectOutline(canvas.dc(), kInk, c.x, c.y, c.width, c.height);
    EXPECT_EQ(canvas.InkCount(), c.inked) << c.width << "x" << c.height;
    if (c.inked == 0) continue;
    EXPECT_EQ(canvas.InkBounds(), (Rect{c.x, c.y, c.x + c.width, c.y + c.height}));
    EXPECT_EQ(canvas.At(c.x, c.y), kInk);
    EXPECT_EQ(canvas.At(c.x + c.width - 1, c.y + c.height - 1), kInk);
  }
  canvas.dc()->SelectPen(platform::CreatePen(kGrey));
  render::DrawRectOutline(canvas.dc(), platform::SysColorRef(platform::COLOR_HIGHLIGHT), 0, 0, 4,
                          4);
  EXPECT_EQ(canvas.At(3, 3), platform::GetSysColor(platform::COLOR_HIGHLIGHT));
  EXPECT_EQ(canvas.dc()->pen().color, kGrey);
  render::DrawRectOutline(nullptr, kInk, 0, 0, 4, 4);
  render::DrawRectOutline(canvas.dc(), kInk, 2147483600, -2147483600, 2000, 2000);
}

TEST_F(DrawTest, GripDotsCountFromTheTargetOriginRoundHalvesToEvenAndClip) {
  // x0 = round(50 − 22.5) = 28 (half to even), y0 = round(4 − 2) = 2; a rectangle whose
  // left is not 0 still counts from the target's origin.
  Canvas canvas(100, 8, kGrey);
  render::DrawGrip(canvas.dc(), Rect{10, 0, 110, 8}, render::kSplitterGripDots);
  EXPECT_EQ(canvas.InkBounds(), (Rect{28, 2, 28 + 45 - 2, 5}));
  EXPECT_EQ(canvas.InkCount(), 7 * render::kSplitterGripDots);
  for (int32_t k = 0; k < render::kSplitterGripDots; ++k) {
    const int32_t x = 28 + 5 * k;
    EXPECT_EQ(canvas.At(x, 2), ColorFromRrggbb(0x293042)) << k;
    EXPECT_EQ(canvas.At(x + 1, 3), ColorFromRrggbb(0x63759C)) << k;
    EXPECT_EQ(canvas.At(x + 2, 4), ColorFromRrggbb(0xFFFFFF)) << k;
    EXPECT_EQ(canvas.At(x + 2, 2), kGrey) << k;
  }
  // w = 20, n = 3: 10 − 7.5 = 2.5 → 2; h = 7: 3.5 − 2 = 1.5 → 2.
  Canvas strip(20, 7, kGrey);
  render::DrawGrip(strip.dc(), Rect{0, 0, 20, 7}, 3);
  EXPECT_EQ(strip.InkBounds().left, 2);
  EXPECT_EQ(strip.InkBounds().top, 2);
  strip.Fill(kGrey);
  render::DrawGrip(strip.dc(), Rect{0, 0, 20, 7}, 2147483647);
  render::DrawGrip(strip.dc(), Rect{0, 0, 20, 7}, -3);
  render::DrawGrip(nullptr, Rect{0, 0, 20, 7}, 3);
  EXPECT_GT(strip.InkCount(), 0);  // the huge grip covers the strip, clipped
}

}  // namespace
}  // namespace wayband::test
