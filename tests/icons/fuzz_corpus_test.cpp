// Every file of the icon-file and import fuzz corpora (seeds and the inputs the fuzzers
// found trouble with) goes through its fuzz target's steps and passes its checks.
#include <gtest/gtest.h>

#include <array>

#include "imaging/dib24.h"
#include "imaging/ico/file_icon.h"
#include "imaging/key_color.h"
#include "import_test_support.h"

namespace wayband::imaging {
namespace {

using testing::FuzzCorpus;

TEST(FuzzCorpus, IconFileInputsLoadWholeOrNotAtAllAndDraw) {
  const auto files = FuzzCorpus("ico_reader");
  EXPECT_GE(files.size(), 9u);
  for (const auto& [name, bytes] : files) {
    CFileIcon icon;
    const bool loaded = icon.LoadIconBytes(bytes);
    EXPECT_EQ(loaded, icon.ImageCount() > 0) << name;
    for (int32_t image = 1; image <= icon.ImageCount() && image <= 64; ++image) {
      CDib32 surface;  // as the import draws: colour alone at 32 bits, else XOR, AND, XOR
      if (surface.Create(icon.ImageWidth(image), icon.ImageHeight(image))) {
        const bool alpha = icon.ImageBitCount(image) == 32;
        surface.Clear(kKeyColor);
        for (IconImagePart part :
             {IconImagePart::kColour, IconImagePart::kMask, IconImagePart::kColour}) {
          icon.DrawImage(surface.hDC(), image, part, 0, 0, 0, 0,
                         alpha                          ? platform::SRCCOPY
                         : part == IconImagePart::kMask ? platform::SRCAND
                                                        : platform::SRCINVERT);
        }
      }
      CDib24 stretched;  // as the icon page draws: stretched, onto a 24-bit surface
      ASSERT_TRUE(stretched.Create(20, 20));
      icon.DrawImage(stretched.hDC(), image, IconImagePart::kColour, -3, 2, 20, 0);
      icon.DrawImage(stretched.hDC(), image, IconImagePart::kMask, 4, -5, 0, 27);
    }
  }
}

TEST(FuzzCorpus, ImportInputsStoreDrawableArraysOnTheirRoute) {
  constexpr std::array<const char*, 4> kNames = {"input.ico", "input.png", "input.jpg",
                                                 "input.bmp"};
  headless::HostRecord record;  // refusals of shapes are expected here
  headless::MessageBoxRecorder messages(record);
  const auto files = FuzzCorpus("import");
  EXPECT_GE(files.size(), 21u);
  for (const auto& [name, bytes] : files) {
    if (bytes.empty()) continue;
    CIconBytes icon;
    testing::ImportBytes(icon, kNames[bytes[0] % kNames.size()], {bytes.begin() + 1, bytes.end()});
    for (const auto& [size, kind] : testing::FilledSlots(icon)) {
      const ByteArray3 array = icon.GetBytes(size, kind);  // 4 channels at kind 4, else 3
      EXPECT_TRUE(kind != 0 && array.Channels() == (kind == kKind32Bit ? 4 : 3) &&
                  array.Width() >= IconPixels(size) && array.Height() >= IconPixels(size))
          << name << " at " << size << ", " << kind;
    }
    CDib32 target = testing::MakeDib32(48, 48, 0);
    for (int32_t sizeIndex : {0, 1, 3})
      icon.DrawIcon(target.hDC(), sizeIndex, kKind32Bit, 0, 0, sizeIndex != 1);
  }
}

}  // namespace
}  // namespace wayband::imaging
