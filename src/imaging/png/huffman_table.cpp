#include "imaging/png/huffman_table.h"

#include <algorithm>
#include <array>

namespace wayband::imaging::png {
namespace {

using LengthCounts = std::array<uint32_t, kMaxCodeLength + 1>;

// Canonical codes are counted up as plain numbers and bit-reversed into the order DEFLATE
// sends them in, a byte at a time: stepping the reversed code itself would chain each
// code's computation to the one before.
constexpr std::array<uint8_t, 256> kReversedBytes = [] {
  std::array<uint8_t, 256> reversed{};
  for (unsigned byte = 0; byte < 256; ++byte) {
    for (unsigned bit = 0; bit < 8; ++bit)
      reversed[byte] |= static_cast<uint8_t>(((byte >> bit) & 1) << (7 - bit));
  }
  return reversed;
}();

uint32_t ReversedCode(uint32_t code, unsigned length) {
  const uint32_t reversed16 =
      uint32_t{kReversedBytes[code & 0xFF]} << 8 | kReversedBytes[code >> 8];
  return reversed16 >> (16 - length);
}

// Kraft check: how many codes of the longest length are still free (0 for a complete
// code), or -1 when the lengths ask for more codes than exist (over-subscribed).
int64_t FreeCodes(const LengthCounts& counts) {
  int64_t left = 1;
  for (unsigned length = 1; length <= kMaxCodeLength; ++length) {
    left = left * 2 - counts[length];
    if (left < 0) return -1;
  }
  return left;
}

// Index bits of a subtable that starts with a code of `length`: enough for every code of
// that length or longer not yet placed that shares its first mainBits bits.
unsigned SubtableBits(const LengthCounts& remaining, unsigned length, unsigned mainBits,
                      unsigned maxLength) {
  unsigned bits = length - mainBits;
  int64_t left = int64_t{1} << bits;
  while (bits + mainBits < maxLength) {
    left -= remaining[bits + mainBits];
    if (left <= 0) break;
    ++bits;
    left <<= 1;
  }
  return bits;
}

// Writes `entry` into every slot of a table of 2^tableBits slots whose low `codeBits`
// bits equal `index`.
void Replicate(HuffmanEntry* table, unsigned tableBits, uint32_t index, unsigned codeBits,
               HuffmanEntry entry) {
  const uint32_t size = uint32_t{1} << tableBits;
  for (uint32_t i = index; i < size; i += uint32_t{1} << codeBits)
    table[i] = entry;
}

// Main-table codes are placed while the table grows: while the codes of some length are
// placed, only the first 2^length slots are in use, and each code takes exactly one of
// them. Before the codes of a longer length, the slots in use are copied after themselves,
// which repeats every shorter code at the slots its extensions fall on. A slot that no
// code of the lengths so far covers is the prefix of a longer code, which overwrites it
// and its copies in turn.
void GrowMainTable(HuffmanEntry* table, unsigned& usedBits, unsigned bits) {
  for (; usedBits < bits; ++usedBits) {
    const size_t used = size_t{1} << usedBits;
    std::copy_n(table, used, table + used);
  }
}

HuffmanEntry MakeEntry(HuffmanSymbol meaning, unsigned codeBits) {
  return HuffmanEntry::Make(meaning.value, codeBits, meaning.extraBits,
                            uint32_t{meaning.flags} << 8);
}

// Counting and sorting go through the alphabet in lanes, each a quarter of it with counts
// of its own, so that in a run of equal lengths each step does not wait for the store of
// the step before.
constexpr size_t kLanes = 4;
constexpr size_t kMaxAlphabet = 320;
constexpr size_t kLaneCapacity = (kMaxAlphabet + kLanes - 1) / kLanes;
using LaneLengths = std::array<uint8_t, kLanes * kLaneCapacity>;
using LaneCounts = std::array<LengthCounts, kLanes>;
using SortedSymbols = std::array<uint16_t, kLanes * kLaneCapacity>;

LaneCounts CountLengths(const LaneLengths& lengths, size_t laneSize) {
  LaneCounts counts{};
  for (size_t i = 0; i < laneSize; ++i) {
    for (size_t lane = 0; lane < kLanes; ++lane)
      ++counts[lane][lengths[lane * laneSize + i]];
  }
  return counts;
}

// The symbols of each length in symbol order, the lengths one after the other from the
// shortest; unused symbols (length 0) follow all of them.
void SortCanonically(const LaneLengths& lengths, size_t laneSize, const LaneCounts& counts,
                     SortedSymbols& sorted) {
  LaneCounts next;
  uint32_t start = 0;
  for (unsigned length = 1; length <= kMaxCodeLength + 1; ++length) {
    const unsigned group = length % (kMaxCodeLength + 1);
    for (size_t lane = 0; lane < kLanes; ++lane) {
      next[lane][group] = start;
      start += counts[lane][group];
    }
  }
  for (size_t i = 0; i < laneSize; ++i) {
    for (size_t lane = 0; lane < kLanes; ++lane) {
      const size_t symbol = lane * laneSize + i;
      sorted[next[lane][lengths[symbol]]++] = static_cast<uint16_t>(symbol);
    }
  }
}

}  // namespace

Status BuildHuffmanTable(std::span<const uint8_t> lengths, std::span<const HuffmanSymbol> symbols,
                         unsigned mainBits, IncompleteCode rule, std::span<HuffmanEntry> table) {
  const size_t mainSize = size_t{1} << mainBits;
  if (table.size() < mainSize || symbols.size() < lengths.size() || lengths.size() > kMaxAlphabet) {
    return Status::kCorruptData;
  }
  const unsigned maxLength = lengths.empty() ? 0 : *std::ranges::max_element(lengths);
  if (maxLength > kMaxCodeLength) return Status::kCorruptData;
  LaneLengths laneLengths{};  // the padding after the alphabet reads as unused symbols
  std::ranges::copy(lengths, laneLengths.begin());
  const size_t laneSize = (lengths.size() + kLanes - 1) / kLanes;
  const LaneCounts laneCounts = CountLengths(laneLengths, laneSize);
  LengthCounts counts{};
  for (unsigned length = 1; length <= kMaxCodeLength; ++length) {
    for (const LengthCounts& lane : laneCounts)
      counts[length] += lane[length];
  }
  const int64_t freeCodes = FreeCodes(counts);
  if (freeCodes < 0) return Status::kCorruptData;
  // A complete code writes every slot of the main table and of each subtable; only an
  // incomplete one leaves slots that must read as no symbol.
  const bool complete = freeCodes == 0;
  if (!complete) std::fill_n(table.begin(), mainSize, HuffmanEntry{});
  if (maxLength == 0) return Status::kOk;
  if (!complete && !(rule == IncompleteCode::kAllowSingleOneBit && maxLength == 1)) {
    return Status::kCorruptData;
  }
  SortedSymbols sorted;
  SortCanonically(laneLengths, laneSize, laneCounts, sorted);

  LengthCounts remaining = counts;
  size_t nextSubtable = mainSize;
  uint32_t subtablePrefix = UINT32_MAX;
  size_t subtableStart = 0;
  unsigned subtableBits = 0;
  unsigned usedBits = 1;
  uint32_t code = 0;  // the canonical code of sorted[i]
  size_t i = 0;
  for (unsigned length = 1; length <= maxLength; ++length, code <<= 1) {
    const size_t groupEnd = i + counts[length];
    if (length <= mainBits) {
      GrowMainTable(table.data(), usedBits, length);
      for (; i < groupEnd; ++i, ++code)
        table[ReversedCode(code, length)] = MakeEntry(symbols[sorted[i]], length);
      continue;
    }
    GrowMainTable(table.data(), usedBits, mainBits);
    for (; i < groupEnd; ++i, ++code) {
      const uint32_t reversed = ReversedCode(code, length);
      const uint32_t prefix = reversed & static_cast<uint32_t>(mainSize - 1);
      if (prefix != subtablePrefix) {
        subtableBits = SubtableBits(remaining, length, mainBits, maxLength);
        const size_t size = size_t{1} << subtableBits;
        if (nextSubtable + size > table.size()) return Status::kCorruptData;
        if (!complete) {
          std::fill_n(table.begin() + static_cast<ptrdiff_t>(nextSubtable), size, HuffmanEntry{});
        }
        table[prefix] =
            HuffmanEntry::Subtable(static_cast<uint32_t>(nextSubtable), mainBits, subtableBits);
        subtablePrefix = prefix;
        subtableStart = nextSubtable;
        nextSubtable += size;
      }
      --remaining[length];
      Replicate(table.data() + subtableStart, subtableBits, reversed >> mainBits, length - mainBits,
                MakeEntry(symbols[sorted[i]], length - mainBits));
    }
  }
  GrowMainTable(table.data(), usedBits, mainBits);
  return Status::kOk;
}

}  // namespace wayband::imaging::png
