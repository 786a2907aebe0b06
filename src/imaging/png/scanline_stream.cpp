#include "imaging/png/scanline_stream.h"

#include <algorithm>
#include <cstring>

namespace wayband::imaging::png {
namespace {

// The farthest back a DEFLATE match reaches.
constexpr size_t kHistoryBytes = size_t{32} << 10;
// Output decompressed per step once the window is slid: large enough that sliding costs
// little, small enough that the window stays in the cache.
constexpr size_t kStepBytes = size_t{128} << 10;

}  // namespace

ScanlineStream::ScanlineStream(const Inflater& inflater, std::span<const uint8_t> deflate,
                               uint64_t capacity, size_t longestPiece)
    : inflater_(inflater),
      state_(deflate, capacity),
      windowSize_(kHistoryBytes + 2 * longestPiece + kStepBytes),
      window_(std::make_unique<uint8_t[]>(windowSize_ + kUnfilterSlackBytes)) {}

void ScanlineStream::Slide() {
  const size_t history = state_.Finished() ? 0 : std::min(produced_, kHistoryBytes);
  const size_t keepFrom = std::min(read_, produced_ - history);
  std::memmove(window_.get(), window_.get() + keepFrom, produced_ - keepFrom);
  produced_ -= keepFrom;
  read_ -= keepFrom;
}

const uint8_t* ScanlineStream::Next(size_t bytes) {
  const std::span<uint8_t> window(window_.get(), windowSize_);
  while (produced_ - read_ < bytes && !state_.Finished()) {
    if (produced_ == windowSize_) Slide();
    produced_ = inflater_.Step(state_, window, produced_);
  }
  if (produced_ - read_ < bytes) {
    // Decompression ended: the rest of the image data is zero.
    if (read_ + bytes > windowSize_) Slide();
    std::memset(window_.get() + produced_, 0, read_ + bytes - produced_);
    produced_ = read_ + bytes;
  }
  const uint8_t* const piece = window_.get() + read_;
  read_ += bytes;
  return piece;
}

Status ScanlineStream::Finish() {
  const std::span<uint8_t> window(window_.get(), windowSize_);
  while (!state_.Finished()) {
    if (produced_ == windowSize_) {
      read_ = produced_;
      Slide();
    }
    produced_ = inflater_.Step(state_, window, produced_);
  }
  return state_.Outcome();
}

}  // namespace wayband::imaging::png
