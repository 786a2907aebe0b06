// Builds DEFLATE streams bit by bit for the hostile-stream tests.
#pragma once

#include <cstdint>
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
  // A symbol of the fixed literal/length code.
  BitWriter& FixedLitLen(unsigned symbol) {
    if (symbol < 144) return Code(0x30 + symbol, 8);
    if (symbol < 256) return Code(0x190 + symbol - 144, 9);
    if (symbol < 280) return Code(symbol - 256, 7);
    return Code(0xC0 + symbol - 280, 8);
  }
  // A symbol of the fixed distance code (five bits).
  BitWriter& FixedDistance(unsigned symbol) { return Code(symbol, 5); }
  BitWriter& AlignToByte() {
    while (bitCount_ % 8 != 0)
      PutBit(0);
    return *this;
  }
  BitWriter& Byte(uint8_t value) {
    AlignToByte();
    return Bits(value, 8);
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
