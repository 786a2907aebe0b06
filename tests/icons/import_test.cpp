// CIconBytes::ImportFile on its three routes: which images land at which size and kind,
// the pixels they carry, the refusals with their messages, and the held picture.
#include <gtest/gtest.h>

#include "icon_file_builder.h"
#include "image_file_writer.h"
#include "imaging/icon_sizes.h"
#include "imaging/import/import_messages.h"
#include "imaging/import/import_routes.h"
#include "imaging/import/picture_loader.h"
#include "imaging/import/standard_size.h"
#include "imaging/key_color.h"
#include "import_test_support.h"

namespace wayband::imaging {
namespace {

using testing::Argb;
using testing::ArrayPixel;
using testing::FilledSlots;
using testing::ImportBytes;
using testing::MakeImage;
using testing::MessageCatcher;
using testing::RgbaImage;
using Slots = std::vector<std::pair<int32_t, int32_t>>;

constexpr uint32_t kKeyWord = 0x00FE03FD;  // the key colour as blue | green << 8 | red << 16
constexpr uint32_t kColours = 0x00FFFFFF;

// A picture with a flat background and a two-coloured square in the middle.
RgbaImage Badge(int32_t width, int32_t height, uint32_t background = Argb(255, 255, 255, 255)) {
  return MakeImage(width, height, [=](int32_t x, int32_t y) {
    const bool inside =
        x >= width / 4 && x < width * 3 / 4 && y >= height / 4 && y < height * 3 / 4;
    if (!inside) return background;
    return x < width / 2 ? Argb(255, 200, 30, 10) : Argb(255, 20, 90, 220);
  });
}

testing::IconImageSpec IconImage(int32_t size, int bitCount, uint32_t seed) {
  return testing::RandomIconImage(size, size, bitCount, seed);
}

TEST(ImportRoute, ChosenByTheLastThreeCharactersUpperCased) {
  EXPECT_EQ(ChooseImportRoute("a/b.ico").route, ImportRoute::kIconFile);
  EXPECT_EQ(ChooseImportRoute("b.Png").route, ImportRoute::kPng);
  EXPECT_EQ(ChooseImportRoute("c.jpg").background, BackgroundMatch::kNear);
  EXPECT_EQ(ChooseImportRoute("c.jpeg").background, BackgroundMatch::kExact);
  EXPECT_EQ(ChooseImportRoute("d.cur").route, ImportRoute::kPicture);
  EXPECT_EQ(ChooseImportRoute("co").route, ImportRoute::kPicture);
}

TEST(ImportRoute, SnapsSidesToStandardSizes) {
  const std::pair<int32_t, int32_t> cases[] = {
      {1, 16},  {22, 16}, {23, 24}, {27, 24},  {28, 32},   {41, 32},   {42, 48},   {67, 48},
      {68, 72}, {91, 72}, {92, 96}, {126, 96}, {127, 128}, {249, 128}, {250, 256}, {4000, 256}};
  for (const auto& [side, size] : cases)
    EXPECT_EQ(SnapToStandardSize(side), size) << side;
}

TEST(IconFileImport, ThirtyTwoBitImagesGoToKindFourAndSixtyFourIsSkipped) {
  const auto i16 = IconImage(16, 32, 1);
  const auto i32 = IconImage(32, 32, 2);
  const auto i48 = IconImage(48, 32, 3);
  const auto i64 = IconImage(64, 32, 4);
  CIconBytes icon;
  ImportBytes(icon, "set.ico", testing::BuildIconFile({i16, i64, i32, i48}));
  EXPECT_EQ(FilledSlots(icon), (Slots{{0, 4}, {2, 4}, {3, 4}}));
  for (const auto* image : {&i16, &i32, &i48}) {
    const ByteArray3 array = icon.GetBytes(IconSizeIndex(image->width), kKind32Bit);
    ASSERT_EQ(array.Width(), image->width);
    for (int32_t y = 0; y < image->height; ++y) {
      for (int32_t x = 0; x < image->width; ++x)
        ASSERT_EQ(ArrayPixel(array, x, y), image->At(x, y).Word(true)) << x << "," << y;
    }
  }
  EXPECT_FALSE(icon.HoldsPicture());
}

TEST(IconFileImport, PalettedImagesAreRenderedOntoTheKeyColourThroughTheirMask) {
  const auto image = IconImage(32, 8, 7);
  CIconBytes icon;
  ImportBytes(icon, "pal.ICO", testing::BuildIconFile({image}));
  ASSERT_EQ(FilledSlots(icon), (Slots{{2, 2}}));
  const ByteArray3 array = icon.GetBytes(2, 2);
  ASSERT_EQ(array.Channels(), 3);
  for (int32_t y = 0; y < 32; ++y) {
    for (int32_t x = 0; x < 32; ++x) {
      const auto& p = image.At(x, y);
      ASSERT_EQ(ArrayPixel(array, x, y), p.transparent ? kKeyWord : p.Word(false)) << x << "," << y;
    }
  }
}

TEST(IconFileImport, NonStandardAndOneBitImagesAreNotStored) {
  CIconBytes icon;
  ImportBytes(icon, "odd.ico", testing::BuildIconFile({IconImage(20, 32, 1), IconImage(16, 1, 2)}));
  EXPECT_TRUE(FilledSlots(icon).empty());
}

TEST(PngImport, TwentyPixelsAreStoredAtSixteenAfterResampling) {
  CIconBytes icon;
  MessageCatcher messages;
  ImportBytes(icon, "twenty.png", testing::WritePng(Badge(20, 20)));
  EXPECT_TRUE(messages.shown.empty());
  ASSERT_EQ(FilledSlots(icon), (Slots{{0, 4}}));
  const ByteArray3 array = icon.GetBytes(0, kKind32Bit);
  EXPECT_EQ(array.Width(), 16);
  EXPECT_EQ(array.Height(), 16);
  EXPECT_EQ(ArrayPixel(array, 0, 0), Argb(255, 255, 255, 255));
}

TEST(PngImport, RgbImagesAreOpaque) {
  CIconBytes icon;
  ImportBytes(icon, "rgb.png", testing::WritePng(Badge(24, 24), /*alpha=*/false));
  const ByteArray3 array = icon.GetBytes(1, kKind32Bit);
  ASSERT_FALSE(array.IsEmpty());
  EXPECT_EQ(ArrayPixel(array, 8, 8), Argb(255, 200, 30, 10));
}

// Pixels of the stored 24-bit array of a picture import that show the picture (all
// others must be the key colour).
void ExpectKeyedWhere(const ByteArray3& array, const RgbaImage& shown,
                      const std::function<bool(uint32_t)>& keyed) {
  for (int32_t y = 0; y < shown.height; ++y) {
    for (int32_t x = 0; x < shown.width; ++x) {
      const uint32_t source = shown.At(x, y) & kColours;
      const uint32_t expected = keyed(source) ? kKeyWord : source;
      ASSERT_EQ(ArrayPixel(array, x, y), expected) << x << "," << y;
    }
  }
}

// A 32 x 32 picture whose grey background varies by up to 12 per channel in a band.
RgbaImage NoisyBackground() {
  return MakeImage(32, 32, [](int32_t x, int32_t y) {
    if (x >= 8 && x < 24 && y >= 8 && y < 24) return Argb(255, 220, 40, 30);
    const auto v = static_cast<uint8_t>(y >= 26 ? 100 + (x % 5) * 3 : 100);
    return Argb(255, v, v, v);
  });
}

TEST(PictureImport, BitmapLosesOnlyTheExactBackgroundColour) {
  const RgbaImage image = NoisyBackground();
  CIconBytes icon;
  ImportBytes(icon, "noisy.bmp", testing::WriteBmp(image, 24));
  ASSERT_EQ(FilledSlots(icon), (Slots{{2, 3}}));
  ExpectKeyedWhere(icon.GetBytes(2, 3), image, [](uint32_t c) { return c == 0x646464; });
  EXPECT_TRUE(icon.HoldsPicture());
}

TEST(PictureImport, JpegLosesABackgroundThatVariesByUpToTwelve) {
  const RgbaImage image = NoisyBackground();
  const auto jpeg = testing::WriteJpeg(image, 100);
  CIconBytes icon;
  ImportBytes(icon, "noisy.jpg", jpeg);
  ASSERT_EQ(FilledSlots(icon), (Slots{{2, 3}}));
  // What the decoder made of the file, against its own top-left pixel.
  const RgbaImage picture = testing::PicturePixels(*LoadPictureFromBytes(jpeg));
  const ByteArray3 array = icon.GetBytes(2, 3);
  const uint32_t reference = picture.At(0, 0) & kColours;
  ExpectKeyedWhere(array, picture, [reference](uint32_t c) {
    for (int shift : {0, 8, 16}) {
      if (std::abs(int((c >> shift) & 255) - int((reference >> shift) & 255)) > 12) return false;
    }
    return true;
  });
  EXPECT_EQ(ArrayPixel(array, 3, 28), kKeyWord);  // in the noisy band
}

struct SmallPicture {
  int32_t width;
  int32_t height;
};
class SmallPictures : public ::testing::TestWithParam<SmallPicture> {};

// Older icon sets' 16 x 15 and 13 x 13 pictures go into a 16 x 16 image whose missing rows
// and columns are transparent.
TEST_P(SmallPictures, AreStoredAtSixteenWithTheRestTransparent) {
  const auto [width, height] = GetParam();
  const RgbaImage image = Badge(width, height, Argb(255, 0, 128, 0));
  CIconBytes icon;
  ImportBytes(icon, "small.bmp", testing::WriteBmp(image, 24));
  ASSERT_EQ(FilledSlots(icon), (Slots{{0, 3}}));
  const ByteArray3 array = icon.GetBytes(0, 3);
  for (int32_t y = 0; y < 16; ++y) {
    for (int32_t x = 0; x < 16; ++x) {
      const bool inside = x < width && y < height;
      const uint32_t colour = inside ? image.At(x, y) & kColours : kKeyWord;
      ASSERT_EQ(ArrayPixel(array, x, y), colour == 0x008000 ? kKeyWord : colour) << x << "," << y;
    }
  }
}
INSTANTIATE_TEST_SUITE_P(PictureImport, SmallPictures,
                         ::testing::Values(SmallPicture{16, 15}, SmallPicture{13, 13}));

TEST(PictureImport, GifTransparencyBecomesTheKeyColour) {
  // The top-left pixel is opaque white: a picture with transparency keeps that colour.
  const RgbaImage image = MakeImage(16, 16, [](int32_t x, int32_t y) {
    if (x == 0 && y == 0) return Argb(255, 255, 255, 255);
    if ((x + y) % 4 == 0) return Argb(0, 0, 0, 0);
    return x < 8 ? Argb(255, 10, 150, 250) : Argb(255, 255, 255, 255);
  });
  CIconBytes icon;
  ImportBytes(icon, "t.gif", testing::WriteGif(image));
  ASSERT_EQ(FilledSlots(icon), (Slots{{0, 3}}));
  const ByteArray3 array = icon.GetBytes(0, 3);
  for (int32_t y = 0; y < 16; ++y) {
    for (int32_t x = 0; x < 16; ++x) {
      const uint32_t p = image.At(x, y);
      ASSERT_EQ(ArrayPixel(array, x, y), (p >> 24) == 0 ? kKeyWord : p & kColours) << x << "," << y;
    }
  }
}

TEST(PictureImport, CursorIsDrawnThroughItsMask) {
  const auto image = IconImage(32, 8, 11);
  CIconBytes icon;
  ImportBytes(icon, "arrow.cur", testing::BuildIconFile({image}, /*type=*/2));
  ASSERT_EQ(FilledSlots(icon), (Slots{{2, 3}}));
  const ByteArray3 array = icon.GetBytes(2, 3);
  for (int32_t y = 0; y < 32; ++y) {
    for (int32_t x = 0; x < 32; ++x) {
      const auto& p = image.At(x, y);
      ASSERT_EQ(ArrayPixel(array, x, y), p.transparent ? kKeyWord : p.Word(false)) << x << "," << y;
    }
  }
  EXPECT_TRUE(icon.HoldsPicture());
}

TEST(PictureImport, SquarePicturesAreResampledToTheNearestStandardSize) {
  CIconBytes icon;
  ImportBytes(icon, "forty.gif", testing::WriteGif(Badge(40, 40)));
  ASSERT_EQ(FilledSlots(icon), (Slots{{2, 3}}));
  const ByteArray3 array = icon.GetBytes(2, 3);
  EXPECT_EQ(ArrayPixel(array, 0, 0), kKeyWord);
  EXPECT_EQ(ArrayPixel(array, 10, 16), Argb(0, 200, 30, 10));
  EXPECT_EQ(ArrayPixel(array, 21, 16), Argb(0, 20, 90, 220));
}

// A picture that is not square shows its route's message once, stores nothing and holds
// no picture; what was stored before stays.
TEST(Import, NotSquareShowsTheMessageOfItsRoute) {
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
    testing::ShownMessage message;
  };
  const Case cases[] = {
      {"wide.png",
       testing::WritePng(Badge(30, 20)),
       {"This image is not supported. PNG images must have equal width and height.",
        "Merrowind PNG Decoder", 0x30}},
      {"wide.gif",
       testing::WriteGif(Badge(24, 16)),
       {"This image is not supported. Images must have equal width and height.",
        "Merrowind Image Renderer", 0x30}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CIconBytes icon;
    icon.SetBytes(1, kKind32Bit, ByteArray3(4, 24, 24));
    MessageCatcher messages;
    ImportBytes(icon, c.name, c.bytes);
    EXPECT_EQ(messages.shown, std::vector<testing::ShownMessage>{c.message});
    EXPECT_EQ(FilledSlots(icon), (Slots{{1, 4}}));
    EXPECT_FALSE(icon.HoldsPicture());
  }
}

TEST(PictureImport, SixtyFourPixelsWideIsIgnoredWithoutAMessage) {
  CIconBytes icon;
  MessageCatcher messages;
  ImportBytes(icon, "big.bmp", testing::WriteBmp(Badge(64, 40), 24));
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(FilledSlots(icon).empty());
}

TEST(Import, EveryImportDropsThePictureFirst) {
  CIconBytes icon;
  ImportBytes(icon, "a.bmp", testing::WriteBmp(Badge(16, 16), 24));
  ASSERT_TRUE(icon.HoldsPicture());
  ImportBytes(icon, "b.png", testing::WritePng(Badge(32, 32)));
  EXPECT_FALSE(icon.HoldsPicture());
  EXPECT_EQ(FilledSlots(icon), (Slots{{0, 3}, {2, 4}}));
}

TEST(Import, UnreadableFilesStoreNothing) {
  for (const char* name : {"missing.ico", "missing.png", "missing.bmp", "missing.jpg"}) {
    CIconBytes icon;
    icon.ImportFile(std::filesystem::temp_directory_path() / "no-such-folder" / name);
    EXPECT_TRUE(FilledSlots(icon).empty()) << name;
  }
  CIconBytes garbage;
  ImportBytes(garbage, "junk.gif", {'G', 'I', 'F', '8', '9', 'a', 1, 2, 3});
  EXPECT_TRUE(FilledSlots(garbage).empty());
}

}  // namespace
}  // namespace wayband::imaging
