#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "icon_file_builder.h"
#include "imaging/dib32.h"
#include "imaging/ico/file_icon.h"
#include "imaging/ico/icon_image.h"
#include "imaging/key_color.h"

namespace wayband::imaging {
namespace {

using testing::BuildIconFile;
using testing::BuildIconImage;
using testing::EntryOffset;
using testing::IconImageSpec;
using testing::RandomIconImage;

constexpr uint32_t kWhite = 0x00FFFFFF;
constexpr uint32_t kFill = 0x80402010;

CDib32 Filled(int32_t width, int32_t height, uint32_t word) {
  CDib32 dib;
  dib.Create(width, height);
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x)
      dib.SetPixelAt(x, y, word);
  }
  return dib;
}

bool AllPixels(const CDib32& dib, uint32_t word) {
  for (int32_t y = 0; y < dib.Height(); ++y) {
    for (int32_t x = 0; x < dib.Width(); ++x) {
      if (dib.PixelAt(x, y) != word) return false;
    }
  }
  return true;
}

// The images of one multi-image file: every depth, square and odd-sized, full and
// compact colour tables.
std::vector<IconImageSpec> EveryDepth() {
  std::vector<IconImageSpec> images;
  uint32_t seed = 1;
  for (int bits : {1, 4, 8, 24, 32}) {
    images.push_back(RandomIconImage(16, 16, bits, seed++));
    images.push_back(RandomIconImage(13, 7, bits, seed++));
  }
  IconImageSpec compact = RandomIconImage(9, 5, 8, seed++);
  compact.compactPalette = true;
  images.push_back(compact);
  return images;
}

TEST(FileIcon, MultiImageFileDecodesEveryDepthToItsPixelsAndMask) {
  const std::vector<IconImageSpec> images = EveryDepth();
  CFileIcon icon;
  ASSERT_TRUE(icon.LoadIconBytes(BuildIconFile(images)));
  ASSERT_EQ(icon.ImageCount(), static_cast<int32_t>(images.size()));
  for (int32_t i = 1; i <= icon.ImageCount(); ++i) {
    const IconImageSpec& spec = images[static_cast<size_t>(i - 1)];
    SCOPED_TRACE(::testing::Message() << "image " << i << ", " << spec.bitCount << " bits");
    EXPECT_EQ(icon.ImageWidth(i), spec.width);
    EXPECT_EQ(icon.ImageHeight(i), spec.height);
    EXPECT_EQ(icon.ImageBitCount(i), spec.bitCount);

    CDib32 colour = Filled(spec.width, spec.height, kFill);
    icon.DrawImage(colour.hDC(), i, IconImagePart::kColour, 0, 0);
    CDib32 mask = Filled(spec.width, spec.height, kFill);
    icon.DrawImage(mask.hDC(), i, IconImagePart::kMask, 0, 0);
    for (int32_t y = 0; y < spec.height; ++y) {
      for (int32_t x = 0; x < spec.width; ++x) {
        const testing::IconPixel& p = spec.At(x, y);
        ASSERT_EQ(colour.PixelAt(x, y), p.Word(spec.bitCount == 32)) << x << "," << y;
        ASSERT_EQ(mask.PixelAt(x, y), p.transparent ? kWhite : 0u) << x << "," << y;
      }
    }
  }
}

TEST(FileIcon, XorAndXorLeavesTheKeyColourWhereTheMaskIsSet) {
  const IconImageSpec spec = RandomIconImage(16, 16, 4, 99);
  CFileIcon icon;
  ASSERT_TRUE(icon.LoadIconBytes(BuildIconFile({spec})));
  CDib32 dib;
  dib.Create(16, 16);
  dib.Clear(kKeyColor);
  icon.DrawImage(dib.hDC(), 1, IconImagePart::kColour, 0, 0, 0, 0, platform::SRCINVERT);
  icon.DrawImage(dib.hDC(), 1, IconImagePart::kMask, 0, 0, 0, 0, platform::SRCAND);
  icon.DrawImage(dib.hDC(), 1, IconImagePart::kColour, 0, 0, 0, 0, platform::SRCINVERT);
  for (int32_t y = 0; y < 16; ++y) {
    for (int32_t x = 0; x < 16; ++x) {
      const testing::IconPixel& p = spec.At(x, y);
      EXPECT_EQ(dib.PixelAt(x, y),
                p.transparent ? platform::PixelFromColor(kKeyColor) : p.Word(false));
    }
  }
}

TEST(FileIcon, DrawingTwiceWithSrcInvertRestoresTheSurface) {
  CFileIcon icon;
  ASSERT_TRUE(icon.LoadIconBytes(BuildIconFile({RandomIconImage(32, 32, 8, 5)})));
  CDib32 dib = Filled(40, 40, 0);
  for (int32_t y = 0; y < 40; ++y) {
    for (int32_t x = 0; x < 40; ++x)
      dib.SetPixelAt(x, y, static_cast<uint32_t>(x * 40 + y) * 2654435761u & 0x00FFFFFFu);
  }
  CDib32 before;
  before.Create(40, 40);
  before.LoadFromDC(dib.hDC());
  icon.DrawImage(dib.hDC(), 1, IconImagePart::kColour, 3, 5, 0, 0, platform::SRCINVERT);
  EXPECT_NE(dib.PixelAt(10, 10), before.PixelAt(10, 10));
  icon.DrawImage(dib.hDC(), 1, IconImagePart::kColour, 3, 5, 0, 0, platform::SRCINVERT);
  for (int32_t y = 0; y < 40; ++y) {
    for (int32_t x = 0; x < 40; ++x)
      ASSERT_EQ(dib.PixelAt(x, y), before.PixelAt(x, y));
  }
}

TEST(FileIcon, StretchesToTheGivenSizeAndPlacesAtTheOffset) {
  const IconImageSpec spec = RandomIconImage(8, 8, 24, 12);
  CFileIcon icon;
  ASSERT_TRUE(icon.LoadIconBytes(BuildIconFile({spec})));
  CDib32 dib = Filled(20, 20, kFill);
  icon.DrawImage(dib.hDC(), 1, IconImagePart::kColour, 2, 3, 16, 0);  // height: its own
  for (int32_t y = 0; y < 8; ++y) {
    for (int32_t x = 0; x < 16; ++x)
      ASSERT_EQ(dib.PixelAt(2 + x, 3 + y), spec.At(x / 2, y).Word(false));
  }
  EXPECT_EQ(dib.PixelAt(2, 11), kFill);
  EXPECT_EQ(dib.PixelAt(18, 3), kFill);
}

TEST(FileIcon, EightBitPartsStartAt1064And2088) {
  const std::vector<uint8_t> image = BuildIconImage(RandomIconImage(32, 32, 8, 3));
  const auto colour = ico::ColourPart(image);
  const auto mask = ico::MaskPart(image);
  ASSERT_TRUE(colour && mask);
  EXPECT_EQ(colour->rows.data() - image.data(), 1064);
  EXPECT_EQ(mask->rows.data() - image.data(), 2088);
  EXPECT_EQ(colour->header.biHeight, 32);
  EXPECT_EQ(colour->colors.size(), 256u);
  EXPECT_EQ(mask->header.biBitCount, 1);
  EXPECT_EQ(mask->header.biClrUsed, 0u);
}

TEST(FileIcon, WidthByteZeroReadsAsZeroAndDrawsNothing) {
  std::vector<uint8_t> file = BuildIconFile({RandomIconImage(16, 16, 32, 8)});
  file[EntryOffset(0)] = 0;
  CFileIcon icon;
  ASSERT_TRUE(icon.LoadIconBytes(file));
  EXPECT_EQ(icon.ImageWidth(1), 0);
  EXPECT_EQ(icon.ImageHeight(1), 16);
  CDib32 dib = Filled(16, 16, kFill);
  icon.DrawImage(dib.hDC(), 1, IconImagePart::kColour, 0, 0);
  EXPECT_TRUE(AllPixels(dib, kFill));
}

TEST(FileIcon, RefusesWrongHeadersAndLoadsNothing) {
  const std::vector<uint8_t> good = BuildIconFile({RandomIconImage(16, 16, 8, 4)});
  struct Case {
    const char* name;
    size_t at;
    uint16_t value;
  };
  for (const Case& c : {Case{"cursor type", 2, 2}, Case{"type 0", 2, 0}, Case{"reserved", 0, 1},
                        Case{"count 0", 4, 0}, Case{"negative count", 4, 0x8001}}) {
    SCOPED_TRACE(c.name);
    std::vector<uint8_t> file = good;
    testing::PutLe16(file, c.at, c.value);
    CFileIcon icon;
    ASSERT_TRUE(icon.LoadIconBytes(good));
    EXPECT_FALSE(icon.LoadIconBytes(file));
    EXPECT_EQ(icon.ImageCount(), 0);
  }
}

TEST(FileIcon, ATruncatedLastImageLoadsNoImageAtAll) {
  std::vector<uint8_t> file = BuildIconFile(EveryDepth());
  CFileIcon icon;
  ASSERT_TRUE(icon.LoadIconBytes(file));
  file.pop_back();
  EXPECT_FALSE(icon.LoadIconBytes(file));
  EXPECT_EQ(icon.ImageCount(), 0);
  EXPECT_EQ(icon.ImageWidth(1), 0);
  CDib32 dib = Filled(16, 16, kFill);
  icon.DrawImage(dib.hDC(), 1, IconImagePart::kColour, 0, 0);
  EXPECT_TRUE(AllPixels(dib, kFill));
}

TEST(FileIcon, MalformedDirectoriesFailCleanly) {
  const std::vector<uint8_t> good =
      BuildIconFile({RandomIconImage(16, 16, 8, 4), RandomIconImage(16, 16, 4, 5)});
  const size_t second = EntryOffset(1);
  auto with = [&](size_t at, uint32_t value) {
    std::vector<uint8_t> file = good;
    testing::PutLe32(file, at, value);
    return file;
  };
  CFileIcon icon;
  EXPECT_FALSE(icon.LoadIconBytes(with(second + testing::kEntryImageOffset, 0xFFFFFFF0u)));
  EXPECT_FALSE(icon.LoadIconBytes(with(second + testing::kEntryBytesInResource, 0xFFFFFFFFu)));
  EXPECT_FALSE(icon.LoadIconBytes(
      with(second + testing::kEntryImageOffset, static_cast<uint32_t>(good.size()) - 10)));
  // The count promises more entries than the file holds.
  std::vector<uint8_t> longCount = good;
  testing::PutLe16(longCount, 4, 0x7FFF);
  EXPECT_FALSE(icon.LoadIconBytes(longCount));
  EXPECT_FALSE(icon.LoadIconBytes(std::vector<uint8_t>(good.begin(), good.begin() + 5)));
  EXPECT_FALSE(icon.LoadIconBytes({}));
  EXPECT_EQ(icon.ImageCount(), 0);
}

TEST(FileIcon, EntriesSharingOneImageOrEmptyOnesLoad) {
  std::vector<uint8_t> file =
      BuildIconFile({RandomIconImage(16, 16, 8, 4), RandomIconImage(16, 16, 8, 5)});
  // Both entries name the first image's data; the second image's bytes are left over.
  testing::PutLe32(file, EntryOffset(1) + testing::kEntryImageOffset,
                   testing::GetLe32(file, EntryOffset(0) + testing::kEntryImageOffset));
  CFileIcon icon;
  ASSERT_TRUE(icon.LoadIconBytes(file));
  EXPECT_EQ(icon.ImageCount(), 2);
  // An entry of 0 bytes loads and has no bit count and nothing to draw.
  testing::PutLe32(file, EntryOffset(1) + testing::kEntryBytesInResource, 0);
  ASSERT_TRUE(icon.LoadIconBytes(file));
  EXPECT_EQ(icon.ImageBitCount(2), 0);
  CDib32 dib = Filled(16, 16, kFill);
  icon.DrawImage(dib.hDC(), 2, IconImagePart::kColour, 0, 0);
  icon.DrawImage(dib.hDC(), 2, IconImagePart::kMask, 0, 0);
  EXPECT_TRUE(AllPixels(dib, kFill));
}

// Image headers whose fields describe more bytes than the image holds draw nothing (the
// file itself loads: its directory is sound).
TEST(FileIcon, HeadersReachingPastTheImageDataDrawNothing) {
  struct Case {
    const char* name;
    size_t at;  // offset in the image data
    uint32_t value;
  };
  const Case cases[] = {
      {"height", 8, 42},                 // 21 rows of colour and of mask
      {"width", 4, 0x7FFFFFFF},          // rows wider than the data
      {"colours used", 32, 0xFFFFFFFF},  // a table past the end
      {"planes", 12, 0xFFFF},            // pushes the mask past the end
      {"negative width", 4, 0xFFFFFFF0},
      {"height 1", 8, 1},  // no row in either part
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<uint8_t> file = BuildIconFile({RandomIconImage(16, 16, 8, 6)});
    const size_t image = testing::GetLe32(file, EntryOffset(0) + testing::kEntryImageOffset);
    if (c.at == 12) {
      testing::PutLe16(file, image + c.at, static_cast<uint16_t>(c.value));
    } else {
      testing::PutLe32(file, image + c.at, c.value);
    }
    CFileIcon icon;
    ASSERT_TRUE(icon.LoadIconBytes(file));
    CDib32 dib = Filled(16, 16, kFill);
    icon.DrawImage(dib.hDC(), 1, IconImagePart::kMask, 0, 0);
    EXPECT_TRUE(AllPixels(dib, kFill));
    if (c.at != 12) {  // more planes move only the mask
      icon.DrawImage(dib.hDC(), 1, IconImagePart::kColour, 0, 0);
      EXPECT_TRUE(AllPixels(dib, kFill));
    }
  }
}

TEST(FileIcon, LoadsFromAPathAndRefusesAMissingFile) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() /
      ("wayband_icons_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
       ".ico");
  const std::vector<uint8_t> bytes = BuildIconFile({RandomIconImage(24, 24, 32, 2)});
  {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
  }
  CFileIcon icon;
  EXPECT_TRUE(icon.LoadIconFile(path));
  EXPECT_EQ(icon.Path(), path);
  EXPECT_EQ(icon.ImageCount(), 1);
  std::filesystem::remove(path);
  EXPECT_FALSE(icon.LoadIconFile(path));
  EXPECT_EQ(icon.ImageCount(), 0);
  EXPECT_FALSE(icon.LoadIconFile(std::filesystem::temp_directory_path()));  // a directory
}

TEST(FileIcon, UnknownImageNumbersAndPartsDoNothing) {
  CFileIcon icon;
  ASSERT_TRUE(icon.LoadIconBytes(BuildIconFile({RandomIconImage(16, 16, 8, 4)})));
  EXPECT_EQ(icon.ImageWidth(0), 0);
  EXPECT_EQ(icon.ImageHeight(2), 0);
  EXPECT_EQ(icon.ImageBitCount(-1), 0);
  CDib32 dib = Filled(16, 16, kFill);
  icon.DrawImage(dib.hDC(), 2, IconImagePart::kColour, 0, 0);
  icon.DrawImage(dib.hDC(), 1, static_cast<IconImagePart>(2), 0, 0);
  icon.DrawImage(nullptr, 1, IconImagePart::kColour, 0, 0);
  EXPECT_TRUE(AllPixels(dib, kFill));
}

}  // namespace
}  // namespace wayband::imaging
