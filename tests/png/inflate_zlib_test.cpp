// Property: every stream zlib produces, at any level, strategy and window, with one block
// or many, inflates to exactly the original bytes; and a truncated stream or a too small
// buffer gives a prefix of them with the matching status.
#include <gtest/gtest.h>

#include <algorithm>

#include "imaging/png/inflate.h"
#include "png/test_data.h"
#include "png/zlib_oracle.h"

namespace wayband::imaging::png {
namespace {

using testing::DataKind;
using testing::DeflateSettings;
using testing::MakeData;
using testing::ZlibCompress;

constexpr DataKind kAllKinds[] = {DataKind::kText, DataKind::kBinary, DataKind::kLongRuns,
                                  DataKind::kIncompressible};

void ExpectRoundTrip(const std::vector<uint8_t>& original, const std::vector<uint8_t>& stream,
                     const std::string& what) {
  const Inflater inflater;
  std::vector<uint8_t> out(original.size());
  const InflateResult result = inflater.Inflate(stream, out);
  ASSERT_EQ(result.status, Status::kOk) << what;
  ASSERT_EQ(result.written, original.size()) << what;
  EXPECT_EQ(result.consumed, stream.size()) << what;
  EXPECT_TRUE(out == original) << what;
}

TEST(InflateAgainstZlib, EveryLevelAndStrategyOverEveryKindOfData) {
  const int strategies[] = {Z_DEFAULT_STRATEGY, Z_FILTERED, Z_HUFFMAN_ONLY, Z_RLE, Z_FIXED};
  for (DataKind kind : kAllKinds) {
    const std::vector<uint8_t> data = MakeData(kind, 100'000);
    for (int level = 0; level <= 9; ++level) {
      for (int strategy : strategies) {
        const auto stream = ZlibCompress(data, DeflateSettings{level, strategy});
        ExpectRoundTrip(data, stream,
                        testing::DataKindName(kind) + " level " + std::to_string(level) +
                            " strategy " + std::to_string(strategy));
      }
    }
  }
}

TEST(InflateAgainstZlib, SmallWindowsAndTinyInputs) {
  for (int windowBits = 9; windowBits <= 15; windowBits += 3) {
    for (size_t size : {size_t{0}, size_t{1}, size_t{2}, size_t{3}, size_t{258}, size_t{259},
                        size_t{65535}, size_t{65536}, size_t{70'000}}) {
      const auto data = MakeData(DataKind::kText, size, static_cast<uint32_t>(size));
      const auto stream = ZlibCompress(data, DeflateSettings{6, Z_DEFAULT_STRATEGY, windowBits});
      ExpectRoundTrip(data, stream,
                      "window " + std::to_string(windowBits) + " size " + std::to_string(size));
    }
  }
}

TEST(InflateAgainstZlib, ManyBlocksFromSyncFlushes) {
  // Each flush ends a block and adds an empty stored block, so Huffman, stored and empty
  // blocks follow each other in one stream.
  for (DataKind kind : kAllKinds) {
    const auto data = MakeData(kind, 50'000, 7);
    for (size_t piece : {size_t{1}, size_t{100}, size_t{4096}}) {
      const auto stream = ZlibCompress(data, DeflateSettings{6}, piece);
      ExpectRoundTrip(data, stream,
                      testing::DataKindName(kind) + " piece " + std::to_string(piece));
    }
  }
}

TEST(InflateAgainstZlib, LongMatchesAtEveryShortDistance) {
  // Runs of a repeated pattern of 1 to 17 bytes exercise the overlapping match copies.
  std::vector<uint8_t> data;
  for (size_t period = 1; period <= 17; ++period) {
    for (size_t i = 0; i < 3000; ++i)
      data.push_back(static_cast<uint8_t>((i % period) * 37));
  }
  for (int level : {1, 6, 9}) {
    ExpectRoundTrip(data, ZlibCompress(data, DeflateSettings{level}), "periodic");
    ExpectRoundTrip(data, ZlibCompress(data, DeflateSettings{level, Z_RLE}), "periodic rle");
  }
}

TEST(InflateAgainstZlib, TruncatedStreamGivesPrefixAndCorruptData) {
  // Whatever was decoded before the cut is kept, and nothing after it is invented.
  const Inflater inflater;
  for (DataKind kind : kAllKinds) {
    const auto data = MakeData(kind, 40'000, 3);
    for (int level : {0, 1, 9}) {
      const auto stream = ZlibCompress(data, DeflateSettings{level});
      for (size_t cut = 0; cut < stream.size(); cut += 1 + stream.size() / 97) {
        std::vector<uint8_t> out(data.size());
        const InflateResult result = inflater.Inflate(std::span(stream).first(cut), std::span(out));
        ASSERT_EQ(result.status, Status::kCorruptData) << "cut " << cut;
        ASSERT_LE(result.written, data.size());
        ASSERT_TRUE(std::equal(out.begin(), out.begin() + static_cast<ptrdiff_t>(result.written),
                               data.begin()))
            << "cut " << cut;
        ASSERT_LE(result.consumed, cut);
      }
    }
  }
}

TEST(InflateAgainstZlib, SmallOutputBufferCutsOffTheRest) {
  const Inflater inflater;
  for (DataKind kind : kAllKinds) {
    const auto data = MakeData(kind, 30'000, 5);
    for (int level : {0, 6}) {
      const auto stream = ZlibCompress(data, DeflateSettings{level});
      for (size_t capacity : {size_t{0}, size_t{1}, size_t{257}, size_t{10'000}, data.size() - 1}) {
        std::vector<uint8_t> out(capacity);
        const InflateResult result = inflater.Inflate(stream, out);
        EXPECT_EQ(result.status, Status::kOutputTooSmall);
        EXPECT_LE(result.written, capacity);
        EXPECT_TRUE(std::equal(out.begin(), out.begin() + static_cast<ptrdiff_t>(result.written),
                               data.begin()));
      }
    }
  }
}

TEST(InflateAgainstZlib, HuffmanBlockFillsTheBufferToTheLastByte) {
  // Literals and matches are cut at the end of the buffer (stored blocks that do not fit
  // are skipped whole, so only compressible data is used here).
  const Inflater inflater;
  for (DataKind kind : {DataKind::kText, DataKind::kLongRuns}) {
    const auto data = MakeData(kind, 30'000, 5);
    const auto stream = ZlibCompress(data, DeflateSettings{6});
    for (size_t capacity : {size_t{1}, size_t{257}, size_t{10'000}, data.size() - 1}) {
      std::vector<uint8_t> out(capacity);
      const InflateResult result = inflater.Inflate(stream, out);
      EXPECT_EQ(result.status, Status::kOutputTooSmall);
      EXPECT_EQ(result.written, capacity);
      EXPECT_TRUE(std::equal(out.begin(), out.begin() + static_cast<ptrdiff_t>(result.written),
                             data.begin()));
    }
  }
}

TEST(InflateAgainstZlib, LargerBufferAndTrailingBytesAreFine) {
  // A zlib-wrapped stream's Adler-32 trailer follows the final block; inflate stops at the
  // final block and reports how much of the input it used.
  const auto data = MakeData(DataKind::kBinary, 20'000);
  auto stream = ZlibCompress(data, DeflateSettings{6});
  const size_t deflateSize = stream.size();
  stream.insert(stream.end(), {0xDE, 0xAD, 0xBE, 0xEF});
  std::vector<uint8_t> out(data.size() + 100);
  const InflateResult result = Inflater().Inflate(stream, out);
  EXPECT_EQ(result.status, Status::kOk);
  EXPECT_EQ(result.written, data.size());
  EXPECT_EQ(result.consumed, deflateSize);
}

}  // namespace
}  // namespace wayband::imaging::png
