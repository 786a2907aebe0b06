#include "imaging/png/unfilter.h"

#include <cstring>

#include "imaging/png/unfilter_pixels.h"

namespace wayband::imaging::png {
namespace {

// Each filter reads the filtered byte from `in` and the bytes already unfiltered from
// `out`; `in` may equal `out`.
void UnfilterNone(const uint8_t* in, uint8_t* out, size_t size) {
  if (in != out) std::memcpy(out, in, size);
}

void UnfilterSub(const uint8_t* in, uint8_t* out, size_t size, unsigned bpp) {
  const size_t first = bpp < size ? bpp : size;
  UnfilterNone(in, out, first);
  for (size_t i = bpp; i < size; ++i)
    out[i] = static_cast<uint8_t>(in[i] + out[i - bpp]);
}

void UnfilterUp(const uint8_t* in, uint8_t* out, const uint8_t* prior, size_t size) {
  for (size_t i = 0; i < size; ++i)
    out[i] = static_cast<uint8_t>(in[i] + prior[i]);
}

void UnfilterAverage(const uint8_t* in, uint8_t* out, const uint8_t* prior, size_t size,
                     unsigned bpp) {
  const size_t first = bpp < size ? bpp : size;
  for (size_t i = 0; i < first; ++i)
    out[i] = static_cast<uint8_t>(in[i] + (prior[i] >> 1));
  for (size_t i = bpp; i < size; ++i) {
    out[i] = static_cast<uint8_t>(in[i] + ((out[i - bpp] + prior[i]) >> 1));
  }
}

void UnfilterPaeth(const uint8_t* in, uint8_t* out, const uint8_t* prior, size_t size,
                   unsigned bpp) {
  // For the first pixel left and upper-left are 0, so the predictor is the byte above.
  const size_t first = bpp < size ? bpp : size;
  for (size_t i = 0; i < first; ++i)
    out[i] = static_cast<uint8_t>(in[i] + prior[i]);
  for (size_t i = bpp; i < size; ++i) {
    out[i] = static_cast<uint8_t>(in[i] + PaethPredictor(out[i - bpp], prior[i], prior[i - bpp]));
  }
}

// The pixel-wise filters for the pixel sizes they take; false when the row is left to the
// byte-wise ones.
bool UnfilterByPixel(uint8_t filter, const uint8_t* in, uint8_t* out, const uint8_t* prior,
                     size_t size, unsigned bpp) {
#if defined(WAYBAND_PNG_PIXEL_UNFILTER)
  switch (filter) {
    case kFilterSub:
      return UnfilterWholePixels<PixelFilter::kSub>(in, out, prior, size, bpp);
    case kFilterAverage:
      return UnfilterWholePixels<PixelFilter::kAverage>(in, out, prior, size, bpp);
    case kFilterPaeth:
      return UnfilterWholePixels<PixelFilter::kPaeth>(in, out, prior, size, bpp);
    default:
      return false;
  }
#else
  (void)filter, (void)in, (void)out, (void)prior, (void)size, (void)bpp;
  return false;
#endif
}

}  // namespace

void UnfilterRow(uint8_t filter, const uint8_t* filtered, std::span<uint8_t> row,
                 std::span<const uint8_t> prior, unsigned bytesPerPixel) {
  uint8_t* const out = row.data();
  if (row.size() % bytesPerPixel == 0 &&
      UnfilterByPixel(filter, filtered, out, prior.data(), row.size(), bytesPerPixel)) {
    return;
  }
  switch (filter) {
    case kFilterSub:
      UnfilterSub(filtered, out, row.size(), bytesPerPixel);
      break;
    case kFilterUp:
      UnfilterUp(filtered, out, prior.data(), row.size());
      break;
    case kFilterAverage:
      UnfilterAverage(filtered, out, prior.data(), row.size(), bytesPerPixel);
      break;
    case kFilterPaeth:
      UnfilterPaeth(filtered, out, prior.data(), row.size(), bytesPerPixel);
      break;
    default:
      UnfilterNone(filtered, out, row.size());  // None, and codes above 4
      break;
  }
}

RowUnfilter::RowUnfilter(size_t rowBytes, unsigned bytesPerPixel)
    : rowBytes_(rowBytes),
      bytesPerPixel_(bytesPerPixel),
      rows_(2 * rowBytes + kUnfilterSlackBytes, 0) {}

const uint8_t* RowUnfilter::Next(const uint8_t* stored) {
  const std::span<uint8_t> row(rows_.data() + current_ * rowBytes_, rowBytes_);
  const std::span<const uint8_t> prior(rows_.data() + (1 - current_) * rowBytes_, rowBytes_);
  UnfilterRow(stored[0], stored + 1, row, prior, bytesPerPixel_);
  current_ = 1 - current_;
  return row.data();
}

}  // namespace wayband::imaging::png
