// Canonical Huffman decoding tables for inflate.
//
// A table is indexed by the next `mainBits` bits of the stream (least significant bit
// first, as DEFLATE sends codes). A code no longer than mainBits fills every slot whose
// low bits equal it; a longer code lives in a subtable placed after the main table, which
// the main slot for the code's first mainBits bits points to. Slots that no code reaches
// (an incomplete code) hold invalid entries, so decoding them is detected.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "imaging/png/bit_reader.h"
#include "imaging/png/status.h"

namespace wayband::imaging::png {

// One slot of a table, packed into 32 bits so that the decode loop keeps it in one
// register and consumes a symbol's code together with its extra bits in one shift:
//
//   bits 0-7    bits to consume: the code (in a subtable: the rest of it after the main
//               bits) plus the extra bits of a length or distance symbol; for a subtable
//               pointer, the main-table bits
//   bits 8-11   how many of those are code bits, so where the extra bits start; for a
//               subtable pointer, the subtable's index bits
//   bits 12-15  flags: literal, exceptional (end of block, subtable pointer or no symbol),
//               subtable pointer, end of block
//   bits 16-31  the value: a literal byte or plain symbol, a length or distance base, or
//               a subtable's start
class HuffmanEntry {
 public:
  static constexpr uint32_t kLiteral = 1u << 12;
  static constexpr uint32_t kExceptional = 1u << 13;
  static constexpr uint32_t kSubtable = 1u << 14;
  static constexpr uint32_t kEndOfBlock = 1u << 15;

  constexpr HuffmanEntry() = default;  // no symbol: decoding it is corrupt data
  static constexpr HuffmanEntry Make(uint32_t value, unsigned codeBits, unsigned extraBits,
                                     uint32_t flags) {
    return HuffmanEntry(value << 16 | flags | codeBits << 8 | (codeBits + extraBits));
  }
  static constexpr HuffmanEntry Subtable(uint32_t start, unsigned mainBits, unsigned indexBits) {
    return HuffmanEntry(start << 16 | kExceptional | kSubtable | indexBits << 8 | mainBits);
  }

  // The bits to consume, ready for a shift: the low byte, which is never above 63.
  uint8_t BitsToConsume() const { return static_cast<uint8_t>(packed_); }
  unsigned CodeBits() const { return (packed_ >> 8) & 0xF; }
  uint32_t Value() const { return packed_ >> 16; }
  bool IsLiteral() const { return (packed_ & kLiteral) != 0; }
  bool IsExceptional() const { return (packed_ & kExceptional) != 0; }
  bool IsSubtable() const { return (packed_ & kSubtable) != 0; }
  bool IsEndOfBlock() const { return (packed_ & kEndOfBlock) != 0; }

  // The symbol's value plus its extra bits, read from the buffer as it was before the
  // entry was consumed.
  uint32_t ValuePlusExtra(uint64_t bitsBefore) const {
    const uint64_t withExtra = bitsBefore & ((uint64_t{1} << BitsToConsume()) - 1);
    return Value() + static_cast<uint32_t>(withExtra >> CodeBits());
  }

 private:
  explicit constexpr HuffmanEntry(uint32_t packed) : packed_(packed) {}
  uint32_t packed_ = kExceptional;
};
static_assert(sizeof(HuffmanEntry) == 4);

// The meaning of one symbol of an alphabet, copied into every entry of its code.
struct HuffmanSymbol {
  uint16_t value = 0;
  uint8_t extraBits = 0;
  uint8_t flags = HuffmanEntry::kExceptional >> 8;  // no symbol DEFLATE allows in a stream
  static constexpr HuffmanSymbol Literal(uint16_t value) {
    return {value, 0, HuffmanEntry::kLiteral >> 8};
  }
  static constexpr HuffmanSymbol EndOfBlock() {
    return {0, 0, (HuffmanEntry::kExceptional | HuffmanEntry::kEndOfBlock) >> 8};
  }
  static constexpr HuffmanSymbol Base(uint16_t base, uint8_t extraBits) {
    return {base, extraBits, 0};
  }
};

enum class IncompleteCode {
  kReject,             // the code must be complete (the code-length code)
  kAllowSingleOneBit,  // a lone one-bit code is accepted (literal/length and distance)
};

inline constexpr unsigned kMaxCodeLength = 15;

// Builds the table for the code lengths of an alphabet (0 = symbol unused) into `table`,
// whose first 2^mainBits entries are the main table. Over-subscribed lengths are corrupt
// data; incomplete ones are corrupt unless `rule` allows the single one-bit code. All
// lengths 0 give a table of invalid entries. The table must have room for the subtables of
// any valid code of the alphabet (see the capacities in inflate.h); kCorruptData if not.
Status BuildHuffmanTable(std::span<const uint8_t> lengths, std::span<const HuffmanSymbol> symbols,
                         unsigned mainBits, IncompleteCode rule, std::span<HuffmanEntry> table);

static_assert(sizeof(HuffmanEntry) == size_t{1} << BitBuffer::kPadding,
              "a masked bit buffer is the byte offset of a slot");

// The entry of the next symbol's main-table slot, without consuming anything.
template <unsigned kMainBits>
inline HuffmanEntry LookUpMain(const HuffmanEntry* table, const BitBuffer& in) {
  const auto* bytes = reinterpret_cast<const std::byte*>(table);
  return *reinterpret_cast<const HuffmanEntry*>(bytes + in.SlotOffset(kMainBits));
}

// The main-table slot after `entry`'s code and extra bits, without consuming anything.
template <unsigned kMainBits>
inline HuffmanEntry SlotAfter(const HuffmanEntry* table, HuffmanEntry entry, BitBuffer in) {
  in.Consume(entry.BitsToConsume());
  return LookUpMain<kMainBits>(table, in);
}

// Follows a subtable pointer: consumes the main-table bits and returns the subtable's
// entry for the bits after them.
inline HuffmanEntry FollowSubtable(const HuffmanEntry* table, HuffmanEntry pointer, BitBuffer& in) {
  in.Consume(pointer.BitsToConsume());
  return table[pointer.Value() + in.Peek(pointer.CodeBits())];
}

// The entry of the next symbol, with a subtable's main bits already consumed and the rest
// of its code not yet. The reader must hold at least kMaxCodeLength valid bits.
template <unsigned kMainBits>
inline HuffmanEntry LookUpSymbol(const HuffmanEntry* table, BitBuffer& in) {
  const HuffmanEntry entry = LookUpMain<kMainBits>(table, in);
  return entry.IsSubtable() ? FollowSubtable(table, entry, in) : entry;
}

// Decodes one symbol, consuming its code and extra bits; returns its value plus extra.
// The reader must hold the code's and the extra bits' worth of valid bits.
inline uint32_t TakeSymbol(HuffmanEntry entry, BitBuffer& in) {
  const uint64_t before = in.Buffered();
  in.Consume(entry.BitsToConsume());
  return entry.ValuePlusExtra(before);
}

}  // namespace wayband::imaging::png
