// Colour/monochrome conversions of block transfers, and the mask sequence that builds a
// transparent copy from them.
#include <gtest/gtest.h>

#include "surface.h"

namespace wayband::platform {
namespace {

using testing::Surface;

constexpr ColorRef kKey = RGB(254, 3, 253);

TEST(ColourToMonochrome, SourceBackgroundColourBecomesOne) {
  Surface src(3, 1, 32), mask(3, 1, 1);
  src.bitmap->SetPixelAt(0, 0, PixelFromColor(kKey, 0x77));  // alpha is not compared
  src.bitmap->SetPixelAt(1, 0, PixelFromColor(RGB(254, 3, 252)));
  src.bitmap->SetPixelAt(2, 0, PixelFromColor(RGB(255, 255, 255)));
  src.dc->SetBkColor(kKey);
  mask.dc->SetBkColor(RGB(0, 0, 0));  // the destination's colours play no part
  ASSERT_TRUE(BitBlt(*mask.dc, 0, 0, 3, 1, src.dc.get(), 0, 0, SRCCOPY));
  EXPECT_EQ(mask.At(0, 0), 1u);
  EXPECT_EQ(mask.At(1, 0), 0u);
  EXPECT_EQ(mask.At(2, 0), 0u);  // white is not special
}

TEST(MonochromeToColour, ZeroTakesTextColourOneTakesBackground) {
  Surface mask(2, 1, 1), dst(2, 1, 32), rgb(2, 1, 24);
  mask.bitmap->SetPixelAt(1, 0, 1);
  mask.dc->SetTextColor(RGB(9, 9, 9));  // the source's colours play no part
  for (Surface* target : {&dst, &rgb}) {
    target->dc->SetTextColor(RGB(10, 20, 30));
    target->dc->SetBkColor(RGB(40, 50, 60));
    target->Fill(0xFFFFFFFF);
    ASSERT_TRUE(BitBlt(*target->dc, 0, 0, 2, 1, mask.dc.get(), 0, 0, SRCCOPY));
    EXPECT_EQ(target->At(0, 0), PixelFromColor(RGB(10, 20, 30)));
    EXPECT_EQ(target->At(1, 0), PixelFromColor(RGB(40, 50, 60)));
  }
}

TEST(MonochromeToMonochrome, IsABitCopy) {
  const RgbQuad inverted[] = {{255, 255, 255, 0}, {0, 0, 0, 0}};
  Surface src(10, 2, 1), dst(10, 2, 1);
  dst.bitmap = Bitmap::Create(10, 2, 1, RowOrder::kTopDown, inverted);
  dst.dc->SelectBitmap(dst.bitmap);
  src.dc->SetBkColor(RGB(1, 2, 3));
  dst.dc->SetTextColor(RGB(255, 255, 255));
  for (int x : {0, 3, 9})
    src.bitmap->SetPixelAt(x, 1, 1);
  ASSERT_TRUE(BitBlt(*dst.dc, 0, 0, 10, 2, src.dc.get(), 0, 0, SRCCOPY));
  for (int x = 0; x < 10; ++x) {
    EXPECT_EQ(dst.At(x, 1), (x == 0 || x == 3 || x == 9) ? 1u : 0u) << x;
    EXPECT_EQ(dst.At(x, 0), 0u);
  }
}

// Copies src onto dst except where src shows `key`, with the platform mask sequence:
// M1 = (src == key), M2 = NOT M1, T = (dst AND M1) XOR (src AND M2).
void MaskedCopy(Surface& dst, Surface& src, int w, int h, ColorRef key) {
  Surface m1(w, h, 1), m2(w, h, 1), t(w, h, 32), s(w, h, 32);
  src.dc->SetBkColor(key);
  ASSERT_TRUE(BitBlt(*m1.dc, 0, 0, w, h, src.dc.get(), 0, 0, SRCCOPY));
  ASSERT_TRUE(BitBlt(*m2.dc, 0, 0, w, h, m1.dc.get(), 0, 0, NOTSRCCOPY));
  ASSERT_TRUE(BitBlt(*t.dc, 0, 0, w, h, dst.dc.get(), 0, 0, SRCCOPY));
  ASSERT_TRUE(BitBlt(*t.dc, 0, 0, w, h, m1.dc.get(), 0, 0, SRCAND));
  ASSERT_TRUE(BitBlt(*s.dc, 0, 0, w, h, src.dc.get(), 0, 0, SRCCOPY));
  ASSERT_TRUE(BitBlt(*s.dc, 0, 0, w, h, m2.dc.get(), 0, 0, SRCAND));
  ASSERT_TRUE(BitBlt(*t.dc, 0, 0, w, h, s.dc.get(), 0, 0, SRCINVERT));
  ASSERT_TRUE(BitBlt(*dst.dc, 0, 0, w, h, t.dc.get(), 0, 0, SRCCOPY));
}

TEST(MaskSequence, GivesTheSameResultAsTransparentBlt) {
  Surface src(5, 4, 32), viaMasks(5, 4, 32), direct(5, 4, 32);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 5; ++x) {
      const bool keyed = (x + y) % 3 == 0;
      src.bitmap->SetPixelAt(x, y, keyed ? PixelFromColor(kKey) : PixelFromColor(RGB(x, y, 7)));
      viaMasks.bitmap->SetPixelAt(x, y, PixelFromColor(RGB(100 + x, 100 + y, 1)));
      direct.bitmap->SetPixelAt(x, y, PixelFromColor(RGB(100 + x, 100 + y, 1)));
    }
  }
  MaskedCopy(viaMasks, src, 5, 4, kKey);
  ASSERT_TRUE(TransparentBlt(*direct.dc, 0, 0, 5, 4, *src.dc, 0, 0, kKey));
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 5; ++x) {
      const uint32_t expected = (x + y) % 3 == 0 ? PixelFromColor(RGB(100 + x, 100 + y, 1))
                                                 : PixelFromColor(RGB(x, y, 7));
      EXPECT_EQ(viaMasks.At(x, y), expected) << x << "," << y;
      EXPECT_EQ(direct.At(x, y), expected) << x << "," << y;
    }
  }
}

TEST(TransparentBltRules, KeepsDestinationAlphaUnderKeyAndRefusesMonochrome) {
  Surface src(2, 1, 32), dst(2, 1, 32), mono(2, 1, 1);
  src.bitmap->SetPixelAt(0, 0, PixelFromColor(kKey, 0x10));
  src.bitmap->SetPixelAt(1, 0, 0x20304050);
  dst.Fill(0xEE000000);
  ASSERT_TRUE(TransparentBlt(*dst.dc, 0, 0, 2, 1, *src.dc, 0, 0, kKey));
  EXPECT_EQ(dst.At(0, 0), 0xEE000000u);
  EXPECT_EQ(dst.At(1, 0), 0x20304050u);
  EXPECT_FALSE(TransparentBlt(*dst.dc, 0, 0, 2, 1, *mono.dc, 0, 0, kKey));
  EXPECT_FALSE(TransparentBlt(*mono.dc, 0, 0, 2, 1, *src.dc, 0, 0, kKey));
  EXPECT_FALSE(TransparentBlt(*dst.dc, 0, 0, -2, 1, *src.dc, 0, 0, kKey));
}

}  // namespace
}  // namespace wayband::platform
