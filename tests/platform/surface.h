// A memory context with a bitmap of its own, for drawing tests: painted and compared pixel
// by pixel through functions of (x, y).
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
  uint8_t Byte0() const { return bitmap->Row(0)[0]; }  // the first eight pixels of a mono row
  template <typename F>
  void Paint(F value) {
    for (int32_t y = 0; y < bitmap->height(); ++y) {
      for (int32_t x = 0; x < bitmap->width(); ++x)
        bitmap->SetPixelAt(x, y, static_cast<uint32_t>(value(x, y)));
    }
  }
  void Fill(uint32_t value) {
    Paint([value](int32_t, int32_t) { return value; });
  }
  // Whether every pixel is expected(x, y); if not, the first that is not, described.
  template <typename F>
  ::testing::AssertionResult Matches(F expected) const {
    for (int32_t y = 0; y < bitmap->height(); ++y) {
      for (int32_t x = 0; x < bitmap->width(); ++x) {
        const uint32_t want = static_cast<uint32_t>(expected(x, y));
        if (At(x, y) != want) {
          return ::testing::AssertionFailure() << "pixel " << x << "," << y << " is " << std::hex
                                               << At(x, y) << " instead of " << want;
        }
      }
    }
    return ::testing::AssertionSuccess();
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
