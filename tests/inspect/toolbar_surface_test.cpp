// The toolbar's off-screen surface always has the toolbar strip's size, whatever the
// twips per pixel and wherever the strip is docked, and the window shows the same frame.
#include <gtest/gtest.h>

#include <tuple>

#include "core/control_fixture.h"
#include "wayband/inspection.h"

namespace wayband::testing {
namespace {

class ToolbarSurface : public ControlFixture,
                       public ::testing::WithParamInterface<std::tuple<double, bool>> {
 protected:
  ToolbarSurface() : ControlFixture(std::get<0>(GetParam())) {}
};

TEST_P(ToolbarSurface, HasTheStripsSize) {
  AddPanels(6);
  bar->SetBarsToShow(4);
  bar->SetToolbarOnTop(std::get<1>(GetParam()));
  const WaybandInspection state = bar->Inspect();
  const SurfaceView surface = bar->InspectSurface(InspectedSurface::kToolbar);
  EXPECT_EQ(surface.Height(), state.ctlToolbar.pixels.Height());
  EXPECT_EQ(surface.Width(), state.ctlToolbar.pixels.Width());
  const platform::Bitmap* window = host.WindowImage(Toolbar().hWnd());
  ASSERT_NE(window, nullptr);
  ASSERT_EQ(window->height(), surface.Height());
  for (int32_t y = 0; y < surface.Height(); ++y)
    for (int32_t x = 0; x < surface.Width(); x += 7)
      ASSERT_EQ(window->PixelAt(x, y) & 0xFFFFFFu, surface.Rgb(x, y)) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(TwipsPerPixelAndDocking, ToolbarSurface,
                         ::testing::Combine(::testing::Values(12.0, 15.0, 20.0),
                                            ::testing::Bool()));

}  // namespace
}  // namespace wayband::testing
