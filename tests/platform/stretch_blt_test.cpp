// StretchBlt: nearest-neighbour scaling, mirroring by negative sizes, clipping.
#include <gtest/gtest.h>

#include "surface.h"

namespace wayband::platform {
namespace {

using testing::Surface;

class StretchTest : public ::testing::Test {
 protected:
  StretchTest() {
    for (int y = 0; y < 4; ++y) {
      for (int x = 0; x < 4; ++x)
        src.bitmap->SetPixelAt(x, y, uint32_t(16 * y + x));
    }
    dst.Fill(0xFFFFFFFF);
  }
  Surface src{4, 4, 32};
  Surface dst{8, 8, 32};
};

TEST_F(StretchTest, DoublingRepeatsEachPixel) {
  ASSERT_TRUE(StretchBlt(*dst.dc, 0, 0, 8, 8, src.dc.get(), 0, 0, 4, 4, SRCCOPY));
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x)
      ASSERT_EQ(dst.At(x, y), uint32_t(16 * (y / 2) + x / 2));
  }
}

TEST_F(StretchTest, HalvingSamplesPixelCentres) {
  // Destination pixel i covers source [2i, 2i + 2); its centre falls on source 2i + 1.
  ASSERT_TRUE(StretchBlt(*dst.dc, 0, 0, 2, 2, src.dc.get(), 0, 0, 4, 4, SRCCOPY));
  EXPECT_EQ(dst.At(0, 0), uint32_t(16 * 1 + 1));
  EXPECT_EQ(dst.At(1, 1), uint32_t(16 * 3 + 3));
  // Three onto four: centres 0.375, 1.125, 1.875, 2.625 of the source.
  ASSERT_TRUE(StretchBlt(*dst.dc, 0, 4, 4, 1, src.dc.get(), 0, 0, 3, 1, SRCCOPY));
  EXPECT_EQ(dst.At(0, 4), 0u);
  EXPECT_EQ(dst.At(1, 4), 1u);
  EXPECT_EQ(dst.At(2, 4), 1u);
  EXPECT_EQ(dst.At(3, 4), 2u);
}

TEST_F(StretchTest, NegativeWidthMirrors) {
  // The mirrored block runs from x = 3 down to x = 0.
  ASSERT_TRUE(StretchBlt(*dst.dc, 3, 0, -4, 1, src.dc.get(), 0, 0, 4, 1, SRCCOPY));
  for (int x = 0; x < 4; ++x)
    EXPECT_EQ(dst.At(x, 0), uint32_t(3 - x));
  EXPECT_EQ(dst.At(4, 0), 0xFFFFFFFFu);
  // Mirroring in both source and destination cancels out.
  ASSERT_TRUE(StretchBlt(*dst.dc, 3, 1, -4, 1, src.dc.get(), 3, 1, -4, 1, SRCCOPY));
  for (int x = 0; x < 4; ++x)
    EXPECT_EQ(dst.At(x, 1), uint32_t(16 + x));
  // A negative source height flips vertically.
  ASSERT_TRUE(StretchBlt(*dst.dc, 4, 0, 1, 4, src.dc.get(), 0, 3, 1, -4, SRCCOPY));
  for (int y = 0; y < 4; ++y)
    EXPECT_EQ(dst.At(4, y), uint32_t(16 * (3 - y)));
}

TEST_F(StretchTest, SourceOutsideTheBitmapLeavesThoseTargetsAlone) {
  // Source columns -2 .. 5 scaled 1:1 onto 0 .. 7: only 2 .. 5 have source pixels.
  ASSERT_TRUE(StretchBlt(*dst.dc, 0, 0, 8, 1, src.dc.get(), -2, 0, 8, 1, SRCCOPY));
  for (int x = 0; x < 8; ++x) {
    EXPECT_EQ(dst.At(x, 0), (x >= 2 && x < 6) ? uint32_t(x - 2) : 0xFFFFFFFFu) << x;
  }
  ASSERT_TRUE(StretchBlt(*dst.dc, -5, -5, INT32_MAX, INT32_MAX, src.dc.get(), 0, 0, 4, 4, SRCCOPY));
  EXPECT_TRUE(StretchBlt(*dst.dc, 0, 0, 8, 8, src.dc.get(), 0, 0, 0, 4, SRCCOPY));
}

TEST_F(StretchTest, MonochromeSourceIsConvertedAsInBitBlt) {
  Surface mono(2, 1, 1);
  mono.bitmap->SetPixelAt(1, 0, 1);
  dst.dc->SetTextColor(RGB(1, 1, 1));
  dst.dc->SetBkColor(RGB(2, 2, 2));
  ASSERT_TRUE(StretchBlt(*dst.dc, 0, 7, 4, 1, mono.dc.get(), 0, 0, 2, 1, SRCCOPY));
  EXPECT_EQ(dst.At(1, 7), PixelFromColor(RGB(1, 1, 1)));
  EXPECT_EQ(dst.At(2, 7), PixelFromColor(RGB(2, 2, 2)));
}

}  // namespace
}  // namespace wayband::platform
