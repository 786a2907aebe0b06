// The snapshot agrees with the control it reports on: MaxBars after a resize, panel
// records and their placement, the child windows where the host put them, the palette;
// and taking it changes nothing.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/control_fixture.h"
#include "platform/desktop_presets.h"
#include "platform/desktop_settings.h"
#include "wayband/inspection.h"

namespace wayband::testing {
namespace {

class Inspection : public ControlFixture {
 protected:
  // The window's rectangle in the control's client pixels, as the host placed it.
  InspectedRect WindowInControl(host::WindowHandle window) {
    auto& windows = host.Windows();
    const platform::Rect r = windows.GetWindowRect(window);
    const platform::Rect control = windows.GetWindowRect(site->hWnd());
    return {r.left - control.left, r.top - control.top, r.right - control.left,
            r.bottom - control.top};
  }
};

struct MaxBarsCase {
  int height;
  bool autoHide;
  int32_t maxBars;
};

class InspectionMaxBars : public Inspection, public ::testing::WithParamInterface<MaxBarsCase> {};

// The toolbar strip is 33 pixels high: MaxBars is round(height / 33) - 3, and automatic
// hiding takes three more off. (The fixture's control is 400 pixels high, so the sizes
// with automatic hiding differ from it: an unchanged size is no resize.)
TEST_P(InspectionMaxBars, IsWhatTheSetterComputedAfterAResize) {
  const MaxBarsCase c = GetParam();
  AddPanels(12);
  bar->SetAutoHide(c.autoHide);
  ResizePixels(200, c.height);
  if (!c.autoHide) bar->SetBarsToShow(20);
  const WaybandInspection s = bar->Inspect();
  EXPECT_EQ(s.MaxBars, c.maxBars);
  EXPECT_EQ(s.MaxBars, State().MaxBars);
  EXPECT_EQ(s.BarsToShow, bar->BarsToShow());
  EXPECT_EQ(s.BarsTop, State().BarsTop);
  EXPECT_EQ(s.clientHeight, c.height);
}

INSTANTIATE_TEST_SUITE_P(Heights, InspectionMaxBars,
                         ::testing::Values(MaxBarsCase{400, false, 9}, MaxBarsCase{200, false, 3},
                                           MaxBarsCase{100, false, 0}, MaxBarsCase{430, true, 7},
                                           MaxBarsCase{200, true, 0}));

TEST_F(Inspection, PanelsAreTheRecordsInOrderWithTheirPlacement) {
  AddPanels(5);
  bar->SetAutoHide(false);
  bar->SetBarsToShow(3);
  Panels().Item("P2")->SetVisible(false);
  Panels().Item("P3")->SetSelected(true);
  const WaybandInspection s = bar->Inspect();

  ASSERT_EQ(s.panels.size(), 5u);
  const auto& records = State().panels.Records();
  for (size_t i = 0; i < records.size(); ++i) {
    EXPECT_EQ(s.panels[i].lID, records[i].lID);
    EXPECT_EQ(s.panels[i].sKey, records[i].sKey);
    EXPECT_EQ(s.panels[i].sCaption, records[i].sCaption);
    EXPECT_EQ(s.panels[i].iBarImageStale, records[i].iBarImageStale);
  }
  EXPECT_EQ(s.SelectedIndex, 3);
  EXPECT_FALSE(s.panels[1].bVisible);
  EXPECT_EQ(s.panels[1].rcItem, InspectedRect{});
  // Large bars P1, P3, P4 stack from BarsTop; P5 goes to the toolbar strip.
  const int32_t right = s.clientWidth - 1;
  EXPECT_EQ(s.panels[0].rcItem, (InspectedRect{0, s.BarsTop, right, s.BarsTop + 32}));
  EXPECT_EQ(s.panels[2].rcItem, (InspectedRect{0, s.BarsTop + 32, right, s.BarsTop + 64}));
  EXPECT_EQ(s.panels[3].rcItem, (InspectedRect{0, s.BarsTop + 64, right, s.BarsTop + 96}));
  EXPECT_EQ(s.panels[3].rcItem.bottom - 1, s.ctlToolbar.pixels.top);  // the stack's last row
  EXPECT_TRUE(s.panels[4].bInToolbar);
  EXPECT_FALSE(s.panels[0].bInToolbar);
}

class InspectionStrips : public Inspection, public ::testing::WithParamInterface<bool> {};

TEST_P(InspectionStrips, StripsAreWhereTheHostPlacedThem) {
  AddPanels(3);
  bar->SetToolbarOnTop(GetParam());
  const WaybandInspection s = bar->Inspect();
  const std::pair<const InspectedWindow&, host::ChildStrip&> strips[] = {
      {s.ctlToolbar, Toolbar()}, {s.ctlSplitBar, SplitBar()}};
  for (const auto& [inspected, strip] : strips) {
    SCOPED_TRACE(strip.Name());
    EXPECT_EQ(inspected.left, strip.Left());
    EXPECT_EQ(inspected.top, strip.Top());
    EXPECT_EQ(inspected.width, strip.Width());
    EXPECT_EQ(inspected.height, strip.Height());
    EXPECT_EQ(inspected.visible, strip.Visible());
    EXPECT_EQ(inspected.pixels, WindowInControl(strip.hWnd()));
  }
  EXPECT_EQ(s.ctlToolbar.pixels.top == 0, GetParam());
  EXPECT_EQ(s.ctlToolbar.pixels.Width(), s.clientWidth);
}

INSTANTIATE_TEST_SUITE_P(ToolbarOnTop, InspectionStrips, ::testing::Bool());

TEST_F(Inspection, ContainedControlsShowTheSelectedPanelsChild) {
  AddPanels(2);
  auto first = AddChild("FirstView");
  auto second = AddChild("SecondView");
  Panels().Item("P1")->SetPanel(first);
  Panels().Item("P2")->SetPanel(second);
  Panels().Item("P2")->SetSelected(true);
  const WaybandInspection s = bar->Inspect();

  ASSERT_EQ(s.containedControls.size(), 2u);
  for (const InspectedControl& control : s.containedControls) {
    const auto& source = control.name == "FirstView" ? first : second;
    SCOPED_TRACE(control.name);
    EXPECT_EQ(control.typeName, "PictureBox");
    EXPECT_EQ(control.geometry.visible, control.name == "SecondView");
    EXPECT_EQ(control.geometry.left, source->Left());
    EXPECT_EQ(control.geometry.height, source->Height());
    EXPECT_EQ(control.geometry.pixels, WindowInControl(source->hWnd()));
  }
}

TEST_F(Inspection, PaletteIsTheSchemeTheControlPaintsWith) {
  const auto before = bar->Inspect().SchemePalette;
  EXPECT_TRUE(std::equal(before.begin(), before.end(), State().Palette.slots.begin()));
  const platform::DesktopState saved = platform::CurrentDesktop().State();
  platform::SetCurrentDesktop(*platform::FindDesktopPreset("High Contrast Black"));
  site->Extender().SetVisible(false);
  site->Show();  // showing the control re-reads the scheme
  const auto after = bar->Inspect().SchemePalette;
  platform::SetCurrentDesktop(saved);
  EXPECT_NE(after, before);
  EXPECT_TRUE(std::equal(after.begin(), after.end(), State().Palette.slots.begin()));
}

TEST_F(Inspection, TakingASnapshotChangesNothingAndItDoesNotFollowTheControl) {
  AddPanels(3);
  host.Record().Clear();
  const uint64_t passes = Passes();
  const WaybandInspection s = bar->Inspect();
  (void)bar->InspectSurface(InspectedSurface::kControl);
  EXPECT_EQ(Passes(), passes);
  EXPECT_EQ(s.completedFramePasses, passes);
  EXPECT_TRUE(host.Record().order.empty());

  bar->SetBarsToShow(1);
  Panels().Item("P1")->SetCaption("Renamed");
  EXPECT_GT(Passes(), passes);
  EXPECT_EQ(s.completedFramePasses, passes);
  EXPECT_EQ(s.panels[0].sCaption, "Panel 1");
  EXPECT_EQ(bar->Inspect().panels[0].sCaption, "Renamed");
}

TEST_F(Inspection, SurfacesAreViewedAtTheirStripsSizes) {
  AddPanels(3);
  const WaybandInspection s = bar->Inspect();
  const SurfaceView control = bar->InspectSurface(InspectedSurface::kControl);
  const SurfaceView toolbar = bar->InspectSurface(InspectedSurface::kToolbar);
  EXPECT_EQ(control.Width(), s.clientWidth);
  EXPECT_EQ(control.Height(), s.clientHeight);
  EXPECT_EQ(toolbar.Width(), Core().ToolbarSurface().Width());
  EXPECT_EQ(toolbar.Height(), Core().ToolbarSurface().Height());
  for (const auto& [x, y] : {std::pair{0, 0}, {13, 77}, {control.Width() - 1, 0}}) {
    EXPECT_EQ(control.Pixel(x, y), Core().ControlSurface().PixelAt(x, y));
  }
}

// A bar painted in one flat panel colour shows exactly where its rcItem says: the fill
// starts one row below the bar's top edge (which carries the separator) and ends above the
// next bar's separator; the left column is the separator, the right one the control's
// outline.
TEST_F(Inspection, LargeBarsGradientIsPaintedWhereItsRcItemSays) {
  constexpr uint32_t kRed = 0x0000FF;  // a colour value: red in the low byte
  constexpr uint32_t kRedRgb = 0xFF0000;
  AddPanels(3);
  bar->SetAutoHide(false);
  bar->SetBarsToShow(3);
  Panels().Item("P1")->SetSelected(true);
  auto red = *Panels().Item("P2");
  red.SetBackColor1(kRed);
  red.SetBackColor2(kRed);
  const InspectedRect rc = bar->Inspect().panels[1].rcItem;
  const SurfaceView surface = bar->InspectSurface(InspectedSurface::kControl);
  ASSERT_FALSE(surface.Empty());

  constexpr int32_t kLeftOfCaption = 20;
  int32_t first = -1;
  int32_t last = -1;
  for (int32_t y = 0; y < surface.Height(); ++y) {
    if (surface.Rgb(kLeftOfCaption, y) != kRedRgb) continue;
    if (first < 0) first = y;
    last = y;
  }
  EXPECT_EQ(first, rc.top + 1);
  EXPECT_EQ(last, rc.bottom - 1);
  const int32_t middle = (rc.top + rc.bottom) / 2;
  EXPECT_NE(surface.Rgb(rc.left, middle), kRedRgb);
  EXPECT_EQ(surface.Rgb(rc.left + 1, middle), kRedRgb);
  EXPECT_EQ(surface.Rgb(rc.right - 1, middle), kRedRgb);
  EXPECT_NE(surface.Rgb(rc.right, middle), kRedRgb);
}

}  // namespace
}  // namespace wayband::testing
