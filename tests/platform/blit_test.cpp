// Block transfers: the ternary raster operations, clipping to both bitmaps at every edge,
// colour/monochrome conversions, stretching and mirroring, and TransparentBlt against the
// mask sequence it stands for.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "platform/rop3.h"
#include "surface.h"

namespace wayband::platform {
namespace {

using testing::Surface;

// With pattern 0xF0, source 0xCC and destination 0xAA in every byte, each bit position sees
// one of the eight combinations: one call checks an operation completely.
TEST(RopEvaluator, NamedOperationsMatchTheirDefinitionsAndTheRowFastPathsTheEvaluator) {
  constexpr uint32_t p = 0xF0F0F0F0, s = 0xCCCCCCCC, d = 0xAAAAAAAA;
  const std::pair<RasterOp, uint32_t> named[] = {
      {SRCCOPY, s},       {SRCPAINT, s | d},  {SRCAND, s & d},         {SRCINVERT, s ^ d},
      {SRCERASE, s & ~d}, {NOTSRCCOPY, ~s},   {NOTSRCERASE, ~(s | d)}, {MERGEPAINT, ~s | d},
      {PATCOPY, p},       {PATINVERT, p ^ d}, {DSTINVERT, ~d},         {BLACKNESS, 0},
      {WHITENESS, ~0u}};
  for (const auto& [rop, expected] : named)
    EXPECT_EQ(ApplyRop(RopIndex(rop), p, s, d), expected) << std::hex << rop;
  std::mt19937 random(11);
  std::vector<uint32_t> ps(9), ss(9), ds(9);  // two SIMD blocks and a tail
  for (int index = 0; index < 256; ++index) {
    for (size_t i = 0; i < ds.size(); ++i)
      ps[i] = random(), ss[i] = random(), ds[i] = random();
    std::vector<uint32_t> row = ds;
    ApplyRopRow(static_cast<uint8_t>(index), ps.data(), ss.data(), row.data(), 9);
    for (size_t i = 0; i < ds.size(); ++i)
      ASSERT_EQ(row[i], ApplyRop(static_cast<uint8_t>(index), ps[i], ss[i], ds[i])) << index;
  }
}

TEST(BitBlt, ColourOperationsActOnWholePixelWordsAndPatternsOnTheSelectedBrush) {
  Surface src(2, 1, 32), dst(3, 1, 32), rgb(1, 1, 24);
  constexpr uint32_t s = 0x80F0F00F, d = 0x4133CC55;
  src.Fill(s);
  dst.Fill(d);
  ASSERT_TRUE(BitBlt(*dst.dc, 0, 0, 2, 1, src.dc.get(), 0, 0, SRCINVERT));
  EXPECT_TRUE(dst.Matches([&](int x, int) { return x < 2 ? s ^ d : d; }));
  dst.Fill(d);
  EXPECT_TRUE(BitBlt(*dst.dc, 0, 0, 2, 1, nullptr, 0, 0, DSTINVERT));
  EXPECT_EQ(dst.At(1, 0), ~d);
  EXPECT_TRUE(PatBlt(*dst.dc, 0, 0, 1, 1, BLACKNESS));
  EXPECT_EQ(dst.At(0, 0), 0u);
  dst.dc->SelectBrush(CreateSolidBrush(RGB(0x12, 0x34, 0x56)));
  ASSERT_TRUE(PatBlt(*dst.dc, 2, 0, 1, 1, PATINVERT));
  EXPECT_EQ(dst.At(2, 0), d ^ 0x00123456u);
  ASSERT_TRUE(PatBlt(*dst.dc, 1, 0, 1, 1, PATCOPY));
  EXPECT_EQ(dst.At(1, 0), 0x00123456u);                // converted colours carry alpha 0
  EXPECT_FALSE(PatBlt(*dst.dc, 0, 0, 3, 1, SRCCOPY));  // PatBlt has no source
  dst.dc->SelectBrush(Brush{});                        // a null brush draws nothing
  EXPECT_TRUE(PatBlt(*dst.dc, 0, 0, 3, 1, PATCOPY));
  EXPECT_EQ(dst.At(1, 0), 0x00123456u);
  // 24-bit targets keep only colour bytes; 24-bit sources give alpha 0.
  ASSERT_TRUE(BitBlt(*rgb.dc, 0, 0, 1, 1, src.dc.get(), 0, 0, SRCCOPY));
  EXPECT_EQ(rgb.At(0, 0), s & 0xFFFFFF);
  ASSERT_TRUE(BitBlt(*dst.dc, 0, 0, 1, 1, rgb.dc.get(), 0, 0, SRCCOPY));
  EXPECT_EQ(dst.At(0, 0), s & 0xFFFFFF);
}

TEST(BitBlt, MonochromeOperationsActOnBitsWithinTheBlock) {
  Surface src(4, 1, 1), dst(4, 1, 1);
  src.Paint([](int x, int) { return x < 2; });             // 1100
  dst.Paint([](int x, int) { return x == 1 || x == 2; });  // 0110
  const std::pair<RasterOp, uint8_t> steps[] = {
      {SRCINVERT, 0xA0}, {NOTSRCCOPY, 0x30}, {SRCPAINT, 0xF0}, {SRCAND, 0xC0}};
  for (const auto& [rop, bits] : steps) {
    ASSERT_TRUE(BitBlt(*dst.dc, 0, 0, 4, 1, src.dc.get(), 0, 0, rop));
    EXPECT_EQ(dst.Byte0(), bits) << std::hex << rop;  // the bits beyond the block stay 0
  }
}

TEST(BitBlt, RefusesNegativeSizesAndMissingBitmaps) {
  Surface src(2, 2, 32), dst(2, 2, 32);
  src.Fill(0x01010101);
  EXPECT_FALSE(BitBlt(*dst.dc, 0, 0, -1, 2, src.dc.get(), 0, 0, SRCCOPY));
  EXPECT_FALSE(BitBlt(*dst.dc, 0, 0, 2, -2, src.dc.get(), 0, 0, SRCCOPY));
  EXPECT_FALSE(BitBlt(*dst.dc, 0, 0, 2, 2, nullptr, 0, 0, SRCCOPY));
  EXPECT_FALSE(BitBlt(*dst.dc, 0, 0, 2, 2, &DrawingContext::Screen(), 0, 0, SRCCOPY));
  EXPECT_FALSE(BitBlt(DrawingContext::Screen(), 0, 0, 2, 2, src.dc.get(), 0, 0, SRCCOPY));
  EXPECT_FALSE(PatBlt(*dst.dc, 0, 0, -1, 1, PATCOPY));
  EXPECT_TRUE(BitBlt(*dst.dc, 0, 0, 0, 0, src.dc.get(), 0, 0, SRCCOPY));
  EXPECT_EQ(dst.Differing(0), 0);
}

class Clipping : public ::testing::Test {
 protected:
  static constexpr int kDstW = 6, kDstH = 5, kSrcW = 4, kSrcH = 3;
  static constexpr uint32_t kBackground = 0xDEADBEEF;
  static uint32_t SourceValue(int64_t x, int64_t y) {
    return 0x01000000u * uint32_t(x + 1) + 0x100u * uint32_t(y + 1);
  }
  Clipping() { src.Paint(SourceValue); }

  // Checks the copy pixel by pixel against the block worked out with 64-bit coordinates.
  void ExpectCopy(int32_t x, int32_t y, int32_t w, int32_t h, int32_t xs, int32_t ys) {
    dst.Fill(kBackground);
    ASSERT_TRUE(BitBlt(*dst.dc, x, y, w, h, src.dc.get(), xs, ys, SRCCOPY));
    EXPECT_TRUE(dst.Matches([&](int64_t dx, int64_t dy) {
      const int64_t i = dx - x, j = dy - y, sx = xs + i, sy = ys + j;
      const bool inside = i >= 0 && j >= 0 && i < w && j < h;
      const bool sourced = sx >= 0 && sy >= 0 && sx < kSrcW && sy < kSrcH;
      return inside && sourced ? SourceValue(sx, sy) : kBackground;
    })) << "block "
        << x << "," << y << " " << w << "x" << h << " from " << xs << "," << ys;
  }

  Surface src{kSrcW, kSrcH, 32};
  Surface dst{kDstW, kDstH, 32, RowOrder::kTopDown};
};

TEST_F(Clipping, EveryEdgeOfBothBitmapsAndHugeCoordinatesThatMustNotWrap) {
  for (int x = -3; x <= kDstW; ++x) {
    for (int y = -2; y <= kDstH; ++y) {
      for (int xs = -2; xs <= kSrcW; xs += 2) {
        for (int ys = -2; ys <= kSrcH; ys += 2)
          ExpectCopy(x, y, 5, 4, xs, ys);
      }
    }
  }
  constexpr int32_t kMax = INT32_MAX, kMin = INT32_MIN;
  ExpectCopy(kMax, 0, kMax, 3, 0, 0);
  ExpectCopy(kMin, 0, kMax, 3, kMin, 0);
  ExpectCopy(-2, -1, kMax, kMax, 0, 0);
  ExpectCopy(0, 0, kMax, kMax, kMin, kMin);
  ExpectCopy(0, 0, 4, 3, kMax, kMax);
  ExpectCopy(kMin, kMin, kMax, kMax, 0, 0);
}

TEST_F(Clipping, PatternsAndFillsClipTooAndACopyWithinOneBitmapReadsTheOldPixels) {
  dst.Fill(0);
  dst.dc->SelectBrush(CreateSolidBrush(RGB(0, 0, 1)));
  ASSERT_TRUE(PatBlt(*dst.dc, INT32_MIN, -1, INT32_MAX, 3, PATCOPY));
  ASSERT_TRUE(PatBlt(*dst.dc, 4, 3, INT32_MAX, INT32_MAX, PATCOPY));
  ASSERT_TRUE(FillRect(*dst.dc, Rect{5, 4, 2, 9}, CreateSolidBrush(0)));  // reversed: empty
  EXPECT_EQ(dst.Differing(0), 4);
  dst.Paint([](int x, int y) { return 10 * y + x; });
  ASSERT_TRUE(BitBlt(*dst.dc, 1, 1, 5, 4, dst.dc.get(), 0, 0, SRCCOPY));
  EXPECT_TRUE(dst.Matches([](int x, int y) { return x && y ? 10 * (y - 1) + x - 1 : 10 * y + x; }));
}

constexpr ColorRef kKey = RGB(254, 3, 253);

// Colour to monochrome: the source's background colour becomes 1; monochrome to colour: 0
// takes the target's text colour, 1 its background; monochrome to monochrome copies bits,
// whatever the colour tables.
TEST(MonochromeConversion, ColoursByTheContextsAndBitsAsTheyAre) {
  Surface src(3, 1, 32), mask(3, 1, 1), rgb(3, 1, 24);
  src.bitmap->SetPixelAt(0, 0, PixelFromColor(kKey, 0x77));  // alpha is not compared
  src.bitmap->SetPixelAt(1, 0, PixelFromColor(RGB(254, 3, 252)));
  src.dc->SetBkColor(kKey);
  mask.dc->SetBkColor(RGB(0, 0, 0));  // the other side's colours play no part
  ASSERT_TRUE(BitBlt(*mask.dc, 0, 0, 3, 1, src.dc.get(), 0, 0, SRCCOPY));
  EXPECT_TRUE(mask.Matches([](int x, int) { return x == 0; }));
  for (Surface* target : {&src, &rgb}) {
    target->dc->SetTextColor(RGB(10, 20, 30));
    target->dc->SetBkColor(RGB(40, 50, 60));
    ASSERT_TRUE(BitBlt(*target->dc, 0, 0, 3, 1, mask.dc.get(), 0, 0, SRCCOPY));
    EXPECT_TRUE(target->Matches(
        [](int x, int) { return PixelFromColor(x == 0 ? RGB(40, 50, 60) : RGB(10, 20, 30)); }));
  }
  const RgbQuad inverted[] = {{255, 255, 255, 0}, {0, 0, 0, 0}};
  Surface bits(10, 2, 1);
  bits.bitmap = Bitmap::Create(10, 2, 1, RowOrder::kTopDown, inverted);
  bits.dc->SelectBitmap(bits.bitmap);
  bits.dc->SetTextColor(RGB(255, 255, 255));
  ASSERT_TRUE(BitBlt(*bits.dc, 7, 1, 3, 1, mask.dc.get(), 0, 0, SRCCOPY));
  EXPECT_TRUE(bits.Matches([](int x, int y) { return y == 1 && x == 7; }));
}

// TransparentBlt copies all but the keyed pixels (comparing colour bytes only) and keeps
// the destination's alpha under the key.
TEST(TransparentBlt, CopiesWhatIsNotKeyedAndRefusesMonochromeAndNegativeSizes) {
  Surface src(5, 4, 32), dst(5, 4, 32), mono(2, 1, 1);
  const auto keyed = [](int x, int y) { return (x + y) % 3 == 0; };
  src.Paint([&](int x, int y) {
    return keyed(x, y) ? PixelFromColor(kKey, 0x10) : PixelFromColor(RGB(x, y, 7), 0x20);
  });
  dst.Fill(0xEE000000);
  ASSERT_TRUE(TransparentBlt(*dst.dc, 0, 0, 5, 4, *src.dc, 0, 0, kKey));
  EXPECT_TRUE(dst.Matches([&](int x, int y) {
    return keyed(x, y) ? 0xEE000000u : PixelFromColor(RGB(x, y, 7), 0x20);
  }));
  EXPECT_FALSE(TransparentBlt(*dst.dc, 0, 0, 2, 1, *mono.dc, 0, 0, kKey));
  EXPECT_FALSE(TransparentBlt(*mono.dc, 0, 0, 2, 1, *src.dc, 0, 0, kKey));
  EXPECT_FALSE(TransparentBlt(*dst.dc, 0, 0, -2, 1, *src.dc, 0, 0, kKey));
}

class Stretch : public ::testing::Test {
 protected:
  Stretch() {
    src.Paint([](int x, int y) { return 16 * y + x; });
    dst.Fill(0xFFFFFFFF);
  }
  bool Blt(int x, int y, int w, int h, int xs, int ys, int ws, int hs) {
    return StretchBlt(*dst.dc, x, y, w, h, src.dc.get(), xs, ys, ws, hs, SRCCOPY);
  }
  Surface src{4, 4, 32};
  Surface dst{8, 8, 32};
};

TEST_F(Stretch, ScalingSamplesTheSourcePixelUnderEachTargetCentre) {
  ASSERT_TRUE(Blt(0, 0, 8, 8, 0, 0, 4, 4));
  EXPECT_TRUE(dst.Matches([](int x, int y) { return 16 * (y / 2) + x / 2; }));
  // Halving: target pixel i covers source [2i, 2i + 2), its centre on source 2i + 1.
  ASSERT_TRUE(Blt(0, 0, 2, 2, 0, 0, 4, 4));
  EXPECT_EQ(dst.At(0, 0), 17u);
  EXPECT_EQ(dst.At(1, 1), 51u);
  // Three onto four: centres 0.375, 1.125, 1.875, 2.625 of the source.
  ASSERT_TRUE(Blt(0, 4, 4, 1, 0, 0, 3, 1));
  const uint32_t sampled[] = {0, 1, 1, 2};
  for (int x = 0; x < 4; ++x)
    EXPECT_EQ(dst.At(x, 4), sampled[x]) << x;
}

TEST_F(Stretch, NegativeSizesMirrorAndSourcesOutsideTheBitmapLeaveTargetsAlone) {
  ASSERT_TRUE(Blt(3, 0, -4, 1, 0, 0, 4, 1));   // runs from x = 3 down to x = 0
  ASSERT_TRUE(Blt(3, 1, -4, 1, 3, 1, -4, 1));  // mirrored on both sides: cancels out
  ASSERT_TRUE(Blt(4, 0, 1, 4, 0, 3, 1, -4));   // a negative source height flips
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(dst.At(i, 0), uint32_t(3 - i));
    EXPECT_EQ(dst.At(i, 1), uint32_t(16 + i));
    EXPECT_EQ(dst.At(4, i), uint32_t(16 * (3 - i)));
  }
  EXPECT_EQ(dst.At(5, 0), 0xFFFFFFFFu);
  // Source columns -2 .. 5 onto 0 .. 7: only 2 .. 5 have source pixels.
  ASSERT_TRUE(Blt(0, 7, 8, 1, -2, 0, 8, 1));
  for (int x = 0; x < 8; ++x)
    EXPECT_EQ(dst.At(x, 7), (x >= 2 && x < 6) ? uint32_t(x - 2) : 0xFFFFFFFFu) << x;
  ASSERT_TRUE(Blt(-5, -5, INT32_MAX, INT32_MAX, 0, 0, 4, 4));
  EXPECT_TRUE(Blt(0, 0, 8, 8, 0, 0, 0, 4));
}

}  // namespace
}  // namespace wayband::platform
