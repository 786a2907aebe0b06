// CPngDecoder: every PNG libpng writes decodes to what libpng reads back (16-bit samples as
// their high byte; blue, green, red, straight alpha in rows bottom-up, RGB in 24-bit rows
// top-down; grey and palette images paletted, with no bitmap); what the decoder ignores,
// refuses and keeps of a damaged stream; the size limits; paletted colour tables.
#include <gtest/gtest.h>

#include <random>

#include "imaging/png/adam7.h"
#include "imaging/png/png_decoder.h"
#include "imaging/png/unfilter.h"
#include "png/libpng_oracle.h"
#include "png/png_builder.h"

namespace wayband::imaging::png {
namespace {

using Outcome = CPngDecoder::Outcome;
using platform::RgbQuad;
using namespace testing;

using Format = std::pair<int, int>;  // colour type, bit depth

// Random samples with smooth gradients mixed in, so that libpng uses every filter.
PngImage MakeImage(Format format, uint32_t width, uint32_t height, bool interlaced, uint32_t seed) {
  PngImage image{width, height, format.first, format.second, interlaced, {}, {}};
  std::mt19937 rng(seed);
  if (format.first == PNG_COLOR_TYPE_PALETTE) {
    image.palette.resize(3 * (size_t{1} << format.second));
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

// Bits past the last pixel of a packed row are padding, whatever the file held there.
bool RowsMatch(const LibpngPixels& expected, const uint8_t* rows, size_t stride, bool bottomUp,
               size_t usedBits) {
  const uint8_t lastByteMask = static_cast<uint8_t>(0xFF00 >> ((usedBits + 7) % 8 + 1));
  for (uint32_t y = 0; y < expected.height; ++y) {
    const uint8_t* row = rows + (bottomUp ? expected.height - 1 - y : y) * stride;
    const size_t last = expected.rowBytes - 1;
    if (!std::equal(expected.Row(y), expected.Row(y) + last, row) ||
        ((expected.Row(y)[last] ^ row[last]) & lastByteMask) != 0)
      return false;
  }
  return true;
}

void DecodeAndCompare(const PngImage& image) {
  SCOPED_TRACE(::testing::Message()
               << "type " << image.colourType << " depth " << image.bitDepth
               << (image.interlaced ? " interlaced " : " ") << image.width << "x" << image.height);
  const std::vector<uint8_t> file = WriteWithLibpng(image);
  CPngDecoder decoder;
  decoder.LoadFromMemory(file);
  EXPECT_EQ(std::tuple(decoder.Width(), decoder.Height(), decoder.Interlace()),
            std::tuple(int32_t(image.width), int32_t(image.height), image.interlaced ? 1 : 0));
  EXPECT_EQ(decoder.InflateStatus(), Status::kOk);
  if (image.colourType != PNG_COLOR_TYPE_GRAY && image.colourType != PNG_COLOR_TYPE_PALETTE) {
    ASSERT_EQ(decoder.LoadOutcome(), CPngDecoder::Outcome::kBitmap);
    const platform::Bitmap& bitmap = *decoder.Bitmap();
    const bool rgb = image.colourType == PNG_COLOR_TYPE_RGB;
    ASSERT_EQ(bitmap.bitCount(), rgb ? 24 : 32);
    const LibpngPixels expected = ReadWithLibpng(file, ReadAs::kBgr);
    EXPECT_TRUE(RowsMatch(expected, bitmap.bits().data(), static_cast<size_t>(bitmap.stride()),
                          !rgb, expected.rowBytes * 8));
    return;
  }
  ASSERT_EQ(decoder.LoadOutcome(), CPngDecoder::Outcome::kPaletted);
  EXPECT_EQ(decoder.Bitmap(), nullptr);
  const PalettedImage& paletted = *decoder.PalettedResult();
  const auto as = paletted.bitCount == 8 ? ReadAs::kUnpacked : ReadAs::kPacked;
  const LibpngPixels expected = ReadWithLibpng(file, as);
  ASSERT_LE(expected.rowBytes, paletted.stride);
  EXPECT_TRUE(RowsMatch(expected, paletted.bits.data(), paletted.stride, true,
                        size_t{paletted.width} * paletted.bitCount));
}

TEST(PngAgainstLibpng, EveryFormatAndInterlaceAtOddSizes) {
  const Format formats[] = {
      {PNG_COLOR_TYPE_GRAY, 1},        {PNG_COLOR_TYPE_GRAY, 2},    {PNG_COLOR_TYPE_GRAY, 4},
      {PNG_COLOR_TYPE_GRAY, 8},        {PNG_COLOR_TYPE_GRAY, 16},   {PNG_COLOR_TYPE_RGB, 8},
      {PNG_COLOR_TYPE_RGB, 16},        {PNG_COLOR_TYPE_PALETTE, 1}, {PNG_COLOR_TYPE_PALETTE, 2},
      {PNG_COLOR_TYPE_PALETTE, 4},     {PNG_COLOR_TYPE_PALETTE, 8}, {PNG_COLOR_TYPE_GRAY_ALPHA, 8},
      {PNG_COLOR_TYPE_GRAY_ALPHA, 16}, {PNG_COLOR_TYPE_RGBA, 8},    {PNG_COLOR_TYPE_RGBA, 16}};
  uint32_t seed = 1;
  for (Format format : formats) {
    for (bool interlaced : {false, true}) {
      for (auto [width, height] : {std::pair{1u, 1u}, {3u, 2u}, {7u, 9u}, {33u, 17u}, {64u, 40u}})
        DecodeAndCompare(MakeImage(format, width, height, interlaced, seed++));
    }
  }
}

// Images whose scanlines pass through the decoder's window several times over, with rows
// of 3, 4, 6 and 8 bytes per pixel (unfiltered a pixel at a time) and of 2.
TEST(PngAgainstLibpng, LargeImagesStreamThroughTheWindow) {
  const Format formats[] = {{PNG_COLOR_TYPE_RGB, 8},
                            {PNG_COLOR_TYPE_RGB, 16},
                            {PNG_COLOR_TYPE_RGBA, 8},
                            {PNG_COLOR_TYPE_RGBA, 16},
                            {PNG_COLOR_TYPE_GRAY_ALPHA, 8}};
  for (Format format : formats) {
    for (bool interlaced : {false, true})
      DecodeAndCompare(MakeImage(format, 301, 500, interlaced, 5));
  }
}

// A tall 1-bit Adam7 image of width 9 needs more than the expected bytes + 100 inflate gets:
// passes 1 to 6 (even rows) fit, pass 7 is cut off near the bottom and reads as zero.
TEST(PngAgainstLibpng, TallInterlacedOneBitImageIsCutAtTheExpectedSize) {
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
  const LibpngPixels reference = ReadWithLibpng(file, ReadAs::kUnpacked);
  auto matches = [&](uint32_t y) {
    const uint8_t* row = paletted.bits.data() + (paletted.height - 1 - y) * paletted.stride;
    return std::equal(reference.Row(y), reference.Row(y) + reference.rowBytes, row);
  };
  for (uint32_t y = 0; y < 1000; y += 2)
    ASSERT_TRUE(matches(y)) << y;
  EXPECT_TRUE(matches(1));
  EXPECT_FALSE(matches(999));
}

// Unfiltered scanlines of RGBA pixels: red 8x, green 8y, blue x + y, alpha 255 - 7x.
std::vector<uint8_t> Scanlines(uint32_t width, uint32_t height) {
  std::vector<uint8_t> rows;
  for (uint32_t y = 0; y < height; ++y) {
    rows.push_back(kFilterNone);
    for (uint32_t x = 0; x < width; ++x)
      rows.insert(rows.end(),
                  {uint8_t(8 * x), uint8_t(8 * y), uint8_t(x + y), uint8_t(255 - 7 * x)});
  }
  return rows;
}

PngBuilder Rgba(uint32_t width, uint32_t height, PngBuilder builder = {}) {
  builder.Header(width, height, 8, kRgba);
  return builder;
}

std::vector<uint8_t> File(uint32_t width, uint8_t depth = 8, uint8_t type = kRgba,
                          uint8_t interlace = 0, uint8_t compression = 0) {
  return PngBuilder()
      .Header(width, width, depth, type, interlace, compression)
      .ImageData(Scanlines(width, width))
      .End()
      .Bytes();
}

std::unique_ptr<CPngDecoder> Decode(const std::vector<uint8_t>& file, DecodeLimits limits = {}) {
  auto decoder = std::make_unique<CPngDecoder>(limits);
  decoder->LoadFromMemory(file);
  return decoder;
}

std::vector<uint8_t> Pixels(const std::vector<uint8_t>& file) {
  const auto decoder = Decode(file);
  if (!decoder->Bitmap()) return {};
  const auto bits = decoder->Bitmap()->bits();
  return {bits.begin(), bits.end()};
}

// Wrong CRCs, filter code 7 (the row stays as stored), IDAT split among other chunks and
// ancillary chunks change no pixel; the ancillary chunks are kept.
TEST(PngDecoder, WhatTheDecoderIgnores) {
  auto filter7 = Scanlines(6, 6);
  filter7[25] = 7;  // the second row's filter byte
  PngBuilder split = Rgba(6, 6);
  split.Chunk("pHYs", {0, 0, 0, 1, 0, 0, 0, 1, 1});
  for (uint8_t byte : testing::ZlibStream(Scanlines(6, 6)))
    split.Chunk("IDAT", {byte}).Chunk("IDAT", {}).Chunk("zzZZ", {1, 2, 3});
  const std::string comment = "drawn for the navigation bar, drawn again";
  std::vector<uint8_t> ztxt = {'C', 'o', 'm', 'm', 'e', 'n', 't', 0, 0};
  const auto packed = testing::ZlibStream({comment.begin(), comment.end()});
  ztxt.insert(ztxt.end(), packed.begin(), packed.end());
  const auto ancillary = Rgba(6, 6)
                             .Chunk("gAMA", {0, 0, 0xB1, 0x8F})
                             .Chunk("tEXt", {'T', 'i', 't', 'l', 'e', 0, 'I', 'c', 'o', 'n'})
                             .Chunk("zTXt", ztxt)
                             .Chunk("tIME", {0x07, 0xE8, 1, 2, 3, 4, 5})
                             .Chunk("bKGD", {0, 1, 0, 2, 0, 3})
                             .Chunk("tRNS", {0, 9, 0, 9, 0, 9})
                             .ImageData(Scanlines(6, 6))
                             .End()
                             .Bytes();
  const auto reference = Pixels(File(6));
  ASSERT_EQ(reference.size(), 6u * 6u * 4u);
  EXPECT_EQ(Pixels(Rgba(6, 6, PngBuilder().CorruptCrcs()).ImageData(Scanlines(6, 6)).End().Bytes()),
            reference);
  EXPECT_EQ(Pixels(Rgba(6, 6).ImageData(filter7).End().Bytes()), reference);
  EXPECT_EQ(Pixels(split.End().Bytes()), reference);
  EXPECT_EQ(Pixels(ancillary), reference);
  const auto decoder = Decode(ancillary);
  const PngFile& kept = decoder->Contents();
  EXPECT_EQ(std::tuple(kept.gamma, kept.timeYear, kept.text, kept.hasTransparency,
                       kept.background.size()),
            std::tuple(45455u, 2024, "Title: Icon\nComment: " + comment + "\n", true, 6u));
}

TEST(PngDecoder, FilesThatGiveNoImage) {
  auto cut = File(2);
  cut.resize(cut.size() - 9);  // IEND loses part of its length and type
  const std::tuple<const char*, std::vector<uint8_t>, Outcome> cases[] = {
      {"no signature", {'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0}, Outcome::kNotPng},
      {"empty file", {}, Outcome::kNotPng},
      {"chunk longer than the file",
       Rgba(2, 2).ImageData(Scanlines(2, 2)).RawChunk(1000, "tEXt", {1, 2}).End().Bytes(),
       Outcome::kChunkPastEnd},
      {"chunk header cut off", cut, Outcome::kChunkPastEnd},
      {"no image data", Rgba(2, 2).End().Bytes(), Outcome::kNoImageData},
      {"empty IDAT", Rgba(2, 2).Chunk("IDAT", {}).End().Bytes(), Outcome::kNoImageData},
      {"colour type 5", File(2, 8, 5), Outcome::kUnsupportedFormat},
      {"RGB of 4 bits", File(2, 4, kRgb), Outcome::kUnsupportedFormat},
      {"palette of 16 bits", File(2, 16, kPalette), Outcome::kUnsupportedFormat},
      {"interlace method 2", File(2, 8, kRgba, 2), Outcome::kUnsupportedFormat},
      {"zero width", File(0), Outcome::kUnsupportedFormat},
      {"width past PNG's range", Rgba(0x80000000u, 2).ImageData(Scanlines(2, 2)).End().Bytes(),
       Outcome::kUnsupportedFormat},
  };
  for (const auto& [what, file, outcome] : cases) {
    const auto decoder = Decode(file);
    EXPECT_EQ(decoder->LoadOutcome(), outcome) << what;
    EXPECT_EQ(decoder->Bitmap(), nullptr) << what;
  }
  const auto noEnd = Rgba(2, 2).ImageData(Scanlines(2, 2)).Bytes();
  EXPECT_EQ(Decode(noEnd)->LoadOutcome(), Outcome::kBitmap) << "file ends between chunks";
}

TEST(PngDecoder, SizeLimits) {
  auto outcome = [](uint32_t width, uint32_t height, DecodeLimits limits = {}) {
    return Decode(Rgba(width, height).ImageData(Scanlines(1, 1)).End().Bytes(), limits)
        ->LoadOutcome();
  };
  EXPECT_EQ(outcome(kMaxImageSide + 1, 1), Outcome::kLimitExceeded);
  // Within the side limit, but 16384 x 16384 x 4 bytes passes the 256 MiB of buffers.
  EXPECT_EQ(outcome(kMaxImageSide, kMaxImageSide), Outcome::kLimitExceeded);
  EXPECT_EQ(outcome(kMaxImageSide, 1), Outcome::kBitmap);
  const DecodeLimits small{.maxDecodedBytes = 64 * 64 * 4};
  EXPECT_EQ(outcome(64, 64, small), Outcome::kLimitExceeded);
  EXPECT_EQ(outcome(16, 16, small), Outcome::kBitmap);
}

// A cut stream keeps the rows before the cut, the rest zero; compression method 1: zeros.
TEST(PngDecoder, DamagedImageDataGivesWhatCameBeforeTheFault) {
  auto stream = testing::ZlibStream(Scanlines(64, 64));
  stream.resize(stream.size() / 2);
  const auto cut = Decode(Rgba(64, 64).Chunk("IDAT", stream).End().Bytes());
  ASSERT_EQ(cut->LoadOutcome(), Outcome::kBitmap);
  EXPECT_EQ(cut->InflateStatus(), Status::kCorruptData);
  const auto whole = Decode(File(64));
  for (int32_t x = 0; x < 64; ++x) {
    for (int32_t y = 0; y < 8; ++y)
      ASSERT_EQ(cut->Bitmap()->PixelAt(x, y), whole->Bitmap()->PixelAt(x, y));
    ASSERT_EQ(cut->Bitmap()->PixelAt(x, 63), 0u);
  }
  EXPECT_EQ(Pixels(File(3, 8, kRgba, 0, 1)), std::vector<uint8_t>(3 * 3 * 4, 0));
}

// Grey ramps over 0 to 255; palettes in blue, green, red order, missing entries black, at 1
// bit only of exactly two entries; 2-bit samples and interlaced rows unpacked to 8 bits.
TEST(PngDecoder, PalettedResultsAndTheirColourTables) {
  const std::vector<uint8_t> two = {10, 20, 30, 40, 50, 60};
  std::vector<uint8_t> three = two;
  three.insert(three.end(), {70, 80, 90});
  const std::tuple<uint8_t, uint8_t, std::vector<uint8_t>, bool, uint32_t, std::vector<RgbQuad>>
      cases[] = {
          {2,
           kGrey,
           {},
           false,
           8,
           {{0, 0, 0, 0}, {85, 85, 85, 0}, {170, 170, 170, 0}, {255, 255, 255, 0}}},
          {4, kGrey, {}, true, 8, {{0, 0, 0, 0}, {17, 17, 17, 0}}},  // the first of 16
          {1, kPalette, two, false, 1, {{30, 20, 10, 0}, {60, 50, 40, 0}}},
          {1, kPalette, three, false, 1, {{0, 0, 0, 0}, {255, 255, 255, 0}}},
          {2, kPalette, three, false, 8, {{30, 20, 10, 0}, {60, 50, 40, 0}, {90, 80, 70, 0}, {}}},
      };
  for (const auto& [depth, type, plte, interlaced, bitCount, colours] : cases) {
    SCOPED_TRACE(::testing::Message() << int{depth} << " bits, type " << int{type});
    PngBuilder builder;
    builder.Header(8, 2, depth, type, interlaced ? 1 : 0);
    if (!plte.empty()) builder.Chunk("PLTE", plte);
    const auto decoder = Decode(builder.ImageData(std::vector<uint8_t>(200, 0)).End().Bytes());
    ASSERT_EQ(decoder->LoadOutcome(), Outcome::kPaletted);
    const PalettedImage& image = *decoder->PalettedResult();
    EXPECT_EQ(image.bitCount, bitCount);
    ASSERT_GE(image.colours.size(), colours.size());
    EXPECT_EQ(std::vector(image.colours.begin(), image.colours.begin() + colours.size()), colours);
  }
}

}  // namespace
}  // namespace wayband::imaging::png
