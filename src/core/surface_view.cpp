// SurfaceView: a read-only, top-down view of a 32-bit surface's pixel store.
#include <cstddef>

#include "wayband/inspection.h"

namespace wayband {

namespace {
constexpr size_t kBytesPerPixel = 4;
}  // namespace

SurfaceView::SurfaceView(std::span<const uint8_t> rows, int32_t width, int32_t height,
                         size_t stride, bool bottomUp)
    : rows_(rows), width_(width), height_(height), stride_(stride), bottomUp_(bottomUp) {
  // A store too small for the stated size gives an empty view rather than reads past it.
  const bool fits = width > 0 && height > 0 &&
                    stride >= static_cast<size_t>(width) * kBytesPerPixel &&
                    rows.size() / stride >= static_cast<size_t>(height);
  if (!fits) *this = SurfaceView();
}

std::span<const uint8_t> SurfaceView::Row(int32_t y) const {
  if (y < 0 || y >= height_) return {};
  const size_t stored = static_cast<size_t>(bottomUp_ ? height_ - 1 - y : y);
  return rows_.subspan(stored * stride_, static_cast<size_t>(width_) * kBytesPerPixel);
}

uint32_t SurfaceView::Pixel(int32_t x, int32_t y) const {
  if (x < 0 || x >= width_) return 0;
  const std::span<const uint8_t> row = Row(y);
  if (row.empty()) return 0;
  const uint8_t* p = row.data() + static_cast<size_t>(x) * kBytesPerPixel;
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

}  // namespace wayband
