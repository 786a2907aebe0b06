// Bitmap creation limits, strides, row order and pixel access.
#include <gtest/gtest.h>

#include "platform/bitmap.h"
#include "platform/drawing_context.h"

namespace wayband::platform {
namespace {

TEST(BitmapCreate, RefusesNonPositiveSizesAndOtherBitCounts) {
  EXPECT_EQ(Bitmap::Create(0, 4, 32), nullptr);
  EXPECT_EQ(Bitmap::Create(4, 0, 32), nullptr);
  EXPECT_EQ(Bitmap::Create(-1, 4, 32), nullptr);
  EXPECT_EQ(Bitmap::Create(4, INT32_MIN, 32), nullptr);
  for (int bits : {0, 4, 8, 16, 33})
    EXPECT_EQ(Bitmap::Create(4, 4, bits), nullptr) << bits;
}

TEST(BitmapCreate, CapsPixelMemoryWithoutOverflow) {
  // 8192 x 8192 x 4 bytes is exactly the cap; one row more passes it.
  EXPECT_NE(Bitmap::Create(8192, 8192, 32), nullptr);
  EXPECT_EQ(Bitmap::Create(8192, 8193, 32), nullptr);
  EXPECT_EQ(Bitmap::Create(INT32_MAX, INT32_MAX, 32), nullptr);
  EXPECT_EQ(Bitmap::Create(INT32_MAX, 2, 1), nullptr);
  EXPECT_EQ(Bitmap::Create(1, INT32_MAX, 24), nullptr);
}

TEST(BitmapCreate, StridesAreWholeWordsAndMemoryIsZero) {
  struct Case {
    int32_t width;
    int bits;
    int32_t stride;
  };
  for (const Case& c : {Case{1, 1, 4}, Case{32, 1, 4}, Case{33, 1, 8}, Case{1, 24, 4},
                        Case{3, 24, 12}, Case{5, 24, 16}, Case{7, 32, 28}}) {
    const auto bitmap = Bitmap::Create(c.width, 3, c.bits);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->stride(), c.stride) << c.width << "x" << c.bits;
    EXPECT_EQ(bitmap->bits().size(), size_t(c.stride) * 3);
    for (uint8_t byte : bitmap->bits())
      ASSERT_EQ(byte, 0);
  }
}

TEST(BitmapRows, BottomUpStoresTheBottomRowFirst) {
  const auto bottomUp = Bitmap::Create(2, 3, 32, RowOrder::kBottomUp);
  const auto topDown = Bitmap::Create(2, 3, 32, RowOrder::kTopDown);
  EXPECT_EQ(bottomUp->Row(2), bottomUp->bits().data());
  EXPECT_EQ(bottomUp->Row(0), bottomUp->bits().data() + 2 * bottomUp->stride());
  EXPECT_EQ(topDown->Row(0), topDown->bits().data());

  bottomUp->SetPixelAt(1, 0, 0x11223344);
  const uint8_t* stored = bottomUp->bits().data() + 2 * bottomUp->stride() + 4;
  EXPECT_EQ(stored[0], 0x44);  // blue first in memory
  EXPECT_EQ(stored[3], 0x11);  // alpha last
}

TEST(BitmapPixels, ReadBackPerFormat) {
  const auto mono = Bitmap::Create(10, 2, 1);
  mono->SetPixelAt(0, 1, 1);
  mono->SetPixelAt(9, 1, 7);  // only the low bit counts
  EXPECT_EQ(mono->Row(1)[0], 0x80);
  EXPECT_EQ(mono->Row(1)[1], 0x40);
  EXPECT_EQ(mono->PixelAt(9, 1), 1u);
  mono->SetPixelAt(0, 1, 0);
  EXPECT_EQ(mono->PixelAt(0, 1), 0u);

  const auto rgb = Bitmap::Create(3, 1, 24);
  rgb->SetPixelAt(2, 0, 0xFFA1B2C3);
  EXPECT_EQ(rgb->PixelAt(2, 0), 0x00A1B2C3u);
  EXPECT_EQ(rgb->Row(0)[6], 0xC3);
  EXPECT_EQ(rgb->Row(0)[9], 0);  // padding untouched
}

TEST(BitmapColorTable, MonochromeKeepsTwoEntries) {
  EXPECT_EQ(Bitmap::Create(4, 4, 32)->colorTable().size(), 0u);
  const auto plain = Bitmap::Create(4, 4, 1);
  ASSERT_EQ(plain->colorTable().size(), 2u);
  EXPECT_EQ(plain->colorTable()[0], (RgbQuad{0, 0, 0, 0}));
  EXPECT_EQ(plain->colorTable()[1], (RgbQuad{255, 255, 255, 0}));
  const RgbQuad given[] = {{1, 2, 3, 0}, {4, 5, 6, 0}, {7, 8, 9, 0}};
  const auto custom = Bitmap::Create(4, 4, 1, RowOrder::kBottomUp, given);
  ASSERT_EQ(custom->colorTable().size(), 2u);
  EXPECT_EQ(custom->colorTable()[1], given[1]);
}

TEST(BitmapSections, CreateDIBSectionFollowsTheHeader) {
  BitmapInfoHeader header;
  header.biWidth = 5;
  header.biHeight = -3;
  header.biBitCount = 24;
  const auto topDown = CreateDIBSection(header, {});
  ASSERT_NE(topDown, nullptr);
  EXPECT_EQ(topDown->rowOrder(), RowOrder::kTopDown);
  EXPECT_EQ(GetBitmapSize(topDown.get()), (Size{5, 3}));
  EXPECT_EQ(GetBitmapSize(nullptr), (Size{0, 0}));

  header.biHeight = INT32_MIN;
  EXPECT_EQ(CreateDIBSection(header, {}), nullptr);
  header.biHeight = 3;
  header.biCompression = 1;
  EXPECT_EQ(CreateDIBSection(header, {}), nullptr);
  header.biCompression = BI_RGB;
  header.biBitCount = 8;
  EXPECT_EQ(CreateDIBSection(header, {}), nullptr);
}

TEST(BitmapCopies, PatternBrushesKeepTheirOwnCopy) {
  auto bitmap = Bitmap::Create(2, 2, 32);
  bitmap->SetPixelAt(0, 0, 0x123456);
  const Brush brush = CreatePatternBrush(bitmap.get());
  bitmap->SetPixelAt(0, 0, 0);
  bitmap.reset();
  ASSERT_EQ(brush.style, Brush::Style::kPattern);
  EXPECT_EQ(brush.pattern->PixelAt(0, 0), 0x123456u);
  EXPECT_TRUE(CreatePatternBrush(nullptr).IsNull());
}

}  // namespace
}  // namespace wayband::platform
