// Block transfers clip to both bitmaps at every edge, whatever the coordinates.
#include <gtest/gtest.h>

#include <vector>

#include "surface.h"

namespace wayband::platform {
namespace {

using testing::Surface;

constexpr int kDstW = 6, kDstH = 5, kSrcW = 4, kSrcH = 3;

uint32_t SourceValue(int x, int y) {
  return 0x01000000u * (x + 1) + 0x100u * (y + 1);
}
constexpr uint32_t kBackground = 0xDEADBEEF;

// The destination after copying the block, pixel by pixel with 64-bit coordinates.
std::vector<uint32_t> Reference(int64_t x, int64_t y, int64_t w, int64_t h, int64_t xs,
                                int64_t ys) {
  std::vector<uint32_t> out(kDstW * kDstH, kBackground);
  for (int64_t dy = 0; dy < kDstH; ++dy) {
    for (int64_t dx = 0; dx < kDstW; ++dx) {
      const int64_t i = dx - x, j = dy - y;
      const int64_t sx = xs + i, sy = ys + j;
      if (i < 0 || j < 0 || i >= w || j >= h) continue;
      if (sx < 0 || sy < 0 || sx >= kSrcW || sy >= kSrcH) continue;
      out[dy * kDstW + dx] = SourceValue(int(sx), int(sy));
    }
  }
  return out;
}

class ClippingTest : public ::testing::Test {
 protected:
  ClippingTest() {
    for (int y = 0; y < kSrcH; ++y) {
      for (int x = 0; x < kSrcW; ++x)
        src.bitmap->SetPixelAt(x, y, SourceValue(x, y));
    }
  }

  void ExpectCopy(int32_t x, int32_t y, int32_t w, int32_t h, int32_t xs, int32_t ys) {
    dst.Fill(kBackground);
    ASSERT_TRUE(BitBlt(*dst.dc, x, y, w, h, src.dc.get(), xs, ys, SRCCOPY));
    const auto expected = Reference(x, y, w, h, xs, ys);
    for (int py = 0; py < kDstH; ++py) {
      for (int px = 0; px < kDstW; ++px) {
        ASSERT_EQ(dst.At(px, py), expected[py * kDstW + px])
            << "block " << x << "," << y << " " << w << "x" << h << " from " << xs << "," << ys
            << " at pixel " << px << "," << py;
      }
    }
  }

  Surface src{kSrcW, kSrcH, 32};
  Surface dst{kDstW, kDstH, 32, RowOrder::kTopDown};
};

TEST_F(ClippingTest, EveryEdgeOfBothBitmaps) {
  for (int x = -3; x <= kDstW; ++x) {
    for (int y = -2; y <= kDstH; ++y) {
      for (int xs = -2; xs <= kSrcW; xs += 2) {
        for (int ys = -2; ys <= kSrcH; ys += 2)
          ExpectCopy(x, y, 5, 4, xs, ys);
      }
    }
  }
}

TEST_F(ClippingTest, HugeCoordinatesDoNotWrap) {
  constexpr int32_t kMax = INT32_MAX, kMin = INT32_MIN;
  ExpectCopy(kMax, 0, kMax, 3, 0, 0);
  ExpectCopy(kMin, 0, kMax, 3, kMin, 0);
  ExpectCopy(-2, -1, kMax, kMax, 0, 0);
  ExpectCopy(0, 0, kMax, kMax, kMin, kMin);
  ExpectCopy(0, 0, 4, 3, kMax, kMax);
  ExpectCopy(kMin, kMin, kMax, kMax, 0, 0);
}

TEST_F(ClippingTest, PatternAndFillClipToo) {
  dst.Fill(0);
  dst.dc->SelectBrush(CreateSolidBrush(RGB(0, 0, 1)));
  ASSERT_TRUE(PatBlt(*dst.dc, INT32_MIN, -1, INT32_MAX, 3, PATCOPY));
  EXPECT_EQ(dst.Differing(0), 0);
  ASSERT_TRUE(PatBlt(*dst.dc, 4, 3, INT32_MAX, INT32_MAX, PATCOPY));
  EXPECT_EQ(dst.Differing(0), 4);
  ASSERT_TRUE(FillRect(*dst.dc, Rect{INT32_MIN, INT32_MIN, INT32_MAX, 1}, CreateSolidBrush(0)));
  EXPECT_EQ(dst.Differing(0), 4);
  ASSERT_TRUE(FillRect(*dst.dc, Rect{5, 4, 2, 9}, CreateSolidBrush(RGB(0, 0, 1))));
  EXPECT_EQ(dst.Differing(0), 4);  // reversed rectangles are empty
}

TEST_F(ClippingTest, OverlappingCopyWithinOneBitmapReadsTheOldPixels) {
  for (int y = 0; y < kDstH; ++y) {
    for (int x = 0; x < kDstW; ++x)
      dst.bitmap->SetPixelAt(x, y, uint32_t(10 * y + x));
  }
  ASSERT_TRUE(BitBlt(*dst.dc, 1, 1, 5, 4, dst.dc.get(), 0, 0, SRCCOPY));
  for (int y = 1; y < kDstH; ++y) {
    for (int x = 1; x < kDstW; ++x)
      EXPECT_EQ(dst.At(x, y), uint32_t(10 * (y - 1) + x - 1));
  }
}

}  // namespace
}  // namespace wayband::platform
