// A memory context with a bitmap of its own, for drawing tests.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "platform/drawing_context.h"

namespace wayband::platform::testing {

struct Surface {
  std::unique_ptr<DrawingContext> dc;
  BitmapHandle bitmap;

  Surface(int32_t width, int32_t height, int bitCount, RowOrder order = RowOrder::kBottomUp)
      : dc(DrawingContext::CreateCompatible(nullptr)),
        bitmap(Bitmap::Create(width, height, bitCount, order)) {
    EXPECT_NE(bitmap, nullptr);
    dc->SelectBitmap(bitmap);
  }

  uint32_t At(int32_t x, int32_t y) const { return bitmap->PixelAt(x, y); }
  void Fill(uint32_t value) {
    for (int32_t y = 0; y < bitmap->height(); ++y) {
      for (int32_t x = 0; x < bitmap->width(); ++x)
        bitmap->SetPixelAt(x, y, value);
    }
  }
  // Counts the pixels that differ from `value`.
  int Differing(uint32_t value) const {
    int count = 0;
    for (int32_t y = 0; y < bitmap->height(); ++y) {
      for (int32_t x = 0; x < bitmap->width(); ++x)
        count += At(x, y) != value;
    }
    return count;
  }
};

}  // namespace wayband::platform::testing
