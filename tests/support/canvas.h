// A canvas for drawing tests: a memory drawing context holding a bitmap filled with one
// colour, and the measures tests take of what was drawn on it.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>

#include "platform/drawing_context.h"

namespace wayband::testing {

class Canvas {
 public:
  Canvas(int32_t width, int32_t height, platform::ColorRef background = platform::RGB(10, 20, 30),
         int bitCount = 32)
      : background_(background),
        dc_(platform::DrawingContext::CreateCompatible(nullptr)),
        bitmap_(platform::Bitmap::Create(width, height, bitCount, platform::RowOrder::kBottomUp)) {
    dc_->SelectBitmap(bitmap_);
    Fill(background);
  }

  platform::DrawingContext* dc() { return dc_.get(); }
  platform::Bitmap& bitmap() { return *bitmap_; }
  int32_t Width() const { return bitmap_->width(); }
  int32_t Height() const { return bitmap_->height(); }
  platform::ColorRef background() const { return background_; }

  platform::ColorRef At(int32_t x, int32_t y) const { return platform::GetPixel(*dc_, x, y); }
  bool IsInk(int32_t x, int32_t y) const { return At(x, y) != background_; }
  void Fill(platform::ColorRef color) {
    platform::FillRect(*dc_, platform::Rect{0, 0, Width(), Height()},
                       platform::CreateSolidBrush(color));
  }

  // The smallest rectangle holding every pixel that is not `background` (empty: none).
  platform::Rect InkBounds(platform::ColorRef background) const {
    platform::Rect r{Width(), Height(), 0, 0};
    for (int32_t y = 0; y < Height(); ++y) {
      for (int32_t x = 0; x < Width(); ++x) {
        if (At(x, y) == background) continue;
        r = platform::Rect{std::min(r.left, x), std::min(r.top, y), std::max(r.right, x + 1),
                           std::max(r.bottom, y + 1)};
      }
    }
    return r.IsEmpty() ? platform::Rect{} : r;
  }
  platform::Rect InkBounds() const { return InkBounds(background_); }

  // Pixels whose colour is not `color`; InkCount: those not the background.
  int64_t CountOther(platform::ColorRef color) const {
    int64_t count = 0;
    for (int32_t y = 0; y < Height(); ++y) {
      for (int32_t x = 0; x < Width(); ++x)
        count += At(x, y) != color ? 1 : 0;
    }
    return count;
  }
  int64_t InkCount() const { return CountOther(background_); }

 private:
  platform::ColorRef background_;
  std::unique_ptr<platform::DrawingContext> dc_;
  platform::BitmapHandle bitmap_;
};

}  // namespace wayband::testing
