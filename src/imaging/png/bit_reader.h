// The bit reader of inflate.
//
// DEFLATE packs its fields starting at the least significant bit of each byte, so the
// reader keeps a 64-bit buffer of the next bits of the stream, the next one at bit
// kPadding:
//
//   bits_   the buffered bits above kPadding low bits that mean nothing; the `count_`
//           bits from bit kPadding up are the next bits of the stream. Bits above those
//           are either zero or copies of the bits of the bytes that follow `next_` (the
//           fast refill loads a whole word and keeps only whole bytes).
//   count_  kPadding plus how many buffered bits are valid; at most 63.
//   next_   the first input byte not yet moved into the buffer.
//
// The padding is log2 of a Huffman table slot's size (4 bytes): masking the buffer gives
// the byte offset of the next symbol's slot directly, and a load at a base plus an offset
// takes a cycle less than one at a base plus a scaled index, on the chain from one symbol
// to the next.
//
// Refill tops the buffer up to at least kRefillBits valid bits. Past the end of the input it
// moves in zero bytes and counts them in `phantomBytes_`, so decoding never reads out of
// bounds; those bits are not data, and once any of them has been consumed (Overrun) the
// stream is truncated and the decoder reports corrupt data.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

namespace wayband::imaging::png {

// The buffer itself: what a decode loop that stays clear of the end of the input needs,
// small enough to live in three registers.
class BitBuffer {
 public:
  static constexpr unsigned kPadding = 2;
  // After a refill at least this many bits are buffered: enough for a length code with its
  // extra bits and a distance code with its extra bits (15 + 5 + 15 + 13 = 48).
  static constexpr unsigned kRefillBits = 56 - kPadding;
  static_assert(kRefillBits >= 48);

  // Loads 8 bytes at once and keeps the whole bytes that fit. Needs 8 readable bytes at
  // Next().
  void RefillFast() {
    bits_ |= LoadLittleEndian64(next_) << count_;
    next_ += (63 - count_) >> 3;
    count_ |= 56;
  }

  // The next n bits (n <= Count()) without consuming them.
  uint32_t Peek(unsigned n) const { return static_cast<uint32_t>(Buffered() & LowMask(n)); }
  void Consume(unsigned n) {
    bits_ >>= n;
    count_ -= n;
  }
  uint32_t Take(unsigned n) {
    const uint32_t value = Peek(n);
    Consume(n);
    return value;
  }
  // The buffered bits from the next one on, and how many of them are valid.
  uint64_t Buffered() const { return bits_ >> kPadding; }
  unsigned Count() const { return count_ - kPadding; }
  // The next n bits moved up by the padding: the byte offset of their slot in a table.
  uint64_t SlotOffset(unsigned n) const { return bits_ & (LowMask(n) << kPadding); }
  const uint8_t* Next() const { return next_; }

 protected:
  explicit BitBuffer(const uint8_t* next) : next_(next) {}

  static uint64_t LowMask(unsigned n) { return (uint64_t{1} << n) - 1; }
  static uint64_t LoadLittleEndian64(const uint8_t* p) {
    uint64_t word = 0;
    std::memcpy(&word, p, sizeof word);
    if constexpr (std::endian::native == std::endian::big) word = __builtin_bswap64(word);
    return word;
  }

  uint64_t bits_ = 0;
  unsigned count_ = kPadding;
  const uint8_t* next_;
};

class BitReader : public BitBuffer {
 public:
  explicit BitReader(std::span<const uint8_t> input)
      : BitBuffer(input.data()), begin_(input.data()), end_(input.data() + input.size()) {}

  // True when Refill can load a whole word of real input.
  bool CanRefillFast() const { return end_ - next_ >= 8; }
  const uint8_t* InputEnd() const { return end_; }

  void Refill() {
    if (CanRefillFast()) {
      RefillFast();
    } else {
      RefillSlow();
    }
  }

  // True once a bit that lies past the end of the input has been consumed.
  bool Overrun() const { return phantomBytes_ * 8 > Count(); }

  // Drops the bits up to the next byte boundary of the stream.
  void AlignToByte() { Consume(Count() % 8); }

  // Input bytes consumed so far, a partly consumed byte counting as consumed.
  size_t ConsumedBytes() const {
    const size_t moved = static_cast<size_t>(next_ - begin_) + phantomBytes_;
    const size_t consumed = moved - Count() / 8;
    return consumed < InputSize() ? consumed : InputSize();
  }
  size_t InputSize() const { return static_cast<size_t>(end_ - begin_); }
  const uint8_t* InputBegin() const { return begin_; }

  // Restarts reading at a byte position of the input (at most its size), with an empty
  // buffer. Used to step over the raw bytes of a stored block.
  void SeekTo(size_t position) {
    next_ = begin_ + position;
    bits_ = 0;
    count_ = kPadding;
    phantomBytes_ = 0;
  }

 private:
  void RefillSlow() {
    while (Count() < kRefillBits) {
      uint64_t byte = 0;
      if (next_ < end_) {
        byte = *next_++;
      } else {
        ++phantomBytes_;
      }
      bits_ |= byte << count_;
      count_ += 8;
    }
  }

  const uint8_t* begin_;
  const uint8_t* end_;
  size_t phantomBytes_ = 0;
};

}  // namespace wayband::imaging::png
