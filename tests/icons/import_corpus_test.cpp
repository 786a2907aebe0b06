// Every file of the import fuzz corpus (the seeds and the inputs the fuzzer found trouble
// with) imports on the route its first byte names without fault, stores only arrays the
// icon store can draw, and draws.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "icon_test_support.h"
#include "image_file_writer.h"
#include "imaging/icon_sizes.h"
#include "import_test_support.h"

namespace wayband::imaging {
namespace {

std::filesystem::path CorpusFolder() {
  return std::filesystem::path(__FILE__).parent_path() / ".." / ".." / "fuzz" / "corpus" / "import";
}

void ExpectDrawableArrays(const CIconBytes& icon) {
  for (const auto& [size, kind] : testing::FilledSlots(icon)) {
    const ByteArray3 array = icon.GetBytes(size, kind);
    EXPECT_NE(kind, 0);
    EXPECT_EQ(array.Channels(), kind == kKind32Bit ? 4 : 3);
    EXPECT_GE(array.Width(), IconPixels(size));
    EXPECT_GE(array.Height(), IconPixels(size));
  }
}

TEST(ImportFuzzCorpus, InputsImportOnTheirRouteAndDraw) {
  constexpr std::array<const char*, 4> kNames = {"input.ico", "input.png", "input.jpg",
                                                 "input.bmp"};
  testing::MessageCatcher messages;  // refusals of shapes are expected here
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(CorpusFolder())) {
    SCOPED_TRACE(entry.path().filename().string());
    std::ifstream stream(entry.path(), std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(stream),
                                     std::istreambuf_iterator<char>()};
    if (bytes.empty()) continue;
    CIconBytes icon;
    testing::ImportBytes(icon, kNames[bytes[0] % kNames.size()],
                         std::vector<uint8_t>(bytes.begin() + 1, bytes.end()));
    ExpectDrawableArrays(icon);
    CDib32 target = testing::FilledDib(48, 48, 0);
    for (int32_t sizeIndex : {0, 1, 3})
      icon.DrawIcon(target.hDC(), sizeIndex, kKind32Bit, 0, 0, sizeIndex != 1);
    ++files;
  }
  EXPECT_GE(files, 21);
}

}  // namespace
}  // namespace wayband::imaging
