// CPngDecoder outcomes: which files give a 32-bit, a 24-bit or no bitmap, how the bitmap's
// bytes are laid out, what a damaged file still gives, and the size limits.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "imaging/png/png_decoder.h"
#include "imaging/png/unfilter.h"
#include "png/libpng_oracle.h"
#include "png/png_builder.h"

namespace wayband::imaging::png {
namespace {

using Outcome = CPngDecoder::Outcome;
using testing::PngBuilder;

// Unfiltered scanlines (filter byte 0) whose sample bytes come from `sample(x, y, i)`.
template <typename SampleFn>
std::vector<uint8_t> Scanlines(uint32_t width, uint32_t height, size_t bytesPerPixel,
                               SampleFn sample) {
  std::vector<uint8_t> rows;
  for (uint32_t y = 0; y < height; ++y) {
    rows.push_back(kFilterNone);
    for (uint32_t x = 0; x < width; ++x) {
      for (size_t i = 0; i < bytesPerPixel; ++i)
        rows.push_back(sample(x, y, i));
    }
  }
  return rows;
}

// RGBA 8-bit test pattern: red = 8x, green = 8y, blue = x + y, alpha = 255 - 7x.
uint8_t RgbaPattern(uint32_t x, uint32_t y, size_t i) {
  const uint32_t values[4] = {8 * x, 8 * y, x + y, 255 - 7 * x};
  return static_cast<uint8_t>(values[i]);
}

std::vector<uint8_t> RgbaFile(uint32_t width, uint32_t height) {
  return PngBuilder()
      .Header(width, height, 8, kRgba)
      .ImageData(Scanlines(width, height, 4, RgbaPattern))
      .End()
      .Bytes();
}

std::unique_ptr<CPngDecoder> Decode(const std::vector<uint8_t>& file, DecodeLimits limits = {}) {
  auto decoder = std::make_unique<CPngDecoder>(limits);
  decoder->LoadFromMemory(file);
  return decoder;
}

std::vector<uint8_t> Pixels(const CPngDecoder& decoder) {
  const auto bits = decoder.Bitmap()->bits();
  return std::vector<uint8_t>(bits.begin(), bits.end());
}

TEST(PngDecoder, RgbaGivesBottomUpBgraWithStraightAlpha) {
  const auto decoder = Decode(RgbaFile(32, 32));
  ASSERT_EQ(decoder->LoadOutcome(), Outcome::kBitmap);
  EXPECT_EQ(decoder->Width(), 32);
  EXPECT_EQ(decoder->Height(), 32);
  const platform::Bitmap& bitmap = *decoder->Bitmap();
  EXPECT_EQ(bitmap.bitCount(), 32);
  EXPECT_EQ(bitmap.stride(), 32 * 4);
  // Stored row 0 is the bottom picture row (y = 31).
  for (uint32_t y = 0; y < 32; ++y) {
    const uint8_t* stored = bitmap.bits().data() + (31 - y) * bitmap.stride();
    for (uint32_t x = 0; x < 32; ++x) {
      const uint8_t* p = stored + 4 * x;
      ASSERT_EQ(p[0], RgbaPattern(x, y, 2));
      ASSERT_EQ(p[1], RgbaPattern(x, y, 1));
      ASSERT_EQ(p[2], RgbaPattern(x, y, 0));
      ASSERT_EQ(p[3], RgbaPattern(x, y, 3));
    }
  }
}

TEST(PngDecoder, SixteenBitSamplesKeepTheirHighBytes) {
  // Each 16-bit sample is the 8-bit one as high byte and an unrelated low byte.
  const auto wide = Scanlines(13, 7, 8, [](uint32_t x, uint32_t y, size_t i) {
    return i % 2 == 0 ? RgbaPattern(x, y, i / 2) : static_cast<uint8_t>(x * 31 + i);
  });
  const auto file16 = PngBuilder().Header(13, 7, 16, kRgba).ImageData(wide).End().Bytes();
  EXPECT_EQ(Pixels(*Decode(file16)), Pixels(*Decode(RgbaFile(13, 7))));
}

TEST(PngDecoder, RgbGivesTopDownBgrRowsPaddedToFourBytes) {
  const auto rows = Scanlines(5, 3, 3, RgbaPattern);
  const auto decoder = Decode(PngBuilder().Header(5, 3, 8, kRgb).ImageData(rows).End().Bytes());
  ASSERT_EQ(decoder->LoadOutcome(), Outcome::kBitmap);
  const platform::Bitmap& bitmap = *decoder->Bitmap();
  EXPECT_EQ(bitmap.bitCount(), 24);
  EXPECT_EQ(bitmap.stride(), 16);
  for (uint32_t y = 0; y < 3; ++y) {
    const uint8_t* stored = bitmap.bits().data() + y * 16;  // top row first
    for (uint32_t x = 0; x < 5; ++x) {
      EXPECT_EQ(stored[3 * x], RgbaPattern(x, y, 2));
      EXPECT_EQ(stored[3 * x + 2], RgbaPattern(x, y, 0));
    }
  }
}

TEST(PngDecoder, GreyAlphaSpreadsGreyOverTheThreeColours) {
  const auto rows = Scanlines(3, 2, 2, [](uint32_t x, uint32_t, size_t i) {
    return static_cast<uint8_t>(i == 0 ? 40 * x + 10 : 200);
  });
  const auto decoder =
      Decode(PngBuilder().Header(3, 2, 8, kGreyAlpha).ImageData(rows).End().Bytes());
  ASSERT_EQ(decoder->LoadOutcome(), Outcome::kBitmap);
  EXPECT_EQ(decoder->Bitmap()->PixelAt(2, 0), 0xC85A5A5Au);  // alpha 200, grey 90
}

TEST(PngDecoder, InterlacedGivesTheSamePixels) {
  testing::PngImage image;
  image.width = 37;
  image.height = 29;
  image.rows.resize(image.RowBytes() * image.height);
  for (size_t i = 0; i < image.rows.size(); ++i)
    image.rows[i] = static_cast<uint8_t>(i * 13 + i / 7);
  const auto plain = testing::WriteWithLibpng(image);
  image.interlaced = true;
  const auto interlaced = testing::WriteWithLibpng(image);
  const auto decoder = Decode(interlaced);
  EXPECT_EQ(decoder->Interlace(), 1);
  EXPECT_EQ(Pixels(*decoder), Pixels(*Decode(plain)));
}

TEST(PngDecoder, CrcsAreNotChecked) {
  const auto rows = Scanlines(6, 6, 4, RgbaPattern);
  const auto wrong =
      PngBuilder().CorruptCrcs().Header(6, 6, 8, kRgba).ImageData(rows).End().Bytes();
  EXPECT_EQ(Pixels(*Decode(wrong)), Pixels(*Decode(RgbaFile(6, 6))));
}

TEST(PngDecoder, GreyAndPaletteImagesGiveNoBitmap) {
  const auto grey = PngBuilder().Header(4, 4, 8, kGrey).ImageData(Scanlines(4, 4, 1, RgbaPattern));
  const auto decoder = Decode(PngBuilder(grey).End().Bytes());
  EXPECT_EQ(decoder->LoadOutcome(), Outcome::kPaletted);
  EXPECT_EQ(decoder->Bitmap(), nullptr);

  const auto palette =
      PngBuilder()
          .Header(4, 4, 8, kPalette)
          .Chunk("PLTE", {255, 0, 0, 0, 255, 0})
          .ImageData(Scanlines(
              4, 4, 1, [](uint32_t x, uint32_t, size_t) { return static_cast<uint8_t>(x % 2); }))
          .End()
          .Bytes();
  const auto paletteDecoder = Decode(palette);
  EXPECT_EQ(paletteDecoder->LoadOutcome(), Outcome::kPaletted);
  EXPECT_EQ(paletteDecoder->Bitmap(), nullptr);
  EXPECT_EQ(paletteDecoder->PalettedResult()->colours[1], (platform::RgbQuad{0, 255, 0, 0}));
}

TEST(PngDecoder, FilesThatGiveNoImage) {
  const auto rows = Scanlines(2, 2, 4, RgbaPattern);
  struct Case {
    const char* what;
    std::vector<uint8_t> file;
    Outcome outcome;
  };
  auto pastEnd = PngBuilder().Header(2, 2, 8, kRgba).ImageData(rows).Bytes();
  auto lying = PngBuilder().Header(2, 2, 8, kRgba).ImageData(rows).RawChunk(1000, "tEXt", {1, 2});
  auto cutHeader = RgbaFile(2, 2);
  cutHeader.resize(cutHeader.size() - 9);  // IEND loses part of its length and type
  const Case cases[] = {
      {"no signature", {'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0}, Outcome::kNotPng},
      {"empty file", {}, Outcome::kNotPng},
      {"chunk longer than the file", lying.End().Bytes(), Outcome::kChunkPastEnd},
      {"chunk header cut off", cutHeader, Outcome::kChunkPastEnd},
      {"no image data", PngBuilder().Header(2, 2, 8, kRgba).End().Bytes(), Outcome::kNoImageData},
      {"empty IDAT", PngBuilder().Header(2, 2, 8, kRgba).Chunk("IDAT", {}).End().Bytes(),
       Outcome::kNoImageData},
      {"colour type 5", PngBuilder().Header(2, 2, 8, 5).ImageData(rows).End().Bytes(),
       Outcome::kUnsupportedFormat},
      {"RGB of 4 bits", PngBuilder().Header(2, 2, 4, kRgb).ImageData(rows).End().Bytes(),
       Outcome::kUnsupportedFormat},
      {"palette of 16 bits", PngBuilder().Header(2, 2, 16, kPalette).ImageData(rows).End().Bytes(),
       Outcome::kUnsupportedFormat},
      {"interlace method 2", PngBuilder().Header(2, 2, 8, kRgba, 2).ImageData(rows).End().Bytes(),
       Outcome::kUnsupportedFormat},
      {"zero width", PngBuilder().Header(0, 2, 8, kRgba).ImageData(rows).End().Bytes(),
       Outcome::kUnsupportedFormat},
      {"width past PNG's range",
       PngBuilder().Header(0x80000000u, 2, 8, kRgba).ImageData(rows).End().Bytes(),
       Outcome::kUnsupportedFormat},
  };
  for (const Case& c : cases) {
    const auto decoder = Decode(c.file);
    EXPECT_EQ(decoder->LoadOutcome(), c.outcome) << c.what;
    EXPECT_EQ(decoder->Bitmap(), nullptr) << c.what;
  }
  EXPECT_EQ(Decode(pastEnd)->LoadOutcome(), Outcome::kBitmap) << "file ends between chunks";
}

TEST(PngDecoder, SizeLimits) {
  const auto rows = Scanlines(1, 1, 4, RgbaPattern);
  auto decode = [&](uint32_t width, uint32_t height, DecodeLimits limits = {}) {
    return Decode(PngBuilder().Header(width, height, 8, kRgba).ImageData(rows).End().Bytes(),
                  limits);
  };
  const auto wide = decode(kMaxImageSide + 1, 1);
  EXPECT_EQ(wide->LoadOutcome(), Outcome::kLimitExceeded);
  EXPECT_EQ(wide->Width(), static_cast<int32_t>(kMaxImageSide + 1));
  // Within the side limit, but 16384 x 16384 x 4 bytes passes the 256 MiB of buffers.
  EXPECT_EQ(decode(kMaxImageSide, kMaxImageSide)->LoadOutcome(), Outcome::kLimitExceeded);
  EXPECT_EQ(decode(kMaxImageSide, 1)->LoadOutcome(), Outcome::kBitmap);
  DecodeLimits small;
  small.maxDecodedBytes = 64 * 64 * 4;
  EXPECT_EQ(decode(64, 64, small)->LoadOutcome(), Outcome::kLimitExceeded);
  EXPECT_EQ(decode(16, 16, small)->LoadOutcome(), Outcome::kBitmap);
}

TEST(PngDecoder, TruncatedStreamKeepsTheRowsBeforeTheFault) {
  const auto rows = Scanlines(64, 64, 4, RgbaPattern);
  testing::DeflateSettings settings;
  settings.zlibWrapper = true;
  auto stream = testing::ZlibCompress(rows, settings);
  stream.resize(stream.size() / 2);
  const auto decoder =
      Decode(PngBuilder().Header(64, 64, 8, kRgba).CompressedData(stream).End().Bytes());
  ASSERT_EQ(decoder->LoadOutcome(), Outcome::kBitmap);
  EXPECT_EQ(decoder->InflateStatus(), Status::kCorruptData);
  const platform::Bitmap& bitmap = *decoder->Bitmap();
  const auto reference = Decode(RgbaFile(64, 64));
  // The top rows came before the cut and are whole; the bottom rows are zero.
  for (int32_t y = 0; y < 8; ++y) {
    for (int32_t x = 0; x < 64; ++x) {
      ASSERT_EQ(bitmap.PixelAt(x, y), reference->Bitmap()->PixelAt(x, y));
    }
  }
  for (int32_t x = 0; x < 64; ++x)
    ASSERT_EQ(bitmap.PixelAt(x, 63), 0u);
}

TEST(PngDecoder, UnknownCompressionMethodGivesAZeroImage) {
  const auto rows = Scanlines(3, 3, 4, RgbaPattern);
  const auto decoder =
      Decode(PngBuilder().Header(3, 3, 8, kRgba, 0, 1).ImageData(rows).End().Bytes());
  ASSERT_EQ(decoder->LoadOutcome(), Outcome::kBitmap);
  for (uint8_t byte : Pixels(*decoder))
    ASSERT_EQ(byte, 0);
}

TEST(PngDecoder, FilterCodesAboveFourLeaveTheRowAsStored) {
  auto rows = Scanlines(2, 2, 4, RgbaPattern);
  rows[9] = 7;  // the second row's filter byte
  const auto decoder = Decode(PngBuilder().Header(2, 2, 8, kRgba).ImageData(rows).End().Bytes());
  EXPECT_EQ(decoder->Bitmap()->PixelAt(1, 1), Decode(RgbaFile(2, 2))->Bitmap()->PixelAt(1, 1));
}

TEST(PngDecoder, SplitImageDataAndOtherChunksInBetween) {
  const auto rows = Scanlines(9, 9, 4, RgbaPattern);
  testing::DeflateSettings settings;
  settings.zlibWrapper = true;
  const auto stream = testing::ZlibCompress(rows, settings);
  PngBuilder builder;
  builder.Header(9, 9, 8, kRgba).Chunk("pHYs", {0, 0, 0, 1, 0, 0, 0, 1, 1});
  for (size_t i = 0; i < stream.size(); ++i) {
    builder.Chunk("IDAT", {stream[i]}).Chunk("IDAT", {}).Chunk("zzZZ", {1, 2, 3});
  }
  EXPECT_EQ(Pixels(*Decode(builder.End().Bytes())), Pixels(*Decode(RgbaFile(9, 9))));
}

TEST(PngDecoder, AncillaryChunksAreKeptAndDoNotChangeThePixels) {
  const auto rows = Scanlines(4, 4, 4, RgbaPattern);
  testing::DeflateSettings settings;
  settings.zlibWrapper = true;
  const std::string comment = "drawn for the navigation bar, drawn again";
  auto ztxt = std::vector<uint8_t>{'C', 'o', 'm', 'm', 'e', 'n', 't', 0, 0};
  const auto compressed =
      testing::ZlibCompress(std::vector<uint8_t>(comment.begin(), comment.end()), settings);
  ztxt.insert(ztxt.end(), compressed.begin(), compressed.end());
  const auto file = PngBuilder()
                        .Header(4, 4, 8, kRgba)
                        .Chunk("gAMA", {0, 0, 0xB1, 0x8F})
                        .Chunk("tEXt", {'T', 'i', 't', 'l', 'e', 0, 'I', 'c', 'o', 'n'})
                        .Chunk("zTXt", ztxt)
                        .Chunk("tIME", {0x07, 0xE8, 1, 2, 3, 4, 5})
                        .Chunk("bKGD", {0, 1, 0, 2, 0, 3})
                        .Chunk("tRNS", {0, 9, 0, 9, 0, 9})
                        .ImageData(rows)
                        .End()
                        .Bytes();
  const auto decoder = Decode(file);
  const PngFile& contents = decoder->Contents();
  EXPECT_EQ(contents.gamma, 45455u);
  EXPECT_EQ(contents.timeYear, 2024);
  EXPECT_EQ(contents.text, "Title: Icon\nComment: " + comment + "\n");
  EXPECT_TRUE(contents.hasTransparency);
  EXPECT_EQ(contents.background.size(), 6u);
  EXPECT_EQ(Pixels(*decoder), Pixels(*Decode(RgbaFile(4, 4))));
}

TEST(PngDecoder, PalettedResultsAndTheirColourTables) {
  using platform::RgbQuad;
  auto paletted = [](uint8_t depth, uint8_t type, std::vector<uint8_t> plte, bool interlaced) {
    PngBuilder builder;
    builder.Header(8, 2, depth, type, interlaced ? 1 : 0);
    if (!plte.empty()) builder.Chunk("PLTE", plte);
    const size_t rowBytes = (8 * depth + 7) / 8;
    std::vector<uint8_t> rows;
    if (interlaced) {
      rows.assign(200, 0);  // all filter bytes 0, all samples 0
    } else {
      rows = Scanlines(static_cast<uint32_t>(rowBytes), 2, 1, [](uint32_t x, uint32_t, size_t) {
        return static_cast<uint8_t>(0x1B * (x + 1));
      });
    }
    return Decode(builder.ImageData(rows).End().Bytes());
  };
  const auto grey2 = paletted(2, kGrey, {}, false);
  ASSERT_EQ(grey2->LoadOutcome(), Outcome::kPaletted);
  EXPECT_EQ(grey2->PalettedResult()->bitCount, 8u);  // 2-bit samples unpacked
  EXPECT_EQ(grey2->PalettedResult()->colours,
            (std::vector<RgbQuad>{
                {0, 0, 0, 0}, {85, 85, 85, 0}, {170, 170, 170, 0}, {255, 255, 255, 0}}));
  EXPECT_EQ(grey2->PalettedResult()->bits[0], 0);  // 0x1B = 00 01 10 11
  EXPECT_EQ(grey2->PalettedResult()->bits[3], 3);

  const auto grey4 = paletted(4, kGrey, {}, false);
  EXPECT_EQ(grey4->PalettedResult()->bitCount, 4u);
  EXPECT_EQ(grey4->PalettedResult()->colours[15], (RgbQuad{255, 255, 255, 0}));
  EXPECT_EQ(grey4->PalettedResult()->colours[1], (RgbQuad{17, 17, 17, 0}));
  EXPECT_EQ(paletted(4, kGrey, {}, true)->PalettedResult()->bitCount, 8u);
  EXPECT_EQ(paletted(16, kGrey, {}, false)->PalettedResult()->colours.size(), 256u);

  const auto twoEntries = paletted(1, kPalette, {10, 20, 30, 40, 50, 60}, false);
  EXPECT_EQ(twoEntries->PalettedResult()->bitCount, 1u);
  EXPECT_EQ(twoEntries->PalettedResult()->colours,
            (std::vector<RgbQuad>{{30, 20, 10, 0}, {60, 50, 40, 0}}));
  const auto threeEntries = paletted(1, kPalette, {10, 20, 30, 40, 50, 60, 70, 80, 90}, false);
  EXPECT_EQ(threeEntries->PalettedResult()->colours,
            (std::vector<RgbQuad>{{0, 0, 0, 0}, {255, 255, 255, 0}}));
}

TEST(PngDecoder, LoadReadsAFileAndFreeBitmapDropsIt) {
  const auto path = std::filesystem::temp_directory_path() / "wayband_png_decoder_test.png";
  {
    const auto bytes = RgbaFile(3, 3);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }
  CPngDecoder decoder;
  decoder.Load(path);
  EXPECT_EQ(decoder.LoadOutcome(), Outcome::kBitmap);
  EXPECT_NE(decoder.Bitmap(), nullptr);
  decoder.FreeBitmap();
  EXPECT_EQ(decoder.Bitmap(), nullptr);
  std::filesystem::remove(path);
  decoder.Load(path);
  EXPECT_EQ(decoder.LoadOutcome(), Outcome::kUnreadableFile);
  EXPECT_EQ(decoder.Bitmap(), nullptr);
}

}  // namespace
}  // namespace wayband::imaging::png
