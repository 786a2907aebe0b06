// Pixel primitives: picture tiling (pattern brush and block copies), where the chevron
// glyph lays its ink, one-pixel outlines and the splitter grip.
#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "draw_fixture.h"
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

TEST_F(DrawTest, TilingStartsThePictureAtTheRectangleOrAtThePhaseAndStaysInBounds) {
  Canvas picture(3, 2);  // six colours
  for (int32_t i = 0; i < 6; ++i)
    platform::SetPixel(*picture.dc(), i % 3, i / 3, RGB(static_cast<uint8_t>(40 * i), 90, 50));
  Canvas canvas(20, 14, kBackground);
  // (5, 4, 10 x 7) shows picture column (X + shiftX) mod 3, row (Y + shiftY) mod 2, and
  // nothing outside it changed.
  const auto expectTiled = [&](int32_t shiftX, int32_t shiftY) {
    const auto mod = [](int32_t v, int32_t m) { return ((v % m) + m) % m; };
    for (int32_t y = 0; y < canvas.Height(); ++y) {
      for (int32_t x = 0; x < canvas.Width(); ++x) {
        const bool inside = x >= 5 && x < 15 && y >= 4 && y < 11;
        ASSERT_EQ(canvas.At(x, y),
                  inside ? picture.At(mod(x + shiftX, 3), mod(y + shiftY, 2)) : kBackground)
            << x << "," << y;
      }
    }
  };
  // The pattern brush: the corner at the rectangle's corner, the phases unused, the
  // target's brush origin put back.
  canvas.dc()->SetBrushOrg(platform::Point{2, 1});
  render::TilePicture(canvas.dc(), 5, 4, 10, 7, picture.dc(), 3, 2, 1, 1);
  expectTiled(-5, -4);
  EXPECT_EQ(canvas.dc()->BrushOrg(), (platform::Point{2, 1}));
  // The first release of Windows 95 copies blocks from the phase: (5 + 1) mod 3 = 0 first.
  SetVersion(OsVersion{PlatformId::kWindows, 4, 0, 950});
  canvas.Fill(kBackground);
  render::TilePicture(canvas.dc(), 5, 4, 10, 7, picture.dc(), 3, 2, 1, 0);
  expectTiled(1, 0);
  // No picture, no size, no target: nothing; huge areas and phases stay in bounds.
  canvas.Fill(kBackground);
  render::TilePicture(canvas.dc(), 0, 0, 6, 6, nullptr, 3, 2);
  render::TilePicture(canvas.dc(), 0, 0, 6, 6, picture.dc(), 0, 2);
  render::TilePicture(nullptr, 0, 0, 6, 6, picture.dc(), 3, 2);
  EXPECT_EQ(canvas.InkCount(), 0);
  for (const bool blocks : {true, false}) {
    if (!blocks) SetVersion(OsVersion{PlatformId::kNT, 5, 1, 2600});
    render::TilePicture(canvas.dc(), -2000000000, -2000000000, 2100000000, 2100000000, picture.dc(),
                        3, 2, 2147483647, -2147483647);
    EXPECT_EQ(canvas.InkCount(), 20 * 14) << blocks;
  }
}

TEST_F(DrawTest, ChevronLaysItsInkInItsBoxOverTheBackgroundAndClips) {
  // A background that differs in every pixel, so a pixel sampled from the wrong place shows.
  Canvas canvas(200, 24);
  const auto backdrop = [](int32_t x, int32_t y) {
    return RGB(static_cast<uint8_t>(60 + 7 * y), static_cast<uint8_t>(250 - x),
               static_cast<uint8_t>(120 + 3 * x + y));
  };
  for (int32_t i = 0; i < 200 * 24; ++i)
    platform::SetPixel(*canvas.dc(), i % 200, i / 200, backdrop(i % 200, i / 200));
  // A 200-pixel strip of 3000 twips: left = (3000 − 180) div 15 = 188; X = 188 + 5 − 7, T = 4.
  render::DrawChevronGlyph(canvas.dc(), 188, 0, 200, 24);
  const int32_t X = 186, T = 4;
  int touched = 0;
  for (int32_t i = 0; i < 200 * 24; ++i) {
    const int dx = i % 200 - X, dy = i / 200 - T;
    if (canvas.At(i % 200, i / 200) == backdrop(i % 200, i / 200)) continue;
    ++touched;  // columns 1 to 9 of rows -2 to 4 (chevron and shadow) and 8 to 11
    EXPECT_TRUE(dx >= 1 && dx <= 9 && dy >= -2 && dy <= 11 && (dy <= 4 || dy >= 8))
        << dx << "," << dy;
  }
  EXPECT_EQ(touched, 74);
  // Full weight is the ink itself; the upper edge drew over the glyph's own row 1.
  EXPECT_EQ(canvas.At(X + 7, T), RGB(0, 0, 0));
  EXPECT_EQ(canvas.At(X + 7, T + 1), render::BlendColors(0, backdrop(X + 7, T + 1), 182));
  EXPECT_EQ(canvas.At(X + 2, T - 2), render::BlendColors(0, canvas.At(X + 2, T + 1), 242));

  Canvas small(8, 8, kBackground);
  render::DrawChevronGlyph(small.dc(), 0, 0, 8, 20);  // X = −4, T = 0: cut on three sides
  render::DrawChevronGlyph(small.dc(), -2147483647, 0, 2147483647, -2147483647);
  render::DrawChevronGlyph(nullptr, 0, 0, 8, 8);
  EXPECT_GT(small.InkCount(), 0);
}

TEST_F(DrawTest, OutlinesSetTheBorderPixelsAndGripDotsCountFromTheTargetOrigin) {
  Canvas canvas(100, 8, kBackground);
  for (const auto& [x, y, width, height, inked] :
       {std::tuple{0, 0, 3, 3, 8}, {2, 3, 5, 4, 14}, {4, 4, 1, 1, 0}}) {
    canvas.Fill(kBackground);
    render::DrawRectOutline(canvas.dc(), RGB(0x33, 0x66, 0xCC), x, y, width, height);
    EXPECT_EQ(canvas.InkCount(), inked) << width << "x" << height;
    EXPECT_EQ(canvas.InkBounds(), (inked > 0 ? Rect{x, y, x + width, y + height} : Rect{}));
  }
  // The colour is translated and the pen put back; bad input draws nothing.
  canvas.dc()->SelectPen(platform::CreatePen(kBackground));
  render::DrawRectOutline(canvas.dc(), platform::SysColorRef(platform::COLOR_HIGHLIGHT), 0, 0, 4,
                          4);
  EXPECT_EQ(canvas.At(3, 3), platform::GetSysColor(platform::COLOR_HIGHLIGHT));
  EXPECT_EQ(canvas.dc()->pen().color, kBackground);
  render::DrawRectOutline(nullptr, 0, 0, 0, 4, 4);
  render::DrawRectOutline(canvas.dc(), 0, 2147483600, -2147483600, 2000, 2000);

  // x0 = round(50 − 22.5) = 28 (half to even), y0 = round(4 − 2) = 2; a rectangle whose
  // left is not 0 still counts from the target's origin. Each dot: a dark corner, a mid
  // centre, a light lower right.
  canvas.Fill(kBackground);
  render::DrawGrip(canvas.dc(), Rect{10, 0, 110, 8}, render::kSplitterGripDots);
  EXPECT_EQ(canvas.InkBounds(), (Rect{28, 2, 28 + 45 - 2, 5}));
  EXPECT_EQ(canvas.InkCount(), 7 * render::kSplitterGripDots);
  EXPECT_EQ(canvas.At(28 + 5, 2), platform::ColorFromRrggbb(0x293042));
  EXPECT_EQ(canvas.At(28 + 6, 3), platform::ColorFromRrggbb(0x63759C));
  EXPECT_EQ(canvas.At(28 + 7, 4), platform::ColorFromRrggbb(0xFFFFFF));
  // w = 20, n = 3: 10 − 7.5 = 2.5 → 2; h = 7: 3.5 − 2 = 1.5 → 2. Far dots are clipped.
  Canvas strip(20, 7, kBackground);
  render::DrawGrip(strip.dc(), Rect{0, 0, 20, 7}, 3);
  EXPECT_EQ(std::pair(strip.InkBounds().left, strip.InkBounds().top), std::pair(2, 2));
  render::DrawGrip(strip.dc(), Rect{0, 0, 20, 7}, 2147483647);
  render::DrawGrip(strip.dc(), Rect{0, 0, 20, 7}, -3);
  render::DrawGrip(nullptr, Rect{0, 0, 20, 7}, 3);
  EXPECT_GT(strip.InkCount(), 7 * 3);
}

}  // namespace
}  // namespace wayband::test
