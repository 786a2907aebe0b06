// SetDIBitsToDevice for each source bit depth, both row orders, partial scans and bad input.
#include <gtest/gtest.h>

#include <vector>

#include "surface.h"

namespace wayband::platform {
namespace {

using testing::Surface;

BitmapInfoHeader Header(int32_t width, int32_t height, uint16_t bits) {
  BitmapInfoHeader header;
  header.biWidth = width;
  header.biHeight = height;
  header.biBitCount = bits;
  return header;
}

constexpr RgbQuad kPalette[] = {{0, 0, 255, 0}, {255, 0, 0, 0}, {0, 255, 0, 0}, {9, 8, 7, 0}};
constexpr uint32_t kRed = 0x00FF0000, kBlue = 0x000000FF, kGreen = 0x0000FF00;

TEST(SetDIBits, OneBitRowsUseTheColourTable) {
  Surface dst(10, 2, 32);
  dst.Fill(0xFFFFFFFF);
  // Bottom-up: the first stored row is the picture's bottom row.
  const std::vector<uint8_t> bits = {0x80, 0x40, 0, 0, /* top */ 0x00, 0xC0, 0, 0};
  EXPECT_EQ(SetDIBitsToDevice(*dst.dc, 0, 0, 10, 2, 0, 0, 0, 2, bits, Header(10, 2, 1), kPalette),
            2);
  EXPECT_EQ(dst.At(0, 1), kBlue);  // bit 1 -> entry 1
  EXPECT_EQ(dst.At(1, 1), kRed);
  EXPECT_EQ(dst.At(9, 1), kBlue);
  EXPECT_EQ(dst.At(8, 0), kBlue);
  EXPECT_EQ(dst.At(7, 0), kRed);
}

TEST(SetDIBits, FourAndEightBitIndices) {
  Surface dst(3, 1, 32);
  const std::vector<uint8_t> nibbles = {0x21, 0x30, 0, 0};
  ASSERT_EQ(SetDIBitsToDevice(*dst.dc, 0, 0, 3, 1, 0, 0, 0, 1, nibbles, Header(3, 1, 4), kPalette),
            1);
  EXPECT_EQ(dst.At(0, 0), kGreen);
  EXPECT_EQ(dst.At(1, 0), kBlue);
  EXPECT_EQ(dst.At(2, 0), 0x00070809u);
  const std::vector<uint8_t> bytes = {1, 200, 2, 0};  // 200 lies beyond the table: black
  dst.Fill(0xFFFFFFFF);
  ASSERT_EQ(SetDIBitsToDevice(*dst.dc, 0, 0, 3, 1, 0, 0, 0, 1, bytes, Header(3, 1, 8), kPalette),
            1);
  EXPECT_EQ(dst.At(0, 0), kBlue);
  EXPECT_EQ(dst.At(1, 0), 0u);
  EXPECT_EQ(dst.At(2, 0), kGreen);
}

TEST(SetDIBits, TwentyFourAndThirtyTwoBitRows) {
  Surface dst(2, 2, 32), rgb(2, 1, 24);
  // 24-bit rows of 6 bytes padded to 8, top-down.
  const std::vector<uint8_t> packed = {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0};
  ASSERT_EQ(SetDIBitsToDevice(*dst.dc, 0, 0, 2, 2, 0, 0, 0, 2, packed, Header(2, -2, 24), {}), 2);
  EXPECT_EQ(dst.At(1, 0), 0x00060504u);
  EXPECT_EQ(dst.At(0, 1), 0x00090807u);
  const std::vector<uint8_t> words = {1, 2, 3, 0xAA, 4, 5, 6, 0xBB};
  ASSERT_EQ(SetDIBitsToDevice(*dst.dc, 0, 0, 2, 1, 0, 0, 0, 1, words, Header(2, 1, 32), {}), 1);
  EXPECT_EQ(dst.At(1, 0), 0xBB060504u);  // alpha bytes pass to 32-bit bitmaps
  ASSERT_EQ(SetDIBitsToDevice(*rgb.dc, 0, 0, 2, 1, 0, 0, 0, 1, words, Header(2, 1, 32), {}), 1);
  EXPECT_EQ(rgb.At(0, 0), 0x00030201u);
}

// A 4 x 4 8-bit DIB whose pixel (x, r) holds index x + 4r... as colour RGB(x, r, 0) through a
// 16-entry grey table; r counts rows from the DIB's origin.
struct IndexedDib {
  std::vector<RgbQuad> table;
  std::vector<uint8_t> bits;
  IndexedDib() {
    for (int i = 0; i < 16; ++i)
      table.push_back(RgbQuad{0, uint8_t(i / 4), uint8_t(i % 4), 0});
    for (int r = 0; r < 4; ++r) {
      for (int x = 0; x < 4; ++x)
        bits.push_back(uint8_t(x + 4 * r));
    }
  }
};

TEST(SetDIBits, SourceOffsetsCountFromTheBottomOfABottomUpDib) {
  const IndexedDib dib;
  Surface dst(2, 2, 32);
  // The block of rows 1 .. 2 from the bottom, columns 1 .. 2: its top row is row 2.
  ASSERT_EQ(
      SetDIBitsToDevice(*dst.dc, 0, 0, 2, 2, 1, 1, 0, 4, dib.bits, Header(4, 4, 8), dib.table), 4);
  EXPECT_EQ(dst.At(0, 0), PixelFromColor(RGB(1, 2, 0)));
  EXPECT_EQ(dst.At(1, 1), PixelFromColor(RGB(2, 1, 0)));
  // Top-down: rows count from the top.
  ASSERT_EQ(
      SetDIBitsToDevice(*dst.dc, 0, 0, 2, 2, 1, 1, 0, 4, dib.bits, Header(4, -4, 8), dib.table), 4);
  EXPECT_EQ(dst.At(0, 0), PixelFromColor(RGB(1, 1, 0)));
  EXPECT_EQ(dst.At(1, 1), PixelFromColor(RGB(2, 2, 0)));
}

TEST(SetDIBits, BandsSetOnlyTheScanLinesPresent) {
  const IndexedDib dib;
  Surface dst(4, 4, 32);
  dst.Fill(0xFFFFFFFF);
  // Rows 1 and 2 of the bottom-up DIB; bits start with row 1.
  const std::span<const uint8_t> band(dib.bits.data() + 4, 8);
  ASSERT_EQ(SetDIBitsToDevice(*dst.dc, 0, 0, 4, 4, 0, 0, 1, 2, band, Header(4, 4, 8), dib.table),
            2);
  EXPECT_EQ(dst.At(0, 0), 0xFFFFFFFFu);  // row 3 not present
  EXPECT_EQ(dst.At(3, 1), PixelFromColor(RGB(3, 2, 0)));
  EXPECT_EQ(dst.At(3, 2), PixelFromColor(RGB(3, 1, 0)));
  EXPECT_EQ(dst.At(0, 3), 0xFFFFFFFFu);  // row 0 not present
}

TEST(SetDIBits, ReadsOnlyCompleteRowsInsideTheBuffer) {
  const IndexedDib dib;
  Surface dst(4, 4, 32);
  dst.Fill(0xFFFFFFFF);
  const std::span<const uint8_t> short_(dib.bits.data(), 7);  // one full row and a bit
  EXPECT_EQ(SetDIBitsToDevice(*dst.dc, 0, 0, 4, 4, 0, 0, 0, 4, short_, Header(4, 4, 8), dib.table),
            1);
  EXPECT_EQ(dst.Differing(0xFFFFFFFF), 4);
  // Scan lines beyond the DIB's height are not counted.
  EXPECT_EQ(
      SetDIBitsToDevice(*dst.dc, 0, 0, 4, 4, 0, 0, 2, 100, dib.bits, Header(4, 4, 8), dib.table),
      2);
}

TEST(SetDIBits, IconMaskIntoAMonochromeBitmap) {
  Surface mask(16, 2, 1);
  const RgbQuad blackWhite[] = {{0, 0, 0, 0}, {255, 255, 255, 0}};
  const std::vector<uint8_t> bits = {0xF0, 0x0F, 0, 0, 0x01, 0x80, 0, 0};
  ASSERT_EQ(
      SetDIBitsToDevice(*mask.dc, 0, 0, 16, 2, 0, 0, 0, 2, bits, Header(16, 2, 1), blackWhite), 2);
  EXPECT_EQ(mask.bitmap->Row(1)[0], 0xF0);
  EXPECT_EQ(mask.bitmap->Row(1)[1], 0x0F);
  EXPECT_EQ(mask.bitmap->Row(0)[0], 0x01);
  EXPECT_EQ(mask.bitmap->Row(0)[1], 0x80);
}

TEST(SetDIBits, BadInputSetsNothing) {
  const IndexedDib dib;
  Surface dst(4, 4, 32);
  auto call = [&](const BitmapInfoHeader& header, int32_t w, int32_t h, uint32_t start) {
    return SetDIBitsToDevice(*dst.dc, 0, 0, w, h, 0, 0, start, 4, dib.bits, header, dib.table);
  };
  EXPECT_EQ(call(Header(4, 4, 16), 4, 4, 0), 0);
  EXPECT_EQ(call(Header(4, 4, 2), 4, 4, 0), 0);
  EXPECT_EQ(call(Header(0, 4, 8), 4, 4, 0), 0);
  EXPECT_EQ(call(Header(4, 0, 8), 4, 4, 0), 0);
  EXPECT_EQ(call(Header(4, INT32_MIN, 8), 4, 4, 0), 0);
  EXPECT_EQ(call(Header(INT32_MAX, 4, 32), 4, 4, 0), 0);  // not one row in the buffer
  EXPECT_EQ(call(Header(4, 4, 8), -1, 4, 0), 0);
  EXPECT_EQ(call(Header(4, 4, 8), 4, 4, 4), 0);
  BitmapInfoHeader compressed = Header(4, 4, 8);
  compressed.biCompression = 1;
  EXPECT_EQ(call(compressed, 4, 4, 0), 0);
  EXPECT_EQ(SetDIBitsToDevice(DrawingContext::Screen(), 0, 0, 4, 4, 0, 0, 0, 4, dib.bits,
                              Header(4, 4, 8), dib.table),
            0);
  EXPECT_EQ(dst.Differing(0), 0);
  // Blocks far outside either side are fine and set nothing.
  EXPECT_EQ(SetDIBitsToDevice(*dst.dc, INT32_MAX, INT32_MIN, INT32_MAX, INT32_MAX, INT32_MIN,
                              INT32_MAX, 0, 4, dib.bits, Header(4, 4, 8), dib.table),
            4);
  EXPECT_EQ(dst.Differing(0), 0);
}

}  // namespace
}  // namespace wayband::platform
