#include <gtest/gtest.h>

#include <random>

#include "imaging/bitmap_brush.h"
#include "platform/drawing_context.h"
#include "surface_test_support.h"

namespace wayband::imaging {
namespace {

using testing::Bgr;
using testing::Bgra;
using testing::Channel;
using testing::MakeDib32;

constexpr uint32_t kColourMask = 0x00FFFFFF;

CDib32 RandomDib(int32_t w, int32_t h, uint32_t seed, bool opaque = false) {
  std::mt19937 rng(seed);
  CDib32 dib;
  dib.Create(w, h);
  const uint32_t alphaBits = opaque ? 0xFF000000u : 0u;
  testing::FillPixels(dib,
                      [&](int32_t, int32_t) { return static_cast<uint32_t>(rng()) | alphaBits; });
  return dib;
}

TEST(PaintTo, CopiesTheSourceBlockWithAlphaAndClips) {
  const uint32_t fill = Bgra(1, 2, 3, 4);
  CDib32 source = RandomDib(4, 4, 7);
  CDib32 target = MakeDib32(8, 8, fill);
  source.PaintTo(target.hDC(), 3, 2, 2, 3, 1, 1);
  for (int32_t y = 0; y < 8; ++y) {
    for (int32_t x = 0; x < 8; ++x) {
      const bool inBlock = x >= 3 && x < 5 && y >= 2 && y < 5;
      EXPECT_EQ(target.PixelAt(x, y), inBlock ? source.PixelAt(x - 2, y - 1) : fill);
    }
  }
  source.PaintTo(target.hDC(), 6, 6);  // default size, clipped to the target
  EXPECT_EQ(target.PixelAt(7, 7), source.PixelAt(1, 1));
}

TEST(LoadFromDC, CopiesABlockToTheOrigin) {
  CDib32 source = RandomDib(5, 5, 3);
  CDib32 dib = MakeDib32(3, 3, 0);
  dib.LoadFromDC(source.hDC(), 1, 2, 2, 2);
  EXPECT_EQ(dib.PixelAt(0, 0), source.PixelAt(1, 2));
  EXPECT_EQ(dib.PixelAt(1, 1), source.PixelAt(2, 3));
  EXPECT_EQ(dib.PixelAt(2, 2), 0u);
  dib.LoadFromDC(source.hDC());  // default: the whole surface
  EXPECT_EQ(dib.PixelAt(2, 2), source.PixelAt(2, 2));
}

TEST(StretchFromDC, ScalesFromTheSourceOriginWhateverTheSourceOffset) {
  CDib32 source = RandomDib(2, 2, 11);
  CDib32 dib = MakeDib32(4, 4, 0);
  dib.StretchFromDC(source.hDC(), 1, 1, 2, 2, platform::SRCCOPY, 4, 4);
  for (int32_t y = 0; y < 4; ++y) {
    for (int32_t x = 0; x < 4; ++x)
      EXPECT_EQ(dib.PixelAt(x, y), source.PixelAt(x / 2, y / 2));
  }
  CDib32 same = MakeDib32(2, 2, 0);
  same.StretchFromDC(source.hDC());  // all defaults: a 1:1 copy of Width x Height
  EXPECT_EQ(same.PixelAt(1, 0), source.PixelAt(1, 0));
}

TEST(PaintTransparent, LeavesTargetPixelsWhereTheSourceHasTheTransparentColour) {
  const uint32_t fill = Bgra(1, 2, 3, 200);
  CDib32 source = RandomDib(3, 3, 5);
  source.SetPixelAt(1, 1, Bgra(253, 3, 254, 77));  // key colour, any alpha
  source.SetPixelAt(2, 0, Bgra(253, 3, 254, 255));
  source.SetPixelAt(0, 2, Bgra(253, 3, 255, 255));  // one off: copied
  CDib32 target = MakeDib32(5, 5, fill);
  source.PaintTransparent(target.hDC(), 1, 1, -1, -1, 0, 0, platform::SRCCOPY, kKeyColor);
  for (int32_t y = 0; y < 5; ++y) {
    for (int32_t x = 0; x < 5; ++x) {
      const int32_t sx = x - 1;
      const int32_t sy = y - 1;
      const bool inBlock = sx >= 0 && sx < 3 && sy >= 0 && sy < 3;
      const bool transparent = (sx == 1 && sy == 1) || (sx == 2 && sy == 0);
      if (!inBlock || transparent) {
        EXPECT_EQ(target.PixelAt(x, y), fill) << x << "," << y;
      } else {
        EXPECT_EQ(target.PixelAt(x, y) & kColourMask, source.PixelAt(sx, sy) & kColourMask);
      }
    }
  }
}

TEST(PaintTransparent, Dib24OntoDib32) {
  CDib24 icon;
  ASSERT_TRUE(icon.Create(2, 2));
  icon.Clear(kKeyColor);
  icon.SetPixelAt(1, 1, Bgr(10, 20, 30));
  CDib32 target = MakeDib32(2, 2, Bgra(9, 9, 9, 9));
  icon.PaintTransparent(target.hDC(), 0, 0, 2, 2, 0, 0, platform::SRCCOPY, kKeyColor);
  EXPECT_EQ(target.PixelAt(0, 0), Bgra(9, 9, 9, 9));
  EXPECT_EQ(target.PixelAt(1, 1) & kColourMask, Bgr(10, 20, 30));
}

TEST(CreateFromBitmap, CopiesBottomUpTopDownAnd24BitBitmaps) {
  for (auto [bits, order] : {std::pair{32, platform::RowOrder::kBottomUp},
                             {32, platform::RowOrder::kTopDown},
                             {24, platform::RowOrder::kBottomUp}}) {
    auto bitmap = platform::Bitmap::Create(3, 2, bits, order);
    ASSERT_TRUE(bitmap);
    for (int32_t y = 0; y < 2; ++y) {
      for (int32_t x = 0; x < 3; ++x)
        bitmap->SetPixelAt(x, y, Bgra(x * 50, y * 70, 9, 255));
    }
    CDib32 dib;
    dib.CreateFromBitmap(bitmap.get());
    ASSERT_NE(dib.hDC(), nullptr);
    EXPECT_EQ(dib.Width(), 3);
    EXPECT_EQ(dib.Height(), 2);
    for (int32_t y = 0; y < 2; ++y) {
      for (int32_t x = 0; x < 3; ++x) {
        EXPECT_EQ(dib.PixelAt(x, y) & kColourMask, Bgr(x * 50, y * 70, 9)) << bits;
      }
    }
    if (bits == 32) {
      EXPECT_EQ(Channel(dib.PixelAt(2, 1), 3), 255);
    }
  }
  CDib32 none = MakeDib32(2, 2, 0);
  none.CreateFromBitmap(nullptr);
  EXPECT_EQ(none.hDC(), nullptr);
}

// ---- AlphaPaint ----

TEST(AlphaPaint, HalfConstantAlphaOfOpaqueWhiteOverBlackGivesHalfOnBothPaths) {
  for (bool library : {true, false}) {
    testing::ScopedImagingLibrary scoped(library);
    CDib32 white = MakeDib32(1, 1, Bgra(255, 255, 255, 255));
    white.PremultiplyAlpha();
    CDib32 target = MakeDib32(1, 1, Bgra(0, 0, 0, 255));
    white.AlphaPaint(target.hDC(), 0, 0, -1, -1, 0, 0, -1, -1, 128, true);
    for (int c = 0; c < 3; ++c)
      EXPECT_NEAR(Channel(target.PixelAt(0, 0), c), 128, 1) << library;
  }
}

TEST(AlphaPaint, PlatformPathStretchesTheSourceBlock) {
  testing::ScopedImagingLibrary scoped(true);
  CDib32 source = MakeDib32(2, 2, Bgra(0, 0, 0, 255));
  source.SetPixelAt(1, 1, Bgra(200, 100, 50, 255));
  CDib32 target = MakeDib32(6, 6, Bgra(7, 7, 7, 255));
  source.AlphaPaint(target.hDC(), 2, 2, 4, 4, 1, 1, 1, 1, 255, true);
  EXPECT_EQ(target.PixelAt(1, 1), Bgra(7, 7, 7, 255));
  for (int32_t y = 2; y < 6; ++y) {
    for (int32_t x = 2; x < 6; ++x) {
      const uint32_t p = target.PixelAt(x, y);
      EXPECT_NEAR(Channel(p, 0), 200, 1);
      EXPECT_NEAR(Channel(p, 2), 50, 1);
    }
  }
}

// Where both paths define the same result (opaque pixels, constant alpha 255) they agree.
TEST(AlphaPaint, PlatformAndFallbackAgreeOnOpaqueSources) {
  CDib32 source = RandomDib(24, 24, 19, /*opaque=*/true);
  CDib32 viaPlatform = RandomDib(40, 40, 23);
  CDib32 viaFallback = RandomDib(40, 40, 23);
  {
    testing::ScopedImagingLibrary scoped(true);
    source.AlphaPaint(viaPlatform.hDC(), 5, 7);
  }
  {
    testing::ScopedImagingLibrary scoped(false);
    source.AlphaPaint(viaFallback.hDC(), 5, 7);
  }
  for (int32_t y = 0; y < 40; ++y) {
    for (int32_t x = 0; x < 40; ++x) {
      for (int c = 0; c < 3; ++c) {
        ASSERT_NEAR(Channel(viaPlatform.PixelAt(x, y), c), Channel(viaFallback.PixelAt(x, y), c), 1)
            << x << "," << y;
      }
    }
  }
}

// Opaque source, constant alpha only: the fallback's two truncated products stay within two
// units of the exact blend the platform gives within one.
TEST(AlphaPaint, ConstantAlphaBlendsCloselyOnBothPaths) {
  CDib32 source = RandomDib(8, 8, 29, /*opaque=*/true);
  for (uint8_t constant : {uint8_t{40}, uint8_t{128}, uint8_t{230}}) {
    CDib32 viaPlatform = RandomDib(8, 8, 31);
    CDib32 viaFallback = RandomDib(8, 8, 31);
    {
      testing::ScopedImagingLibrary scoped(true);
      source.AlphaPaint(viaPlatform.hDC(), 0, 0, -1, -1, 0, 0, -1, -1, constant, false);
    }
    {
      testing::ScopedImagingLibrary scoped(false);
      source.AlphaPaint(viaFallback.hDC(), 0, 0, -1, -1, 0, 0, -1, -1, constant, false);
    }
    for (int32_t y = 0; y < 8; ++y) {
      for (int32_t x = 0; x < 8; ++x) {
        for (int c = 0; c < 3; ++c) {
          ASSERT_NEAR(Channel(viaPlatform.PixelAt(x, y), c), Channel(viaFallback.PixelAt(x, y), c),
                      2);
        }
      }
    }
  }
}

TEST(AlphaPaintFallback, BlendsStraightColourWithTruncatedProductsAndSkipsFaintPixels) {
  testing::ScopedImagingLibrary scoped(false);
  CDib32 source;
  ASSERT_TRUE(source.Create(4, 1));
  source.SetPixelAt(0, 0, Bgra(200, 200, 200, 25));  // skipped
  source.SetPixelAt(1, 0, Bgra(200, 200, 200, 26));  // 100 x 229 \ 255 + 200 x 26 \ 255
  source.SetPixelAt(2, 0, Bgra(10, 20, 30, 255));    // set as is
  source.SetPixelAt(3, 0, Bgra(0, 255, 255, 128));
  CDib32 target = MakeDib32(4, 1, Bgra(100, 100, 100, 255));
  source.AlphaPaint(target.hDC(), 0, 0);
  EXPECT_EQ(target.PixelAt(0, 0), Bgra(100, 100, 100, 255));
  EXPECT_EQ(target.PixelAt(1, 0) & kColourMask, Bgr(109, 109, 109));
  EXPECT_EQ(target.PixelAt(2, 0) & kColourMask, Bgr(10, 20, 30));
  // blue 100 x 127 \ 255 + 0 = 49; green and red 49 + 255 x 128 \ 255 = 49 + 128.
  EXPECT_EQ(target.PixelAt(3, 0) & kColourMask, Bgr(49, 177, 177));
}

TEST(AlphaPaintFallback, ConstantAlphaScalesEachPixelAlphaWithRounding) {
  testing::ScopedImagingLibrary scoped(false);
  CDib32 source = MakeDib32(1, 1, Bgra(255, 255, 255, 200));
  CDib32 target = MakeDib32(1, 1, Bgra(0, 0, 0, 255));
  // A = round(200 x 100/255) = round(78.43) = 78; 255 x 78 \ 255 = 78.
  source.AlphaPaint(target.hDC(), 0, 0, -1, -1, 0, 0, -1, -1, 100, true);
  EXPECT_EQ(target.PixelAt(0, 0) & kColourMask, Bgr(78, 78, 78));
}

TEST(AlphaPaintFallback, DrawsTheWholeSurfaceUnstretchedWithRowsPlacedByHeight) {
  testing::ScopedImagingLibrary scoped(false);
  CDib32 source;
  ASSERT_TRUE(source.Create(2, 2));
  source.SetPixelAt(0, 0, Bgra(1, 1, 1, 255));  // top row
  source.SetPixelAt(1, 0, Bgra(2, 2, 2, 255));
  source.SetPixelAt(0, 1, Bgra(3, 3, 3, 255));  // bottom row
  source.SetPixelAt(1, 1, Bgra(4, 4, 4, 255));
  const uint32_t fill = Bgra(50, 50, 50, 255);
  CDib32 target = MakeDib32(6, 6, fill);
  // Width, source offset and source size are ignored; height 5 puts the bottom row at y 4.
  source.AlphaPaint(target.hDC(), 3, 0, 1, 5, 1, 1, 1, 1, 255, true);
  EXPECT_EQ(target.PixelAt(3, 3) & kColourMask, Bgr(1, 1, 1));
  EXPECT_EQ(target.PixelAt(4, 3) & kColourMask, Bgr(2, 2, 2));
  EXPECT_EQ(target.PixelAt(3, 4) & kColourMask, Bgr(3, 3, 3));
  EXPECT_EQ(target.PixelAt(4, 4) & kColourMask, Bgr(4, 4, 4));
  EXPECT_EQ(target.PixelAt(3, 0), fill);
  EXPECT_EQ(target.PixelAt(3, 5), fill);
  // Points outside the target are skipped.
  source.AlphaPaint(target.hDC(), 5, -1, -1, -1);
  EXPECT_EQ(target.PixelAt(5, 0) & kColourMask, Bgr(3, 3, 3));
}

// ---- CBitmapBrush ----

TEST(BitmapBrush, TilesACopiedBlockFromTheBrushOrigin) {
  CDib32 picture;
  ASSERT_TRUE(picture.Create(3, 3));
  testing::FillPixels(picture, [](int32_t x, int32_t y) { return Bgr(x * 60, y * 60, 7); });
  CBitmapBrush brush;
  brush.CreateFromDC(picture.hDC(), 2, 2);
  ASSERT_FALSE(brush.hBrush().IsNull());
  EXPECT_EQ(brush.Width(), 2);
  EXPECT_EQ(brush.Height(), 2);

  CDib32 target = MakeDib32(5, 5, 0);
  target.hDC()->SetBrushOrg({1, 1});
  platform::FillRect(*target.hDC(), {1, 1, 5, 5}, brush.hBrush());
  CDib32 viaPatternFill = MakeDib32(5, 5, 0);
  viaPatternFill.hDC()->SetBrushOrg({1, 1});
  brush.PatternFill(viaPatternFill.hDC(), 1, 1, 4, 4);
  for (int32_t y = 1; y < 5; ++y) {
    for (int32_t x = 1; x < 5; ++x) {
      const uint32_t expected = Bgr((x - 1) % 2 * 60, (y - 1) % 2 * 60, 7);
      EXPECT_EQ(target.PixelAt(x, y) & kColourMask, expected) << x << "," << y;
      EXPECT_EQ(viaPatternFill.PixelAt(x, y) & kColourMask, expected) << x << "," << y;
    }
  }
  EXPECT_EQ(viaPatternFill.PixelAt(0, 0), 0u);
}

TEST(BitmapBrush, PatternFillColoursMonochromePatternsAndRestoresTheContext) {
  auto mono = platform::Bitmap::Create(2, 1, 1);
  ASSERT_TRUE(mono);
  mono->SetPixelAt(1, 0, 1);
  CBitmapBrush brush;
  brush.CreateFromBitmap(mono.get());
  EXPECT_EQ(brush.Width(), 2);
  CDib32 target = MakeDib32(4, 1, 0);
  platform::DrawingContext& dc = *target.hDC();
  dc.SetBkColor(platform::RGB(1, 1, 1));
  dc.SetTextColor(platform::RGB(2, 2, 2));
  brush.PatternFill(&dc, 0, 0, 4, 1, platform::PATCOPY, platform::RGB(255, 0, 0),
                    platform::RGB(0, 0, 255));
  EXPECT_EQ(target.PixelAt(0, 0) & kColourMask, Bgr(255, 0, 0));  // 0 bits: text colour
  EXPECT_EQ(target.PixelAt(1, 0) & kColourMask, Bgr(0, 0, 255));  // 1 bits: background
  EXPECT_EQ(dc.BkColor(), platform::RGB(1, 1, 1));
  EXPECT_EQ(dc.TextColor(), platform::RGB(2, 2, 2));
  EXPECT_TRUE(dc.brush().style != platform::Brush::Style::kPattern);

  brush.CreateFromBitmap(nullptr);
  EXPECT_TRUE(brush.hBrush().IsNull());
  EXPECT_EQ(brush.Width(), 0);
}

}  // namespace
}  // namespace wayband::imaging
