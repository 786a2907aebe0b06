// Property: a stream that breaks DEFLATE's rules ends with kCorruptData (or, for a full
// buffer, kOutputTooSmall) and keeps exactly what was decoded before the fault. Every
// stream is written field by field; the comment on each line names the field.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "imaging/png/inflate.h"
#include "png/bit_writer.h"

namespace wayband::imaging::png {
namespace {

using testing::BitWriter;

constexpr unsigned kFinal = 1, kNotFinal = 0;
constexpr unsigned kStored = 0, kFixed = 1, kDynamic = 2, kReserved = 3;
constexpr unsigned kEndOfBlock = 256;

struct Decoded {
  Status status;
  std::string text;
};

Decoded Inflate(const BitWriter& writer, size_t capacity = 1000) {
  std::vector<uint8_t> out(capacity);
  const InflateResult result = Inflater().Inflate(writer.Bytes(), out);
  return {result.status,
          std::string(out.begin(), out.begin() + static_cast<ptrdiff_t>(result.written))};
}

// Canonical codes for a set of code lengths (RFC 1951 section 3.2.2).
std::vector<uint32_t> CanonicalCodes(const std::vector<uint8_t>& lengths) {
  std::array<uint32_t, 17> count{}, next{};
  for (uint8_t length : lengths)
    ++count[length];
  count[0] = 0;
  for (unsigned bits = 1; bits <= 16; ++bits)
    next[bits] = (next[bits - 1] + count[bits - 1]) << 1;
  std::vector<uint32_t> codes(lengths.size());
  for (size_t s = 0; s < lengths.size(); ++s) {
    if (lengths[s] != 0) codes[s] = next[lengths[s]]++;
  }
  return codes;
}

// The header of a dynamic block whose code-length code gives each of the symbols 0 to 15
// a 4-bit code (symbol s is sent as s in four bits), followed by `litLen` and `distance`
// code lengths sent one symbol each.
void DynamicHeader(BitWriter& w, const std::vector<uint8_t>& litLen,
                   const std::vector<uint8_t>& distance) {
  w.Bits(static_cast<uint32_t>(litLen.size() - 257), 5);  // HLIT
  w.Bits(static_cast<uint32_t>(distance.size() - 1), 5);  // HDIST
  w.Bits(19 - 4, 4);                                      // HCLEN: all 19 follow
  const unsigned order[19] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};
  for (unsigned symbol : order)
    w.Bits(symbol < 16 ? 4 : 0, 3);  // code-length code lengths
  for (uint8_t length : litLen)
    w.Code(length, 4);
  for (uint8_t length : distance)
    w.Code(length, 4);
}

// Literal/length lengths: 'a' and 'b' 2 bits, end-of-block 2 bits, length symbol 257 2 bits.
std::vector<uint8_t> SmallLitLen() {
  std::vector<uint8_t> lengths(258, 0);
  lengths['a'] = lengths['b'] = lengths[kEndOfBlock] = lengths[257] = 2;
  return lengths;
}

void SendSymbol(BitWriter& w, const std::vector<uint8_t>& lengths, unsigned symbol) {
  w.Code(CanonicalCodes(lengths)[symbol], lengths[symbol]);
}

TEST(InflateHostile, EmptyInputIsCorrupt) {
  EXPECT_EQ(Inflate(BitWriter()).status, Status::kCorruptData);
}

TEST(InflateHostile, ReservedBlockTypeKeepsEarlierBlocks) {
  BitWriter w;
  w.Bits(kNotFinal, 1).Bits(kStored, 2).AlignToByte();  // stored block header
  w.Bits(2, 16).Bits(0xFFFD, 16);                       // LEN 2, NLEN
  w.Byte('o').Byte('k');                                // the stored bytes
  w.Bits(kFinal, 1).Bits(kReserved, 2);                 // block type 3
  const Decoded d = Inflate(w);
  EXPECT_EQ(d.status, Status::kCorruptData);
  EXPECT_EQ(d.text, "ok");
}

TEST(InflateHostile, StoredBlockIsCopiedEvenWhenNlenDisagrees) {
  BitWriter w;
  w.Bits(kFinal, 1).Bits(kStored, 2).AlignToByte();
  w.Bits(3, 16).Bits(0x1234, 16);  // LEN 3, NLEN not its complement
  w.Byte('a').Byte('b').Byte('c');
  const Decoded d = Inflate(w);
  EXPECT_EQ(d.status, Status::kOk);
  EXPECT_EQ(d.text, "abc");
}

TEST(InflateHostile, StoredBlockPastTheInputCopiesNothing) {
  BitWriter w;
  w.Bits(kNotFinal, 1).Bits(kFixed, 2);         // fixed block
  w.FixedLitLen('x').FixedLitLen(kEndOfBlock);  // "x"
  w.Bits(kFinal, 1).Bits(kStored, 2).AlignToByte();
  w.Bits(10, 16).Bits(0xFFF5, 16);  // LEN 10 ...
  w.Byte('a').Byte('b').Byte('c');  // ... but only 3 bytes follow
  const Decoded d = Inflate(w);
  EXPECT_EQ(d.status, Status::kCorruptData);
  EXPECT_EQ(d.text, "x");
}

TEST(InflateHostile, StoredBlockPastTheOutputCopiesNothing) {
  BitWriter w;
  w.Bits(kFinal, 1).Bits(kStored, 2).AlignToByte();
  w.Bits(3, 16).Bits(0xFFFC, 16).Byte('a').Byte('b').Byte('c');
  const Decoded d = Inflate(w, 2);
  EXPECT_EQ(d.status, Status::kOutputTooSmall);
  EXPECT_EQ(d.text, "");
}

TEST(InflateHostile, DistanceBeforeTheStartIsCorrupt) {
  BitWriter w;
  w.Bits(kFinal, 1).Bits(kFixed, 2);
  w.FixedLitLen('a');                   // one byte produced
  w.FixedLitLen(257).FixedDistance(1);  // length 3, distance 2: reaches before the start
  w.FixedLitLen(kEndOfBlock);
  const Decoded d = Inflate(w);
  EXPECT_EQ(d.status, Status::kCorruptData);
  EXPECT_EQ(d.text, "a");
}

TEST(InflateHostile, SymbolsOutsideTheAlphabetsAreCorrupt) {
  for (unsigned litLen : {286u, 287u}) {
    BitWriter w;
    w.Bits(kFinal, 1).Bits(kFixed, 2).FixedLitLen('a').FixedLitLen(litLen);
    EXPECT_EQ(Inflate(w).status, Status::kCorruptData) << litLen;
  }
  for (unsigned distance : {30u, 31u}) {
    BitWriter w;
    w.Bits(kFinal, 1).Bits(kFixed, 2).FixedLitLen('a').FixedLitLen(257);
    w.FixedDistance(distance).FixedLitLen(kEndOfBlock);
    EXPECT_EQ(Inflate(w).status, Status::kCorruptData) << distance;
  }
}

TEST(InflateHostile, LongestLengthBothWays) {
  // Symbol 285 is length 258; symbol 284 with extra bits 31 reaches 258 as well.
  BitWriter w;
  w.Bits(kFinal, 1).Bits(kFixed, 2).FixedLitLen('z');
  w.FixedLitLen(285).FixedDistance(0);              // 258 x 'z'
  w.FixedLitLen(284).Bits(31, 5).FixedDistance(0);  // 227 + 31 = 258 x 'z'
  w.FixedLitLen(kEndOfBlock);
  const Decoded d = Inflate(w);
  EXPECT_EQ(d.status, Status::kOk);
  EXPECT_EQ(d.text, std::string(517, 'z'));
}

TEST(InflateHostile, TooManyCodesInTheDynamicHeader) {
  BitWriter tooManyLitLen;
  tooManyLitLen.Bits(kFinal, 1).Bits(kDynamic, 2);
  tooManyLitLen.Bits(30, 5).Bits(0, 5).Bits(0, 4);  // HLIT 287 codes: above 286
  EXPECT_EQ(Inflate(tooManyLitLen).status, Status::kCorruptData);
  BitWriter tooManyDistances;
  tooManyDistances.Bits(kFinal, 1).Bits(kDynamic, 2);
  tooManyDistances.Bits(0, 5).Bits(30, 5).Bits(0, 4);  // HDIST 31 codes: above 30
  EXPECT_EQ(Inflate(tooManyDistances).status, Status::kCorruptData);
}

TEST(InflateHostile, CodeLengthCodeMustBeComplete) {
  auto header = [](std::array<unsigned, 4> lengthsOf16_17_18_0) {
    BitWriter w;
    w.Bits(kFinal, 1).Bits(kDynamic, 2).Bits(0, 5).Bits(0, 5).Bits(0, 4);  // HCLEN 4
    for (unsigned length : lengthsOf16_17_18_0)
      w.Bits(length, 3);
    for (int i = 0; i < 20; ++i)
      w.Bits(0, 8);  // whatever follows
    return w;
  };
  EXPECT_EQ(Inflate(header({1, 1, 1, 0})).status, Status::kCorruptData);  // over-subscribed
  EXPECT_EQ(Inflate(header({0, 0, 0, 1})).status, Status::kCorruptData);  // incomplete
  EXPECT_EQ(Inflate(header({0, 0, 0, 0})).status, Status::kCorruptData);  // no codes at all
}

TEST(InflateHostile, OverSubscribedAndIncompleteLiteralCodes) {
  std::vector<uint8_t> over(258, 4);  // 258 four-bit codes; only 16 exist
  BitWriter overWriter;
  overWriter.Bits(kFinal, 1).Bits(kDynamic, 2);
  DynamicHeader(overWriter, over, {1});
  EXPECT_EQ(Inflate(overWriter).status, Status::kCorruptData);

  std::vector<uint8_t> incomplete(257, 0);
  incomplete['a'] = incomplete[kEndOfBlock] = 2;  // two of four two-bit codes used
  BitWriter incompleteWriter;
  incompleteWriter.Bits(kFinal, 1).Bits(kDynamic, 2);
  DynamicHeader(incompleteWriter, incomplete, {1});
  SendSymbol(incompleteWriter, incomplete, 'a');
  EXPECT_EQ(Inflate(incompleteWriter).status, Status::kCorruptData);
}

TEST(InflateHostile, SingleOneBitDistanceCodeIsAccepted) {
  const std::vector<uint8_t> litLen = SmallLitLen();
  BitWriter w;
  w.Bits(kFinal, 1).Bits(kDynamic, 2);
  DynamicHeader(w, litLen, {1});  // one distance code, one bit long: incomplete, allowed
  SendSymbol(w, litLen, 'a');
  SendSymbol(w, litLen, 257);  // length 3
  w.Code(0, 1);                // distance code 0: distance 1
  SendSymbol(w, litLen, kEndOfBlock);
  const Decoded d = Inflate(w);
  EXPECT_EQ(d.status, Status::kOk);
  EXPECT_EQ(d.text, "aaaa");
}

TEST(InflateHostile, NoDistanceCodesServeLiteralsOnly) {
  const std::vector<uint8_t> litLen = SmallLitLen();
  BitWriter literalsOnly;
  literalsOnly.Bits(kFinal, 1).Bits(kDynamic, 2);
  DynamicHeader(literalsOnly, litLen, {0});  // the one distance length is 0: no codes
  SendSymbol(literalsOnly, litLen, 'b');
  SendSymbol(literalsOnly, litLen, kEndOfBlock);
  EXPECT_EQ(Inflate(literalsOnly).status, Status::kOk);

  BitWriter withMatch;
  withMatch.Bits(kFinal, 1).Bits(kDynamic, 2);
  DynamicHeader(withMatch, litLen, {0});
  SendSymbol(withMatch, litLen, 'b');
  SendSymbol(withMatch, litLen, 257);  // a match, but no distance code exists
  withMatch.Code(0, 4);
  const Decoded d = Inflate(withMatch);
  EXPECT_EQ(d.status, Status::kCorruptData);
  EXPECT_EQ(d.text, "b");
}

TEST(InflateHostile, MissingEndOfBlockCode) {
  std::vector<uint8_t> litLen(257, 0);
  litLen['a'] = litLen['b'] = 1;  // complete, but symbol 256 has no code
  BitWriter w;
  w.Bits(kFinal, 1).Bits(kDynamic, 2);
  DynamicHeader(w, litLen, {1});
  EXPECT_EQ(Inflate(w).status, Status::kCorruptData);
}

TEST(InflateHostile, BadRepeatsInTheCodeLengths) {
  // Code-length code: symbols 16 and 18 one bit each is complete by itself; 16 first has
  // nothing to repeat, and 18 repeated runs past HLIT + HDIST lengths.
  auto stream = [](unsigned firstSymbolCode, unsigned repeats) {
    BitWriter w;
    w.Bits(kFinal, 1).Bits(kDynamic, 2).Bits(0, 5).Bits(0, 5).Bits(0, 4);  // 257, 1, 4
    w.Bits(1, 3).Bits(0, 3).Bits(1, 3).Bits(0, 3);  // lengths of 16, 17, 18, 0
    for (unsigned i = 0; i < repeats; ++i) {
      w.Code(firstSymbolCode, 1);
      w.Bits(127, firstSymbolCode == 0 ? 2 : 7);  // extra bits: longest repeat
    }
    return w;
  };
  EXPECT_EQ(Inflate(stream(0, 1)).status, Status::kCorruptData);  // 16 with no previous length
  EXPECT_EQ(Inflate(stream(1, 3)).status, Status::kCorruptData);  // 3 x 138 zeros > 258
}

TEST(InflateHostile, ZeroBitsPastTheEndAreNotData) {
  // Seven zero bits are the fixed end-of-block code, so a block cut right after its
  // literals would "end" on bits that are not there: that is truncation, not an end.
  BitWriter w;
  w.Bits(kFinal, 1).Bits(kFixed, 2).FixedLitLen('a').FixedLitLen('b');
  const Decoded d = Inflate(w);
  EXPECT_EQ(d.status, Status::kCorruptData);
  EXPECT_EQ(d.text, "ab");
}

TEST(InflateHostile, EndlessEmptyBlocksStopAtTheEndOfInput) {
  BitWriter w;
  for (int i = 0; i < 1000; ++i) {
    w.Bits(kNotFinal, 1).Bits(kStored, 2).AlignToByte().Bits(0, 16).Bits(0xFFFF, 16);
  }
  EXPECT_EQ(Inflate(w).status, Status::kCorruptData);
}

TEST(InflateHostile, MatchIsCutAtTheEndOfTheBuffer) {
  BitWriter w;
  w.Bits(kFinal, 1).Bits(kFixed, 2).FixedLitLen('q');
  w.FixedLitLen(264).FixedDistance(0);  // length 10, distance 1
  w.FixedLitLen(kEndOfBlock);
  const Decoded d = Inflate(w, 4);
  EXPECT_EQ(d.status, Status::kOutputTooSmall);
  EXPECT_EQ(d.text, "qqqq");
  EXPECT_EQ(Inflate(w, 11).status, Status::kOk);  // exactly enough room
}

}  // namespace
}  // namespace wayband::imaging::png
