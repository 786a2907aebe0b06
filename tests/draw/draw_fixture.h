// Drawing-helper tests: a 32-bit canvas filled with one colour, and a fixture that starts
// every test on the default desktop with the gradient primitive present and a true-colour
// display, and puts the process-wide drawing facts back afterwards.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "platform/drawing_context.h"
#include "platform/imaging_library.h"
#include "render/draw/drawing_flags.h"
#include "render/scheme/low_color_display.h"
#include "scheme/desktop_fixture.h"

namespace wayband::test {

class Canvas {
 public:
  Canvas(int32_t width, int32_t height, platform::ColorRef background = platform::RGB(10, 20, 30))
      : dc_(platform::DrawingContext::CreateCompatible(nullptr)),
        bitmap_(platform::Bitmap::Create(width, height, 32, platform::RowOrder::kBottomUp)) {
    dc_->SelectBitmap(bitmap_);
    Fill(background);
  }

  platform::DrawingContext* dc() { return dc_.get(); }
  int32_t Width() const { return bitmap_->width(); }
  int32_t Height() const { return bitmap_->height(); }
  platform::ColorRef At(int32_t x, int32_t y) const { return platform::GetPixel(*dc_, x, y); }
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
  // Pixels whose colour is not `color`.
  int CountOther(platform::ColorRef color) const {
    int count = 0;
    for (int32_t y = 0; y < Height(); ++y) {
      for (int32_t x = 0; x < Width(); ++x)
        count += At(x, y) != color ? 1 : 0;
    }
    return count;
  }

 private:
  std::unique_ptr<platform::DrawingContext> dc_;
  platform::BitmapHandle bitmap_;
};

class DrawTest : public DesktopTest {
 protected:
  void SetUp() override {
    DesktopTest::SetUp();
    SetGradientPrimitive(true);
    render::CheckLowColorDisplay(nullptr);
  }
  void TearDown() override {
    DesktopTest::TearDown();
    platform::SetImagingLibrary(savedLibrary_);
    platform::RecordImagingCapabilities();
    render::ResetDrawingFlags();
    render::CheckLowColorDisplay(nullptr);
  }

  static void SetGradientPrimitive(bool present) {
    platform::SetImagingLibrary({true, present});
    platform::RecordImagingCapabilities();
    render::ResetDrawingFlags();
  }
  static void SetColorDepth(int bits) {
    Desktop().SetColorDepth(bits);
    render::CheckLowColorDisplay(nullptr);
  }
  // Switches the recorded operating-system version (and the facts drawn from it).
  static void SetVersion(const platform::OsVersion& version) {
    Desktop().SetVersion(version);
    platform::RecordOsFlags();
    render::ResetDrawingFlags();
  }

 private:
  platform::ImagingCapabilities savedLibrary_ = platform::ProbeImagingLibrary();
};

}  // namespace wayband::test
