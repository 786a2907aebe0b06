#include "imaging/png/huffman_table.h"

#include <algorithm>
#include <array>
#include <bit>

namespace wayband::imaging::png {
namespace {

using LengthCounts = std::array<uint32_t, kMaxCodeLength + 1>;

// The canonical code after `reversed`, a code of `length` bits, both bit-reversed as
// DEFLATE sends them: adding one to a code carries from its last bit towards its first,
// so the reversed code carries from bit length-1 down. The next code may be longer; the
// bits it gains come last, which leaves the reversed value as it is. `reversed` must not
// be the last code of its length (all ones).
uint32_t NextReversedCode(uint32_t reversed, unsigned length) {
  const uint32_t highestZero = uint32_t{1} << (std::bit_width(reversed ^ ((1u << length) - 1)) - 1);
  return (reversed & (highestZero - 1)) | highestZero;
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

}  // namespace

Status BuildHuffmanTable(std::span<const uint8_t> lengths, std::span<const HuffmanSymbol> symbols,
                         unsigned mainBits, IncompleteCode rule, std::span<HuffmanEntry> table) {
  const size_t mainSize = size_t{1} << mainBits;
  if (table.size() < mainSize || symbols.size() < lengths.size()) return Status::kCorruptData;
  // Counted into interleaved partial counts, so that a run of equal lengths does not make
  // each count wait for the one before it.
  constexpr size_t kPartialCounts = 4;
  std::array<LengthCounts, kPartialCounts> partial{};
  unsigned maxLength = 0;
  for (size_t symbol = 0; symbol < lengths.size(); ++symbol) {
    const unsigned length = lengths[symbol];
    if (length > kMaxCodeLength) return Status::kCorruptData;
    ++partial[symbol % kPartialCounts][length];
    maxLength = std::max(maxLength, length);
  }
  LengthCounts counts{};
  for (unsigned length = 1; length <= kMaxCodeLength; ++length) {
    for (const LengthCounts& part : partial)
      counts[length] += part[length];
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

  // Symbols in canonical order: by code length, then by symbol number.
  std::array<uint32_t, kMaxCodeLength + 2> offsets{};
  for (unsigned length = 1; length <= kMaxCodeLength; ++length) {
    offsets[length + 1] = offsets[length] + counts[length];
  }
  std::array<uint16_t, 320> sorted{};
  if (lengths.size() > sorted.size()) return Status::kCorruptData;
  for (size_t symbol = 0; symbol < lengths.size(); ++symbol) {
    if (lengths[symbol] != 0) sorted[offsets[lengths[symbol]]++] = static_cast<uint16_t>(symbol);
  }
  const uint32_t codeCount = offsets[kMaxCodeLength];  // offsets now mark the group ends

  LengthCounts remaining = counts;
  uint32_t reversed = 0;
  size_t nextSubtable = mainSize;
  uint32_t subtablePrefix = UINT32_MAX;
  size_t subtableStart = 0;
  unsigned subtableBits = 0;
  unsigned usedBits = lengths[sorted[0]];
  for (uint32_t i = 0; i < codeCount; ++i) {
    const uint16_t symbol = sorted[i];
    const unsigned length = lengths[symbol];
    const HuffmanSymbol meaning = symbols[symbol];
    const uint32_t flags = uint32_t{meaning.flags} << 8;
    if (length <= mainBits) {
      GrowMainTable(table.data(), usedBits, length);
      table[reversed] = HuffmanEntry::Make(meaning.value, length, meaning.extraBits, flags);
    } else {
      GrowMainTable(table.data(), usedBits, mainBits);
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
      const unsigned rest = length - mainBits;
      const auto entry = HuffmanEntry::Make(meaning.value, rest, meaning.extraBits, flags);
      Replicate(table.data() + subtableStart, subtableBits, reversed >> mainBits, rest, entry);
    }
    if (i + 1 < codeCount) reversed = NextReversedCode(reversed, length);
  }
  GrowMainTable(table.data(), usedBits, mainBits);
  return Status::kOk;
}

}  // namespace wayband::imaging::png
