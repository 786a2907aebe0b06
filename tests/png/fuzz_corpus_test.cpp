// Every file of the decoder and inflate fuzz corpora passes its fuzz target's checks.
#include <gtest/gtest.h>

#include <algorithm>

#include "imaging/png/inflate.h"
#include "imaging/png/png_decoder.h"
#include "support/imaging_files.h"

namespace wayband::imaging::png {
namespace {

using imaging::testing::FuzzCorpus;

TEST(FuzzCorpus, PngDecodeInputs) {
  const auto files = FuzzCorpus("png_decode");
  ASSERT_GE(files.size(), 10u);
  for (const auto& [name, bytes] : files) {
    CPngDecoder decoder;
    decoder.LoadFromMemory(bytes);
    if (const auto& bitmap = decoder.Bitmap()) {
      EXPECT_TRUE(bitmap->width() == decoder.Width() && bitmap->height() == decoder.Height() &&
                  (bitmap->bitCount() == 24 || bitmap->bitCount() == 32))
          << name;
    }
  }
}

// The first byte of an input sets the size of the smaller of two buffers; what fits in it
// is the start of what fills the larger one.
TEST(FuzzCorpus, InflateInputs) {
  const auto files = FuzzCorpus("inflate");
  ASSERT_GE(files.size(), 5u);
  const Inflater inflater;
  for (const auto& [name, bytes] : files) {
    if (bytes.empty()) continue;
    const std::span<const uint8_t> input = std::span(bytes).subspan(1);
    std::vector<uint8_t> small(size_t{bytes[0]} * 17), large(small.size() + 70'000);
    const InflateResult first = inflater.Inflate(input, small);
    const InflateResult second = inflater.Inflate(input, large);
    ASSERT_LE(first.written, second.written) << name;
    EXPECT_LE(second.consumed, input.size()) << name;
    EXPECT_TRUE(std::equal(small.begin(), small.begin() + static_cast<ptrdiff_t>(first.written),
                           large.begin()))
        << name;
  }
}

}  // namespace
}  // namespace wayband::imaging::png
