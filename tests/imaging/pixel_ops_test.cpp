#include <gtest/gtest.h>

#include "surface_test_support.h"

namespace wayband::imaging {
namespace {

using testing::Bgr;
using testing::Bgra;

// A one-row 32-bit surface holding the given pixels, left to right.
CDib32 Row32(std::initializer_list<uint32_t> pixels) {
  CDib32 dib;
  dib.Create(static_cast<int32_t>(pixels.size()), 1);
  int32_t x = 0;
  for (uint32_t p : pixels)
    dib.SetPixelAt(x++, 0, p);
  return dib;
}

TEST(PremultiplyAlpha, MultipliesColourBytesByAlphaWithTruncation) {
  CDib32 dib = Row32(
      {Bgra(200, 100, 50, 128), Bgra(200, 100, 50, 0), Bgra(7, 8, 9, 255), Bgra(255, 255, 1, 1)});
  dib.PremultiplyAlpha();
  EXPECT_EQ(dib.PixelAt(0, 0), Bgra(100, 50, 25, 128));
  EXPECT_EQ(dib.PixelAt(1, 0), Bgra(0, 0, 0, 0));
  EXPECT_EQ(dib.PixelAt(2, 0), Bgra(7, 8, 9, 255));
  EXPECT_EQ(dib.PixelAt(3, 0), Bgra(1, 1, 0, 1));
}

TEST(PremultiplyAlpha, EveryChannelAndAlphaPairTruncates) {
  CDib32 dib;
  ASSERT_TRUE(dib.Create(256, 256));  // column: colour value, row: alpha
  testing::FillPixels(dib, [](int32_t x, int32_t y) {
    return Bgra(static_cast<uint8_t>(x), static_cast<uint8_t>(255 - x), static_cast<uint8_t>(x),
                static_cast<uint8_t>(y));
  });
  dib.PremultiplyAlpha();
  for (int32_t y = 0; y < 256; ++y) {
    for (int32_t x = 0; x < 256; ++x) {
      const auto expected =
          Bgra(static_cast<uint8_t>(x * y / 255), static_cast<uint8_t>((255 - x) * y / 255),
               static_cast<uint8_t>(x * y / 255), static_cast<uint8_t>(y));
      ASSERT_EQ(dib.PixelAt(x, y), expected) << x << "," << y;
    }
  }
}

TEST(Greyscale32, RoundsTheChannelMeanAndKeepsAlpha) {
  CDib32 dib =
      Row32({Bgra(10, 20, 31, 77), Bgra(1, 1, 0, 5), Bgra(255, 255, 255, 255), Bgra(0, 0, 2, 0)});
  dib.Greyscale(0);
  EXPECT_EQ(dib.PixelAt(0, 0), Bgra(20, 20, 20, 77));  // 61 / 3 = 20.33
  EXPECT_EQ(dib.PixelAt(1, 0), Bgra(1, 1, 1, 5));      // 2 / 3 = 0.67
  EXPECT_EQ(dib.PixelAt(2, 0), Bgra(255, 255, 255, 255));
  EXPECT_EQ(dib.PixelAt(3, 0), Bgra(1, 1, 1, 0));
}

TEST(Greyscale32, KeepKeyColourOnlyWhenOneOrMore) {
  const uint32_t key = Bgra(253, 3, 254, 9);
  const uint32_t nearKey = Bgra(253, 3, 253, 9);
  for (int32_t keep : {1, 2}) {
    CDib32 dib = Row32({key, nearKey});
    dib.Greyscale(keep);
    EXPECT_EQ(dib.PixelAt(0, 0), key);
    EXPECT_EQ(dib.PixelAt(1, 0), Bgra(170, 170, 170, 9));
  }
  for (int32_t off : {0, -1}) {
    CDib32 dib = Row32({key});
    dib.Greyscale(off);
    EXPECT_EQ(dib.PixelAt(0, 0), Bgra(170, 170, 170, 9));  // 510 / 3
  }
}

TEST(Greyscale24, GreysAllButTheKeyColourAndIgnoresItsArguments) {
  CDib24 dib;
  ASSERT_TRUE(dib.Create(3, 2));
  dib.SetPixelAt(0, 0, Bgr(10, 20, 31));
  dib.SetPixelAt(1, 0, Bgr(253, 3, 254));
  dib.SetPixelAt(2, 0, Bgr(1, 1, 0));
  dib.SetPixelAt(2, 1, Bgr(255, 0, 255));
  dib.Greyscale(platform::RGB(1, 2, 3), platform::RGB(4, 5, 6));
  EXPECT_EQ(dib.PixelAt(0, 0), Bgr(20, 20, 20));
  EXPECT_EQ(dib.PixelAt(1, 0), Bgr(253, 3, 254));
  EXPECT_EQ(dib.PixelAt(2, 0), Bgr(1, 1, 1));
  EXPECT_EQ(dib.PixelAt(2, 1), Bgr(170, 170, 170));
  EXPECT_EQ(dib.PixelAt(0, 1), Bgr(0, 0, 0));
}

TEST(KeyOutBackground, NearMatchesEachChannelWithinTwelve) {
  CDib32 dib;
  ASSERT_TRUE(dib.Create(4, 2));
  dib.SetPixelAt(0, 0, Bgra(100, 100, 100, 255));  // top-left: the reference
  dib.SetPixelAt(1, 0, Bgra(112, 88, 100, 200));
  dib.SetPixelAt(2, 0, Bgra(113, 100, 100, 255));
  dib.SetPixelAt(3, 0, Bgra(100, 100, 87, 255));
  dib.SetPixelAt(0, 1, Bgra(88, 112, 112, 255));
  dib.SetPixelAt(1, 1, Bgra(100, 100, 100, 3));
  dib.SetPixelAt(2, 1, Bgra(0, 0, 0, 0));
  dib.SetPixelAt(3, 1, Bgra(100, 113, 100, 255));
  dib.KeyOutBackgroundNear();
  const uint32_t keyed = Bgra(253, 3, 254, 0);
  EXPECT_EQ(dib.PixelAt(0, 0), keyed);
  EXPECT_EQ(dib.PixelAt(1, 0), keyed);
  EXPECT_EQ(dib.PixelAt(2, 0), Bgra(113, 100, 100, 255));
  EXPECT_EQ(dib.PixelAt(3, 0), Bgra(100, 100, 87, 255));
  EXPECT_EQ(dib.PixelAt(0, 1), keyed);
  EXPECT_EQ(dib.PixelAt(1, 1), keyed);
  EXPECT_EQ(dib.PixelAt(2, 1), Bgra(0, 0, 0, 0));
  EXPECT_EQ(dib.PixelAt(3, 1), Bgra(100, 113, 100, 255));
}

TEST(KeyOutBackground, ExactMatchesOnlyTheTopLeftColourIgnoringAlpha) {
  CDib32 dib;
  ASSERT_TRUE(dib.Create(2, 2));
  dib.SetPixelAt(0, 0, Bgra(40, 50, 60, 255));
  dib.SetPixelAt(1, 0, Bgra(40, 50, 61, 255));
  dib.SetPixelAt(0, 1, Bgra(40, 50, 60, 17));
  dib.SetPixelAt(1, 1, Bgra(41, 50, 60, 255));
  dib.KeyOutBackground();
  EXPECT_EQ(dib.PixelAt(0, 0), Bgra(253, 3, 254, 0));
  EXPECT_EQ(dib.PixelAt(1, 0), Bgra(40, 50, 61, 255));
  EXPECT_EQ(dib.PixelAt(0, 1), Bgra(253, 3, 254, 0));
  EXPECT_EQ(dib.PixelAt(1, 1), Bgra(41, 50, 60, 255));
}

}  // namespace
}  // namespace wayband::imaging
