// Ternary raster operations: the evaluator against the named operations, and BitBlt/PatBlt
// results on colour and monochrome bitmaps.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "platform/rop3.h"
#include "surface.h"

namespace wayband::platform {
namespace {

using testing::Surface;

TEST(RopEvaluator, NamedOperationsMatchTheirDefinitions) {
  std::mt19937 random(7);
  for (int i = 0; i < 200; ++i) {
    const uint32_t p = random(), s = random(), d = random();
    EXPECT_EQ(ApplyRop(RopIndex(SRCCOPY), p, s, d), s);
    EXPECT_EQ(ApplyRop(RopIndex(SRCPAINT), p, s, d), s | d);
    EXPECT_EQ(ApplyRop(RopIndex(SRCAND), p, s, d), s & d);
    EXPECT_EQ(ApplyRop(RopIndex(SRCINVERT), p, s, d), s ^ d);
    EXPECT_EQ(ApplyRop(RopIndex(SRCERASE), p, s, d), s & ~d);
    EXPECT_EQ(ApplyRop(RopIndex(NOTSRCCOPY), p, s, d), ~s);
    EXPECT_EQ(ApplyRop(RopIndex(NOTSRCERASE), p, s, d), ~(s | d));
    EXPECT_EQ(ApplyRop(RopIndex(MERGEPAINT), p, s, d), ~s | d);
    EXPECT_EQ(ApplyRop(RopIndex(PATCOPY), p, s, d), p);
    EXPECT_EQ(ApplyRop(RopIndex(PATINVERT), p, s, d), p ^ d);
    EXPECT_EQ(ApplyRop(RopIndex(DSTINVERT), p, s, d), ~d);
    EXPECT_EQ(ApplyRop(RopIndex(BLACKNESS), p, s, d), 0u);
    EXPECT_EQ(ApplyRop(RopIndex(WHITENESS), p, s, d), 0xFFFFFFFFu);
  }
}

TEST(RopEvaluator, RowFastPathsAgreeWithTheEvaluatorForAllIndices) {
  std::mt19937 random(11);
  std::vector<uint32_t> p(9), s(9), d(9);
  for (int index = 0; index < 256; ++index) {
    for (size_t i = 0; i < d.size(); ++i)
      p[i] = random(), s[i] = random(), d[i] = random();
    std::vector<uint32_t> row = d;
    ApplyRopRow(static_cast<uint8_t>(index), p.data(), s.data(), row.data(), 9);
    for (size_t i = 0; i < d.size(); ++i) {
      ASSERT_EQ(row[i], ApplyRop(static_cast<uint8_t>(index), p[i], s[i], d[i])) << index;
    }
  }
  EXPECT_TRUE(RopUsesSource(RopIndex(SRCAND)));
  EXPECT_FALSE(RopUsesSource(RopIndex(PATINVERT)));
  EXPECT_FALSE(RopUsesPattern(RopIndex(SRCCOPY)));
  EXPECT_FALSE(RopUsesDestination(RopIndex(NOTSRCCOPY)));
  EXPECT_TRUE(RopUsesDestination(RopIndex(DSTINVERT)));
}

TEST(BitBltColour, OperationsActOnWholePixelWords) {
  Surface src(2, 1, 32), dst(2, 1, 32);
  src.bitmap->SetPixelAt(0, 0, 0x80F0F00F);
  src.bitmap->SetPixelAt(1, 0, 0x00000000);
  struct Case {
    RasterOp rop;
    uint32_t expected;
  };
  const uint32_t d = 0x4133CC55;
  for (const Case& c : {Case{SRCCOPY, 0x80F0F00F}, Case{SRCAND, 0x80F0F00F & d},
                        Case{SRCPAINT, 0x80F0F00F | d}, Case{SRCINVERT, 0x80F0F00F ^ d},
                        Case{NOTSRCCOPY, ~0x80F0F00Fu}, Case{SRCERASE, 0x80F0F00F & ~d}}) {
    dst.Fill(d);
    ASSERT_TRUE(BitBlt(*dst.dc, 0, 0, 2, 1, src.dc.get(), 0, 0, c.rop));
    EXPECT_EQ(dst.At(0, 0), c.expected) << std::hex << c.rop;
  }
  dst.Fill(d);
  EXPECT_TRUE(BitBlt(*dst.dc, 0, 0, 2, 1, nullptr, 0, 0, DSTINVERT));
  EXPECT_EQ(dst.At(1, 0), ~d);
  EXPECT_TRUE(PatBlt(*dst.dc, 0, 0, 2, 1, WHITENESS));
  EXPECT_EQ(dst.At(0, 0), 0xFFFFFFFFu);
  EXPECT_TRUE(PatBlt(*dst.dc, 0, 0, 1, 1, BLACKNESS));
  EXPECT_EQ(dst.At(0, 0), 0u);
}

TEST(BitBltColour, PatternOperationsUseTheSelectedBrush) {
  Surface dst(3, 1, 32);
  dst.Fill(0xFF00FF00);
  dst.dc->SelectBrush(CreateSolidBrush(RGB(0x12, 0x34, 0x56)));
  ASSERT_TRUE(PatBlt(*dst.dc, 0, 0, 2, 1, PATINVERT));
  EXPECT_EQ(dst.At(0, 0), 0xFF00FF00u ^ 0x00123456u);
  EXPECT_EQ(dst.At(2, 0), 0xFF00FF00u);
  ASSERT_TRUE(PatBlt(*dst.dc, 0, 0, 3, 1, PATCOPY));
  EXPECT_EQ(dst.At(2, 0), 0x00123456u);                // converted colours carry alpha 0
  EXPECT_FALSE(PatBlt(*dst.dc, 0, 0, 3, 1, SRCCOPY));  // PatBlt has no source
  EXPECT_FALSE(PatBlt(*dst.dc, 0, 0, -1, 1, PATCOPY));

  dst.dc->SelectBrush(Brush{});  // a null brush draws nothing
  EXPECT_TRUE(PatBlt(*dst.dc, 0, 0, 3, 1, BLACKNESS));
  EXPECT_TRUE(PatBlt(*dst.dc, 0, 0, 3, 1, PATCOPY));
  EXPECT_EQ(dst.At(0, 0), 0u);
}

TEST(BitBltColour, TwentyFourBitTargetsKeepOnlyColourBytes) {
  Surface src(1, 1, 32), dst(1, 1, 24);
  src.bitmap->SetPixelAt(0, 0, 0xAB102030);
  ASSERT_TRUE(BitBlt(*dst.dc, 0, 0, 1, 1, src.dc.get(), 0, 0, SRCCOPY));
  EXPECT_EQ(dst.At(0, 0), 0x102030u);
  // And back: a 24-bit source gives alpha 0 on a 32-bit target.
  src.Fill(0xFFFFFFFF);
  ASSERT_TRUE(BitBlt(*src.dc, 0, 0, 1, 1, dst.dc.get(), 0, 0, SRCCOPY));
  EXPECT_EQ(src.At(0, 0), 0x00102030u);
}

TEST(BitBltMonochrome, OperationsActOnBits) {
  Surface src(4, 1, 1), dst(4, 1, 1);
  src.bitmap->SetPixelAt(0, 0, 1);
  src.bitmap->SetPixelAt(1, 0, 1);
  dst.bitmap->SetPixelAt(1, 0, 1);
  dst.bitmap->SetPixelAt(2, 0, 1);
  ASSERT_TRUE(BitBlt(*dst.dc, 0, 0, 4, 1, src.dc.get(), 0, 0, SRCINVERT));
  EXPECT_EQ(dst.bitmap->Row(0)[0], 0xA0);  // 1100 ^ 0110 = 1010
  ASSERT_TRUE(BitBlt(*dst.dc, 0, 0, 4, 1, src.dc.get(), 0, 0, NOTSRCCOPY));
  EXPECT_EQ(dst.bitmap->Row(0)[0] & 0xF0, 0x30);
  EXPECT_EQ(dst.bitmap->Row(0)[0] & 0x0F, 0x00);  // bits beyond the block untouched
  ASSERT_TRUE(BitBlt(*dst.dc, 0, 0, 4, 1, src.dc.get(), 0, 0, SRCPAINT));
  EXPECT_EQ(dst.bitmap->Row(0)[0] & 0xF0, 0xF0);
  ASSERT_TRUE(BitBlt(*dst.dc, 0, 0, 4, 1, src.dc.get(), 0, 0, SRCAND));
  EXPECT_EQ(dst.bitmap->Row(0)[0] & 0xF0, 0xC0);
}

TEST(BitBltArguments, NonsenseDoesNothing) {
  Surface src(2, 2, 32), dst(2, 2, 32);
  src.Fill(0x01010101);
  EXPECT_FALSE(BitBlt(*dst.dc, 0, 0, -1, 2, src.dc.get(), 0, 0, SRCCOPY));
  EXPECT_FALSE(BitBlt(*dst.dc, 0, 0, 2, -2, src.dc.get(), 0, 0, SRCCOPY));
  EXPECT_FALSE(BitBlt(*dst.dc, 0, 0, 2, 2, nullptr, 0, 0, SRCCOPY));
  EXPECT_FALSE(BitBlt(*dst.dc, 0, 0, 2, 2, &DrawingContext::Screen(), 0, 0, SRCCOPY));
  EXPECT_FALSE(BitBlt(DrawingContext::Screen(), 0, 0, 2, 2, src.dc.get(), 0, 0, SRCCOPY));
  EXPECT_TRUE(BitBlt(*dst.dc, 0, 0, 0, 0, src.dc.get(), 0, 0, SRCCOPY));
  EXPECT_EQ(dst.Differing(0), 0);
}

}  // namespace
}  // namespace wayband::platform
