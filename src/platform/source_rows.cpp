#include "platform/source_rows.h"

#include <new>

#include "platform/device_color.h"
#include "platform/device_row.h"

namespace wayband::platform {
namespace {

constexpr uint32_t kColorBytes = 0x00FFFFFFu;

}  // namespace

SourceRows::SourceRows(const Bitmap& src, ColorRef srcBkColor, const DrawingContext& dstDc,
                       const Bitmap& dst) {
  source_ = &src;
  if (&src == &dst) {
    try {
      snapshot_.emplace(src);
      source_ = &*snapshot_;
    } catch (const std::bad_alloc&) {
      source_ = nullptr;
    }
  }
  if (src.IsMonochrome() && dst.IsMonochrome()) {
    conversion_ = Conversion::kNone;
  } else if (src.IsMonochrome()) {
    conversion_ = Conversion::kFromMonochrome;
    zeroBits_ = DeviceValue(dst, dstDc.TextColor());
    oneBits_ = DeviceValue(dst, dstDc.BkColor());
  } else if (dst.IsMonochrome()) {
    conversion_ = Conversion::kToMonochrome;
    backgroundKey_ = PixelFromColor(srcBkColor) & kColorBytes;
  } else {
    const bool words = src.bitCount() == 32 && dst.bitCount() == 32;
    conversion_ = words ? Conversion::kNone : Conversion::kColorBytes;
  }
}

uint32_t SourceRows::Convert(uint32_t raw) const {
  switch (conversion_) {
    case Conversion::kNone:
      return raw;
    case Conversion::kColorBytes:
      return raw & kColorBytes;
    case Conversion::kToMonochrome:
      return (raw & kColorBytes) == backgroundKey_ ? 1u : 0u;
    case Conversion::kFromMonochrome:
      return raw ? oneBits_ : zeroBits_;
  }
  return raw;
}

void SourceRows::Fetch(int32_t y, const AxisMap& columns, int32_t first, int32_t count,
                       uint32_t* out) const {
  if (columns.IsContiguous()) {
    ReadDeviceRow(*source_, y, columns.Source(first), count, out);
  } else {
    for (int32_t i = 0; i < count; ++i)
      out[i] = source_->PixelAt(columns.Source(first + i), y);
  }
  if (conversion_ == Conversion::kNone) return;
  for (int32_t i = 0; i < count; ++i)
    out[i] = Convert(out[i]);
}

}  // namespace wayband::platform
