#include "platform/device_pattern.h"

#include <algorithm>
#include <cstring>

#include "platform/device_color.h"
#include "platform/pixel_words.h"

namespace wayband::platform {
namespace {

// The tile position of coordinate `at` for a tile of `size` starting at `origin`.
int32_t TileOffset(int64_t at, int64_t origin, int32_t size) {
  const int64_t offset = (at - origin) % size;
  return static_cast<int32_t>(offset < 0 ? offset + size : offset);
}

}  // namespace

DevicePattern::DevicePattern(const Brush& brush, const DrawingContext& dc, const Bitmap& dst)
    : dst_(dst), origin_(dc.BrushOrg()) {
  switch (brush.style) {
    case Brush::Style::kSolid:
      solid_ = DeviceValue(dst, brush.color);
      break;
    case Brush::Style::kPattern:
      pattern_ = brush.pattern.get();
      empty_ = pattern_ == nullptr;
      if (pattern_ == nullptr) break;
      keepWords_ = pattern_->bitCount() == 32 && dst.bitCount() == 32;
      zeroBits_ = DeviceValue(dst, dc.TextColor());
      oneBits_ = DeviceValue(dst, dc.BkColor());
      break;
    case Brush::Style::kNull:
      empty_ = true;
      break;
  }
}

uint32_t DevicePattern::Convert(uint32_t raw) const {
  if (pattern_->IsMonochrome()) return raw ? oneBits_ : zeroBits_;
  return keepWords_ ? raw : DeviceValue(dst_, ColorFromPixel(raw));
}

void DevicePattern::FillRow(int32_t y, int32_t x, int32_t count, uint32_t* out) const {
  if (pattern_ == nullptr) {
    FillWords(reinterpret_cast<uint8_t*>(out), solid_, count);
    return;
  }
  const int32_t width = pattern_->width();
  const int32_t tileY = TileOffset(y, origin_.y, pattern_->height());
  int32_t column = TileOffset(x, origin_.x, width);
  for (int32_t filled = 0; filled < count;) {
    const int32_t run = std::min(count - filled, width - column);
    if (keepWords_) {
      std::memcpy(out + filled, pattern_->Row(tileY) + int64_t{column} * 4, size_t(run) * 4);
    } else {
      for (int32_t i = 0; i < run; ++i)
        out[filled + i] = Convert(pattern_->PixelAt(column + i, tileY));
    }
    filled += run;
    column = 0;
  }
}

}  // namespace wayband::platform
