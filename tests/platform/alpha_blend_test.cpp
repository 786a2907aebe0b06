// AlphaBlend against the exact arithmetic within one unit per channel, its nearest-pixel
// stretching, and the calls it refuses.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "surface.h"

namespace wayband::platform {
namespace {

using testing::Surface;

uint8_t Channel(uint32_t pixel, int c) {
  return static_cast<uint8_t>(pixel >> (8 * c));
}

BlendFunction Blend(uint8_t constant, bool perPixel) {
  return BlendFunction{AC_SRC_OVER, 0, constant, perPixel ? AC_SRC_ALPHA : uint8_t{0}};
}

// Blends every source over every destination pixel of two equal surfaces and checks each
// channel against the exact value, saturated at 255.
void ExpectWithinOneUnit(Surface& src, Surface& dst, uint8_t constant, bool perPixel) {
  const int w = src.bitmap->width(), h = src.bitmap->height();
  Surface before(w, h, 32);
  ASSERT_TRUE(BitBlt(*before.dc, 0, 0, w, h, dst.dc.get(), 0, 0, SRCCOPY));
  ASSERT_TRUE(AlphaBlend(*dst.dc, 0, 0, w, h, *src.dc, 0, 0, w, h, Blend(constant, perPixel)));
  const double sca = constant / 255.0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const uint32_t s = src.At(x, y), d = before.At(x, y);
      const double keep = perPixel ? 1.0 - Channel(s, 3) * sca / 255.0 : 1.0 - sca;
      for (int c = 0; c < 4; ++c) {
        const double exact = std::min(255.0, Channel(s, c) * sca + Channel(d, c) * keep);
        ASSERT_LE(std::abs(Channel(dst.At(x, y), c) - exact), 1.0)
            << "constant " << int(constant) << " per pixel " << perPixel << " source " << std::hex
            << s << " over " << d << " channel " << c;
      }
    }
  }
}

TEST(AlphaBlendArithmetic, EverySourceAlphaOverEveryDestinationValue) {
  // Source alpha along x, destination value along y; source colours premultiplied (a third,
  // a half and all of the alpha).
  const std::pair<uint8_t, bool> blends[] = {{255, true}, {254, true},  {128, true},  {37, true},
                                             {1, true},   {255, false}, {200, false}, {3, false}};
  for (const auto& [constant, perPixel] : blends) {
    Surface src(256, 256, 32), dst(256, 256, 32);
    src.Paint([](uint32_t x, uint32_t) { return x << 24 | x << 16 | (x / 2) << 8 | x / 3; });
    dst.Paint([](uint32_t, uint32_t y) { return 0x01010101u * y; });
    ExpectWithinOneUnit(src, dst, constant, perPixel);
  }
}

TEST(AlphaBlendArithmetic, OddWidthsAndRandomPixels) {
  std::mt19937 random(3);
  Surface src(7, 5, 32), dst(7, 5, 32);
  src.Paint([&](int, int) {
    const uint32_t a = random() & 0xFF;
    return (random() % (a + 1)) | (random() % (a + 1)) << 8 | (random() % (a + 1)) << 16 | a << 24;
  });
  dst.Paint([&](int, int) { return random(); });
  ExpectWithinOneUnit(src, dst, 255, true);
  ExpectWithinOneUnit(src, dst, 99, true);
  ExpectWithinOneUnit(src, dst, 99, false);
  // Half of opaque white over black is exactly 0x80.
  Surface white(1, 1, 32), black(1, 1, 32);
  white.Fill(0xFFFFFFFF);
  black.Fill(0xFF000000);
  ASSERT_TRUE(AlphaBlend(*black.dc, 0, 0, 1, 1, *white.dc, 0, 0, 1, 1, Blend(128, true)));
  EXPECT_EQ(black.At(0, 0), 0xFF808080u);
}

TEST(AlphaBlendStretch, SamplesTheNearestSourcePixelOnAnyTarget) {
  Surface src(2, 2, 32), dst(5, 4, 32), rgb(2, 1, 24);
  const uint32_t colours[4] = {0xFF0000FF, 0x80008000, 0x00000000, 0xFFFF0000};
  src.Paint([&](int x, int y) { return colours[2 * y + x]; });
  dst.Fill(0xFF101010);
  ASSERT_TRUE(AlphaBlend(*dst.dc, 1, 0, 4, 4, *src.dc, 0, 0, 2, 2, Blend(255, true)));
  EXPECT_EQ(dst.At(0, 0), 0xFF101010u);  // outside the block
  EXPECT_EQ(dst.At(1, 1), 0xFF0000FFu);
  EXPECT_EQ(dst.At(3, 1), 0xFF088808u);  // 0x80 + 0x10 * 127 / 255 in green
  EXPECT_EQ(dst.At(2, 3), 0xFF101010u);  // transparent source
  EXPECT_EQ(dst.At(4, 2), 0xFFFF0000u);
  // 24-bit targets blend their colour bytes: 0x40 + 255 * 127 / 255.
  Surface grey(1, 1, 32);
  grey.Fill(0x80404040);
  rgb.Fill(0x00FFFFFF);
  ASSERT_TRUE(AlphaBlend(*rgb.dc, 0, 0, 2, 1, *grey.dc, 0, 0, 1, 1, Blend(255, true)));
  EXPECT_EQ(rgb.At(1, 0), 0x00BFBFBFu);
}

TEST(AlphaBlendArguments, RefusedCallsDrawNothingAndClippedOnesDraw) {
  Surface src(4, 4, 32), dst(4, 4, 32), mono(4, 4, 1), rgb(4, 4, 24);
  src.Fill(0xFFFFFFFF);
  const BlendFunction over = Blend(255, true);
  EXPECT_FALSE(AlphaBlend(*dst.dc, 0, 0, -1, 4, *src.dc, 0, 0, 4, 4, over));
  EXPECT_FALSE(AlphaBlend(*dst.dc, 0, 0, 4, 4, *src.dc, 0, 0, 4, -4, over));
  EXPECT_FALSE(AlphaBlend(*dst.dc, 0, 0, 4, 4, *src.dc, 1, 0, 4, 4, over));  // source outside
  EXPECT_FALSE(AlphaBlend(*dst.dc, 0, 0, 4, 4, *src.dc, INT32_MAX, 0, 4, 4, over));
  EXPECT_FALSE(AlphaBlend(*dst.dc, 0, 0, 4, 4, *src.dc, 0, -1, 2, 2, over));
  EXPECT_FALSE(AlphaBlend(*mono.dc, 0, 0, 4, 4, *src.dc, 0, 0, 4, 4, over));
  EXPECT_FALSE(AlphaBlend(*dst.dc, 0, 0, 4, 4, *mono.dc, 0, 0, 4, 4, over));
  EXPECT_FALSE(AlphaBlend(*dst.dc, 0, 0, 4, 4, *rgb.dc, 0, 0, 4, 4, over));  // needs 32 bits
  EXPECT_FALSE(AlphaBlend(*dst.dc, 0, 0, 4, 4, *src.dc, 0, 0, 4, 4, BlendFunction{1, 0, 255, 1}));
  EXPECT_FALSE(AlphaBlend(*dst.dc, 0, 0, 4, 4, *src.dc, 0, 0, 4, 4, BlendFunction{0, 1, 255, 1}));
  EXPECT_FALSE(AlphaBlend(*dst.dc, 0, 0, 4, 4, DrawingContext::Screen(), 0, 0, 4, 4, over));
  EXPECT_EQ(dst.Differing(0), 0);
  EXPECT_TRUE(AlphaBlend(*dst.dc, INT32_MIN, 2, INT32_MAX, 4, *src.dc, 0, 0, 4, 4, over));
  EXPECT_TRUE(AlphaBlend(*dst.dc, 3, 3, 4, 4, *src.dc, 0, 0, 4, 4, over));
  EXPECT_EQ(dst.Differing(0), 1);
  EXPECT_TRUE(AlphaBlend(*dst.dc, 0, 0, 4, 4, *rgb.dc, 0, 0, 4, 4, Blend(255, false)));
  EXPECT_EQ(dst.Differing(0), 0);
}

}  // namespace
}  // namespace wayband::platform
