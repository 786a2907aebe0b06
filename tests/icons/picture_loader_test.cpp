// The picture loader: every BMP layout gives the same pixels, GIF transparency and JPEG
// variants decode, sizes come out in HIMETRIC, and pictures render with their
// transparency.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "icon_test_support.h"
#include "image_file_writer.h"
#include "imaging/dib32.h"
#include "imaging/import/picture_loader.h"
#include "import_test_support.h"
#include "platform/host/picture_render.h"
#include "platform/image_codecs/bmp_rle.h"
#include "platform/image_codecs/jpeg_huffman_guard.h"
#include "platform/image_codecs/raster_decode.h"

namespace wayband::imaging {
namespace {

using testing::Argb;
using testing::MakeImage;
using testing::RgbaImage;

constexpr uint32_t kOpaque = 0xFF000000;

// Sixteen colours in bands, so that every depth from 4 bits up can hold it.
RgbaImage Bands(int32_t width, int32_t height) {
  return MakeImage(width, height, [](int32_t x, int32_t y) {
    const auto level = static_cast<uint8_t>(((x / 3 + y / 2) % 16) * 16);
    return Argb(255, level, static_cast<uint8_t>(255 - level), static_cast<uint8_t>(level / 2));
  });
}

struct BmpCase {
  const char* name;
  int bitCount;
  testing::BmpLayout layout;
  int tolerance;  // 16-bit files keep 5 bits per channel
};

class BmpLayouts : public ::testing::TestWithParam<BmpCase> {};

TEST_P(BmpLayouts, DecodeToTheSamePixels) {
  const BmpCase c = GetParam();
  const RgbaImage image =
      c.bitCount == 1
          ? MakeImage(19, 7,
                      [](int32_t x, int32_t y) {
                        return (x * y) % 3 ? Argb(255, 0, 0, 0) : Argb(255, 255, 255, 255);
                      })
          : Bands(19, 7);
  const auto picture = LoadPictureFromBytes(testing::WriteBmp(image, c.bitCount, c.layout));
  ASSERT_NE(picture, nullptr);
  EXPECT_FALSE(picture->Transparent());
  const RgbaImage decoded = testing::PicturePixels(*picture);
  ASSERT_EQ(decoded.width, 19);
  ASSERT_EQ(decoded.height, 7);
  for (int32_t y = 0; y < 7; ++y) {
    for (int32_t x = 0; x < 19; ++x) {
      for (int shift : {0, 8, 16}) {
        const int want = (image.At(x, y) >> shift) & 255;
        const int got = (decoded.At(x, y) >> shift) & 255;
        ASSERT_LE(std::abs(want - got), c.tolerance) << x << "," << y;
      }
      ASSERT_EQ(decoded.At(x, y) & kOpaque, kOpaque);  // bitmaps render opaque
    }
  }
}

INSTANTIATE_TEST_SUITE_P(PictureLoader, BmpLayouts,
                         ::testing::Values(BmpCase{"bits1", 1, testing::BmpLayout::kBottomUp, 0},
                                           BmpCase{"bits4", 4, testing::BmpLayout::kBottomUp, 0},
                                           BmpCase{"bits8", 8, testing::BmpLayout::kBottomUp, 0},
                                           BmpCase{"bits16", 16, testing::BmpLayout::kBottomUp, 7},
                                           BmpCase{"bits24", 24, testing::BmpLayout::kBottomUp, 0},
                                           BmpCase{"bits32", 32, testing::BmpLayout::kBottomUp, 0},
                                           BmpCase{"topDown24", 24, testing::BmpLayout::kTopDown,
                                                   0},
                                           BmpCase{"topDown8", 8, testing::BmpLayout::kTopDown, 0},
                                           BmpCase{"rle8", 8, testing::BmpLayout::kRle, 0},
                                           BmpCase{"rle4", 4, testing::BmpLayout::kRle, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PictureLoader, RleDeltaAndEarlyEndLeaveIndexZero) {
  // 4 x 2, RLE8: two pixels of index 1, a delta of (1, 1), one pixel of index 2, end.
  std::vector<uint8_t> file = testing::WriteBmp(
      MakeImage(
          4, 2,
          [](int32_t x, int32_t) { return x == 0 ? Argb(255, 0, 0, 0) : Argb(255, 0, 0, 255); }),
      8, testing::BmpLayout::kRle);
  const size_t dataAt = file[10] | file[11] << 8;
  file.resize(dataAt);
  file.insert(file.end(), {2, 1, 0, 2, 1, 1, 1, 2, 0, 1});
  const auto plain = platform::codecs::ExpandRleBitmapFile(file, 1 << 20);
  ASSERT_TRUE(plain.has_value());
  const size_t pixelsAt = (*plain)[10] | (*plain)[11] << 8;
  // Stored bottom row first, rows of 4 bytes.
  const std::vector<uint8_t> rows(plain->begin() + static_cast<std::ptrdiff_t>(pixelsAt),
                                  plain->end());
  EXPECT_EQ(rows, (std::vector<uint8_t>{1, 1, 0, 0, 0, 0, 0, 2}));
}

TEST(PictureLoader, GifKeepsItsTransparentPixelsTransparent) {
  const RgbaImage image = MakeImage(8, 8, [](int32_t x, int32_t y) {
    return (x + y) % 3 == 0 ? Argb(0, 0, 0, 0) : Argb(255, 10, 20, 30);
  });
  const auto picture = LoadPictureFromBytes(testing::WriteGif(image));
  ASSERT_NE(picture, nullptr);
  EXPECT_TRUE(picture->Transparent());
  const RgbaImage decoded = testing::PicturePixels(*picture);
  for (int32_t y = 0; y < 8; ++y) {
    for (int32_t x = 0; x < 8; ++x) {
      // Transparent pixels carry magenta with alpha 0.
      const uint32_t want = (x + y) % 3 == 0 ? 0x00FF00FF : Argb(255, 10, 20, 30);
      ASSERT_EQ(decoded.At(x, y), want) << x << "," << y;
    }
  }
}

std::vector<uint8_t> ReadTestFile(const std::string& name) {
  const char* root = std::getenv("WAYBAND_TEST_DATA");
  const std::filesystem::path folder =
      root ? std::filesystem::path(root)
           : std::filesystem::path(__FILE__).parent_path() / ".." / "data";
  std::ifstream stream(folder / "import" / name, std::ios::binary);
  return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

// Files written by a JPEG encoder from the same 24 x 24 orange disc on white.
class JpegVariants : public ::testing::TestWithParam<const char*> {};

TEST_P(JpegVariants, DecodeOpaqueAtTheirSize) {
  const auto bytes = ReadTestFile(GetParam());
  ASSERT_FALSE(bytes.empty());
  EXPECT_EQ(platform::codecs::SniffRasterFormat(bytes), platform::codecs::RasterFormat::kJpeg);
  const auto picture = LoadPictureFromBytes(bytes);
  ASSERT_NE(picture, nullptr);
  const RgbaImage decoded = testing::PicturePixels(*picture);
  ASSERT_EQ(decoded.width, 24);
  ASSERT_EQ(decoded.height, 24);
  EXPECT_TRUE(testing::Near(decoded.At(0, 0), Argb(255, 255, 255, 255), 12));
  const uint32_t centre = decoded.At(12, 8);
  if (std::string(GetParam()) == "grey.jpg") {
    EXPECT_EQ(centre & 0xFF, (centre >> 8) & 0xFF);
  } else {
    EXPECT_TRUE(testing::Near(centre, Argb(255, 250, 135, 20), 24)) << std::hex << centre;
  }
}

INSTANTIATE_TEST_SUITE_P(PictureLoader, JpegVariants,
                         ::testing::Values("base.jpg", "prog.jpg", "grey.jpg"));

// A Huffman table declaring more codes than a table holds (the counts add up to 16 x 255)
// is refused before the decoder builds it.
TEST(PictureLoader, RefusesJpegHuffmanTablesOfMoreThan256Codes) {
  for (const char* name : {"base.jpg", "prog.jpg"}) {
    auto bytes = ReadTestFile(name);
    ASSERT_TRUE(platform::codecs::JpegHuffmanTablesFit(bytes));
    size_t dht = 2;
    while (dht + 4 < bytes.size() && !(bytes[dht] == 0xFF && bytes[dht + 1] == 0xC4))
      dht += 2 + (size_t{bytes[dht + 2]} << 8 | bytes[dht + 3]);
    ASSERT_LT(dht + 21, bytes.size()) << name;
    std::fill_n(bytes.begin() + static_cast<std::ptrdiff_t>(dht + 5), 16, uint8_t{255});
    EXPECT_FALSE(platform::codecs::JpegHuffmanTablesFit(bytes)) << name;
    EXPECT_EQ(LoadPictureFromBytes(bytes), nullptr) << name;
  }
  // Such a table right after the start of the image, behind bytes that are not a marker,
  // in a segment that claims to run past the end of the file: the decoder skips the bytes
  // and still reads the table.
  std::vector<uint8_t> cut = {0xFF, 0xD8, 0x3A, 0xC1, 0xFF, 0xC4, 0xFF, 0xFF, 0x00};
  cut.insert(cut.end(), 16, uint8_t{255});
  EXPECT_FALSE(platform::codecs::JpegHuffmanTablesFit(cut));
}

TEST(PictureLoader, SizeIsInHimetricAtTheScreensPixelsPerInch) {
  const auto picture = LoadPictureFromBytes(testing::WriteBmp(Bands(16, 48), 24));
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->Width(), 423);  // 16 / 96 inch
  EXPECT_EQ(picture->Height(), 1270);
  EXPECT_EQ(picture->FileBytes().size(), testing::WriteBmp(Bands(16, 48), 24).size());
}

TEST(PictureLoader, RefusesUnknownDamagedAndOversizedFiles) {
  EXPECT_EQ(LoadPictureFromBytes({}), nullptr);
  EXPECT_EQ(LoadPictureFromBytes({'x', 'y', 'z', 0}), nullptr);
  auto truncated = testing::WriteBmp(Bands(8, 8), 24);
  truncated.resize(30);
  EXPECT_EQ(LoadPictureFromBytes(truncated), nullptr);
  // A BMP header claiming 20000 x 20000 pixels is refused before anything is decoded.
  auto huge = testing::WriteBmp(Bands(8, 8), 24);
  for (size_t at : {18u, 22u}) {
    huge[at] = 0x20;
    huge[at + 1] = 0x4E;
  }
  EXPECT_EQ(LoadPictureFromBytes(huge), nullptr);
}

TEST(PictureLoader, RenderLeavesTheTargetAtTransparentPixelsAndScales) {
  const RgbaImage image = MakeImage(
      2, 2, [](int32_t x, int32_t y) { return x == y ? Argb(0, 0, 0, 0) : Argb(255, 200, 0, 0); });
  const auto picture = LoadPictureFromBytes(testing::WriteGif(image));
  ASSERT_NE(picture, nullptr);
  CDib32 target = testing::FilledDib(6, 6, 0x000000FF);
  platform::RenderPicture(*picture, *target.hDC(), 1, 1, 4, 4);
  EXPECT_EQ(target.PixelAt(0, 0), 0x000000FFu);  // outside
  EXPECT_EQ(target.PixelAt(1, 1), 0x000000FFu);  // transparent quarter
  EXPECT_EQ(target.PixelAt(4, 1) & 0xFFFFFF, 0xC80000u);
  EXPECT_EQ(target.PixelAt(2, 4) & 0xFFFFFF, 0xC80000u);
  EXPECT_EQ(target.PixelAt(4, 4), 0x000000FFu);
}

}  // namespace
}  // namespace wayband::imaging
