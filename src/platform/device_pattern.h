// A brush prepared for one destination: its pixels as device values of the destination
// bitmap, tiled from the context's brush origin.
#pragma once

#include <cstdint>

#include "platform/drawing_context.h"

namespace wayband::platform {

class DevicePattern {
 public:
  // A solid brush gives its colour everywhere. A monochrome pattern shows the context's text colour
  // for 0 bits and background colour for 1 bits; a 32-bit pattern on a 32-bit bitmap keeps its
  // whole pixel words; other pattern colours are converted to the destination's nearest.
  // Null brushes give an empty pattern.
  DevicePattern(const Brush& brush, const DrawingContext& dc, const Bitmap& dst);

  bool IsEmpty() const { return empty_; }
  // A solid brush: every pixel is solidValue().
  bool IsSolid() const { return !empty_ && pattern_ == nullptr; }
  uint32_t solidValue() const { return solid_; }

  // The `count` pattern values of destination row y from column x on.
  void FillRow(int32_t y, int32_t x, int32_t count, uint32_t* out) const;

 private:
  uint32_t Convert(uint32_t raw) const;

  const Bitmap* pattern_ = nullptr;  // null for solid and null brushes
  bool keepWords_ = false;           // 32-bit pattern on a 32-bit destination
  uint32_t solid_ = 0;               // solid brushes
  uint32_t zeroBits_ = 0;            // monochrome patterns
  uint32_t oneBits_ = 0;
  const Bitmap& dst_;
  Point origin_;
  bool empty_ = false;
};

}  // namespace wayband::platform
