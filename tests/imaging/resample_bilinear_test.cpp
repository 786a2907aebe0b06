#include <gtest/gtest.h>

#include "surface_test_support.h"

namespace wayband::imaging {
namespace {

using testing::Bgr;

const uint32_t kKeyWord = Bgr(253, 3, 254);

CDib24 MakeDib24(int32_t w, int32_t h, const std::function<uint32_t(int32_t, int32_t)>& fn) {
  CDib24 dib;
  dib.Create(w, h);
  testing::FillPixels(dib, fn);
  return dib;
}

TEST(Resample24, SameSizeIsACopy) {
  CDib24 dib = MakeDib24(5, 3, [](int32_t x, int32_t y) { return Bgr(x * 40, y * 50, 7); });
  CDib24 copy = dib.Resample(5, 3);
  ASSERT_NE(copy.hDC(), nullptr);
  for (int32_t y = 0; y < 3; ++y) {
    for (int32_t x = 0; x < 5; ++x)
      EXPECT_EQ(copy.PixelAt(x, y), dib.PixelAt(x, y));
  }
}

TEST(Resample24, BadTargetSizesGiveAnEmptySurface) {
  CDib24 dib = MakeDib24(4, 4, [](int32_t, int32_t) { return Bgr(1, 2, 3); });
  EXPECT_EQ(dib.Resample(0, 4).hDC(), nullptr);
  EXPECT_EQ(dib.Resample(4, -1).hDC(), nullptr);
}

// 3 x 3 -> 4 x 4: ratios 2/4 = 0.5 exactly, so sample positions are 0, 0.5, 1, 1.5 and the
// interpolations hit exact halves, which round to the even neighbour.
TEST(Resample24, InterpolatesColumnsThenRowsRoundingHalvesToEven) {
  // Stored row r holds blue = r-th value of the column ramp; x varies green.
  const int blueByStoredRow[3] = {0, 3, 6};
  const int greenByColumn[3] = {0, 1, 2};
  CDib24 dib = MakeDib24(3, 3, [&](int32_t x, int32_t y) {
    return Bgr(blueByStoredRow[2 - y], greenByColumn[x], 100);
  });
  CDib24 out = dib.Resample(4, 4);
  ASSERT_EQ(out.Width(), 4);
  // Target stored row ty samples at ty x 0.5: blue round(0 .. 6 lerp).
  const int expectedBlue[4] = {0, 2 /* 1.5 -> 2 */, 3, 4 /* 4.5 -> 4 */};
  const int expectedGreen[4] = {0, 0 /* 0.5 -> 0 */, 1, 2 /* 1.5 -> 2 */};
  for (int32_t ty = 0; ty < 4; ++ty) {
    for (int32_t tx = 0; tx < 4; ++tx) {
      EXPECT_EQ(out.PixelAt(tx, 3 - ty), Bgr(expectedBlue[ty], expectedGreen[tx], 100))
          << tx << "," << ty;
    }
  }
}

TEST(Resample24, AnyKeyNeighbourMakesTheTargetKeyNeverABlend) {
  // 3 x 3 with one key pixel in the centre, downsampled and upsampled.
  CDib24 dib = MakeDib24(
      3, 3, [](int32_t x, int32_t y) { return x == 1 && y == 1 ? kKeyWord : Bgr(10, 20, 30); });
  for (auto [nw, nh] : {std::pair{2, 2}, {4, 4}, {6, 5}}) {
    CDib24 out = dib.Resample(nw, nh, kKeyColor);
    for (int32_t y = 0; y < nh; ++y) {
      for (int32_t x = 0; x < nw; ++x) {
        const uint32_t p = out.PixelAt(x, y);
        EXPECT_TRUE(p == kKeyWord || p == Bgr(10, 20, 30))
            << x << "," << y << ": " << std::hex << p;
      }
    }
  }
  // 3 -> 4: target (1,1) samples (0.5, 0.5); its neighbours include the centre.
  EXPECT_EQ(dib.Resample(4, 4, kKeyColor).PixelAt(1, 2), kKeyWord);
  // Target (0,0) samples exactly (0,0), but its neighbours (1,0), (0,1), (1,1) are read.
  EXPECT_EQ(dib.Resample(4, 4, kKeyColor).PixelAt(0, 3), kKeyWord);
}

TEST(Resample24, AnInterpolatedColourEqualToTheKeyRaisesTheFlag) {
  // Column 0 interpolates (252, 2, 254) and (254, 4, 254) at 0.5 into the key colour.
  CDib24 dib = MakeDib24(3, 3, [](int32_t, int32_t y) {
    return y == 2 ? Bgr(252, 2, 254) : Bgr(254, 4, 254);  // picture row 2 is stored row 0
  });
  CDib24 out = dib.Resample(4, 4, kKeyColor);
  EXPECT_EQ(out.PixelAt(0, 2), kKeyWord);  // stored row 1 samples 0.5
  EXPECT_EQ(out.PixelAt(0, 3), Bgr(252, 2, 254));
}

TEST(Resample24, KeyColourArgumentSelectsWhatCountsAsKeyAndWhatKeyedPixelsBecome) {
  const uint32_t magenta = Bgr(255, 0, 255);
  CDib24 dib = MakeDib24(2, 2, [&](int32_t x, int32_t) { return x == 1 ? magenta : Bgr(9, 9, 9); });
  CDib24 out = dib.Resample(3, 3, platform::RGB(255, 0, 255));
  EXPECT_EQ(out.PixelAt(0, 0), magenta);  // reads column 1 as its right neighbour
  CDib24 unkeyed = dib.Resample(3, 3, kKeyColor);
  EXPECT_EQ(unkeyed.PixelAt(0, 0), Bgr(9, 9, 9));  // u = 0
}

TEST(Resample24, OnePixelSourcesStayInside) {
  CDib24 dib = MakeDib24(1, 1, [](int32_t, int32_t) { return Bgr(5, 6, 7); });
  CDib24 out = dib.Resample(3, 2);
  for (int32_t y = 0; y < 2; ++y) {
    for (int32_t x = 0; x < 3; ++x)
      EXPECT_EQ(out.PixelAt(x, y), Bgr(5, 6, 7));
  }
  CDib24 row = MakeDib24(4, 1, [](int32_t x, int32_t) { return Bgr(x * 10, 0, 0); });
  CDib24 wide = row.Resample(2, 3);
  EXPECT_EQ(wide.PixelAt(1, 0), Bgr(15, 0, 0));  // rx = 1.5, row ratio 0
}

}  // namespace
}  // namespace wayband::imaging
