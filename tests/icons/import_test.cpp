// CIconBytes::ImportFile on its three routes, and the picture loader beneath it.
#include <gtest/gtest.h>

#include "imaging/import/import_routes.h"
#include "imaging/import/picture_loader.h"
#include "imaging/import/standard_size.h"
#include "import_test_support.h"
#include "platform/image_codecs/bmp_rle.h"

namespace wayband::imaging {
namespace {

using namespace testing;
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

CIconBytes Imported(const std::string& name, const std::vector<uint8_t>& bytes) {
  CIconBytes icon;
  ImportBytes(icon, name, bytes);
  return icon;
}

testing::PixelFn ThroughMask(const testing::IconImage& image) {
  return
      [&image](int32_t x, int32_t y) { return image.Masked(x, y) ? kKeyWord : image.Drawn(x, y); };
}

TEST(ImportRoute, ChosenByTheLastThreeCharactersUpperCasedAndSidesSnapToStandardSizes) {
  EXPECT_EQ(ChooseImportRoute("a/b.ico").route, ImportRoute::kIconFile);
  EXPECT_EQ(ChooseImportRoute("b.Png").route, ImportRoute::kPng);
  EXPECT_EQ(ChooseImportRoute("c.jpg").background, BackgroundMatch::kNear);
  EXPECT_EQ(ChooseImportRoute("c.jpeg").background, BackgroundMatch::kExact);
  EXPECT_EQ(ChooseImportRoute("d.cur").route, ImportRoute::kPicture);
  EXPECT_EQ(ChooseImportRoute("co").route, ImportRoute::kPicture);
  const std::pair<int32_t, int32_t> cases[] = {
      {1, 16},  {22, 16}, {23, 24}, {27, 24},  {28, 32},   {41, 32},   {42, 48},   {67, 48},
      {68, 72}, {91, 72}, {92, 96}, {126, 96}, {127, 128}, {249, 128}, {250, 256}, {4000, 256}};
  for (const auto& [side, size] : cases)
    EXPECT_EQ(SnapToStandardSize(side), size) << side;
}

// 32-bit images go to kind 4 with their alpha, paletted ones onto the key colour through
// the mask; 64 pixels wide, non-standard sizes and 1 bit per pixel are not stored.
TEST(IconFileImport, StoresEachStandardImageAtItsSizeAndKind) {
  const auto i16 = testing::RandomIconImage(16, 16, 32, 1);
  const auto i32 = testing::RandomIconImage(32, 32, 32, 2);
  const auto i48 = testing::RandomIconImage(48, 48, 8, 3);
  const auto skipped = {testing::RandomIconImage(64, 64, 32, 4),
                        testing::RandomIconImage(20, 20, 32, 5),
                        testing::RandomIconImage(24, 24, 1, 6)};
  std::vector<testing::IconImage> images = {i16, i32, i48};
  images.insert(images.begin() + 1, skipped.begin(), skipped.end());
  const CIconBytes icon = Imported("set.ICO", testing::BuildIconFile(images));
  EXPECT_EQ(FilledSlots(icon), (Slots{{0, 4}, {2, 4}, {3, 2}}));
  for (const auto* image : {&i16, &i32}) {
    const int32_t size = image->picture.width;
    EXPECT_TRUE(ArrayIs(icon.GetBytes(IconSizeIndex(size), kKind32Bit), size,
                        [&](int32_t x, int32_t y) { return image->Drawn(x, y); }));
  }
  EXPECT_TRUE(ArrayIs(icon.GetBytes(3, 2), 48, ThroughMask(i48)));
  EXPECT_FALSE(icon.HoldsPicture());
  EXPECT_EQ(IconKind(1), 0);  // fewer than 4 bits: kind 0, which the store never draws
}

// A picture import's 24-bit array: the key colour where `keyed`, the picture elsewhere.
testing::PixelFn KeyedWhere(const RgbaImage& shown, const std::function<bool(uint32_t)>& keyed) {
  return [&shown, keyed](int32_t x, int32_t y) {
    const uint32_t colour = shown.At(x, y) & kColours;
    return keyed(colour) ? kKeyWord : colour;
  };
}

// A grey background that varies by up to 12 per channel in a band.
RgbaImage NoisyBackground() {
  return MakeImage(32, 32, [](int32_t x, int32_t y) {
    if (x >= 8 && x < 24 && y >= 8 && y < 24) return Argb(255, 220, 40, 30);
    const auto v = static_cast<uint8_t>(y >= 26 ? 100 + (x % 5) * 3 : 100);
    return Argb(255, v, v, v);
  });
}

// A bitmap loses the top-left pixel's colour, a JPEG every colour within 12 of it.
TEST(PictureImport, KeysOutTheBackgroundExactlyOrWithinTwelveForJpeg) {
  const RgbaImage image = NoisyBackground();
  const CIconBytes bmp = Imported("noisy.bmp", testing::WriteBmp(image, 24));
  ASSERT_EQ(FilledSlots(bmp), (Slots{{2, 3}}));
  EXPECT_TRUE(
      ArrayIs(bmp.GetBytes(2, 3), 32, KeyedWhere(image, [](uint32_t c) { return c == 0x646464; })));
  EXPECT_TRUE(bmp.HoldsPicture());

  const auto jpeg = testing::WriteJpeg(image, 100);
  const CIconBytes jpg = Imported("noisy.jpg", jpeg);
  ASSERT_EQ(FilledSlots(jpg), (Slots{{2, 3}}));
  const RgbaImage decoded = testing::PicturePixels(*LoadPictureFromBytes(jpeg));
  const uint32_t reference = decoded.At(0, 0);
  EXPECT_TRUE(ArrayIs(jpg.GetBytes(2, 3), 32, KeyedWhere(decoded, [reference](uint32_t c) {
                        return testing::Near(c, reference & kColours, 12);
                      })));
  EXPECT_EQ(testing::ArrayPixel(jpg.GetBytes(2, 3), 3, 28), kKeyWord);  // in the noisy band
}

// 16 x 15 and 13 x 13 pictures fill 16 x 16; other squares are resampled to a standard size.
TEST(PictureImport, SmallPicturesFillSixteenAndOthersAreResampled) {
  for (const auto& size : {std::pair{16, 15}, {13, 13}}) {
    const int32_t width = size.first, height = size.second;  // clang 14 captures no bindings
    const RgbaImage image = Badge(width, height, Argb(255, 0, 128, 0));
    const CIconBytes icon = Imported("small.bmp", testing::WriteBmp(image, 24));
    ASSERT_EQ(FilledSlots(icon), (Slots{{0, 3}})) << width << "x" << height;
    EXPECT_TRUE(ArrayIs(icon.GetBytes(0, 3), 16, [&](int32_t x, int32_t y) {
      const uint32_t colour = x < width && y < height ? image.At(x, y) & kColours : kKeyWord;
      return colour == 0x008000 ? kKeyWord : colour;
    }));
  }
  const CIconBytes forty = Imported("forty.gif", testing::WriteGif(Badge(40, 40)));
  ASSERT_EQ(FilledSlots(forty), (Slots{{2, 3}}));
  EXPECT_EQ(testing::ArrayPixel(forty.GetBytes(2, 3), 0, 0), kKeyWord);
  EXPECT_EQ(testing::ArrayPixel(forty.GetBytes(2, 3), 10, 16), Argb(0, 200, 30, 10));
  EXPECT_EQ(testing::ArrayPixel(forty.GetBytes(2, 3), 21, 16), Argb(0, 20, 90, 220));
}

// Transparent pixels become the key colour, nothing else is keyed out; cursors use the mask.
TEST(PictureImport, TransparentPixelsOfGifsAndCursorsBecomeTheKeyColour) {
  const RgbaImage image = MakeImage(16, 16, [](int32_t x, int32_t y) {
    if (x == 0 && y == 0) return Argb(255, 255, 255, 255);
    if ((x + y) % 4 == 0) return Argb(0, 0, 0, 0);
    return x < 8 ? Argb(255, 10, 150, 250) : Argb(255, 255, 255, 255);
  });
  const CIconBytes gif = Imported("t.gif", testing::WriteGif(image));
  ASSERT_EQ(FilledSlots(gif), (Slots{{0, 3}}));
  EXPECT_TRUE(
      ArrayIs(gif.GetBytes(0, 3), 16, KeyedWhere(image, [](uint32_t c) { return c == 0; })));

  const auto arrow = testing::RandomIconImage(32, 32, 8, 11);
  const CIconBytes cur = Imported("arrow.cur", testing::BuildIconFile({arrow}, /*type=*/2));
  ASSERT_EQ(FilledSlots(cur), (Slots{{2, 3}}));
  EXPECT_TRUE(ArrayIs(cur.GetBytes(2, 3), 32, ThroughMask(arrow)));
  EXPECT_TRUE(cur.HoldsPicture());
}

// Not square: the route's message, nothing stored or held; 64 wide: ignored, no message.
TEST(Import, PicturesNotSquareShowTheMessageOfTheirRoute) {
  const std::tuple<const char*, std::vector<uint8_t>, const char*, const char*> cases[] = {
      {"wide.png", testing::WritePng(Badge(30, 20)),
       "This image is not supported. PNG images must have equal width and height.",
       "Merrowind PNG Decoder"},
      {"wide.gif", testing::WriteGif(Badge(24, 16)),
       "This image is not supported. Images must have equal width and height.",
       "Merrowind Image Renderer"},
      {"big.bmp", testing::WriteBmp(Badge(64, 40), 24), nullptr, nullptr},
  };
  for (const auto& [name, bytes, text, title] : cases) {
    CIconBytes icon;
    icon.SetBytes(1, kKind32Bit, ByteArray3(4, 24, 24));
    headless::HostRecord record;
    headless::MessageBoxRecorder recorder(record);
    ImportBytes(icon, name, bytes);
    EXPECT_EQ(record.messageBoxes.size(), text ? 1u : 0u) << name;
    if (text) {
      EXPECT_EQ(record.messageBoxes[0],
                (headless::MessageBoxRecord{{}, text, title, 0x30, host::IDOK}));
    }
    EXPECT_EQ(FilledSlots(icon), (Slots{{1, 4}})) << name;
    EXPECT_FALSE(icon.HoldsPicture()) << name;
  }
}

TEST(Import, EveryImportDropsThePictureFirstAndUnreadableFilesStoreNothing) {
  CIconBytes icon;
  ImportBytes(icon, "a.bmp", testing::WriteBmp(Badge(16, 16), 24));
  ASSERT_TRUE(icon.HoldsPicture());
  ImportBytes(icon, "b.png", testing::WritePng(Badge(32, 32)));
  EXPECT_FALSE(icon.HoldsPicture());
  EXPECT_EQ(FilledSlots(icon), (Slots{{0, 3}, {2, 4}}));
  for (const char* name : {"missing.ico", "missing.png", "missing.bmp", "missing.jpg"}) {
    CIconBytes none;
    none.ImportFile(std::filesystem::temp_directory_path() / "no-such-folder" / name);
    EXPECT_TRUE(FilledSlots(none).empty()) << name;
  }
  EXPECT_TRUE(FilledSlots(Imported("junk.gif", {'G', 'I', 'F', '8', '9', 'a', 1, 2, 3})).empty());
}

RgbaImage Bands(int32_t width, int32_t height) {
  return MakeImage(width, height, [](int32_t x, int32_t y) {
    const auto level = static_cast<uint8_t>(((x / 3 + y / 2) % 16) * 16);
    return Argb(255, level, static_cast<uint8_t>(255 - level), static_cast<uint8_t>(level / 2));
  });
}

// Run-length encoded bitmaps are expanded for the decoder; bitmaps render opaque.
TEST(PictureLoader, EveryBmpLayoutDecodesToTheSamePixels) {
  const std::tuple<int, BmpLayout> layouts[] = {{24, BmpLayout::kBottomUp},
                                                {24, BmpLayout::kTopDown},
                                                {8, BmpLayout::kRle},
                                                {4, BmpLayout::kRle}};
  for (const auto& [bitCount, layout] : layouts) {
    SCOPED_TRACE(::testing::Message() << bitCount << " bits, layout " << static_cast<int>(layout));
    const RgbaImage image = Bands(19, 7);
    const auto picture = LoadPictureFromBytes(testing::WriteBmp(image, bitCount, layout));
    ASSERT_NE(picture, nullptr);
    EXPECT_FALSE(picture->Transparent());
    const RgbaImage decoded = testing::PicturePixels(*picture);
    ASSERT_EQ(decoded.width, 19);
    ASSERT_EQ(decoded.height, 7);
    EXPECT_EQ(decoded.pixels, image.pixels);
  }
}

TEST(PictureLoader, RleDeltaAndEarlyEndLeaveIndexZero) {
  // 4 x 2, RLE8: two pixels of index 1, a delta of (1, 1), one pixel of index 2, end.
  std::vector<uint8_t> file = testing::WriteBmp(
      MakeImage(4, 2, [](int32_t x, int32_t) { return x == 0 ? 0u : 255u; }), 8, BmpLayout::kRle);
  file.resize(file[10] | file[11] << 8);
  file.insert(file.end(), {2, 1, 0, 2, 1, 1, 1, 2, 0, 1});
  const auto plain = platform::codecs::ExpandRleBitmapFile(file, 1 << 20);
  ASSERT_TRUE(plain.has_value());
  EXPECT_EQ(std::vector<uint8_t>(plain->begin() + ((*plain)[10] | (*plain)[11] << 8), plain->end()),
            (std::vector<uint8_t>{1, 1, 0, 0, 0, 0, 0, 2}));
}

TEST(PictureLoader, SizeIsInHimetricAndDamagedOrOversizedFilesAreRefused) {
  const auto bmp = testing::WriteBmp(Bands(16, 48), 24);
  const auto picture = LoadPictureFromBytes(bmp);
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->Width(), 423);  // 16 / 96 inch
  EXPECT_EQ(picture->Height(), 1270);
  EXPECT_EQ(picture->FileBytes().size(), bmp.size());

  EXPECT_EQ(LoadPictureFromBytes({}), nullptr);
  EXPECT_EQ(LoadPictureFromBytes({'x', 'y', 'z', 0}), nullptr);
  EXPECT_EQ(LoadPictureFromBytes({bmp.begin(), bmp.begin() + 30}), nullptr);
  auto huge = bmp;  // claims 20000 x 20000 pixels: refused before anything is decoded
  ASSERT_GE(huge.size(), 26u);
  for (size_t at : {18u, 22u}) {
    huge[at] = 0x20;
    huge[at + 1] = 0x4E;
  }
  EXPECT_EQ(LoadPictureFromBytes(huge), nullptr);
}

}  // namespace
}  // namespace wayband::imaging
