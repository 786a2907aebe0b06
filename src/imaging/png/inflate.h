// Raw DEFLATE decompression (stored, fixed Huffman and dynamic Huffman blocks) into a
// caller-sized buffer.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "imaging/png/huffman_table.h"
#include "imaging/png/status.h"

namespace wayband::imaging::png {

struct [[nodiscard]] InflateResult {
  // kOk: the final block ended. kCorruptData: the stream breaks the format or ends early.
  // kOutputTooSmall: the output filled up; what did not fit is cut off.
  Status status = Status::kOk;
  size_t written = 0;   // output bytes produced before the end or the fault
  size_t consumed = 0;  // input bytes read (a partly read last byte counts)
};

// Table sizes: main-table bits and total capacity, main table plus the largest set of
// subtables any valid code of the alphabet can need (288 literal/length symbols with an
// 11-bit main table; 32 distance symbols with an 8-bit one; 19 code-length symbols,
// at most 7 bits long, so no subtables).
inline constexpr unsigned kLitLenMainBits = 11;
inline constexpr size_t kLitLenTableSize = 2342;
inline constexpr unsigned kDistanceMainBits = 8;
inline constexpr size_t kDistanceTableSize = 402;
inline constexpr unsigned kCodeLengthMainBits = 7;
inline constexpr size_t kCodeLengthTableSize = 128;

struct LitLenTable {
  std::array<HuffmanEntry, kLitLenTableSize> entries;
};
struct DistanceTable {
  std::array<HuffmanEntry, kDistanceTableSize> entries;
};

class Inflater {
 public:
  // Builds the fixed Huffman tables; they are reused by every Inflate call.
  Inflater();

  // Decompresses `input` into `output`. Decoding ends at the final block, at a fault or
  // when the output is full. Output bytes past `written` are unspecified (a match copy may
  // have written a few bytes beyond it). A stored block is copied even when its LEN is not
  // the complement of NLEN; a stored block that runs past the input or the output ends
  // decoding without copying any of it.
  InflateResult Inflate(std::span<const uint8_t> input, std::span<uint8_t> output) const;

 private:
  LitLenTable fixedLitLen_;
  DistanceTable fixedDistance_;
};

}  // namespace wayband::imaging::png
