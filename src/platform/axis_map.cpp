#include "platform/axis_map.h"

#include <algorithm>

namespace wayband::platform {

AxisMap::AxisMap(Extent dst, int32_t dstLimit, Extent src, int32_t srcLimit)
    : dstLow_(dst.Low()),
      srcLow_(src.Low()),
      dstSize_(dst.Size()),
      srcSize_(src.Size()),
      mirror_((dst.length < 0) != (src.length < 0)) {
  if (dstSize_ == 0 || srcSize_ == 0) return;
  const int64_t low = std::max<int64_t>(0, -dstLow_);
  const int64_t high = std::min<int64_t>(dstSize_, int64_t{dstLimit} - dstLow_);
  if (low >= high) return;
  // Source coordinates run monotonically: the pixels inside the source form one run.
  const int64_t enter = mirror_ ? int64_t{srcLimit} : -1;
  const int64_t leave = mirror_ ? 0 : int64_t{srcLimit} - 1;
  first_ = FirstPast(low, high, enter);
  last_ = std::max(first_, FirstPast(first_, high, leave));
}

AxisMap::AxisMap(int64_t start, int64_t length, int32_t limit)
    : AxisMap(Extent{start, std::max<int64_t>(length, 0)}, limit,
              Extent{start, std::max<int64_t>(length, 0)}, limit) {}

int64_t AxisMap::SourceOf(int64_t i) const {
  if (IsScaled()) return ScaledSourceOf(i);
  return srcLow_ + (mirror_ ? srcSize_ - 1 - i : i);
}

int64_t AxisMap::ScaledSourceOf(int64_t i) const {
  // Scaled extents come from 32-bit sizes, so (2i + 1) * srcSize_ stays below 2^63.
  const auto sampled =
      static_cast<int64_t>(static_cast<uint64_t>(2 * i + 1) * static_cast<uint64_t>(srcSize_) /
                           (static_cast<uint64_t>(dstSize_) * 2));
  return srcLow_ + (mirror_ ? srcSize_ - 1 - sampled : sampled);
}

int64_t AxisMap::FirstPast(int64_t low, int64_t high, int64_t bound) const {
  if (!IsScaled()) {
    // Source coordinates step by one: the first past the bound is found by subtraction.
    const int64_t first = mirror_ ? srcLow_ + srcSize_ - bound : bound - srcLow_ + 1;
    return std::clamp(first, low, std::max(low, high));
  }
  auto past = [&](int64_t i) { return mirror_ ? SourceOf(i) < bound : SourceOf(i) > bound; };
  while (low < high) {
    const int64_t middle = low + (high - low) / 2;
    if (past(middle)) {
      high = middle;
    } else {
      low = middle + 1;
    }
  }
  return low;
}

}  // namespace wayband::platform
