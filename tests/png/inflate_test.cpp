// Inflate against zlib, whose every stream inflates to exactly the original bytes (cut or
// with too small a buffer: a prefix of them), and against streams written field by field
// that break DEFLATE's rules: they end with kCorruptData (a full buffer: kOutputTooSmall)
// and keep exactly what was decoded before the fault.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "imaging/png/inflate.h"
#include "png/bit_writer.h"
#include "png/png_builder.h"

namespace wayband::imaging::png {
namespace {

using testing::BitWriter;
using testing::DeflateSettings;
using testing::ZlibCompress;

enum DataKind { kText, kBinary, kLongRuns, kIncompressible };

// Words, little-endian records with slowly changing fields, runs of three values, noise.
std::vector<uint8_t> MakeData(DataKind kind, size_t size, uint32_t seed = 1) {
  static const std::string kWords[] = {"bar ",    "panel ",  "icon ",   "the ", "of ",
                                       "colour ", "scheme ", "header ", "\n",   "button, "};
  std::mt19937 rng(seed);
  std::vector<uint8_t> data;
  while (data.size() < size) {
    if (kind == kText) {
      const std::string& word = kWords[rng() % 10];
      data.insert(data.end(), word.begin(), word.end());
    } else if (kind == kBinary) {
      const uint32_t value = static_cast<uint32_t>(data.size() / 16) * 3 + rng() % 4;
      for (int i = 0; i < 4; ++i)
        data.push_back(static_cast<uint8_t>(value >> (8 * i)));
    } else if (kind == kLongRuns) {
      data.insert(data.end(), 1 + rng() % 2000, static_cast<uint8_t>(rng() % 3));
    } else {
      data.push_back(static_cast<uint8_t>(rng()));
    }
  }
  data.resize(size);
  return data;
}

void ExpectRoundTrip(const std::vector<uint8_t>& original, const std::vector<uint8_t>& stream) {
  std::vector<uint8_t> out(original.size());
  const InflateResult result = Inflater().Inflate(stream, out);
  ASSERT_EQ(result.status, Status::kOk);
  EXPECT_EQ(std::tuple(result.written, result.consumed), std::tuple(out.size(), stream.size()));
  EXPECT_TRUE(out == original);
}

bool IsPrefix(const std::vector<uint8_t>& out, size_t written, const std::vector<uint8_t>& data) {
  return written <= data.size() &&
         std::equal(out.begin(), out.begin() + static_cast<ptrdiff_t>(written), data.begin());
}

TEST(InflateAgainstZlib, EveryLevelAndStrategyWithOneBlockOrMany) {
  for (DataKind kind : {kText, kBinary, kLongRuns, kIncompressible}) {
    const std::vector<uint8_t> data = MakeData(kind, 100'000);
    for (int level = 0; level <= 9; ++level) {
      for (int strategy : {Z_DEFAULT_STRATEGY, Z_FILTERED, Z_HUFFMAN_ONLY, Z_RLE, Z_FIXED}) {
        SCOPED_TRACE(::testing::Message()
                     << kind << " level " << level << " strategy " << strategy);
        ExpectRoundTrip(data, ZlibCompress(data, DeflateSettings{level, strategy}));
      }
    }
    // Each sync flush ends a block and adds an empty stored block.
    const std::vector<uint8_t> half(data.begin(), data.begin() + 50'000);
    for (size_t piece : {1, 100, 4096}) {
      SCOPED_TRACE(::testing::Message() << kind << " flushed every " << piece);
      ExpectRoundTrip(half, ZlibCompress(half, DeflateSettings{6}, piece));
    }
  }
  // Overlapping match copies at every short distance.
  std::vector<uint8_t> periodic;
  for (size_t period = 1; period <= 17; ++period) {
    for (size_t i = 0; i < 3000; ++i)
      periodic.push_back(static_cast<uint8_t>((i % period) * 37));
  }
  for (int level : {1, 6, 9}) {
    ExpectRoundTrip(periodic, ZlibCompress(periodic, DeflateSettings{level}));
    ExpectRoundTrip(periodic, ZlibCompress(periodic, DeflateSettings{level, Z_RLE}));
  }
}

TEST(InflateAgainstZlib, TruncatedStreamGivesPrefixAndCorruptData) {
  for (DataKind kind : {kText, kBinary, kLongRuns, kIncompressible}) {
    const auto data = MakeData(kind, 40'000, 3);
    for (int level : {0, 1, 9}) {
      const auto stream = ZlibCompress(data, DeflateSettings{level});
      for (size_t cut = 0; cut < stream.size(); cut += 1 + stream.size() / 97) {
        std::vector<uint8_t> out(data.size());
        const InflateResult result = Inflater().Inflate(std::span(stream).first(cut), out);
        ASSERT_EQ(result.status, Status::kCorruptData) << kind << " cut " << cut;
        ASSERT_TRUE(IsPrefix(out, result.written, data)) << kind << " cut " << cut;
        ASSERT_LE(result.consumed, cut);
      }
    }
  }
}

// Huffman blocks fill the buffer to the last byte; stored blocks that do not fit are skipped.
TEST(InflateAgainstZlib, SmallOutputBufferCutsOffTheRest) {
  for (DataKind kind : {kText, kBinary, kLongRuns, kIncompressible}) {
    const auto data = MakeData(kind, 30'000, 5);
    for (int level : {0, 6}) {
      const auto stream = ZlibCompress(data, DeflateSettings{level});
      const bool huffman = level > 0 && (kind == kText || kind == kLongRuns);
      for (size_t capacity : {size_t{0}, size_t{1}, size_t{257}, size_t{10'000}, data.size() - 1}) {
        std::vector<uint8_t> out(capacity);
        const InflateResult result = Inflater().Inflate(stream, out);
        EXPECT_EQ(result.status, Status::kOutputTooSmall);
        EXPECT_TRUE(IsPrefix(out, result.written, data));
        EXPECT_TRUE(huffman ? result.written == capacity : result.written <= capacity) << kind;
      }
    }
  }
}

// Step by step through a window that keeps only the last 32 KiB (and slides by memmove),
// collecting the output: the bytes and the outcome of one Inflate call of `capacity`.
std::pair<std::vector<uint8_t>, Status> InflateInSteps(std::span<const uint8_t> stream,
                                                       size_t capacity, size_t windowSize) {
  constexpr size_t kHistory = 32768;
  InflateState state(stream, capacity);
  std::vector<uint8_t> window(windowSize), all;
  size_t produced = 0;
  const Inflater inflater;
  while (!state.Finished()) {
    if (produced == windowSize) {
      all.insert(all.end(), window.begin(), window.end() - kHistory);
      std::copy(window.end() - kHistory, window.end(), window.begin());
      produced = kHistory;
    }
    produced = inflater.Step(state, window, produced);
  }
  all.insert(all.end(), window.begin(), window.begin() + static_cast<ptrdiff_t>(produced));
  return {all, state.Outcome()};
}

// Windows of odd sizes pause matches and stored blocks midway; nothing changes for that.
TEST(InflateAgainstZlib, SteppingThroughASlidingWindowChangesNothing) {
  for (DataKind kind : {kText, kBinary, kLongRuns, kIncompressible}) {
    const auto data = MakeData(kind, 150'000, 7);
    for (int level : {0, 1, 9}) {
      const auto stream = ZlibCompress(data, DeflateSettings{level});
      for (size_t capacity : {data.size() - 4999, data.size(), data.size() + 100}) {
        std::vector<uint8_t> once(capacity);
        const InflateResult result = Inflater().Inflate(stream, once);
        once.resize(result.written);
        for (size_t windowSize : {size_t{32768 + 1}, size_t{32768 + 4093}, size_t{90'001}}) {
          EXPECT_EQ(InflateInSteps(stream, capacity, windowSize), std::pair(once, result.status))
              << kind << " level " << level << " window " << windowSize;
        }
      }
    }
  }
}

constexpr unsigned kFinal = 1, kNotFinal = 0, kDynamic = 2, kEndOfBlock = 256;
constexpr Status kOk = Status::kOk, kCorrupt = Status::kCorruptData,
                 kFull = Status::kOutputTooSmall;

// 'a', 'b', end-of-block and length symbol 257 two bits each.
const std::vector<uint8_t> kSmall = [] {
  std::vector<uint8_t> lengths(258, 0);
  lengths['a'] = lengths['b'] = lengths[kEndOfBlock] = lengths[257] = 2;
  return lengths;
}();

// 257 literal/length lengths: `length` for `symbols`, 0 for the rest.
std::vector<uint8_t> LitLen(std::initializer_list<unsigned> symbols, uint8_t length) {
  std::vector<uint8_t> lengths(257, 0);
  for (unsigned s : symbols)
    lengths[s] = length;
  return lengths;
}

// A dynamic header whose code-length code sends each length as itself in four bits.
BitWriter& Dynamic(BitWriter& w, const std::vector<uint8_t>& litLen,
                   const std::vector<uint8_t>& distance) {
  w.Bits(kFinal, 1).Bits(kDynamic, 2);
  w.Bits(static_cast<uint32_t>(litLen.size() - 257), 5);  // HLIT
  w.Bits(static_cast<uint32_t>(distance.size() - 1), 5);  // HDIST
  w.Bits(19 - 4, 4);                                      // HCLEN: all 19 follow
  for (unsigned symbol : {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15})
    w.Bits(symbol < 16 ? 4 : 0, 3);  // code-length code lengths
  for (uint8_t length : litLen)
    w.Code(length, 4);
  for (uint8_t length : distance)
    w.Code(length, 4);
  return w;
}

// A dynamic header (257 + 1 codes, HCLEN 4) giving 16, 17, 18 and 0 these code lengths.
BitWriter& CodeLengthCode(BitWriter& w, std::array<unsigned, 4> lengthsOf16_17_18_0) {
  w.Bits(kFinal, 1).Bits(kDynamic, 2).Bits(0, 5).Bits(0, 5).Bits(0, 4);
  for (unsigned length : lengthsOf16_17_18_0)
    w.Bits(length, 3);
  for (int i = 0; i < 5; ++i)
    w.Bits(0, 32);
  return w;
}

// Codes 16 and 18 one bit each, then `repeats` x code `code` (0: 16, 1: 18), repeat longest.
BitWriter& Repeats(BitWriter& w, unsigned code, unsigned repeats) {
  w.Bits(kFinal, 1).Bits(kDynamic, 2).Bits(0, 5).Bits(0, 5).Bits(0, 4);  // 257, 1, 4
  w.Bits(1, 3).Bits(0, 3).Bits(1, 3).Bits(0, 3);                         // lengths of 16, 17, 18, 0
  for (unsigned i = 0; i < repeats; ++i)
    w.Code(code, 1).Bits(127, code == 0 ? 2 : 7);
  return w;
}

struct Case {
  const char* what;
  void (*write)(BitWriter&);
  Status status;
  std::string kept;  // what was decoded before the fault
  size_t capacity = 1000;
};

TEST(InflateHostile, BrokenRulesEndDecodingAndKeepWhatCameBefore) {
  const Case cases[] = {
      {"reserved block type",
       [](auto& w) { w.Stored(kNotFinal, 2, 0xFFFD).Text("ok").Bits(kFinal, 1).Bits(3, 2); },
       kCorrupt, "ok"},
      {"NLEN is not compared", [](auto& w) { w.Stored(kFinal, 3, 0x1234).Text("abc"); }, kOk,
       "abc"},
      {"stored block past the input",  // 3 of 10 bytes; copies nothing
       [](auto& w) {
         w.Fixed(kNotFinal).Literals("x").End().Stored(kFinal, 10, 0xFFF5).Text("abc");
       },
       kCorrupt, "x"},
      {"stored block past the output", [](auto& w) { w.Stored(kFinal, 3, 0xFFFC).Text("abc"); },
       kFull, "", 2},
      {"distance before the start",  // length 3, distance 2 after one byte
       [](auto& w) { w.Fixed(kFinal).Literals("a").Match(257, 1).End(); }, kCorrupt, "a"},
      {"length 286", [](auto& w) { w.Fixed(kFinal).Literals("a").FixedLitLen(286); }, kCorrupt,
       "a"},
      {"distance 30", [](auto& w) { w.Fixed(kFinal).Literals("a").Match(257, 30).End(); }, kCorrupt,
       "a"},
      {"longest length both ways",  // 258 from symbol 285, and from 284 with extra bits 31
       [](auto& w) {
         w.Fixed(kFinal).Literals("z").Match(285, 0).FixedLitLen(284);
         w.Bits(31, 5).FixedDistance(0).End();
       },
       kOk, std::string(517, 'z')},
      // Seven zero bits are the fixed end-of-block code, and not there.
      {"cut after literals", [](auto& w) { w.Fixed(kFinal).Literals("ab"); }, kCorrupt, "ab"},
      {"match cut at the end of the buffer",  // length 10, distance 1
       [](auto& w) { w.Fixed(kFinal).Literals("q").Match(264, 0).End(); }, kFull, "qqqq", 4},
      {"287 literal/length codes",
       [](auto& w) { w.Bits(kFinal, 1).Bits(kDynamic, 2).Bits(30, 5).Bits(0, 5).Bits(0, 4); },
       kCorrupt, ""},
      {"31 distance codes",
       [](auto& w) { w.Bits(kFinal, 1).Bits(kDynamic, 2).Bits(0, 5).Bits(30, 5).Bits(0, 4); },
       kCorrupt, ""},
      {"over-subscribed",
       [](auto& w) {
         CodeLengthCode(w, {1, 1, 1, 0});
       },
       kCorrupt, ""},
      {"incomplete",
       [](auto& w) {
         CodeLengthCode(w, {0, 0, 0, 1});
       },
       kCorrupt, ""},
      {"no code-length codes",
       [](auto& w) {
         CodeLengthCode(w, {0, 0, 0, 0});
       },
       kCorrupt, ""},
      {"over-subscribed literals",  // 258 four-bit codes; only 16 exist
       [](auto& w) { Dynamic(w, std::vector<uint8_t>(258, 4), {1}); }, kCorrupt, ""},
      {"incomplete literals",  // two of four two-bit codes
       [](auto& w) {
         const auto litLen = LitLen({'a', kEndOfBlock}, 2);
         Dynamic(w, litLen, {1}).Symbol(litLen, 'a');
       },
       kCorrupt, ""},
      {"no end-of-block",
       [](auto& w) {
         Dynamic(w, LitLen({'a', 'b'}, 1), {1});
       },
       kCorrupt, ""},
      {"one one-bit distance code is allowed",  // 'a', length 3, distance 1
       [](auto& w) {
         Dynamic(w, kSmall, {1}).Symbol(kSmall, 'a').Symbol(kSmall, 257).Code(0, 1);
         w.Symbol(kSmall, kEndOfBlock);
       },
       kOk, "aaaa"},
      {"no distance codes serve literals",  // the one distance length is 0
       [](auto& w) { Dynamic(w, kSmall, {0}).Symbol(kSmall, 'b').Symbol(kSmall, kEndOfBlock); },
       kOk, "b"},
      {"repeat with nothing before", [](auto& w) { Repeats(w, 0, 1); }, kCorrupt, ""},
      {"zero runs past the lengths", [](auto& w) { Repeats(w, 1, 3); }, kCorrupt, ""},  // 3 x 138
  };
  const Inflater inflater;
  for (const Case& c : cases) {
    BitWriter writer;
    c.write(writer);
    std::vector<uint8_t> out(c.capacity);
    const InflateResult result = inflater.Inflate(writer.Bytes(), out);
    EXPECT_EQ(result.status, c.status) << c.what;
    EXPECT_EQ(std::string(out.begin(), out.begin() + static_cast<ptrdiff_t>(result.written)),
              c.kept)
        << c.what;
  }
}

}  // namespace
}  // namespace wayband::imaging::png
