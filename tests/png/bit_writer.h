// Builds DEFLATE streams bit by bit for the hostile-stream tests.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace wayband::imaging::png::testing {

class BitWriter {
 public:
  // A field of `count` bits, least significant bit first (how DEFLATE sends numbers).
  BitWriter& Bits(uint32_t value, unsigned count) {
    for (unsigned i = 0; i < count; ++i)
      PutBit((value >> i) & 1);
    return *this;
  }
  // A Huffman code of `length` bits, most significant bit first (how DEFLATE sends codes).
  BitWriter& Code(uint32_t code, unsigned length) {
    for (unsigned i = length; i-- > 0;)
      PutBit((code >> i) & 1);
    return *this;
  }
  // The canonical code of `symbol` among codes of these lengths (RFC 1951 section 3.2.2).
  BitWriter& Symbol(const std::vector<uint8_t>& lengths, unsigned symbol) {
    std::array<uint32_t, 17> count{}, next{};
    for (uint8_t length : lengths)
      ++count[length];
    count[0] = 0;
    for (unsigned bits = 1; bits <= 16; ++bits)
      next[bits] = (next[bits - 1] + count[bits - 1]) << 1;
    for (unsigned s = 0; s < symbol; ++s) {
      if (lengths[s] == lengths[symbol]) ++next[lengths[s]];
    }
    return Code(next[lengths[symbol]], lengths[symbol]);
  }
  // A symbol of the fixed literal/length code.
  BitWriter& FixedLitLen(unsigned symbol) {
    if (symbol < 144) return Code(0x30 + symbol, 8);
    if (symbol < 256) return Code(0x190 + symbol - 144, 9);
    if (symbol < 280) return Code(symbol - 256, 7);
    return Code(0xC0 + symbol - 280, 8);
  }
  // A symbol of the fixed distance code (five bits).
  BitWriter& FixedDistance(unsigned symbol) { return Code(symbol, 5); }
  // A length and a distance symbol of the fixed codes; the end-of-block code.
  BitWriter& Match(unsigned length, unsigned distance) {
    return FixedLitLen(length).FixedDistance(distance);
  }
  BitWriter& End() { return FixedLitLen(256); }
  BitWriter& Literals(std::string_view text) {
    for (char c : text)
      FixedLitLen(static_cast<uint8_t>(c));
    return *this;
  }
  // Block headers: BFINAL and BTYPE; a stored block's LEN and NLEN after the byte boundary.
  BitWriter& Fixed(unsigned final) { return Bits(final, 1).Bits(1, 2); }
  BitWriter& Stored(unsigned final, uint32_t length, uint32_t nlen) {
    return Bits(final, 1).Bits(0, 2).AlignToByte().Bits(length, 16).Bits(nlen, 16);
  }
  BitWriter& AlignToByte() {
    while (bitCount_ % 8 != 0)
      PutBit(0);
    return *this;
  }
  BitWriter& Text(std::string_view text) {
    AlignToByte();
    for (char c : text)
      Bits(static_cast<uint8_t>(c), 8);
    return *this;
  }
  std::vector<uint8_t> Bytes() const { return bytes_; }

 private:
  void PutBit(uint32_t bit) {
    if (bitCount_ % 8 == 0) bytes_.push_back(0);
    bytes_.back() = static_cast<uint8_t>(bytes_.back() | (bit << (bitCount_ % 8)));
    ++bitCount_;
  }

  std::vector<uint8_t> bytes_;
  size_t bitCount_ = 0;
};

}  // namespace wayband::imaging::png::testing
