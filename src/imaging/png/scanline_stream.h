// The inflated image data of a PNG file, read piece after piece through a window that
// slides over the decompressed stream. The window keeps the last 32 KiB (as far back as a
// DEFLATE match reaches) and the piece being completed, so the scanlines are never held
// whole and the window's memory stays hot in the cache.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "imaging/png/inflate.h"
#include "imaging/png/status.h"
#include "imaging/png/unfilter_pixels.h"

namespace wayband::imaging::png {

class ScanlineStream {
 public:
  // Inflates `deflate` (raw DEFLATE) into at most `capacity` bytes, handed out in pieces
  // of at most `longestPiece` bytes.
  ScanlineStream(const Inflater& inflater, std::span<const uint8_t> deflate, uint64_t capacity,
                 size_t longestPiece);

  // The next `bytes` bytes of the stream (at most longestPiece); zero past the end of what
  // decompression produced. Valid until the next call, and followed by
  // kUnfilterSlackBytes readable bytes.
  const uint8_t* Next(size_t bytes);

  // Decompresses the rest of the stream (up to the capacity), dropping it, and returns
  // how decompression ended.
  Status Finish();

 private:
  // Moves the bytes still needed to the front of the window: the piece being read and,
  // while decompression goes on, the history behind it.
  void Slide();

  const Inflater& inflater_;
  InflateState state_;
  size_t windowSize_;
  std::unique_ptr<uint8_t[]> window_;
  size_t produced_ = 0;  // window bytes holding output (or zeros past its end)
  size_t read_ = 0;      // window bytes handed out
};

}  // namespace wayband::imaging::png
