// Raw DEFLATE decompression (stored, fixed Huffman and dynamic Huffman blocks): in one go
// into a caller-sized buffer, or step by step through a window the caller slides.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "imaging/png/bit_reader.h"
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

// Where a stepwise decompression stands between two steps: the input position, the block
// being decoded with its tables, and what is left of a stored block or a match that the
// previous step's window could not take. `capacity` bounds the whole output exactly as
// the size of a one-go buffer does.
class InflateState {
 public:
  InflateState(std::span<const uint8_t> input, uint64_t capacity)
      : in_(input), capacityLeft_(capacity) {}
  InflateState(const InflateState&) = delete;
  InflateState& operator=(const InflateState&) = delete;

  bool Finished() const { return phase_ == Phase::kDone; }
  // How decoding ended; kOk while not finished.
  Status Outcome() const { return status_; }
  size_t ConsumedBytes() const { return in_.ConsumedBytes(); }

 private:
  friend class Inflater;
  enum class Phase { kBlockHeader, kStored, kHuffman, kDone };

  BitReader in_;
  uint64_t capacityLeft_;
  Phase phase_ = Phase::kBlockHeader;
  bool finalBlock_ = false;
  Status status_ = Status::kOk;
  const uint8_t* storedNext_ = nullptr;  // the stored block's bytes still to copy
  size_t storedLeft_ = 0;
  size_t matchLeft_ = 0;  // bytes of a match still to copy, from matchDistance_ back
  size_t matchDistance_ = 0;
  const HuffmanEntry* litLen_ = nullptr;
  const HuffmanEntry* distances_ = nullptr;
  LitLenTable dynamicLitLen_;
  DistanceTable dynamicDistances_;
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

  // Decodes into window[produced, window.size()), where the `produced` bytes in front are
  // the latest output (all of it, or at least the last 32 KiB). Returns the new count of
  // window bytes produced: the step ends when the window is full (decoding resumes there
  // on the next call) or when the stream ends (state.Finished()). Bytes past the returned
  // count are unspecified.
  size_t Step(InflateState& state, std::span<uint8_t> window, size_t produced) const;

 private:
  // Reads a block header and what follows it up to the block's first data.
  Status StartBlock(InflateState& state, uint64_t capacityLeft) const;

  LitLenTable fixedLitLen_;
  DistanceTable fixedDistance_;
};

}  // namespace wayband::imaging::png
