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

// Sets the whole w x h block from the first h rows of `bits`; returns the lines set.
int32_t SetAll(Surface& dst, int32_t w, int32_t h, std::span<const uint8_t> bits,
               const BitmapInfoHeader& header, std::span<const RgbQuad> colors = {}) {
  return SetDIBitsToDevice(*dst.dc, 0, 0, w, h, 0, 0, 0, uint32_t(h), bits, header, colors);
}

constexpr RgbQuad kPalette[] = {{0, 0, 255, 0}, {255, 0, 0, 0}, {0, 255, 0, 0}, {9, 8, 7, 0}};
constexpr uint32_t kRed = 0x00FF0000, kBlue = 0x000000FF, kGreen = 0x0000FF00;

TEST(SetDIBits, IndexedRowsUseTheColourTableAndIndicesBeyondItShowBlack) {
  Surface dst(10, 2, 32), row(3, 1, 32), mask(16, 2, 1);
  // Bottom-up: the first stored row is the picture's bottom row.
  const std::vector<uint8_t> bits = {0x80, 0x40, 0, 0, /* top */ 0x00, 0xC0, 0, 0};
  EXPECT_EQ(SetAll(dst, 10, 2, bits, Header(10, 2, 1), kPalette), 2);
  EXPECT_TRUE(dst.Matches([](int x, int y) { return x == 9 || x == (y ? 0 : 8) ? kBlue : kRed; }));
  const std::vector<uint8_t> nibbles = {0x21, 0x30, 0, 0}, bytes = {1, 200, 2, 0};
  const uint32_t fromNibbles[] = {kGreen, kBlue, 0x070809}, fromBytes[] = {kBlue, 0, kGreen};
  ASSERT_EQ(SetAll(row, 3, 1, nibbles, Header(3, 1, 4), kPalette), 1);
  EXPECT_TRUE(row.Matches([&](int x, int) { return fromNibbles[x]; }));
  ASSERT_EQ(SetAll(row, 3, 1, bytes, Header(3, 1, 8), kPalette), 1);
  EXPECT_TRUE(row.Matches([&](int x, int) { return fromBytes[x]; }));
  // An icon mask into a monochrome bitmap keeps its bits.
  const RgbQuad blackWhite[] = {{0, 0, 0, 0}, {255, 255, 255, 0}};
  const std::vector<uint8_t> maskBits = {0xF0, 0x0F, 0, 0, 0x01, 0x80, 0, 0};
  ASSERT_EQ(SetAll(mask, 16, 2, maskBits, Header(16, 2, 1), blackWhite), 2);
  EXPECT_EQ(std::vector<uint8_t>(mask.bitmap->bits().begin(), mask.bitmap->bits().end()), maskBits);
}

TEST(SetDIBits, TwentyFourAndThirtyTwoBitRows) {
  Surface dst(2, 2, 32), rgb(2, 1, 24);
  // 24-bit rows of 6 bytes padded to 8, top-down.
  const std::vector<uint8_t> packed = {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0};
  ASSERT_EQ(SetAll(dst, 2, 2, packed, Header(2, -2, 24)), 2);
  EXPECT_EQ(dst.At(1, 0), 0x00060504u);
  EXPECT_EQ(dst.At(0, 1), 0x00090807u);
  const std::vector<uint8_t> words = {1, 2, 3, 0xAA, 4, 5, 6, 0xBB};
  ASSERT_EQ(SetAll(dst, 2, 1, words, Header(2, 1, 32)), 1);
  EXPECT_EQ(dst.At(1, 0), 0xBB060504u);  // alpha bytes pass to 32-bit bitmaps
  ASSERT_EQ(SetAll(rgb, 2, 1, words, Header(2, 1, 32)), 1);
  EXPECT_EQ(rgb.At(0, 0), 0x00030201u);
}

// A 4 x 4 8-bit DIB whose pixel (x, r) holds index x + 4r, shown as RGB(x, r, 0) through a
// 16-entry table; r counts rows from the DIB's origin.
class IndexedDib : public ::testing::Test {
 protected:
  IndexedDib() {
    for (int i = 0; i < 16; ++i) {
      table.push_back(RgbQuad{0, uint8_t(i / 4), uint8_t(i % 4), 0});
      bits.push_back(uint8_t(i));
    }
    dst.Fill(0xFFFFFFFF);
  }
  int32_t Set(int32_t w, int32_t h, int32_t xSrc, int32_t ySrc, uint32_t start, uint32_t lines,
              std::span<const uint8_t> rows, int32_t height = 4) {
    return SetDIBitsToDevice(*dst.dc, 0, 0, w, h, xSrc, ySrc, start, lines, rows,
                             Header(4, height, 8), table);
  }
  static uint32_t Shown(int x, int r) { return PixelFromColor(RGB(x, r, 0)); }
  std::vector<RgbQuad> table;
  std::vector<uint8_t> bits;
  Surface dst{4, 4, 32};
};

TEST_F(IndexedDib, SourceOffsetsCountFromTheBottomOfABottomUpDibAndFromTheTopOfATopDownOne) {
  // The block of rows 1 .. 2 from the origin, columns 1 .. 2.
  ASSERT_EQ(Set(2, 2, 1, 1, 0, 4, bits), 4);
  EXPECT_EQ(dst.At(0, 0), Shown(1, 2));  // bottom-up: the block's top row is row 2
  EXPECT_EQ(dst.At(1, 1), Shown(2, 1));
  ASSERT_EQ(Set(2, 2, 1, 1, 0, 4, bits, -4), 4);
  EXPECT_EQ(dst.At(0, 0), Shown(1, 1));
  EXPECT_EQ(dst.At(1, 1), Shown(2, 2));
}

TEST_F(IndexedDib, OnlyScanLinesPresentInFullAreSet) {
  // Rows 1 and 2 of the bottom-up DIB; the bits start with row 1.
  ASSERT_EQ(Set(4, 4, 0, 0, 1, 2, std::span(bits).subspan(4, 8)), 2);
  EXPECT_TRUE(dst.Matches([](int x, int y) { return y == 1 || y == 2 ? Shown(x, 3 - y) : ~0u; }));
  dst.Fill(0xFFFFFFFF);
  EXPECT_EQ(Set(4, 4, 0, 0, 0, 4, std::span(bits).first(7)), 1);  // one full row and a bit
  EXPECT_EQ(dst.Differing(0xFFFFFFFF), 4);
  EXPECT_EQ(Set(4, 4, 0, 0, 2, 100, bits), 2);  // lines beyond the DIB's height do not count
}

TEST_F(IndexedDib, BadInputSetsNothing) {
  dst.Fill(0);
  const auto call = [&](const BitmapInfoHeader& header, int32_t w, uint32_t start) {
    return SetDIBitsToDevice(*dst.dc, 0, 0, w, 4, 0, 0, start, 4, bits, header, table);
  };
  BitmapInfoHeader compressed = Header(4, 4, 8);
  compressed.biCompression = 1;
  for (const BitmapInfoHeader& header :
       {Header(4, 4, 16), Header(4, 4, 2), Header(0, 4, 8), Header(4, 0, 8),
        Header(4, INT32_MIN, 8), Header(INT32_MAX, 4, 32) /* not one row in the buffer */,
        compressed}) {
    EXPECT_EQ(call(header, 4, 0), 0) << header.biWidth << "x" << header.biHeight;
  }
  EXPECT_EQ(call(Header(4, 4, 8), -1, 0), 0);
  EXPECT_EQ(call(Header(4, 4, 8), 4, 4), 0);
  EXPECT_EQ(SetDIBitsToDevice(DrawingContext::Screen(), 0, 0, 4, 4, 0, 0, 0, 4, bits,
                              Header(4, 4, 8), table),
            0);
  // Blocks far outside either side are fine and set nothing.
  EXPECT_EQ(SetDIBitsToDevice(*dst.dc, INT32_MAX, INT32_MIN, INT32_MAX, INT32_MAX, INT32_MIN,
                              INT32_MAX, 0, 4, bits, Header(4, 4, 8), table),
            4);
  EXPECT_EQ(dst.Differing(0), 0);
}

}  // namespace
}  // namespace wayband::platform
