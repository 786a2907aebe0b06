// CFileIcon: every depth decodes to its pixels and mask, parts draw at their own size or
// stretched, a damaged directory loads nothing, and what reaches past its data draws nothing.
#include <gtest/gtest.h>

#include "imaging/ico/file_icon.h"
#include "import_test_support.h"

namespace wayband::imaging {
namespace {

using namespace testing;

constexpr uint32_t kFill = 0x80402010;
const auto kUntouched = [](int32_t, int32_t) { return kFill; };

TEST(FileIcon, EveryDepthDecodesToItsPixelsAndMask) {
  std::vector<IconImage> images;
  for (int bits : {1, 4, 8, 24, 32}) {
    images.push_back(RandomIconImage(16, 16, bits, bits));
    images.push_back(RandomIconImage(13, 7, bits, bits + 100));
  }
  images.push_back(RandomIconImage(9, 5, 8, 7));
  images.back().compactPalette = true;
  CFileIcon icon;
  ASSERT_TRUE(icon.LoadIconBytes(BuildIconFile(images)));
  ASSERT_EQ(icon.ImageCount(), static_cast<int32_t>(images.size()));
  for (int32_t i = 1; i <= icon.ImageCount(); ++i) {
    const IconImage& image = images[static_cast<size_t>(i - 1)];
    SCOPED_TRACE(::testing::Message() << "image " << i << ", " << image.bitCount << " bits");
    EXPECT_EQ(icon.ImageWidth(i), image.picture.width);
    EXPECT_EQ(icon.ImageHeight(i), image.picture.height);
    EXPECT_EQ(icon.ImageBitCount(i), image.bitCount);
    CDib32 colour = testing::MakeDib32(image.picture.width, image.picture.height, kFill);
    icon.DrawImage(colour.hDC(), i, IconImagePart::kColour, 0, 0);
    EXPECT_TRUE(PixelsAre(colour, [&](int32_t x, int32_t y) { return image.Drawn(x, y); }));
    CDib32 mask = testing::MakeDib32(image.picture.width, image.picture.height, kFill);
    icon.DrawImage(mask.hDC(), i, IconImagePart::kMask, 0, 0);
    EXPECT_TRUE(PixelsAre(mask, [&](int32_t x, int32_t y) {
      return image.Masked(x, y) ? testing::kColourBytes : 0u;
    }));
  }
}

// Changes to a built file; `image` is where the first image's data start.
using Change = void (*)(std::vector<uint8_t>& file, size_t image);

// A damaged directory loads nothing (the icon ends empty); a sound one loads, but nothing
// is drawn past an image's data, for unknown images or parts, or without a target.
TEST(FileIcon, DamagedFilesLoadNothingAndWhatReachesPastItsDataDrawsNothing) {
  struct Case {
    const char* what;
    Change change;
    bool loads = true;
    bool colour = true;
    int32_t image = 1;
    int mask = 1;
    bool target = true;
  };
  const auto none = [](auto&, size_t) {};
  const Case cases[] = {
      {"cursor type", [](auto& f, size_t) { PutLe16(f, 2, 2); }, false},
      {"reserved", [](auto& f, size_t) { PutLe16(f, 0, 1); }, false},
      {"count 0", [](auto& f, size_t) { PutLe16(f, 4, 0); }, false},
      {"negative count", [](auto& f, size_t) { PutLe16(f, 4, 0x8001); }, false},
      {"more entries than the file", [](auto& f, size_t) { PutLe16(f, 4, 0x7FFF); }, false},
      {"image offset past the end",
       [](auto& f, size_t) { PutLe32(f, EntryOffset(1) + kEntryImageOffset, 0xFFFFFFF0u); }, false},
      {"image size past the end",
       [](auto& f, size_t) { PutLe32(f, EntryOffset(1) + kEntryBytesInResource, ~0u); }, false},
      {"last image cut by a byte", [](auto& f, size_t) { f.pop_back(); }, false},
      {"header cut", [](auto& f, size_t) { f.resize(5); }, false},
      {"height of 21 rows", [](auto& f, size_t at) { PutLe32(f, at + 8, 42); }},
      {"width past the data", [](auto& f, size_t at) { PutLe32(f, at + 4, 0x7FFFFFFF); }},
      {"negative width", [](auto& f, size_t at) { PutLe32(f, at + 4, 0xFFFFFFF0); }},
      {"colour table past the end", [](auto& f, size_t at) { PutLe32(f, at + 32, ~0u); }},
      {"height 1: no row in either part", [](auto& f, size_t at) { PutLe32(f, at + 8, 1); }},
      {"planes push the mask past the end", [](auto& f, size_t at) { PutLe16(f, at + 12, ~0u); },
       true, false},
      {"width byte 0", [](auto& f, size_t) { f[EntryOffset(0)] = 0; }},
      {"entry of 0 bytes",
       [](auto& f, size_t) { PutLe32(f, EntryOffset(0) + kEntryBytesInResource, 0); }},
      {"image 0", none, true, true, 0},
      {"image 3", none, true, true, 3},
      {"part 2", none, true, false, 1, 2},
      {"no target", none, true, true, 1, 1, false},
  };
  const auto good = BuildIconFile({RandomIconImage(16, 16, 8, 4), RandomIconImage(16, 16, 4, 5)});
  for (const Case& c : cases) {
    std::vector<uint8_t> file = good;
    c.change(file, GetLe32(file, EntryOffset(0) + kEntryImageOffset));
    CFileIcon icon;
    ASSERT_TRUE(icon.LoadIconBytes(good));
    EXPECT_EQ(icon.LoadIconBytes(file), c.loads) << c.what;
    EXPECT_EQ(icon.ImageCount(), c.loads ? 2 : 0) << c.what;
    CDib32 dib = testing::MakeDib32(16, 16, kFill);
    platform::DrawingContext* target = c.target ? dib.hDC() : nullptr;
    icon.DrawImage(target, c.image, static_cast<IconImagePart>(c.mask), 0, 0);
    if (c.colour) icon.DrawImage(target, c.image, IconImagePart::kColour, 0, 0);
    EXPECT_TRUE(PixelsAre(dib, kUntouched)) << c.what;
  }
  std::vector<uint8_t> file = good;
  PutLe32(file, EntryOffset(0) + kEntryBytesInResource, 0);  // 0 bytes: no header to read
  CFileIcon icon;
  ASSERT_TRUE(icon.LoadIconBytes(file));
  EXPECT_EQ(std::tuple(icon.ImageWidth(0), icon.ImageHeight(3), icon.ImageBitCount(-1),
                       icon.ImageBitCount(1)),
            std::tuple(0, 0, 0, 0));
  const auto path = WriteTempFile("icon.ico", good);  // and from a path, not from a folder
  EXPECT_TRUE(icon.LoadIconFile(path) && icon.Path() == path && icon.ImageCount() == 2);
  EXPECT_FALSE(icon.LoadIconFile(path.parent_path()));
}

}  // namespace
}  // namespace wayband::imaging
