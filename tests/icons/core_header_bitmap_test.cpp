// Bitmaps with the old 12-byte core header, written by tests/data/import/make_core_bitmaps.py,
// load with every pixel the rule of that script gives.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "imaging/import/picture_loader.h"
#include "import_test_support.h"

namespace wayband::imaging {
namespace {

struct CoreBitmap {
  const char* file;
  int bitCount;
  int colours;  // colour-table entries; 0 at 24 bits
  int32_t width;
  int32_t height;
};

uint32_t Rgb(int r, int g, int b) {
  return 0xFF000000u | (uint32_t(r & 255) << 16) | (uint32_t(g & 255) << 8) | uint32_t(b & 255);
}

// The generator's rule, y from the top row.
uint32_t Expected(const CoreBitmap& c, int32_t x, int32_t y) {
  if (c.bitCount == 24) return Rgb(40 * x, 50 * y, 20 * (x + y));
  const int i = (5 * x + 3 * y) % c.colours;
  return Rgb(37 * i, 255 - 11 * i, 73 * i);
}

std::vector<uint8_t> ReadImportFile(const char* name) {
  const char* root = std::getenv("WAYBAND_TEST_DATA");
  const std::filesystem::path folder =
      root ? std::filesystem::path(root)
           : std::filesystem::path(__FILE__).parent_path() / ".." / "data";
  std::ifstream stream(folder / "import" / name, std::ios::binary);
  return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

class CoreHeaderBitmaps : public ::testing::TestWithParam<CoreBitmap> {};

TEST_P(CoreHeaderBitmaps, DecodeEveryPixel) {
  const CoreBitmap c = GetParam();
  const std::vector<uint8_t> bytes = ReadImportFile(c.file);
  ASSERT_FALSE(bytes.empty()) << c.file;
  const auto picture = LoadPictureFromBytes(bytes);
  ASSERT_NE(picture, nullptr);
  const testing::RgbaImage decoded = testing::PicturePixels(*picture);
  ASSERT_EQ(decoded.width, c.width);
  ASSERT_EQ(decoded.height, c.height);
  for (int32_t y = 0; y < c.height; ++y)
    for (int32_t x = 0; x < c.width; ++x)
      ASSERT_EQ(decoded.At(x, y), Expected(c, x, y)) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(PictureLoader, CoreHeaderBitmaps,
                         ::testing::Values(CoreBitmap{"core-1.bmp", 1, 2, 13, 7},
                                           CoreBitmap{"core-4.bmp", 4, 16, 11, 5},
                                           CoreBitmap{"core-4-gap.bmp", 4, 16, 11, 5},
                                           CoreBitmap{"core-8.bmp", 8, 256, 9, 6},
                                           CoreBitmap{"core-8-short-table.bmp", 8, 100, 9, 6},
                                           CoreBitmap{"core-24.bmp", 24, 0, 7, 4}));

TEST(PictureLoader, CoreHeaderBitmapsCutShortKeepTheirSize) {
  std::vector<uint8_t> bytes = ReadImportFile("core-8.bmp");
  ASSERT_GT(bytes.size(), 40u);
  bytes.resize(bytes.size() - 20);  // the top rows are missing
  const auto picture = LoadPictureFromBytes(bytes);
  ASSERT_NE(picture, nullptr);
  const testing::RgbaImage decoded = testing::PicturePixels(*picture);
  EXPECT_EQ(decoded.At(0, 5), Expected({"", 8, 256, 9, 6}, 0, 5));  // the bottom row is there
  bytes.resize(14 + 12 + 100);                                      // the colour table is cut
  EXPECT_EQ(LoadPictureFromBytes(bytes), nullptr);
}

}  // namespace
}  // namespace wayband::imaging
