// Canonical Huffman decoding tables for inflate.
//
// A table is indexed by the next `mainBits` bits of the stream (least significant bit
// first, as DEFLATE sends codes). A code no longer than mainBits fills every slot whose
// low bits equal it; a longer code lives in a subtable placed after the main table, which
// the main slot for the code's first mainBits bits points to. Slots that no code reaches
// (an incomplete code) hold kInvalid entries, so decoding them is detected.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "imaging/png/bit_reader.h"
#include "imaging/png/status.h"

namespace wayband::imaging::png {

// What a table entry stands for. Values 0 to kMaxExtraBits are a length or distance base
// followed by that many extra bits.
enum HuffmanKind : uint8_t {
  kMaxExtraBits = 13,
  kLiteral = 32,     // a literal byte, or a plain symbol of the code-length alphabet
  kEndOfBlock = 33,  // symbol 256
  kSubtable = 34,    // value = subtable start, length = subtable index bits
  kInvalid = 35,     // no code, or a symbol DEFLATE does not allow in a stream
};

struct HuffmanEntry {
  uint16_t value = 0;
  uint8_t length = 0;  // code length to consume (subtable entries: index bits)
  uint8_t kind = kInvalid;
};
static_assert(sizeof(HuffmanEntry) == 4);

// The meaning of one symbol of an alphabet, copied into every entry of its code.
struct HuffmanSymbol {
  uint16_t value = 0;
  uint8_t kind = kInvalid;
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
// any valid code of the alphabet (see the capacities in inflate.cpp); kCorruptData if not.
Status BuildHuffmanTable(std::span<const uint8_t> lengths, std::span<const HuffmanSymbol> symbols,
                         unsigned mainBits, IncompleteCode rule, std::span<HuffmanEntry> table);

// The entry of the next symbol, without consuming its code. The reader must hold at least
// kMaxCodeLength valid bits.
template <unsigned kMainBits>
inline HuffmanEntry LookUpSymbol(const HuffmanEntry* table, const BitReader& in) {
  const HuffmanEntry entry = table[in.Peek(kMainBits)];
  if (entry.kind != kSubtable) return entry;
  const uint64_t mask = (uint64_t{1} << entry.length) - 1;
  return table[entry.value + ((in.Buffered() >> kMainBits) & mask)];
}

// Decodes one symbol and consumes its code.
template <unsigned kMainBits>
inline HuffmanEntry DecodeSymbol(const HuffmanEntry* table, BitReader& in) {
  const HuffmanEntry entry = LookUpSymbol<kMainBits>(table, in);
  in.Consume(entry.length);
  return entry;
}

}  // namespace wayband::imaging::png
