// Property: every file of the fuzz corpora (the seeds and every input the fuzzers found
// trouble with) goes through the decoder and inflate without fault, with the same checks
// the fuzz targets make.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "imaging/png/inflate.h"
#include "imaging/png/png_decoder.h"

namespace wayband::imaging::png {
namespace {

std::filesystem::path CorpusFolder(const char* target) {
  return std::filesystem::path(__FILE__).parent_path() / ".." / ".." / "fuzz" / "corpus" / target;
}

std::vector<std::vector<uint8_t>> ReadCorpus(const char* target) {
  std::vector<std::vector<uint8_t>> files;
  for (const auto& entry : std::filesystem::directory_iterator(CorpusFolder(target))) {
    std::ifstream stream(entry.path(), std::ios::binary);
    files.emplace_back(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
  }
  return files;
}

TEST(FuzzCorpus, PngDecodeInputs) {
  const auto files = ReadCorpus("png_decode");
  ASSERT_GE(files.size(), 10u);
  for (const auto& file : files) {
    CPngDecoder decoder;
    decoder.LoadFromMemory(file);
    if (const auto& bitmap = decoder.Bitmap()) {
      EXPECT_EQ(bitmap->width(), decoder.Width());
      EXPECT_EQ(bitmap->height(), decoder.Height());
      EXPECT_TRUE(bitmap->bitCount() == 24 || bitmap->bitCount() == 32);
    }
  }
}

TEST(FuzzCorpus, InflateInputs) {
  const auto files = ReadCorpus("inflate");
  ASSERT_GE(files.size(), 5u);
  const Inflater inflater;
  for (const auto& file : files) {
    if (file.empty()) continue;
    const std::span<const uint8_t> input = std::span(file).subspan(1);
    std::vector<uint8_t> small(size_t{file[0]} * 17), large(small.size() + 70'000);
    const InflateResult first = inflater.Inflate(input, small);
    const InflateResult second = inflater.Inflate(input, large);
    ASSERT_LE(first.written, second.written);
    EXPECT_LE(second.consumed, input.size());
    EXPECT_TRUE(std::equal(small.begin(), small.begin() + static_cast<ptrdiff_t>(first.written),
                           large.begin()));
  }
}

}  // namespace
}  // namespace wayband::imaging::png
