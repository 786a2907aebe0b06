// AlphaBlend against the exact arithmetic, within one unit per channel.
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

// The exact result per channel, saturated at 255.
double Exact(uint32_t s, uint32_t d, int c, uint8_t constant, bool perPixel) {
  const double sca = constant / 255.0;
  const double keep = perPixel ? 1.0 - Channel(s, 3) * sca / 255.0 : 1.0 - sca;
  return std::min(255.0, Channel(s, c) * sca + Channel(d, c) * keep);
}

BlendFunction Blend(uint8_t constant, bool perPixel) {
  return BlendFunction{AC_SRC_OVER, 0, constant, perPixel ? AC_SRC_ALPHA : uint8_t{0}};
}

// Blends every source over every destination pixel of two w x h surfaces and checks each
// channel against the exact value.
void ExpectWithinOneUnit(Surface& src, Surface& dst, uint8_t constant, bool perPixel) {
  const int w = src.bitmap->width(), h = src.bitmap->height();
  Surface before(w, h, 32);
  ASSERT_TRUE(BitBlt(*before.dc, 0, 0, w, h, dst.dc.get(), 0, 0, SRCCOPY));
  ASSERT_TRUE(AlphaBlend(*dst.dc, 0, 0, w, h, *src.dc, 0, 0, w, h, Blend(constant, perPixel)));
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      for (int c = 0; c < 4; ++c) {
        const double exact = Exact(src.At(x, y), before.At(x, y), c, constant, perPixel);
        ASSERT_LE(std::abs(Channel(dst.At(x, y), c) - exact), 1.0)
            << "constant " << int(constant) << " source " << std::hex << src.At(x, y) << " over "
            << before.At(x, y) << " channel " << c;
      }
    }
  }
}

// Source alpha along x, destination value along y; source colours premultiplied (a third,
// a half and all of the alpha).
void FillSweep(Surface& src, Surface& dst) {
  for (int y = 0; y < 256; ++y) {
    for (int x = 0; x < 256; ++x) {
      src.bitmap->SetPixelAt(
          x, y, uint32_t(x) << 24 | uint32_t(x) << 16 | uint32_t(x / 2) << 8 | uint32_t(x / 3));
      dst.bitmap->SetPixelAt(x, y, 0x01010101u * uint32_t(y));
    }
  }
}

TEST(AlphaBlendArithmetic, PerPixelAlphaAllValues) {
  for (uint8_t constant : {255, 254, 128, 37, 1}) {
    Surface src(256, 256, 32), dst(256, 256, 32);
    FillSweep(src, dst);
    ExpectWithinOneUnit(src, dst, constant, true);
  }
}

TEST(AlphaBlendArithmetic, ConstantAlphaAllValues) {
  for (uint8_t constant : {255, 200, 128, 3}) {
    Surface src(256, 256, 32), dst(256, 256, 32);
    FillSweep(src, dst);
    ExpectWithinOneUnit(src, dst, constant, false);
  }
}

TEST(AlphaBlendArithmetic, OddWidthsAndRandomPixels) {
  std::mt19937 random(3);
  Surface src(7, 5, 32), dst(7, 5, 32);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 7; ++x) {
      const uint32_t a = random() & 0xFF;
      const uint32_t premultiplied =
          (random() % (a + 1)) | (random() % (a + 1)) << 8 | (random() % (a + 1)) << 16 | a << 24;
      src.bitmap->SetPixelAt(x, y, premultiplied);
      dst.bitmap->SetPixelAt(x, y, random());
    }
  }
  ExpectWithinOneUnit(src, dst, 255, true);
  ExpectWithinOneUnit(src, dst, 99, true);
  ExpectWithinOneUnit(src, dst, 99, false);
}

TEST(AlphaBlendArithmetic, HalfConstantOfOpaqueWhiteOverBlack) {
  Surface src(1, 1, 32), dst(1, 1, 32);
  src.Fill(0xFFFFFFFF);
  dst.Fill(0xFF000000);
  ASSERT_TRUE(AlphaBlend(*dst.dc, 0, 0, 1, 1, *src.dc, 0, 0, 1, 1, Blend(128, true)));
  EXPECT_EQ(dst.At(0, 0), 0xFF808080u);
}

TEST(AlphaBlendStretch, SamplesNearestSourcePixel) {
  Surface src(2, 2, 32), dst(5, 4, 32);
  const uint32_t colours[4] = {0xFF0000FF, 0x80008000, 0x00000000, 0xFFFF0000};
  for (int i = 0; i < 4; ++i)
    src.bitmap->SetPixelAt(i % 2, i / 2, colours[i]);
  dst.Fill(0xFF101010);
  ASSERT_TRUE(AlphaBlend(*dst.dc, 1, 0, 4, 4, *src.dc, 0, 0, 2, 2, Blend(255, true)));
  EXPECT_EQ(dst.At(0, 0), 0xFF101010u);  // outside the block
  EXPECT_EQ(dst.At(1, 1), 0xFF0000FFu);
  EXPECT_EQ(dst.At(3, 1), 0xFF088808u);  // 0x80 + 0x10 * 127 / 255 in green
  EXPECT_EQ(dst.At(2, 3), 0xFF101010u);  // transparent source
  EXPECT_EQ(dst.At(4, 2), 0xFFFF0000u);
}

TEST(AlphaBlendStretch, TwentyFourBitTargetsBlendTheirColourBytes) {
  Surface src(2, 1, 32), dst(2, 1, 24);
  src.Fill(0x80404040);
  dst.Fill(0x00FFFFFF);
  ASSERT_TRUE(AlphaBlend(*dst.dc, 0, 0, 2, 1, *src.dc, 0, 0, 1, 1, Blend(255, true)));
  EXPECT_EQ(dst.At(1, 0), 0x00BFBFBFu);  // 0x40 + 255 * 127 / 255
}

TEST(AlphaBlendArguments, RefusedCallsDrawNothing) {
  Surface src(4, 4, 32), dst(4, 4, 32), mono(4, 4, 1), rgb(4, 4, 24);
  src.Fill(0xFFFFFFFF);
  const BlendFunction over = Blend(255, true);
  EXPECT_FALSE(AlphaBlend(*dst.dc, 0, 0, -1, 4, *src.dc, 0, 0, 4, 4, over));
  EXPECT_FALSE(AlphaBlend(*dst.dc, 0, 0, 4, 4, *src.dc, 0, 0, 4, -4, over));
  EXPECT_FALSE(AlphaBlend(*dst.dc, 0, 0, 4, 4, *src.dc, 1, 0, 4, 4, over));
  EXPECT_FALSE(AlphaBlend(*dst.dc, 0, 0, 4, 4, *src.dc, -1, 0, 2, 2, over));
  EXPECT_FALSE(AlphaBlend(*dst.dc, 0, 0, 4, 4, *src.dc, INT32_MAX, 0, 4, 4, over));
  EXPECT_FALSE(AlphaBlend(*dst.dc, 0, 0, 4, 4, *mono.dc, 0, 0, 4, 4, over));
  EXPECT_FALSE(AlphaBlend(*mono.dc, 0, 0, 4, 4, *src.dc, 0, 0, 4, 4, over));
  EXPECT_FALSE(AlphaBlend(*dst.dc, 0, 0, 4, 4, *rgb.dc, 0, 0, 4, 4, over));
  EXPECT_FALSE(AlphaBlend(*dst.dc, 0, 0, 4, 4, *src.dc, 0, 0, 4, 4, BlendFunction{1, 0, 255, 1}));
  EXPECT_FALSE(AlphaBlend(*dst.dc, 0, 0, 4, 4, *src.dc, 0, 0, 4, 4, BlendFunction{0, 1, 255, 1}));
  EXPECT_FALSE(AlphaBlend(*dst.dc, 0, 0, 4, 4, DrawingContext::Screen(), 0, 0, 4, 4, over));
  EXPECT_EQ(dst.Differing(0), 0);
  // Clipping the destination is fine; so is a 24-bit source with constant alpha.
  EXPECT_TRUE(AlphaBlend(*dst.dc, INT32_MIN, 2, INT32_MAX, 4, *src.dc, 0, 0, 4, 4, over));
  EXPECT_TRUE(AlphaBlend(*dst.dc, 3, 3, 4, 4, *src.dc, 0, 0, 4, 4, over));
  EXPECT_EQ(dst.Differing(0), 1);
  EXPECT_TRUE(AlphaBlend(*dst.dc, 0, 0, 4, 4, *rgb.dc, 0, 0, 4, 4, Blend(255, false)));
  EXPECT_EQ(dst.Differing(0), 0);
}

}  // namespace
}  // namespace wayband::platform
