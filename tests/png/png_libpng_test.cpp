// Property: every PNG libpng writes, in every colour type, bit depth, interlace method and
// filter, decodes to the pixels libpng reads back from it: 16-bit samples as their high
// byte, alpha straight, colour bytes in blue, green, red order; grey and palette images to
// a paletted result (and no bitmap).
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "imaging/png/adam7.h"
#include "imaging/png/png_decoder.h"
#include "png/libpng_oracle.h"

namespace wayband::imaging::png {
namespace {

using testing::LibpngPixels;
using testing::PngImage;
using testing::ReadWithLibpng;
using testing::WriteOptions;
using testing::WriteWithLibpng;

struct Format {
  int colourType;
  int bitDepth;
};

constexpr Format kAllFormats[] = {
    {PNG_COLOR_TYPE_GRAY, 1},        {PNG_COLOR_TYPE_GRAY, 2},    {PNG_COLOR_TYPE_GRAY, 4},
    {PNG_COLOR_TYPE_GRAY, 8},        {PNG_COLOR_TYPE_GRAY, 16},   {PNG_COLOR_TYPE_RGB, 8},
    {PNG_COLOR_TYPE_RGB, 16},        {PNG_COLOR_TYPE_PALETTE, 1}, {PNG_COLOR_TYPE_PALETTE, 2},
    {PNG_COLOR_TYPE_PALETTE, 4},     {PNG_COLOR_TYPE_PALETTE, 8}, {PNG_COLOR_TYPE_GRAY_ALPHA, 8},
    {PNG_COLOR_TYPE_GRAY_ALPHA, 16}, {PNG_COLOR_TYPE_RGBA, 8},    {PNG_COLOR_TYPE_RGBA, 16},
};

// An image of random samples; smooth gradients mixed in so every filter finds use.
PngImage MakeImage(Format format, uint32_t width, uint32_t height, bool interlaced, uint32_t seed) {
  PngImage image;
  image.width = width;
  image.height = height;
  image.colourType = format.colourType;
  image.bitDepth = format.bitDepth;
  image.interlaced = interlaced;
  std::mt19937 rng(seed);
  if (format.colourType == PNG_COLOR_TYPE_PALETTE) {
    image.palette.resize(3 * (size_t{1} << format.bitDepth));
    for (uint8_t& byte : image.palette)
      byte = static_cast<uint8_t>(rng());
  }
  image.rows.resize(image.RowBytes() * height);
  for (size_t i = 0; i < image.rows.size(); ++i) {
    const bool smooth = (i / image.RowBytes()) % 3 != 0;
    image.rows[i] = static_cast<uint8_t>(smooth ? i * 7 + (i / image.RowBytes()) : rng());
  }
  return image;
}

std::string Describe(Format format, bool interlaced, uint32_t width, uint32_t height) {
  return "type " + std::to_string(format.colourType) + " depth " + std::to_string(format.bitDepth) +
         (interlaced ? " interlaced " : " ") + std::to_string(width) + "x" + std::to_string(height);
}

// The bitmap pixel bytes libpng's samples (already 8 bits) convert to.
std::vector<uint8_t> ExpectedBitmapPixel(int colourType, const uint8_t* sample) {
  switch (colourType) {
    case PNG_COLOR_TYPE_RGB:
      return {sample[2], sample[1], sample[0]};
    case PNG_COLOR_TYPE_GRAY_ALPHA:
      return {sample[0], sample[0], sample[0], sample[1]};
    default:
      return {sample[2], sample[1], sample[0], sample[3]};
  }
}

void ExpectBitmapMatches(const CPngDecoder& decoder, const std::vector<uint8_t>& file,
                         int colourType, const std::string& what) {
  ASSERT_EQ(decoder.LoadOutcome(), CPngDecoder::Outcome::kBitmap) << what;
  const platform::Bitmap& bitmap = *decoder.Bitmap();
  const LibpngPixels expected = ReadWithLibpng(file, false);
  const size_t channels = colourType == PNG_COLOR_TYPE_RGB ? 3 : colourType == 4 ? 2 : 4;
  const size_t pixelBytes = bitmap.bitCount() / 8;
  ASSERT_EQ(pixelBytes, colourType == PNG_COLOR_TYPE_RGB ? 3u : 4u) << what;
  for (uint32_t y = 0; y < expected.height; ++y) {
    const uint8_t* row = bitmap.Row(static_cast<int32_t>(y));
    for (uint32_t x = 0; x < expected.width; ++x) {
      const auto pixel = ExpectedBitmapPixel(colourType, expected.Row(y) + x * channels);
      ASSERT_TRUE(std::equal(pixel.begin(), pixel.end(), row + x * pixelBytes))
          << what << " at " << x << "," << y;
    }
  }
}

void ExpectPalettedMatches(const CPngDecoder& decoder, const std::vector<uint8_t>& file,
                           const std::string& what) {
  ASSERT_EQ(decoder.LoadOutcome(), CPngDecoder::Outcome::kPaletted) << what;
  EXPECT_EQ(decoder.Bitmap(), nullptr) << what;
  const PalettedImage& paletted = *decoder.PalettedResult();
  const bool unpacked = paletted.bitCount == 8;
  const LibpngPixels expected = ReadWithLibpng(file, unpacked);
  ASSERT_LE(expected.rowBytes, paletted.stride) << what;
  // Bits past the last pixel of a packed row are padding, whatever the file held there.
  const size_t usedBits = size_t{paletted.width} * paletted.bitCount;
  const uint8_t lastByteMask = static_cast<uint8_t>(0xFF00 >> ((usedBits + 7) % 8 + 1));
  for (uint32_t y = 0; y < expected.height; ++y) {
    const uint8_t* row = paletted.bits.data() + (paletted.height - 1 - y) * paletted.stride;
    const size_t last = expected.rowBytes - 1;
    ASSERT_TRUE(std::equal(expected.Row(y), expected.Row(y) + last, row)) << what << " row " << y;
    ASSERT_EQ(expected.Row(y)[last] & lastByteMask, row[last] & lastByteMask)
        << what << " row " << y;
  }
}

void DecodeAndCompare(const PngImage& image, WriteOptions options, const std::string& what) {
  const std::vector<uint8_t> file = WriteWithLibpng(image, options);
  CPngDecoder decoder;
  decoder.LoadFromMemory(file);
  EXPECT_EQ(decoder.Width(), static_cast<int32_t>(image.width)) << what;
  EXPECT_EQ(decoder.Height(), static_cast<int32_t>(image.height)) << what;
  EXPECT_EQ(decoder.InflateStatus(), Status::kOk) << what;
  const bool paletted =
      image.colourType == PNG_COLOR_TYPE_GRAY || image.colourType == PNG_COLOR_TYPE_PALETTE;
  if (paletted) {
    ExpectPalettedMatches(decoder, file, what);
  } else {
    ExpectBitmapMatches(decoder, file, image.colourType, what);
  }
}

TEST(PngAgainstLibpng, EveryFormatAndInterlaceAtOddSizes) {
  const std::pair<uint32_t, uint32_t> sizes[] = {{1, 1}, {3, 2}, {7, 9}, {33, 17}, {64, 40}};
  uint32_t seed = 1;
  for (Format format : kAllFormats) {
    for (bool interlaced : {false, true}) {
      for (auto [width, height] : sizes) {
        const PngImage image = MakeImage(format, width, height, interlaced, seed++);
        DecodeAndCompare(image, {}, Describe(format, interlaced, width, height));
      }
    }
  }
}

TEST(PngAgainstLibpng, EachFilterAlone) {
  const int filters[] = {PNG_FILTER_NONE, PNG_FILTER_SUB, PNG_FILTER_UP, PNG_FILTER_AVG,
                         PNG_FILTER_PAETH};
  const Format formats[] = {{PNG_COLOR_TYPE_RGBA, 8},       {PNG_COLOR_TYPE_RGB, 16},
                            {PNG_COLOR_TYPE_GRAY_ALPHA, 8}, {PNG_COLOR_TYPE_PALETTE, 2},
                            {PNG_COLOR_TYPE_GRAY, 16},      {PNG_COLOR_TYPE_RGB, 8}};
  for (int filter : filters) {
    for (Format format : formats) {
      for (bool interlaced : {false, true}) {
        const PngImage image = MakeImage(format, 45, 23, interlaced, 99);
        DecodeAndCompare(
            image, WriteOptions{filter},
            Describe(format, interlaced, 45, 23) + " filter " + std::to_string(filter));
      }
    }
  }
}

TEST(PngAgainstLibpng, StoredAndBestCompression) {
  for (int level : {0, 1, 9}) {
    for (bool interlaced : {false, true}) {
      const PngImage image = MakeImage({PNG_COLOR_TYPE_RGBA, 8}, 300, 70, interlaced, 5);
      DecodeAndCompare(image, WriteOptions{PNG_ALL_FILTERS, level},
                       "level " + std::to_string(level));
    }
  }
}

TEST(PngAgainstLibpng, TallInterlacedOneBitImageIsCutAtTheExpectedSize) {
  // Adam7 pass rows of a 1-bit image round up to whole bytes, so a tall image of width 9
  // needs more than the expected size (height x (row bytes + 1) + height) plus 100 bytes
  // that inflate is given. Passes 1 to 6, which fill the even rows, fit; pass 7 (the odd
  // rows) is cut off near the bottom, and what is missing reads as zero.
  const PngImage image = MakeImage({PNG_COLOR_TYPE_GRAY, 1}, 9, 1000, true, 11);
  ImageHeader header{9, 1000, 1, kGrey, 0, kInterlaceAdam7};
  uint64_t expected = 0;
  ASSERT_TRUE(ExpectedScanlineBytes(header, expected));
  ASSERT_GT(Adam7DataBytes(9, 1000, 1), expected + 100);

  const std::vector<uint8_t> file = WriteWithLibpng(image);
  CPngDecoder decoder;
  decoder.LoadFromMemory(file);
  ASSERT_EQ(decoder.LoadOutcome(), CPngDecoder::Outcome::kPaletted);
  EXPECT_EQ(decoder.InflateStatus(), Status::kOutputTooSmall);
  const PalettedImage& paletted = *decoder.PalettedResult();
  const LibpngPixels reference = ReadWithLibpng(file, true);
  auto matches = [&](uint32_t y) {
    const uint8_t* row = paletted.bits.data() + (paletted.height - 1 - y) * paletted.stride;
    return std::equal(reference.Row(y), reference.Row(y) + reference.rowBytes, row);
  };
  for (uint32_t y = 0; y < 1000; y += 2)
    ASSERT_TRUE(matches(y)) << y;
  EXPECT_TRUE(matches(1));
  EXPECT_FALSE(matches(999));
}

}  // namespace
}  // namespace wayband::imaging::png
