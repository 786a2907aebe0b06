// Every file of the icon-file fuzz corpus (the seeds and any input the fuzzer found
// trouble with) loads or is refused as a whole and draws without fault.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "icon_test_support.h"
#include "imaging/ico/file_icon.h"

namespace wayband::imaging {
namespace {

std::filesystem::path CorpusFolder() {
  return std::filesystem::path(__FILE__).parent_path() / ".." / ".." / "fuzz" / "corpus" /
         "ico_reader";
}

TEST(FuzzCorpus, IconFileInputsLoadWholeOrNotAtAllAndDraw) {
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(CorpusFolder())) {
    SCOPED_TRACE(entry.path().filename().string());
    std::ifstream stream(entry.path(), std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(stream),
                                     std::istreambuf_iterator<char>()};
    CFileIcon file;
    const bool loaded = file.LoadIconBytes(bytes);
    EXPECT_EQ(loaded, file.ImageCount() > 0);
    CIconBytes icon;
    testing::StoreIconFileImages(file, icon);
    CDib32 target = testing::FilledDib(32, 32, 0);
    for (int32_t sizeIndex = 0; sizeIndex < kIconSizeCount; ++sizeIndex)
      icon.DrawIcon(target.hDC(), sizeIndex, kKind32Bit, 0, 0, sizeIndex % 2 == 0);
    ++files;
  }
  EXPECT_GE(files, 9);
}

}  // namespace
}  // namespace wayband::imaging
