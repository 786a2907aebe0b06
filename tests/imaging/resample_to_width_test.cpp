#include <gtest/gtest.h>

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <map>
#include <random>
#include <tuple>
#include <utility>
#include <vector>

#include "surface_test_support.h"

namespace wayband::imaging {
namespace {

using testing::Bgra;
using testing::Channel;

// Reference for the general case, written straight from the description of the area
// average: a map of cells, the four footprint cases spelled out, rounding by nearbyint in
// the default (to nearest, ties to even) mode. Rows are stored rows (bottom-up).
std::vector<uint32_t> ReferenceAreaAverage(const CDib32& source, int32_t n) {
  const int32_t w = source.Width();
  const int32_t h = source.Height();
  const int32_t nh = static_cast<int32_t>(n * h / w + ((n * h) % w ? 1 : 0));
  const float s = static_cast<float>(n) / static_cast<float>(w);
  std::map<std::pair<int32_t, int32_t>, std::array<int64_t, 4>> cells;
  auto add = [&](int32_t cx, int32_t cy, uint32_t pixel, float weight) {
    auto& sums = cells[{cx, cy}];
    const int alpha = Channel(pixel, 3);
    sums[3] = static_cast<int64_t>(
        std::nearbyint(static_cast<double>(sums[3]) + static_cast<double>(alpha * weight)));
    if (alpha == 0) return;
    for (int c = 0; c < 3; ++c) {
      sums[c] = static_cast<int64_t>(std::nearbyint(
          static_cast<double>(sums[c]) + static_cast<double>(Channel(pixel, c) * weight)));
    }
  };
  for (int32_t x = 0; x < w; ++x) {
    for (int32_t y = 0; y < h; ++y) {
      const uint32_t pixel = source.PixelAt(x, h - 1 - y);  // stored row y
      const float fx = static_cast<float>(x) * static_cast<float>(n) / static_cast<float>(w);
      const float fy = static_cast<float>(y) * static_cast<float>(n) / static_cast<float>(w);
      const int32_t tx = static_cast<int32_t>(std::floor(fx));
      const int32_t ty = static_cast<int32_t>(std::floor(fy));
      const bool splitX = fx + s > static_cast<float>(tx + 1);
      const bool splitY = fy + s > static_cast<float>(ty + 1);
      const float wx = splitX ? 1.0f - ((fx + s - static_cast<float>(tx + 1)) / s) : 1.0f;
      const float wy = splitY ? 1.0f - ((fy + s - static_cast<float>(ty + 1)) / s) : 1.0f;
      if (!splitX && !splitY) {
        add(tx, ty, pixel, 1.0f);
      } else if (splitX && !splitY) {
        add(tx, ty, pixel, wx);
        add(tx + 1, ty, pixel, 1.0f - wx);
      } else if (!splitX && splitY) {
        add(tx, ty, pixel, wy);
        add(tx, ty + 1, pixel, 1.0f - wy);
      } else {
        add(tx, ty, pixel, wx * wy);
        add(tx + 1, ty, pixel, (1.0f - wx) * wy);
        add(tx, ty + 1, pixel, wx * (1.0f - wy));
        add(tx + 1, ty + 1, pixel, (1.0f - wx) * (1.0f - wy));
      }
    }
  }
  std::vector<uint32_t> out;  // picture order, top row first
  for (int32_t py = 0; py < nh; ++py) {
    for (int32_t x = 0; x < n; ++x) {
      const auto& sums = cells[{x, nh - 1 - py}];
      uint32_t word = 0;
      for (int c = 0; c < 4; ++c) {
        const int64_t v = std::min<int64_t>(255, ((sums[c] * n) / w * n) / w);
        word |= static_cast<uint32_t>(v) << (8 * c);
      }
      out.push_back(word);
    }
  }
  return out;
}

std::vector<uint32_t> Pixels(const CDib32& dib) {
  std::vector<uint32_t> out;
  for (int32_t y = 0; y < dib.Height(); ++y) {
    for (int32_t x = 0; x < dib.Width(); ++x)
      out.push_back(dib.PixelAt(x, y));
  }
  return out;
}

CDib32 RandomDib(int32_t w, int32_t h, uint32_t seed, bool withTransparency) {
  std::mt19937 rng(seed);
  CDib32 dib;
  dib.Create(w, h);
  testing::FillPixels(dib, [&](int32_t, int32_t) {
    uint32_t word = rng();
    if (withTransparency && rng() % 4 == 0) word &= 0x00FFFFFF;  // some alpha-0 pixels
    return word;
  });
  return dib;
}

TEST(ResampleToWidth, NewHeightIsScaledAndRoundedUp) {
  for (auto [w, h, n, nh] : {std::tuple{48, 48, 16, 16},
                             {32, 32, 24, 24},
                             {10, 7, 4, 3},
                             {10, 5, 4, 2},
                             {3, 1, 7, 3},
                             {1, 1, 5, 5}}) {
    CDib32 dib = testing::MakeDib32(w, h, Bgra(1, 2, 3, 255));
    CDib32 out = dib.ResampleToWidth(n);
    ASSERT_NE(out.hDC(), nullptr) << w << "x" << h << "->" << n;
    EXPECT_EQ(out.Width(), n);
    EXPECT_EQ(out.Height(), nh) << w << "x" << h << "->" << n;
  }
}

TEST(ResampleToWidth, RejectsWidthsBelowOneAndLeavesTheSourceAlone) {
  CDib32 dib = RandomDib(6, 6, 1, false);
  const auto before = Pixels(dib);
  EXPECT_EQ(dib.ResampleToWidth(0).hDC(), nullptr);
  EXPECT_EQ(dib.ResampleToWidth(-1).hDC(), nullptr);
  EXPECT_EQ(dib.ResampleToWidth(1 << 20).hDC(), nullptr);  // target over the memory cap
  (void)dib.ResampleToWidth(4);
  EXPECT_EQ(Pixels(dib), before);
}

// Exact case 48 -> 16: each target pixel averages a 3 x 3 block. Alpha is the block's mean
// (truncated); colour the mean of premultiplied colours over pixels with alpha.
TEST(ResampleToWidth, WholeBlocksAverageAlphaAndPremultipliedColour) {
  CDib32 dib = testing::MakeDib32(48, 48, Bgra(30, 60, 90, 255));
  // Block of the top-left target pixel: one transparent pixel, one half-transparent.
  dib.SetPixelAt(0, 0, Bgra(255, 255, 255, 0));
  dib.SetPixelAt(1, 0, Bgra(200, 100, 50, 128));
  CDib32 out = dib.ResampleToWidth(16);
  ASSERT_EQ(out.Width(), 16);
  // alpha (0 + 128 + 7 x 255) \ 9 = 212; colours over 8 pixels with alpha:
  // blue (100 + 7 x 30) \ 8 = 38, green (50 + 7 x 60) \ 8 = 58, red (25 + 7 x 90) \ 8 = 81.
  EXPECT_EQ(out.PixelAt(0, 0), Bgra(38, 58, 81, 212));
  EXPECT_EQ(out.PixelAt(1, 0), Bgra(30, 60, 90, 255));
  EXPECT_EQ(out.PixelAt(15, 15), Bgra(30, 60, 90, 255));
}

TEST(ResampleToWidth, FullyTransparentSourceGivesZeroBytes) {
  for (int32_t n : {16, 24, 5}) {  // exact case, general case, general downscale
    CDib32 dib = testing::MakeDib32(48, 48, Bgra(90, 80, 70, 0));
    CDib32 out = dib.ResampleToWidth(n);
    for (uint8_t byte : out.Bits())
      ASSERT_EQ(byte, 0) << n;
  }
}

// General case 4 -> 3 (scale 0.75): a single opaque pixel at stored (1, 1) has its
// footprint [0.75, 1.5)^2 split 1/3 : 2/3 both ways. Sums round(255 x 1/9) = 28,
// round(255 x 2/9) = 57 twice, round(255 x 4/9) = 113; each normalised by x3\4 x3\4.
TEST(ResampleToWidth, GeneralCaseSplitsAFootprintOverFourCells) {
  CDib32 dib;
  ASSERT_TRUE(dib.Create(4, 4));
  dib.SetPixelAt(1, 2, Bgra(255, 0, 0, 255));  // stored row 1 is picture row 2
  CDib32 out = dib.ResampleToWidth(3);
  ASSERT_EQ(out.Height(), 3);
  // Stored rows 0 and 1 are picture rows 2 and 1.
  EXPECT_EQ(out.PixelAt(0, 2), Bgra(15, 0, 0, 15));
  EXPECT_EQ(out.PixelAt(1, 2), Bgra(31, 0, 0, 31));
  EXPECT_EQ(out.PixelAt(0, 1), Bgra(31, 0, 0, 31));
  EXPECT_EQ(out.PixelAt(1, 1), Bgra(63, 0, 0, 63));
  EXPECT_EQ(out.PixelAt(2, 0), 0u);
}

TEST(ResampleToWidth, GeneralCaseMatchesTheReferenceBitForBit) {
  ASSERT_EQ(std::fegetround(), FE_TONEAREST);
  struct Case {
    int32_t w, h, n;
  };
  for (Case c : {Case{32, 32, 24},
                 {33, 17, 7},
                 {7, 11, 3},
                 {5, 5, 9},
                 {20, 1, 6},
                 {1, 4, 3},
                 {48, 48, 20},
                 {100, 30, 64}}) {
    for (bool transparency : {false, true}) {
      CDib32 dib = RandomDib(c.w, c.h, static_cast<uint32_t>(c.w * 131 + c.n), transparency);
      CDib32 out = dib.ResampleToWidth(c.n);
      ASSERT_NE(out.hDC(), nullptr);
      EXPECT_EQ(Pixels(out), ReferenceAreaAverage(dib, c.n))
          << c.w << "x" << c.h << " -> " << c.n << (transparency ? " with alpha 0" : "");
    }
  }
}

// 32 -> 24 of a flat opaque colour stays close to it; straight colour weighted by coverage.
TEST(ResampleToWidth, FlatOpaqueColourSurvivesTheGeneralCase) {
  CDib32 dib = testing::MakeDib32(32, 32, Bgra(200, 100, 10, 255));
  CDib32 out = dib.ResampleToWidth(24);
  for (uint32_t p : Pixels(out)) {
    EXPECT_NEAR(Channel(p, 0), 200, 2);
    EXPECT_NEAR(Channel(p, 1), 100, 2);
    EXPECT_NEAR(Channel(p, 2), 10, 2);
    EXPECT_NEAR(Channel(p, 3), 255, 2);
  }
}

}  // namespace
}  // namespace wayband::imaging
