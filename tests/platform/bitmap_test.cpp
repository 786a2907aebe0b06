// Bitmaps (creation limits, strides, row order, pixel access, colour tables) and drawing
// contexts (their state, the screen context, compatible bitmaps, pixels, nearest colours).
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "surface.h"

namespace wayband::platform {
namespace {

using testing::Surface;

TEST(Bitmap, CreateRefusesBadSizesAndBitCountsAndCapsPixelMemoryWithoutOverflow) {
  // 8192 x 8192 x 4 bytes is exactly the cap; one row more passes it.
  const std::tuple<int32_t, int32_t, int, bool> cases[] = {
      {0, 4, 32, false},        {4, 0, 32, false},
      {-1, 4, 32, false},       {4, INT32_MIN, 32, false},
      {4, 4, 0, false},         {4, 4, 8, false},
      {4, 4, 33, false},        {8192, 8192, 32, true},
      {8192, 8193, 32, false},  {INT32_MAX, INT32_MAX, 32, false},
      {INT32_MAX, 2, 1, false}, {1, INT32_MAX, 24, false}};
  for (const auto& [width, height, bits, made] : cases)
    EXPECT_EQ(Bitmap::Create(width, height, bits) != nullptr, made) << width << "x" << height;
  // Strides are whole words and memory starts zero.
  for (const auto& [width, bits, stride] :
       {std::tuple{32, 1, 4}, {33, 1, 8}, {5, 24, 16}, {7, 32, 28}}) {
    const auto bitmap = Bitmap::Create(width, 3, bits);
    EXPECT_EQ(bitmap->stride(), stride) << width << "x" << bits;
    EXPECT_EQ(std::count(bitmap->bits().begin(), bitmap->bits().end(), 0), stride * 3);
  }
}

TEST(Bitmap, RowOrderPixelBytesAndColourTablesPerFormat) {
  const auto bottomUp = Bitmap::Create(2, 3, 32, RowOrder::kBottomUp);
  const auto topDown = Bitmap::Create(2, 3, 32, RowOrder::kTopDown);
  EXPECT_EQ(bottomUp->Row(2), bottomUp->bits().data());
  EXPECT_EQ(topDown->Row(0), topDown->bits().data());
  bottomUp->SetPixelAt(1, 0, 0x11223344);  // blue first in memory, alpha last
  EXPECT_EQ(bottomUp->bits()[2 * 8 + 4], 0x44);
  EXPECT_EQ(bottomUp->bits()[2 * 8 + 7], 0x11);
  const RgbQuad given[] = {{1, 2, 3, 0}, {4, 5, 6, 0}, {7, 8, 9, 0}};
  const auto mono = Bitmap::Create(10, 2, 1, RowOrder::kBottomUp, given);
  ASSERT_EQ(mono->colorTable().size(), 2u);  // a monochrome table keeps two entries
  EXPECT_EQ(mono->colorTable()[1], given[1]);
  mono->SetPixelAt(0, 1, 1);
  mono->SetPixelAt(9, 1, 7);  // only the low bit counts
  EXPECT_EQ(mono->Row(1)[0], 0x80);
  EXPECT_EQ(mono->Row(1)[1], 0x40);
  mono->SetPixelAt(0, 1, 0);
  EXPECT_EQ(mono->PixelAt(0, 1), 0u);
  const auto rgb = Bitmap::Create(3, 1, 24);
  EXPECT_TRUE(rgb->colorTable().empty());
  rgb->SetPixelAt(2, 0, 0xFFA1B2C3);
  EXPECT_EQ(rgb->PixelAt(2, 0), 0x00A1B2C3u);
  EXPECT_EQ(rgb->Row(0)[9], 0);  // padding untouched
  // Sections follow their header's sign; pattern brushes keep their own copy.
  BitmapInfoHeader header;
  header.biWidth = 5;
  header.biHeight = -3;
  header.biBitCount = 24;
  EXPECT_EQ(CreateDIBSection(header, {})->rowOrder(), RowOrder::kTopDown);
  header.biHeight = INT32_MIN;
  EXPECT_EQ(CreateDIBSection(header, {}), nullptr);
  header.biHeight = 3;
  header.biCompression = 1;
  EXPECT_EQ(CreateDIBSection(header, {}), nullptr);
  EXPECT_EQ(GetBitmapSize(nullptr), (Size{0, 0}));
  const Brush brush = CreatePatternBrush(rgb.get());
  rgb->SetPixelAt(2, 0, 0);
  EXPECT_EQ(brush.pattern->PixelAt(2, 0), 0x00A1B2C3u);
  EXPECT_TRUE(CreatePatternBrush(nullptr).IsNull());
}

TEST(DrawingContext, MemoryContextsStartMonochromeAndTheScreenHasNoPixels) {
  const auto dc = DrawingContext::CreateCompatible(nullptr);
  EXPECT_EQ(GetBitmapSize(dc->bitmap().get()), (Size{1, 1}));
  EXPECT_EQ(dc->TextColor(), RGB(0, 0, 0));
  EXPECT_EQ(dc->BkColor(), RGB(255, 255, 255));
  // Monochrome contexts make monochrome bitmaps; every other one 32-bit top-down ones.
  EXPECT_EQ(CreateCompatibleBitmap(*dc, 8, 8)->bitCount(), 1);
  const auto bitmap = Bitmap::Create(4, 4, 24);
  dc->SelectBitmap(bitmap);
  EXPECT_EQ(dc->SelectBitmap(nullptr), nullptr);
  EXPECT_EQ(dc->bitmap(), bitmap);
  EXPECT_EQ(CreateCompatibleBitmap(*dc, 8, 8)->bitCount(), 32);
  DrawingContext& screen = DrawingContext::Screen();
  EXPECT_EQ(screen.BitsPerPixel(), 32);
  EXPECT_EQ(screen.SelectBitmap(Bitmap::Create(2, 2, 32)), nullptr);
  EXPECT_FALSE(PatBlt(screen, 0, 0, 10, 10, WHITENESS));
  EXPECT_FALSE(FillRect(screen, Rect{0, 0, 5, 5}, CreateSolidBrush(0)));
  EXPECT_EQ(GetPixel(screen, 0, 0), CLR_INVALID);
  EXPECT_EQ(GetNearestColor(screen, RGB(1, 2, 3)), RGB(1, 2, 3));
  EXPECT_EQ(CreateCompatibleBitmap(screen, 3, 2)->rowOrder(), RowOrder::kTopDown);
}

TEST(DrawingContext, MonochromeNearestColoursGoByLuminance) {
  Surface mono(2, 2, 1), rgb(2, 2, 32);
  const ColorRef white = RGB(255, 255, 255), black = RGB(0, 0, 0);
  const std::pair<ColorRef, ColorRef> cases[] = {{RGB(128, 128, 128), white},
                                                 {RGB(127, 127, 127), black},
                                                 {RGB(0, 255, 0), white},     // 149.7
                                                 {RGB(255, 0, 0), black},     // 76.2
                                                 {RGB(255, 0, 255), black}};  // 105.3
  for (const auto& [color, nearest] : cases)
    EXPECT_EQ(GetNearestColor(*mono.dc, color), nearest) << std::hex << color;
  EXPECT_EQ(GetNearestColor(*rgb.dc, RGB(12, 34, 56)), RGB(12, 34, 56));
}

TEST(DrawingContext, SetPixelAndGetPixelPerFormatAndOutsideTheBitmap) {
  Surface rgb(3, 3, 32), mono(9, 1, 1);
  EXPECT_EQ(SetPixel(*rgb.dc, 1, 2, RGB(10, 20, 30)), RGB(10, 20, 30));
  EXPECT_EQ(rgb.At(1, 2), 0x000A141Eu);  // alpha 0
  EXPECT_EQ(GetPixel(*rgb.dc, 1, 2), RGB(10, 20, 30));
  EXPECT_EQ(SetPixel(*rgb.dc, 3, 0, 0), CLR_INVALID);
  EXPECT_EQ(GetPixel(*rgb.dc, 0, INT32_MAX), CLR_INVALID);
  EXPECT_EQ(GetPixel(*rgb.dc, -1, 0), CLR_INVALID);
  EXPECT_EQ(SetPixel(*mono.dc, 8, 0, RGB(200, 200, 200)), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(*mono.dc, 8, 0), RGB(255, 255, 255));
}

}  // namespace
}  // namespace wayband::platform
