// The snapshot puts the strips where the host put them and shows surfaces at the strips'
// sizes with what the windows show. Surface views read any store top-down and nothing past
// its end.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "core/control_fixture.h"
#include "wayband/inspection.h"

namespace wayband::testing {
namespace {

class Inspection : public ControlFixture {
 protected:
  using ControlFixture::ControlFixture;
  // The window's rectangle in the control's client pixels, as the host placed it.
  InspectedRect WindowInControl(host::WindowHandle window) {
    const platform::Rect r = host.Windows().GetWindowRect(window);
    const platform::Rect control = host.Windows().GetWindowRect(site->hWnd());
    return {r.left - control.left, r.top - control.top, r.right - control.left,
            r.bottom - control.top};
  }
};

// The toolbar's off-screen surface always has the toolbar strip's size, whatever the twips
// per pixel and wherever the strip is docked, and the window shows the same frame.
class InspectionStrips : public Inspection,
                         public ::testing::WithParamInterface<std::tuple<double, bool>> {
 protected:
  InspectionStrips() : Inspection(std::get<0>(GetParam())) {}
};

TEST_P(InspectionStrips, StripsAndSurfacesAreWhereAndAsLargeAsTheHostPlacedThem) {
  AddPanels(6);
  bar->SetBarsToShow(4);
  bar->SetToolbarOnTop(std::get<1>(GetParam()));
  const WaybandInspection s = bar->Inspect();
  const std::pair<const InspectedWindow&, host::ChildStrip&> strips[] = {
      {s.ctlToolbar, Toolbar()}, {s.ctlSplitBar, SplitBar()}};
  for (const auto& [inspected, strip] : strips) {
    SCOPED_TRACE(strip.Name());
    EXPECT_EQ(std::make_tuple(inspected.left, inspected.top, inspected.width, inspected.height),
              std::make_tuple(strip.Left(), strip.Top(), strip.Width(), strip.Height()));
    EXPECT_EQ(inspected.visible, strip.Visible());
    EXPECT_EQ(inspected.pixels, WindowInControl(strip.hWnd()));
  }
  EXPECT_EQ(s.ctlToolbar.pixels.top == 0, std::get<1>(GetParam()));
  const SurfaceView control = bar->InspectSurface(InspectedSurface::kControl);
  EXPECT_EQ(control.Width(), s.clientWidth);
  EXPECT_EQ(control.Height(), s.clientHeight);
  EXPECT_EQ(control.Pixel(13, 77), Core().ControlSurface().PixelAt(13, 77));
  const SurfaceView surface = bar->InspectSurface(InspectedSurface::kToolbar);
  EXPECT_EQ(surface.Width(), s.ctlToolbar.pixels.Width());
  EXPECT_EQ(surface.Height(), s.ctlToolbar.pixels.Height());
  const platform::Bitmap* window = host.WindowImage(Toolbar().hWnd());
  ASSERT_NE(window, nullptr);
  ASSERT_EQ(window->height(), surface.Height());
  for (int32_t y = 0; y < surface.Height(); ++y) {
    for (int32_t x = 0; x < surface.Width(); x += 7)
      ASSERT_EQ(window->PixelAt(x, y) & 0xFFFFFFu, surface.Rgb(x, y)) << x << "," << y;
  }
}

INSTANTIATE_TEST_SUITE_P(TwipsPerPixelAndDocking, InspectionStrips,
                         ::testing::Combine(::testing::Values(12.0, 15.0, 20.0),
                                            ::testing::Bool()));

// SurfaceView reads rows top-down whatever the store's order, and refuses to read past a
// store that is too small for the size it is given.
TEST(SurfaceView, ReadsPixelsTopDownInEitherRowOrderAndNothingOutsideOrFromShortStores) {
  // A 3 x 2 store with 16-byte rows (4 bytes of padding); pixel (x, stored row r) holds
  // blue x, green r, red 0x80, alpha 0xFF.
  std::vector<uint8_t> bytes(32, 0xEE);
  for (int r = 0; r < 2; ++r) {
    for (int x = 0; x < 3; ++x) {
      const uint8_t pixel[] = {uint8_t(x), uint8_t(r), 0x80, 0xFF};
      std::copy(pixel, pixel + 4, bytes.begin() + r * 16 + x * 4);
    }
  }
  const SurfaceView topDown(bytes, 3, 2, 16, false), bottomUp(bytes, 3, 2, 16, true);
  EXPECT_EQ(topDown.Pixel(2, 0), 0xFF800002u);
  EXPECT_EQ(topDown.Pixel(1, 1), 0xFF800101u);
  EXPECT_EQ(bottomUp.Pixel(1, 1), 0xFF800001u);  // the first stored row is the bottom
  EXPECT_EQ(bottomUp.Rgb(0, 0), 0x800100u);
  ASSERT_EQ(bottomUp.Row(0).size(), 12u);  // no padding
  EXPECT_EQ(bottomUp.Row(0)[1], 1);
  for (const auto& [x, y] : {std::pair{-1, 0}, {3, 0}, {0, -1}, {0, 2}})
    EXPECT_EQ(bottomUp.Pixel(x, y), 0u) << x << "," << y;
  EXPECT_TRUE(bottomUp.Row(2).empty());
  const SurfaceView tooFewRows(bytes, 3, 3, 16, true), strideTooSmall(bytes, 5, 2, 16, false),
      noSize(bytes, 0, 2, 16, false);
  for (const SurfaceView* v : {&tooFewRows, &strideTooSmall, &noSize}) {
    EXPECT_TRUE(v->Empty());
    EXPECT_EQ(v->Pixel(0, 0), 0u);
  }
}

}  // namespace
}  // namespace wayband::testing
