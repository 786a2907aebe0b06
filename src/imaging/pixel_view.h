// A view of a surface's pixel store: rows as stored (row 0 is the bottom row of the
// picture), `stride` bytes apart, `bytesPerPixel` bytes per pixel. Pixel algorithms take
// views so that they walk exactly the surface's pixels and nothing else.
#pragma once

#include <cstdint>
#include <span>

namespace wayband::imaging {

template <class Byte>
struct BasicPixelView {
  std::span<Byte> bits;
  int32_t width = 0;
  int32_t height = 0;
  int32_t stride = 0;
  int32_t bytesPerPixel = 0;

  bool IsEmpty() const { return width <= 0 || height <= 0 || bits.empty(); }
  // The first byte of the pixel in column x of stored row `row`.
  Byte* Pixel(int32_t x, int32_t row) const {
    return bits.data() + static_cast<size_t>(row) * static_cast<size_t>(stride) +
           static_cast<size_t>(x) * static_cast<size_t>(bytesPerPixel);
  }
  // The stored row that holds picture row y (counted from the top).
  int32_t StoredRow(int32_t y) const { return height - 1 - y; }
};

using PixelView = BasicPixelView<uint8_t>;
using ConstPixelView = BasicPixelView<const uint8_t>;

// Calls fn(pixel) with the first byte of every pixel of the view, row by row.
template <class Byte, class Fn>
void ForEachPixel(const BasicPixelView<Byte>& view, Fn&& fn) {
  if (view.IsEmpty()) return;
  for (int32_t row = 0; row < view.height; ++row) {
    Byte* pixel = view.Pixel(0, row);
    for (int32_t x = 0; x < view.width; ++x, pixel += view.bytesPerPixel)
      fn(pixel);
  }
}

}  // namespace wayband::imaging
