// Block structure and symbol alphabets follow RFC 1951 section 3.2.
#include "imaging/png/inflate.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "imaging/png/bit_reader.h"

namespace wayband::imaging::png {
namespace {

constexpr unsigned kLitLenSymbols = 288;  // 286 and 287 take part in codes, never in data
constexpr unsigned kMaxLitLenCodes = 286;
constexpr unsigned kDistanceSymbols = 32;  // 30 and 31 likewise
constexpr unsigned kMaxDistanceCodes = 30;
constexpr unsigned kCodeLengthSymbols = 19;
constexpr uint16_t kEndOfBlockSymbol = 256;

constexpr std::array<uint16_t, 29> kLengthBase = {3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                                  15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                                  67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<uint8_t, 29> kLengthExtraBits = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                      2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<uint16_t, 30> kDistanceBase = {
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<uint8_t, 30> kDistanceExtraBits = {0, 0, 0,  0,  1,  1,  2,  2,  3,  3,
                                                        4, 4, 5,  5,  6,  6,  7,  7,  8,  8,
                                                        9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
// The order in which a dynamic block sends the code lengths of the code-length alphabet.
constexpr std::array<uint8_t, kCodeLengthSymbols> kCodeLengthOrder = {
    16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};

constexpr std::array<HuffmanSymbol, kLitLenSymbols> MakeLitLenSymbols() {
  std::array<HuffmanSymbol, kLitLenSymbols> symbols{};
  for (uint16_t i = 0; i < kEndOfBlockSymbol; ++i)
    symbols[i] = HuffmanSymbol::Literal(i);
  symbols[kEndOfBlockSymbol] = HuffmanSymbol::EndOfBlock();
  for (size_t i = 0; i < kLengthBase.size(); ++i) {
    symbols[kEndOfBlockSymbol + 1 + i] = HuffmanSymbol::Base(kLengthBase[i], kLengthExtraBits[i]);
  }
  return symbols;  // 286 and 287 stay invalid
}

constexpr std::array<HuffmanSymbol, kDistanceSymbols> MakeDistanceSymbols() {
  std::array<HuffmanSymbol, kDistanceSymbols> symbols{};
  for (size_t i = 0; i < kDistanceBase.size(); ++i) {
    symbols[i] = HuffmanSymbol::Base(kDistanceBase[i], kDistanceExtraBits[i]);
  }
  return symbols;  // 30 and 31 stay invalid
}

constexpr std::array<HuffmanSymbol, kCodeLengthSymbols> MakeCodeLengthSymbols() {
  std::array<HuffmanSymbol, kCodeLengthSymbols> symbols{};
  for (uint16_t i = 0; i < kCodeLengthSymbols; ++i)
    symbols[i] = HuffmanSymbol::Literal(i);
  return symbols;
}

constexpr auto kLitLenMeaning = MakeLitLenSymbols();
constexpr auto kDistanceMeaning = MakeDistanceSymbols();
constexpr auto kCodeLengthMeaning = MakeCodeLengthSymbols();

// The output of one step: everything from `begin` to `pos` has been produced. `end` is
// either the end of the caller's window or, when the rest of the output capacity is
// nearer (`atCapacity`), the end of the whole output. Running into a window end pauses
// decoding; running into the capacity ends it with kOutputTooSmall.
struct Output {
  uint8_t* begin;
  uint8_t* pos;
  uint8_t* end;
  bool atCapacity;
  uint8_t* stepStart;
  uint64_t capacityAtStepStart;
  size_t Room() const { return static_cast<size_t>(end - pos); }
  size_t Produced() const { return static_cast<size_t>(pos - begin); }
  uint64_t CapacityLeft() const {
    return capacityAtStepStart - static_cast<uint64_t>(pos - stepStart);
  }
  // True when a full output only means the window is full: decoding resumes later.
  bool Paused() const { return pos == end && !atCapacity; }
};

// A match cut off by the end of a window, finished at the start of the next step.
struct PendingMatch {
  size_t& left;
  size_t& distance;
};

constexpr size_t kMaxMatchLength = 258;
constexpr size_t kWordBytes = 8;
// Match copies in the fast loop store whole 8-byte words, the first two of them whatever
// the length, so a copy may write up to two words past the match.
constexpr size_t kCopyOvershoot = 2 * kWordBytes;

inline void CopyWord(uint8_t* dst, const uint8_t* src) {
  uint64_t word;
  std::memcpy(&word, src, kWordBytes);
  std::memcpy(dst, &word, kWordBytes);
}

// Copies a match of `length` bytes from `distance` bytes back, one word at a time; needs
// kCopyOvershoot bytes of room past the match.
inline void CopyMatchFast(uint8_t* dst, size_t distance, size_t length) {
  uint8_t* const stop = dst + length;
  const uint8_t* src = dst - distance;
  if (distance >= kWordBytes) {
    // Every word read lies wholly before the word written. Most matches are short: the
    // first two words go without a test.
    CopyWord(dst, src);
    CopyWord(dst + kWordBytes, src + kWordBytes);
    for (dst += 2 * kWordBytes, src += 2 * kWordBytes; dst < stop;
         dst += kWordBytes, src += kWordBytes) {
      CopyWord(dst, src);
    }
  } else if (distance == 1) {
    const uint64_t pattern = dst[-1] * uint64_t{0x0101010101010101};
    for (; dst < stop; dst += kWordBytes)
      std::memcpy(dst, &pattern, kWordBytes);
  } else {
    // A word read `distance` back is right in its first `distance` bytes only, and the
    // next word, stored `distance` further on, overwrites the rest.
    for (; dst < stop; dst += distance, src += distance)
      CopyWord(dst, src);
  }
}

inline void CopyMatchExact(uint8_t* dst, size_t distance, size_t length) {
  const uint8_t* src = dst - distance;
  for (size_t i = 0; i < length; ++i)
    dst[i] = src[i];
}

// An exceptional entry other than a subtable pointer: the end of the block, or a code no
// symbol has.
Status EndOfBlockOrCorrupt(HuffmanEntry entry, BitReader& in) {
  in.Consume(entry.BitsToConsume());
  return entry.IsEndOfBlock() && !in.Overrun() ? Status::kOk : Status::kCorruptData;
}

// Decodes symbols while the input and the output are far from their ends, without bound
// checks: passes are counted out in batches that cannot reach either end, each pass
// refilling at most twice from a whole word of real input and writing at most two
// literals and a match, or three literals. Returns the block's outcome at its
// end-of-block code or at a fault, and nothing when it reaches the bounds first; the
// careful loop goes on from there.
//
// The loop works on copies of the bit buffer and the output position whose addresses
// never escape, and on nothing else, so that everything it touches stays in registers.
// Each pass starts with at least kRefillBits buffered bits and `entry`, the main-table
// slot of the first of them, already loaded: the next slot is looked up as soon as a
// symbol is consumed, before the refill and the store, so that the chain from one lookup
// to the next is only a shift and a load.
//
// With each literal/length slot, the distance slot after its code is loaded too, before
// the test of what the slot holds. That test mispredicts at nearly every end of a run of
// literals; the length code found there then has its distance slot loaded already.
[[gnu::noinline]] std::optional<Status> DecodeFast(BitReader& reader, Output& output,
                                                   const HuffmanEntry* litLen,
                                                   const HuffmanEntry* distances) {
  const uint8_t* const inputEnd = reader.InputEnd();
  const uint8_t* const begin = output.begin;
  uint8_t* const end = output.end;
  // How many passes are sure to stay within the bounds: a pass refills at most twice,
  // each refill moving at most 7 bytes on, and writes at most two literals and a match.
  constexpr size_t kMaxPassInput = 2 * 7;
  constexpr size_t kMaxPassOutput = 2 + kMaxMatchLength;
  const auto safePasses = [&](const BitBuffer& in, const uint8_t* pos) -> size_t {
    const ptrdiff_t inputLeft = inputEnd - in.Next() - static_cast<ptrdiff_t>(kWordBytes);
    const ptrdiff_t outputLeft = end - pos - static_cast<ptrdiff_t>(kCopyOvershoot);
    if (inputLeft < 0 || outputLeft < 0) return 0;
    return std::min(static_cast<size_t>(inputLeft) / kMaxPassInput,
                    static_cast<size_t>(outputLeft) / kMaxPassOutput);
  };
  if (safePasses(reader, output.pos) == 0) return std::nullopt;
  BitBuffer in = reader;
  uint8_t* pos = output.pos;
  const auto finish = [&](std::optional<Status> outcome) {
    static_cast<BitBuffer&>(reader) = in;
    output.pos = pos;
    return outcome;
  };

  in.RefillFast();
  HuffmanEntry entry = LookUpMain<kLitLenMainBits>(litLen, in);
  for (size_t passes = safePasses(in, pos); passes > 0; passes = safePasses(in, pos)) {
    for (; passes > 0; --passes) {
      HuffmanEntry distanceSlot = SlotAfter<kDistanceMainBits>(distances, entry, in);
      if (entry.IsExceptional()) {
        if (entry.IsSubtable()) entry = FollowSubtable(litLen, entry, in);
        if (entry.IsExceptional()) {
          in.Consume(entry.BitsToConsume());
          return finish(entry.IsEndOfBlock() ? Status::kOk : Status::kCorruptData);
        }
        distanceSlot = SlotAfter<kDistanceMainBits>(distances, entry, in);
      }
      if (entry.IsLiteral()) {
        // Literals come in runs, and three literal codes fit in one refill: the first may
        // have come through a subtable (15 bits), the two after it straight from main
        // slots (11 bits each), and the main-table bits of the slot after them make
        // 15 + 11 + 11 + 11 = 48 <= kRefillBits. Each test is a branch of its own,
        // predicted as one.
        const auto takeLiteral = [&] {
          in.Consume(entry.BitsToConsume());
          *pos++ = static_cast<uint8_t>(entry.Value());
          entry = LookUpMain<kLitLenMainBits>(litLen, in);
          distanceSlot = SlotAfter<kDistanceMainBits>(distances, entry, in);
        };
        takeLiteral();
        if (entry.IsLiteral()) {
          takeLiteral();
          if (entry.IsLiteral()) {
            takeLiteral();
            in.RefillFast();
            continue;
          }
        }
        // The run ended on the first or second slot after it. A length code there (11
        // bits and 5 extra at most from a main slot) is taken now, its distance slot
        // loaded from at least 54 - 15 - 11 = 28 >= 16 + 8 valid bits; a subtable or the
        // end of the block is left to the next pass.
        if (entry.IsExceptional()) {
          in.RefillFast();
          continue;
        }
      }
      // The length (at most 15 + 5 bits, or 15 + 11 + 11 + 5 = 42 after literals), then a
      // refill for the distance (at most 15 + 13 bits), which leaves at least
      // 54 - 28 = 26 bits for the next slot. The refill only adds bits above the valid
      // ones, so the distance slot loaded before it stays right.
      const size_t length = TakeSymbol(entry, in);
      in.RefillFast();
      HuffmanEntry distanceEntry = distanceSlot;
      if (distanceEntry.IsSubtable()) distanceEntry = FollowSubtable(distances, distanceEntry, in);
      if (distanceEntry.IsExceptional()) return finish(Status::kCorruptData);
      const size_t distance = TakeSymbol(distanceEntry, in);
      if (distance > static_cast<size_t>(pos - begin)) return finish(Status::kCorruptData);
      entry = LookUpMain<kLitLenMainBits>(litLen, in);
      in.RefillFast();
      CopyMatchFast(pos, distance, length);
      pos += length;
    }
  }
  return finish(std::nullopt);
}

// Decodes the symbols of one Huffman block up to its end-of-block code: the fast loop
// while input and output are far from their ends, then symbol by symbol, each checked for
// truncation and for room. A full window (Output::Paused) returns kOutputTooSmall before
// the next symbol is decoded, or with the rest of a match left in `pending`.
[[gnu::always_inline]] inline Status DecodeSymbols(BitReader& in, Output& out,
                                                   const HuffmanEntry* litLen,
                                                   const HuffmanEntry* distances,
                                                   PendingMatch pending) {
  if (pending.left > 0) {
    const size_t fits = std::min(pending.left, out.Room());
    CopyMatchExact(out.pos, pending.distance, fits);
    out.pos += fits;
    pending.left -= fits;
    if (pending.left > 0) return Status::kOutputTooSmall;
  }
  if (const std::optional<Status> end = DecodeFast(in, out, litLen, distances)) return *end;
  for (;;) {
    if (out.Paused()) return Status::kOutputTooSmall;
    in.Refill();
    const HuffmanEntry entry = LookUpSymbol<kLitLenMainBits>(litLen, in);
    if (entry.IsExceptional()) return EndOfBlockOrCorrupt(entry, in);
    if (entry.IsLiteral()) {
      in.Consume(entry.BitsToConsume());
      if (in.Overrun()) return Status::kCorruptData;
      if (out.Room() == 0) return Status::kOutputTooSmall;
      *out.pos++ = static_cast<uint8_t>(entry.Value());
      continue;
    }
    const size_t length = TakeSymbol(entry, in);
    const HuffmanEntry distanceEntry = LookUpSymbol<kDistanceMainBits>(distances, in);
    if (distanceEntry.IsExceptional()) return Status::kCorruptData;
    const size_t distance = TakeSymbol(distanceEntry, in);
    if (in.Overrun() || distance > out.Produced()) return Status::kCorruptData;
    const size_t fits = std::min(length, out.Room());
    CopyMatchExact(out.pos, distance, fits);
    out.pos += fits;
    if (fits < length) {
      pending.left = length - fits;
      pending.distance = distance;
      return Status::kOutputTooSmall;
    }
  }
}

// DecodeSymbols on copies of the reader and the output position: every byte stored to
// the output could alias them, so working on the caller's objects would store and reload
// them around each byte; copies whose address never escapes stay in registers.
Status DecodeHuffmanBlock(BitReader& reader, Output& output, const HuffmanEntry* litLen,
                          const HuffmanEntry* distances, PendingMatch pending) {
  BitReader in = reader;
  Output out = output;
  const Status status = DecodeSymbols(in, out, litLen, distances, pending);
  reader = in;
  output = out;
  return status;
}

// Reads a stored block's header and steps the reader over its bytes, which `next` and
// `left` then describe for CopyStoredBytes.
Status StartStoredBlock(BitReader& in, uint64_t capacityLeft, const uint8_t*& next, size_t& left) {
  in.AlignToByte();
  in.Refill();
  const uint32_t length = in.Take(16);
  in.Consume(16);  // NLEN: not compared with LEN
  if (in.Overrun()) return Status::kCorruptData;
  const size_t position = in.ConsumedBytes();
  if (length > in.InputSize() - position) return Status::kCorruptData;
  if (length > capacityLeft) return Status::kOutputTooSmall;
  next = in.InputBegin() + position;
  left = length;
  in.SeekTo(position + length);
  return Status::kOk;
}

// Copies what the window takes of a stored block (the block fits in the capacity).
Status CopyStoredBytes(Output& out, const uint8_t*& next, size_t& left) {
  const size_t n = std::min(left, out.Room());
  if (n > 0) std::memcpy(out.pos, next, n);
  out.pos += n;
  next += n;
  left -= n;
  return left == 0 ? Status::kOk : Status::kOutputTooSmall;
}

// Reads the run-length coded code lengths of a dynamic block's two alphabets.
Status ReadCodeLengths(BitReader& in, const HuffmanEntry* codeLengthTable,
                       std::span<uint8_t> lengths) {
  constexpr uint16_t kCopyPrevious = 16, kShortZeroRun = 17;
  size_t i = 0;
  while (i < lengths.size()) {
    in.Refill();
    const HuffmanEntry entry = LookUpMain<kCodeLengthMainBits>(codeLengthTable, in);
    in.Consume(entry.BitsToConsume());
    if (!entry.IsLiteral() || in.Overrun()) return Status::kCorruptData;
    const uint32_t symbol = entry.Value();
    if (symbol < kCopyPrevious) {
      lengths[i++] = static_cast<uint8_t>(symbol);
      continue;
    }
    uint8_t fill = 0;
    size_t repeat = 0;
    if (symbol == kCopyPrevious) {
      if (i == 0) return Status::kCorruptData;
      fill = lengths[i - 1];
      repeat = 3 + in.Take(2);
    } else if (symbol == kShortZeroRun) {
      repeat = 3 + in.Take(3);
    } else {
      repeat = 11 + in.Take(7);
    }
    if (in.Overrun() || repeat > lengths.size() - i) return Status::kCorruptData;
    std::fill_n(lengths.begin() + static_cast<ptrdiff_t>(i), repeat, fill);
    i += repeat;
  }
  return Status::kOk;
}

Status ReadDynamicTables(BitReader& in, LitLenTable& litLen, DistanceTable& distances) {
  in.Refill();
  const unsigned litLenCount = in.Take(5) + 257;
  const unsigned distanceCount = in.Take(5) + 1;
  const unsigned codeLengthCount = in.Take(4) + 4;
  if (litLenCount > kMaxLitLenCodes || distanceCount > kMaxDistanceCodes) {
    return Status::kCorruptData;
  }
  std::array<uint8_t, kCodeLengthSymbols> codeLengthLengths{};
  for (unsigned i = 0; i < codeLengthCount; ++i) {
    in.Refill();
    codeLengthLengths[kCodeLengthOrder[i]] = static_cast<uint8_t>(in.Take(3));
  }
  if (in.Overrun()) return Status::kCorruptData;
  std::array<HuffmanEntry, kCodeLengthTableSize> codeLengthTable;
  WAYBAND_PNG_TRY(BuildHuffmanTable(codeLengthLengths, kCodeLengthMeaning, kCodeLengthMainBits,
                                    IncompleteCode::kReject, codeLengthTable));

  std::array<uint8_t, kMaxLitLenCodes + kMaxDistanceCodes> lengths{};
  const std::span<uint8_t> all(lengths.data(), litLenCount + distanceCount);
  WAYBAND_PNG_TRY(ReadCodeLengths(in, codeLengthTable.data(), all));
  if (lengths[kEndOfBlockSymbol] == 0) return Status::kCorruptData;
  WAYBAND_PNG_TRY(BuildHuffmanTable(all.first(litLenCount), kLitLenMeaning, kLitLenMainBits,
                                    IncompleteCode::kAllowSingleOneBit, litLen.entries));
  return BuildHuffmanTable(all.subspan(litLenCount), kDistanceMeaning, kDistanceMainBits,
                           IncompleteCode::kAllowSingleOneBit, distances.entries);
}

}  // namespace

Inflater::Inflater() {
  // The fixed code of RFC 1951 section 3.2.6.
  std::array<uint8_t, kLitLenSymbols> litLenLengths{};
  std::fill(litLenLengths.begin(), litLenLengths.begin() + 144, 8);
  std::fill(litLenLengths.begin() + 144, litLenLengths.begin() + 256, 9);
  std::fill(litLenLengths.begin() + 256, litLenLengths.begin() + 280, 7);
  std::fill(litLenLengths.begin() + 280, litLenLengths.end(), 8);
  std::array<uint8_t, kDistanceSymbols> distanceLengths{};
  distanceLengths.fill(5);
  // Both codes are complete and valid, so building them cannot fail.
  (void)BuildHuffmanTable(litLenLengths, kLitLenMeaning, kLitLenMainBits, IncompleteCode::kReject,
                          fixedLitLen_.entries);
  (void)BuildHuffmanTable(distanceLengths, kDistanceMeaning, kDistanceMainBits,
                          IncompleteCode::kReject, fixedDistance_.entries);
}

InflateResult Inflater::Inflate(std::span<const uint8_t> input, std::span<uint8_t> output) const {
  InflateState state(input, output.size());
  const size_t written = Step(state, output, 0);
  return InflateResult{state.Outcome(), written, state.ConsumedBytes()};
}

Status Inflater::StartBlock(InflateState& state, uint64_t capacityLeft) const {
  BitReader& in = state.in_;
  in.Refill();
  state.finalBlock_ = in.Take(1) != 0;
  const uint32_t blockType = in.Take(2);
  if (in.Overrun()) return Status::kCorruptData;
  using Phase = InflateState::Phase;
  switch (blockType) {
    case 0:
      state.phase_ = Phase::kStored;
      return StartStoredBlock(in, capacityLeft, state.storedNext_, state.storedLeft_);
    case 1:
      state.phase_ = Phase::kHuffman;
      state.litLen_ = fixedLitLen_.entries.data();
      state.distances_ = fixedDistance_.entries.data();
      return Status::kOk;
    case 2:
      state.phase_ = Phase::kHuffman;
      state.litLen_ = state.dynamicLitLen_.entries.data();
      state.distances_ = state.dynamicDistances_.entries.data();
      return ReadDynamicTables(in, state.dynamicLitLen_, state.dynamicDistances_);
    default:
      return Status::kCorruptData;  // block type 3 is reserved
  }
}

size_t Inflater::Step(InflateState& state, std::span<uint8_t> window, size_t produced) const {
  using Phase = InflateState::Phase;
  uint8_t* const pos = window.data() + produced;
  const uint64_t room = window.size() - produced;
  const bool atCapacity = state.capacityLeft_ <= room;
  Output out{window.data(), pos, atCapacity ? pos + state.capacityLeft_ : pos + room,
             atCapacity,    pos, state.capacityLeft_};
  while (state.phase_ != Phase::kDone) {
    const Phase running = state.phase_;
    Status status = Status::kOk;
    switch (running) {
      case Phase::kBlockHeader:
        status = StartBlock(state, out.CapacityLeft());
        break;
      case Phase::kStored:
        status = CopyStoredBytes(out, state.storedNext_, state.storedLeft_);
        break;
      case Phase::kHuffman:
        status = DecodeHuffmanBlock(state.in_, out, state.litLen_, state.distances_,
                                    PendingMatch{state.matchLeft_, state.matchDistance_});
        break;
      case Phase::kDone:
        break;
    }
    // A full window pauses a block's data; a stored block too long for the capacity, found
    // by its header, ends decoding whether or not the window is full.
    const bool paused = status == Status::kOutputTooSmall && running != Phase::kBlockHeader;
    if (paused && out.Paused()) break;  // resumes next step
    if (status != Status::kOk) {
      state.status_ = status;
      state.phase_ = Phase::kDone;
    } else if (running != Phase::kBlockHeader) {
      state.phase_ = state.finalBlock_ ? Phase::kDone : Phase::kBlockHeader;
    }
  }
  state.capacityLeft_ -= static_cast<uint64_t>(out.pos - pos);
  return out.Produced();
}

}  // namespace wayband::imaging::png
