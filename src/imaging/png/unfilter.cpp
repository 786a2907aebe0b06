#include "imaging/png/unfilter.h"

#include <vector>

namespace wayband::imaging::png {
namespace {

void UnfilterSub(uint8_t* row, size_t size, unsigned bpp) {
  for (size_t i = bpp; i < size; ++i)
    row[i] = static_cast<uint8_t>(row[i] + row[i - bpp]);
}

void UnfilterUp(uint8_t* row, const uint8_t* prior, size_t size) {
  for (size_t i = 0; i < size; ++i)
    row[i] = static_cast<uint8_t>(row[i] + prior[i]);
}

void UnfilterAverage(uint8_t* row, const uint8_t* prior, size_t size, unsigned bpp) {
  const size_t first = bpp < size ? bpp : size;
  for (size_t i = 0; i < first; ++i)
    row[i] = static_cast<uint8_t>(row[i] + (prior[i] >> 1));
  for (size_t i = bpp; i < size; ++i) {
    row[i] = static_cast<uint8_t>(row[i] + ((row[i - bpp] + prior[i]) >> 1));
  }
}

void UnfilterPaeth(uint8_t* row, const uint8_t* prior, size_t size, unsigned bpp) {
  // For the first pixel left and upper-left are 0, so the predictor is the byte above.
  const size_t first = bpp < size ? bpp : size;
  for (size_t i = 0; i < first; ++i)
    row[i] = static_cast<uint8_t>(row[i] + prior[i]);
  for (size_t i = bpp; i < size; ++i) {
    row[i] = static_cast<uint8_t>(row[i] + PaethPredictor(row[i - bpp], prior[i], prior[i - bpp]));
  }
}

}  // namespace

void UnfilterRow(uint8_t filter, std::span<uint8_t> row, std::span<const uint8_t> prior,
                 unsigned bytesPerPixel) {
  switch (filter) {
    case kFilterSub:
      UnfilterSub(row.data(), row.size(), bytesPerPixel);
      break;
    case kFilterUp:
      UnfilterUp(row.data(), prior.data(), row.size());
      break;
    case kFilterAverage:
      UnfilterAverage(row.data(), prior.data(), row.size(), bytesPerPixel);
      break;
    case kFilterPaeth:
      UnfilterPaeth(row.data(), prior.data(), row.size(), bytesPerPixel);
      break;
    default:
      break;  // None, and codes above 4
  }
}

void UnfilterRows(std::span<uint8_t> block, size_t rowBytes, size_t rows, unsigned bytesPerPixel) {
  if (rows == 0) return;
  const std::vector<uint8_t> zeroRow(rowBytes, 0);
  std::span<const uint8_t> prior(zeroRow);
  for (size_t r = 0; r < rows; ++r) {
    const std::span<uint8_t> stored = block.subspan(r * (rowBytes + 1), rowBytes + 1);
    const std::span<uint8_t> row = stored.subspan(1);
    UnfilterRow(stored[0], row, prior, bytesPerPixel);
    prior = row;
  }
}

}  // namespace wayband::imaging::png
