// Reversal of the five PNG scanline filters (None, Sub, Up, Average, Paeth).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

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

// Unfilters one row of `row.size()` bytes in place. `prior` is the unfiltered row above
// (all zero for the first row) of the same size. Bytes to the left of the row count as 0.
// Filter codes above 4 leave the row unchanged.
void UnfilterRow(uint8_t filter, std::span<uint8_t> row, std::span<const uint8_t> prior,
                 unsigned bytesPerPixel);

// Unfilters, in place, `rows` consecutive rows each stored as a filter byte followed by
// `rowBytes` bytes. `block` must hold rows x (rowBytes + 1) bytes.
void UnfilterRows(std::span<uint8_t> block, size_t rowBytes, size_t rows, unsigned bytesPerPixel);

}  // namespace wayband::imaging::png
