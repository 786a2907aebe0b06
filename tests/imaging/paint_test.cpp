// Blits of surfaces: copies, transparent copies, alpha blends on both paths, pattern brushes.
#include <gtest/gtest.h>

#include "imaging/bitmap_brush.h"
#include "platform/drawing_context.h"
#include "surface_test_support.h"

namespace wayband::imaging {
namespace {

using namespace testing;

constexpr uint32_t kFill = Bgra(1, 2, 3, 200);

// PaintTo copies a block out, LoadFromDC a block in to the origin, and StretchFromDC scales
// the source's origin block whatever offset it is given; sizes below 0 mean the surface's.
TEST(SurfaceBlits, CopyTheirBlockAndDefaultToTheWholeSurface) {
  const CDib32 source = RandomDib(4, 4, 7);
  const auto whole = [&](int32_t x, int32_t y) { return source.PixelAt(x, y); };
  CDib32 target = MakeDib32(8, 8, kFill);
  source.PaintTo(target.hDC(), 3, 2, 2, 3, 1, 1);
  EXPECT_TRUE(PixelsAre(target, [&](int32_t x, int32_t y) {
    return x >= 3 && x < 5 && y >= 2 && y < 5 ? source.PixelAt(x - 2, y - 1) : kFill;
  }));
  source.PaintTo(target.hDC(), 6, 6);  // clipped to the target
  EXPECT_EQ(target.PixelAt(7, 7), source.PixelAt(1, 1));

  CDib32 loaded = MakeDib32(3, 3, 0);
  loaded.LoadFromDC(source.hDC(), 1, 2, 2, 2);
  EXPECT_TRUE(PixelsAre(loaded, [&](int32_t x, int32_t y) {
    return x < 2 && y < 2 ? source.PixelAt(x + 1, y + 2) : 0u;
  }));
  loaded.LoadFromDC(source.hDC());
  EXPECT_TRUE(PixelsAre(loaded, whole));

  CDib32 stretched = MakeDib32(4, 4, 0);
  stretched.StretchFromDC(source.hDC(), 1, 1, 2, 2, platform::SRCCOPY, 4, 4);
  EXPECT_TRUE(
      PixelsAre(stretched, [&](int32_t x, int32_t y) { return source.PixelAt(x / 2, y / 2); }));
  stretched.StretchFromDC(source.hDC());
  EXPECT_TRUE(PixelsAre(stretched, whole));
}

// Where the source holds the transparent colour, whatever its alpha, the target keeps its
// pixel; elsewhere it takes the source's, alpha included.
TEST(PaintTransparent, KeepsTheTargetWhereTheSourceHasTheTransparentColour) {
  CDib32 source = RandomDib(3, 3, 5);
  source.SetPixelAt(1, 1, Bgra(253, 3, 254, 77));
  source.SetPixelAt(2, 0, Bgra(253, 3, 254, 255));
  source.SetPixelAt(0, 2, Bgra(253, 3, 255, 255));  // one off: copied
  CDib32 target = MakeDib32(5, 5, kFill);
  source.PaintTransparent(target.hDC(), 1, 1, -1, -1, 0, 0, platform::SRCCOPY, kKeyColor);
  EXPECT_TRUE(PixelsAre(target, [&](int32_t x, int32_t y) {
    const uint32_t from = source.PixelAt(x - 1, y - 1);
    const bool inside = x >= 1 && x < 4 && y >= 1 && y < 4;
    return inside && (from & kColourBytes) != Bgra(253, 3, 254) ? from : kFill;
  }));
}

// On opaque pixels both paths agree: within one unit at full constant alpha, two below it
// (the fallback truncates two products, the platform rounds once).
TEST(AlphaPaint, PlatformAndFallbackAgreeOnOpaqueSources) {
  const CDib32 source = RandomDib(22, 22, 19, /*opaque=*/true);  // rows not of 4-pixel groups
  for (auto [constant, perPixel, tolerance] : {std::tuple{uint8_t{255}, true, 1},
                                               {uint8_t{40}, false, 2},
                                               {uint8_t{128}, true, 2},
                                               {uint8_t{230}, false, 2}}) {
    CDib32 viaPlatform = RandomDib(40, 40, 23), viaFallback = RandomDib(40, 40, 23);
    for (CDib32* target : {&viaPlatform, &viaFallback}) {
      ScopedImagingLibrary library(target == &viaPlatform);
      source.AlphaPaint(target->hDC(), 5, 7, -1, -1, 0, 0, -1, -1, constant, perPixel);
    }
    EXPECT_TRUE(PixelsAre(
        viaFallback, [&](int32_t x, int32_t y) { return viaPlatform.PixelAt(x, y); }, kColourBytes,
        tolerance))
        << int{constant};
  }
  // The platform's path stretches the source block: here its one coloured pixel.
  ScopedImagingLibrary present(true);
  const CDib32 dot = testing::Painted(2, 2, [](int32_t x, int32_t y) {
    return x == 1 && y == 1 ? Bgra(200, 100, 50, 255) : Bgra(0, 0, 0, 255);
  });
  CDib32 target = MakeDib32(6, 6, Bgra(7, 7, 7, 255));
  dot.AlphaPaint(target.hDC(), 2, 2, 4, 4, 1, 1, 1, 1, 255, true);
  EXPECT_TRUE(PixelsAre(
      target,
      [](int32_t x, int32_t y) {
        return x >= 2 && y >= 2 ? Bgra(200, 100, 50, 255) : Bgra(7, 7, 7, 255);
      },
      0xFFFFFFFF, 1));
}

// The fallback: target x (255 - A) \ 255 + source x A \ 255, A = alpha x constant / 255
// rounded; alpha 25 and below skipped, opaque set as it is.
TEST(AlphaPaintFallback, BlendsWithTruncatedProductsAndSkipsFaintPixels) {
  ScopedImagingLibrary missing(false);
  const std::tuple<uint32_t, uint8_t, uint32_t> cases[] = {
      {Bgra(200, 200, 200, 25), 255, Bgra(100, 100, 100)},  // skipped
      {Bgra(200, 200, 200, 26), 255, Bgra(109, 109, 109)},  // 100 x 229 \ 255 + 200 x 26 \ 255
      {Bgra(10, 20, 30, 255), 255, Bgra(10, 20, 30)},
      {Bgra(0, 255, 255, 128), 255, Bgra(49, 177, 177)},     // 100 x 127 \ 255 + 255 x 128 \ 255
      {Bgra(255, 255, 255, 200), 100, Bgra(147, 147, 147)},  // A = round(78.43): 69 + 78
  };
  for (const auto& [pixel, constant, blended] : cases) {
    CDib32 target = MakeDib32(1, 1, Bgra(100, 100, 100, 255));
    MakeDib32(1, 1, pixel).AlphaPaint(target.hDC(), 0, 0, -1, -1, 0, 0, -1, -1, constant, true);
    EXPECT_EQ(target.PixelAt(0, 0) & kColourBytes, blended) << std::hex << pixel;
  }
  CDib32 target = MakeDib32(1, 1, Bgra(100, 100, 100, 255));  // points off the target
  for (uint8_t alpha : {uint8_t{128}, uint8_t{255}})
    MakeDib32(2, 2, Bgra(0, 0, 0, alpha))
        .AlphaPaint(target.hDC(), 1, 1, -1, -1, 0, 0, -1, -1, 255, true);
  EXPECT_EQ(target.PixelAt(0, 0), Bgra(100, 100, 100, 255));
}

// A copied block tiles from the brush origin; a monochrome pattern takes the given text
// colour for 0 bits and background for 1 bits, and the context is restored.
TEST(BitmapBrush, TilesFromTheBrushOriginAndColoursMonochromePatterns) {
  const CDib32 picture =
      testing::Painted(3, 3, [](int32_t x, int32_t y) { return Bgra(x * 60, y * 60, 7); });
  CBitmapBrush brush;
  brush.CreateFromDC(picture.hDC(), 2, 2);
  ASSERT_FALSE(brush.hBrush().IsNull());
  EXPECT_EQ(std::pair(brush.Width(), brush.Height()), std::pair(2, 2));
  CDib32 filled = MakeDib32(5, 5, 0), patterned = MakeDib32(5, 5, 0);
  filled.hDC()->SetBrushOrg({1, 1});
  platform::FillRect(*filled.hDC(), {1, 1, 5, 5}, brush.hBrush());
  patterned.hDC()->SetBrushOrg({1, 1});
  brush.PatternFill(patterned.hDC(), 1, 1, 4, 4);
  const auto tiles = [](int32_t x, int32_t y) {
    return x == 0 || y == 0 ? 0u : Bgra((x - 1) % 2 * 60, (y - 1) % 2 * 60, 7);
  };
  EXPECT_TRUE(PixelsAre(filled, tiles, kColourBytes));
  EXPECT_TRUE(PixelsAre(patterned, tiles, kColourBytes));

  auto mono = platform::Bitmap::Create(2, 1, 1);
  mono->SetPixelAt(1, 0, 1);
  brush.CreateFromBitmap(mono.get());
  CDib32 target = MakeDib32(4, 1, 0);
  platform::DrawingContext& dc = *target.hDC();
  dc.SetBkColor(platform::RGB(1, 1, 1));
  dc.SetTextColor(platform::RGB(2, 2, 2));
  brush.PatternFill(&dc, 0, 0, 4, 1, platform::PATCOPY, platform::RGB(255, 0, 0),
                    platform::RGB(0, 0, 255));
  EXPECT_EQ(target.PixelAt(0, 0) & kColourBytes, Bgra(255, 0, 0));
  EXPECT_EQ(target.PixelAt(1, 0) & kColourBytes, Bgra(0, 0, 255));
  EXPECT_EQ(std::pair(dc.BkColor(), dc.TextColor()),
            std::pair(platform::RGB(1, 1, 1), platform::RGB(2, 2, 2)));
  EXPECT_NE(dc.brush().style, platform::Brush::Style::kPattern);
  brush.CreateFromBitmap(nullptr);
  EXPECT_TRUE(brush.hBrush().IsNull() && brush.Width() == 0);
}

}  // namespace
}  // namespace wayband::imaging
