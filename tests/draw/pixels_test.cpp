// Picture tiling (through the pattern brush or as block copies from a phase) and the
// chevron, grip and outline at the bitmap's edges and on bad input.
#include <gtest/gtest.h>

#include "draw_fixture.h"
#include "render/draw/chevron_glyph.h"
#include "render/draw/grip.h"
#include "render/draw/outline.h"
#include "render/draw/tile_picture.h"

namespace wayband::test {
namespace {

using platform::ColorRef;
using platform::OsVersion;
using platform::PlatformId;
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

// The chevron, the grip and outlines draw nothing without a target, clip at the bitmap's
// edges and stay in bounds far outside it.
TEST_F(DrawTest, ChevronGripAndOutlineClipAndRefuseBadInput) {
  Canvas small(8, 8, kBackground);
  render::DrawChevronGlyph(small.dc(), 0, 0, 8, 20);  // cut on three sides
  render::DrawChevronGlyph(small.dc(), -2147483647, 0, 2147483647, -2147483647);
  render::DrawChevronGlyph(nullptr, 0, 0, 8, 8);
  EXPECT_GT(small.InkCount(), 0);
  Canvas strip(20, 7, kBackground);
  render::DrawGrip(strip.dc(), platform::Rect{0, 0, 20, 7}, 3);
  EXPECT_EQ(strip.InkCount(), 7 * 3);
  for (const int32_t dots : {2147483647, -3})
    render::DrawGrip(strip.dc(), platform::Rect{0, 0, 20, 7}, dots);
  render::DrawGrip(nullptr, platform::Rect{0, 0, 20, 7}, 3);
  render::DrawRectOutline(nullptr, 0, 0, 0, 4, 4);
  EXPECT_GT(strip.InkCount(), 7 * 3);  // the far dots are clipped
}

}  // namespace
}  // namespace wayband::test
