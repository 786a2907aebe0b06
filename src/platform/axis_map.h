// One axis of a block transfer: which source coordinate feeds each destination coordinate
// that lies inside both bitmaps, sampling by nearest neighbour. The map is arithmetic (no
// table), so huge blocks cost no memory.
#pragma once

#include <cstdint>

namespace wayband::platform {

// An extent along one axis as the drawing calls take it: `length` pixels from `start` on,
// or for a negative length the pixels start, start - 1, ... down to start + length + 1
// (the block [start + length + 1, start + 1)).
struct Extent {
  int64_t start = 0;
  int64_t length = 0;

  int64_t Low() const { return length < 0 ? start + length + 1 : start; }
  int64_t Size() const { return length < 0 ? -length : length; }
};

class AxisMap {
 public:
  // Maps the destination extent onto the source extent, clipped to [0, dstLimit) and
  // [0, srcLimit). Destination pixel i (counted from the low end) samples the source pixel
  // whose span holds the centre of pixel i scaled into the source; the source is mirrored
  // when the two lengths differ in sign. Empty when either extent is empty.
  AxisMap(Extent dst, int32_t dstLimit, Extent src, int32_t srcLimit);
  // The identity map of [start, start + length) clipped to [0, limit), for calls that touch
  // only the destination.
  AxisMap(int64_t start, int64_t length, int32_t limit);

  int32_t dstStart() const { return static_cast<int32_t>(dstLow_ + first_); }
  int32_t count() const { return static_cast<int32_t>(last_ - first_); }
  bool IsEmpty() const { return last_ <= first_; }
  // True when source coordinates run up one by one (no scaling, no mirroring).
  bool IsContiguous() const { return dstSize_ == srcSize_ && !mirror_; }
  // The source coordinate of destination coordinate dstStart() + k.
  int32_t Source(int32_t k) const {
    const int64_t i = first_ + k;
    return static_cast<int32_t>(IsScaled() ? ScaledSourceOf(i)
                                           : srcLow_ + (mirror_ ? srcSize_ - 1 - i : i));
  }

 private:
  bool IsScaled() const { return dstSize_ != srcSize_; }
  int64_t SourceOf(int64_t i) const;
  int64_t ScaledSourceOf(int64_t i) const;
  // The first i in [low, high) whose source coordinate lies past `bound` in the direction
  // the map runs: above it, or below it when mirrored (high when there is none).
  int64_t FirstPast(int64_t low, int64_t high, int64_t bound) const;

  int64_t dstLow_ = 0;
  int64_t srcLow_ = 0;
  int64_t dstSize_ = 0;
  int64_t srcSize_ = 0;
  bool mirror_ = false;
  int64_t first_ = 0;  // drawn destination pixels: i in [first_, last_) from dstLow_
  int64_t last_ = 0;
};

}  // namespace wayband::platform
