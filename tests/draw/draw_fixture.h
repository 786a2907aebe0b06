// Drawing-helper tests: the canvas of tests/support, and a fixture that starts
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
#include "support/canvas.h"

namespace wayband::test {

using testing::Canvas;

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
