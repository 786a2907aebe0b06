// CDib24::Resample (bilinear, halves to even, never blending the key colour) and
// CDib32::ResampleToWidth (block or area averages of premultiplied colour).
#include <gtest/gtest.h>

#include <map>

#include "surface_test_support.h"

namespace wayband::imaging {
namespace {

using namespace testing;

const uint32_t kKeyWord = Bgra(253, 3, 254);

// 3 x 3 -> 4 x 4 samples at 0, 0.5, 1, 1.5: exact halves. The same size is a copy; a
// one-pixel side has no second neighbour; sizes below 1 give nothing.
TEST(Resample24, InterpolatesColumnsThenRowsRoundingHalvesToEven) {
  const PixelFn pixel = [](int32_t x, int32_t y) { return Bgra(3 * (2 - y), x, 100); };
  const CDib24 dib = Painted<CDib24>(3, 3, pixel);  // blue 3 per stored row, green 1 per column
  const int blueByStoredRow[4] = {0, 2 /* 1.5 */, 3, 4 /* 4.5 */};
  const int greenByColumn[4] = {0, 0 /* 0.5 */, 1, 2 /* 1.5 */};
  EXPECT_TRUE(PixelsAre(dib.Resample(4, 4), [&](int32_t x, int32_t y) {
    return Bgra(blueByStoredRow[3 - y], greenByColumn[x], 100);
  }));
  EXPECT_TRUE(PixelsAre(dib.Resample(3, 3), pixel));
  EXPECT_TRUE(PixelsAre(Painted<CDib24>(1, 1, pixel).Resample(3, 2),
                        [&](int32_t, int32_t) { return pixel(0, 0); }));
  const CDib24 row = Painted<CDib24>(4, 1, [](int32_t x, int32_t) { return Bgra(x * 10, 0, 0); });
  EXPECT_EQ(row.Resample(2, 3).PixelAt(1, 0), Bgra(15, 0, 0));  // x 1.5, row ratio 0
  EXPECT_EQ(dib.Resample(0, 4).hDC(), nullptr);
  EXPECT_EQ(dib.Resample(4, -1).hDC(), nullptr);
}

// A target pixel is the key colour when any of its four source neighbours is, or when
// either column interpolation lands on it; the key is the one the call names.
TEST(Resample24, AnyKeyNeighbourMakesTheTargetKeyNeverABlend) {
  const CDib24 dib = Painted<CDib24>(
      3, 3, [](int32_t x, int32_t y) { return x == 1 && y == 1 ? kKeyWord : Bgra(10, 20, 30); });
  for (auto [nw, nh] : {std::pair{2, 2}, {4, 4}, {6, 5}}) {
    const CDib24 out = dib.Resample(nw, nh, kKeyColor);
    EXPECT_TRUE(PixelsAre(out,
                          [&](int32_t x, int32_t y) {
                            return out.PixelAt(x, y) == kKeyWord ? kKeyWord : Bgra(10, 20, 30);
                          }))
        << nw << "x" << nh;
  }
  // Target (1, 1) samples (0.5, 0.5); target (0, 0) samples (0, 0) but reads its neighbours.
  EXPECT_EQ(dib.Resample(4, 4, kKeyColor).PixelAt(1, 2), kKeyWord);
  EXPECT_EQ(dib.Resample(4, 4, kKeyColor).PixelAt(0, 3), kKeyWord);
  // (252, 2, 254) and (254, 4, 254) meet halfway in the key colour (stored row 1: 0.5).
  const CDib24 meeting = Painted<CDib24>(
      3, 3, [](int32_t, int32_t y) { return y == 2 ? Bgra(252, 2, 254) : Bgra(254, 4, 254); });
  EXPECT_EQ(meeting.Resample(4, 4, kKeyColor).PixelAt(0, 2), kKeyWord);
  EXPECT_EQ(meeting.Resample(4, 4, kKeyColor).PixelAt(0, 3), Bgra(252, 2, 254));
  const uint32_t magenta = Bgra(255, 0, 255);
  const CDib24 twoColumns =
      Painted<CDib24>(2, 2, [&](int32_t x, int32_t) { return x == 1 ? magenta : Bgra(9, 9, 9); });
  EXPECT_EQ(twoColumns.Resample(3, 3, platform::RGB(255, 0, 255)).PixelAt(0, 0), magenta);
  EXPECT_EQ(twoColumns.Resample(3, 3, kKeyColor).PixelAt(0, 0), Bgra(9, 9, 9));  // u = 0
}

TEST(ResampleToWidth, NewHeightIsScaledAndRoundedUpAndBadWidthsGiveNothing) {
  for (auto [w, h, n, nh] :
       {std::tuple{48, 48, 16, 16}, {10, 7, 4, 3}, {10, 5, 4, 2}, {3, 1, 7, 3}, {1, 1, 5, 5}}) {
    const CDib32 out = MakeDib32(w, h, Bgra(1, 2, 3, 255)).ResampleToWidth(n);
    EXPECT_EQ(std::pair(out.Width(), out.Height()), std::pair(n, nh)) << w << "x" << h;
  }
  const CDib32 dib = testing::RandomDib(6, 6, 1);
  for (int32_t width : {0, -1, 1 << 20})  // 2^20: over the memory cap
    EXPECT_EQ(dib.ResampleToWidth(width).hDC(), nullptr) << width;
}

// 48 -> 16: alpha the block mean, colour the mean premultiplied colour of pixels with alpha.
TEST(ResampleToWidth, WholeBlocksAverageAlphaAndPremultipliedColour) {
  CDib32 dib = MakeDib32(48, 48, Bgra(30, 60, 90, 255));
  dib.SetPixelAt(0, 0, Bgra(255, 255, 255, 0));
  dib.SetPixelAt(1, 0, Bgra(200, 100, 50, 128));
  // alpha (0 + 128 + 7 x 255) \ 9 = 212; colours over 8 pixels with alpha:
  // blue (100 + 7 x 30) \ 8 = 38, green (50 + 7 x 60) \ 8 = 58, red (25 + 7 x 90) \ 8 = 81.
  EXPECT_TRUE(PixelsAre(dib.ResampleToWidth(16), [](int32_t x, int32_t y) {
    return x == 0 && y == 0 ? Bgra(38, 58, 81, 212) : Bgra(30, 60, 90, 255);
  }));
  for (int32_t n : {16, 24, 5}) {
    const CDib32 clear = MakeDib32(48, 48, Bgra(90, 80, 70, 0)).ResampleToWidth(n);
    EXPECT_TRUE(PixelsAre(clear, [](int32_t, int32_t) { return 0u; })) << n;
  }
}

// 4 -> 3: stored (1, 1) spreads round(v x 1/9, 2/9, 2/9, 4/9), each then x3\4 x3\4, over
// four cells; the alpha-0 pixel at stored (3, 3) adds no colour.
TEST(ResampleToWidth, GeneralCaseSplitsAFootprintOverFourCells) {
  CDib32 dib = MakeDib32(4, 4, 0);
  dib.SetPixelAt(1, 2, Bgra(255, 0, 0, 255));  // stored row 1 is picture row 2
  dib.SetPixelAt(3, 0, Bgra(0, 255, 0, 0));
  const CDib32 out = dib.ResampleToWidth(3);
  ASSERT_EQ(out.Height(), 3);
  // 28 -> 15, 57 -> 31, 113 -> 63; stored rows 0 and 1 are picture rows 2 and 1.
  const std::map<std::pair<int32_t, int32_t>, uint8_t> share = {
      {{0, 2}, 15}, {{1, 2}, 31}, {{0, 1}, 31}, {{1, 1}, 63}};
  EXPECT_TRUE(PixelsAre(out, [&](int32_t x, int32_t y) {
    const auto at = share.find({x, y});
    return at == share.end() ? 0u : Bgra(at->second, 0, 0, at->second);
  }));
}

}  // namespace
}  // namespace wayband::imaging
