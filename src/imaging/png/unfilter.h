// Reversal of the five PNG scanline filters (None, Sub, Up, Average, Paeth).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "imaging/png/unfilter_pixels.h"

namespace wayband::imaging::png {

enum FilterType : uint8_t { kFilterNone, kFilterSub, kFilterUp, kFilterAverage, kFilterPaeth };

// The Paeth predictor: left when its distance to left + above - upper-left is not larger
// than the other two, else above when not larger than upper-left's, else upper-left.
inline uint8_t PaethPredictor(int left, int above, int upperLeft) {
  const int distanceLeft = above > upperLeft ? above - upperLeft : upperLeft - above;
  const int distanceAbove = left > upperLeft ? left - upperLeft : upperLeft - left;
  const int sum = left + above - 2 * upperLeft;
  const int distanceUpperLeft = sum < 0 ? -sum : sum;
  if (distanceLeft <= distanceAbove && distanceLeft <= distanceUpperLeft) {
    return static_cast<uint8_t>(left);
  }
  return static_cast<uint8_t>(distanceAbove <= distanceUpperLeft ? above : upperLeft);
}

// Unfilters one row of `row.size()` bytes from `filtered` (the same size; it may be `row`
// itself) into `row`. `prior` is the unfiltered row above (all zero for the first row) of
// the same size. Bytes to the left of the row count as 0. Filter codes above 4 leave the
// bytes unchanged. `filtered` and `prior` must be followed by kUnfilterSlackBytes readable
// bytes, and `row` by as many writable ones (see unfilter_pixels.h).
void UnfilterRow(uint8_t filter, const uint8_t* filtered, std::span<uint8_t> row,
                 std::span<const uint8_t> prior, unsigned bytesPerPixel);

// Unfilters the rows of one image (or Adam7 pass) one after the other into two row
// buffers of its own: the row being unfiltered and the row above it.
class RowUnfilter {
 public:
  RowUnfilter(size_t rowBytes, unsigned bytesPerPixel);

  // Unfilters `stored` (a filter byte, then the row's bytes, then kUnfilterSlackBytes
  // readable bytes) and returns the row, valid until the next call.
  const uint8_t* Next(const uint8_t* stored);

 private:
  size_t rowBytes_;
  unsigned bytesPerPixel_;
  std::vector<uint8_t> rows_;  // two rows and the slack; the first prior row is all zero
  size_t current_ = 0;         // which of them the next row goes to
};

}  // namespace wayband::imaging::png
