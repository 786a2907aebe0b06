#include <gtest/gtest.h>

#include <utility>

#include "imaging/bitmap_brush.h"
#include "surface_test_support.h"

namespace wayband::imaging {
namespace {

using testing::Bgra;
using testing::MakeDib32;

TEST(SurfaceCreate, RefusesSizesOfZeroOrBelowAndAboveTheMemoryCap) {
  const int32_t overCapSide = 1 << 14;  // 16384 x 16384 x 4 bytes = 1 GiB
  for (auto [w, h] :
       {std::pair{0, 5}, {5, 0}, {-1, 5}, {5, -7}, {overCapSide, overCapSide}, {INT32_MAX, 2}}) {
    CDib32 dib;
    EXPECT_FALSE(dib.Create(w, h)) << w << " x " << h;
    EXPECT_EQ(dib.hDC(), nullptr);
    EXPECT_TRUE(dib.Bits().empty());
    EXPECT_EQ(dib.Width(), w);  // the attempted size is reported
    EXPECT_EQ(dib.Height(), h);
  }
  CDib24 dib24;
  EXPECT_FALSE(dib24.Create(overCapSide, overCapSide));
  EXPECT_EQ(dib24.hDC(), nullptr);
}

TEST(SurfaceCreate, FailedCreateEmptiesAPreviouslyCreatedSurface) {
  CDib32 dib;
  ASSERT_TRUE(dib.Create(4, 4));
  EXPECT_FALSE(dib.Create(0, 4));
  EXPECT_EQ(dib.hDC(), nullptr);
  EXPECT_TRUE(dib.Bits().empty());
}

TEST(SurfaceCreate, HeaderAndScanLines) {
  CDib32 dib;
  ASSERT_TRUE(dib.Create(5, 3));
  EXPECT_EQ(dib.BytesPerScanLine(), 20);
  EXPECT_EQ(dib.Bits().size(), 60u);
  EXPECT_EQ(dib.Header().biBitCount, 32);
  EXPECT_EQ(dib.Header().biHeight, 3);  // positive: bottom-up
  EXPECT_EQ(dib.Header().biSizeImage, 60u);
  ASSERT_NE(dib.hDC(), nullptr);
  EXPECT_EQ(dib.hDC()->BitsPerPixel(), 32);

  // 24-bit rows: width x 3 rounded up to a multiple of 4.
  const int64_t expected[] = {4, 8, 12, 12, 16, 20};
  for (int32_t w = 1; w <= 6; ++w) {
    CDib24 dib24;
    ASSERT_TRUE(dib24.Create(w, 2));
    EXPECT_EQ(dib24.BytesPerScanLine(), expected[w - 1]) << w;
    EXPECT_EQ(static_cast<int64_t>(dib24.Bits().size()), 2 * expected[w - 1]);
  }
}

TEST(SurfaceClear, FillsEveryPixelWithAlphaZero) {
  CDib32 dib = MakeDib32(16, 16, Bgra(1, 2, 3, 4));
  dib.Clear(platform::RGB(255, 0, 255));
  const auto bits = dib.Bits();
  ASSERT_EQ(bits.size(), 16u * 16u * 4u);
  for (size_t i = 0; i < bits.size(); i += 4) {
    ASSERT_EQ(bits[i + 0], 255);
    ASSERT_EQ(bits[i + 1], 0);
    ASSERT_EQ(bits[i + 2], 255);
    ASSERT_EQ(bits[i + 3], 0);
  }
  CDib24 dib24;
  ASSERT_TRUE(dib24.Create(3, 2));
  dib24.Clear(kKeyColor);
  for (int32_t y = 0; y < 2; ++y) {
    for (int32_t x = 0; x < 3; ++x)
      EXPECT_EQ(dib24.PixelAt(x, y), testing::Bgr(253, 3, 254));
  }
}

TEST(SurfacePixels, PictureCoordinatesAreTopDownOverBottomUpRows) {
  CDib32 dib;
  ASSERT_TRUE(dib.Create(2, 3));
  dib.SetPixelAt(1, 0, Bgra(9, 8, 7, 6));  // top-right: last stored row
  const auto bits = dib.Bits();
  EXPECT_EQ(bits[2 * 8 + 4], 9);
  EXPECT_EQ(bits[2 * 8 + 7], 6);
  EXPECT_EQ(dib.PixelAt(1, 0), Bgra(9, 8, 7, 6));
  EXPECT_EQ(dib.PixelAt(2, 0), 0u);  // outside
  EXPECT_EQ(dib.PixelAt(-1, 0), 0u);
}

TEST(SurfaceLifecycle, MoveTransfersTheSurfaceAndEmptiesTheSource) {
  CDib32 a = MakeDib32(3, 3, Bgra(1, 2, 3, 255));
  CDib32 b(std::move(a));
  EXPECT_EQ(a.hDC(), nullptr);  // NOLINT(bugprone-use-after-move): moved-from state is defined
  ASSERT_NE(b.hDC(), nullptr);
  EXPECT_EQ(b.PixelAt(2, 2), Bgra(1, 2, 3, 255));
  CDib32 c = MakeDib32(1, 1, 0);
  c = std::move(b);
  EXPECT_EQ(c.Width(), 3);
  EXPECT_EQ(c.PixelAt(0, 0), Bgra(1, 2, 3, 255));
}

// Every operation on a surface that was never created (or was destroyed) leaves
// everything as it was and returns empty results.
TEST(SurfaceLifecycle, OperationsOnAnEmptySurfaceDoNothing) {
  const uint32_t fill = Bgra(10, 20, 30, 40);
  CDib32 target = MakeDib32(8, 8, fill);
  CDib32 destroyed = MakeDib32(4, 4, Bgra(1, 1, 1, 255));
  destroyed.Destroy();
  CDib32 never;
  for (CDib32* empty : {&never, &destroyed}) {
    empty->Clear(platform::RGB(1, 2, 3));
    empty->PremultiplyAlpha();
    empty->Greyscale(1);
    empty->KeyOutBackground();
    empty->KeyOutBackgroundNear();
    empty->LoadFromDC(target.hDC());
    empty->StretchFromDC(target.hDC());
    empty->PaintTo(target.hDC(), 0, 0, 4, 4);
    empty->PaintTransparent(target.hDC(), 0, 0, 4, 4);
    empty->AlphaPaint(target.hDC(), 0, 0, 4, 4);
    {
      testing::ScopedImagingLibrary missing(false);
      empty->AlphaPaint(target.hDC(), 0, 0, 4, 4);
    }
    EXPECT_EQ(empty->ResampleToWidth(2).hDC(), nullptr);
    EXPECT_EQ(empty->hDC(), nullptr);
    EXPECT_TRUE(empty->Bits().empty());
    EXPECT_EQ(empty->PixelAt(0, 0), 0u);
  }
  CDib24 never24;
  never24.Greyscale();
  never24.PaintTo(target.hDC());
  never24.PaintTransparent(target.hDC());
  EXPECT_EQ(never24.Resample(4, 4).hDC(), nullptr);

  for (int32_t y = 0; y < 8; ++y) {
    for (int32_t x = 0; x < 8; ++x)
      ASSERT_EQ(target.PixelAt(x, y), fill);
  }
}

TEST(SurfaceLifecycle, NullContextsAreIgnored) {
  CDib32 dib = MakeDib32(2, 2, Bgra(5, 5, 5, 255));
  dib.LoadFromDC(nullptr);
  dib.StretchFromDC(nullptr);
  dib.PaintTo(nullptr);
  dib.PaintTransparent(nullptr);
  dib.AlphaPaint(nullptr, 0, 0);
  CBitmapBrush brush;
  brush.CreateFromDC(nullptr, 2, 2);
  EXPECT_TRUE(brush.hBrush().IsNull());
  brush.PatternFill(dib.hDC(), 0, 0, 2, 2);  // no brush: nothing
  brush.PatternFill(nullptr, 0, 0, 2, 2);
  EXPECT_EQ(dib.PixelAt(1, 1), Bgra(5, 5, 5, 255));
}

}  // namespace
}  // namespace wayband::imaging
