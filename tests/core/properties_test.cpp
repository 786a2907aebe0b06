// The control's properties: creation and first show, the setters that do more than store,
// Redraw batching (what refreshes, what only notifies) and the palette following the
// desktop's colour scheme.
#include <gtest/gtest.h>

#include <tuple>

#include "control_fixture.h"
#include "platform/desktop_presets.h"
#include "platform/desktop_settings.h"
#include "render/scheme/scheme_update.h"

namespace wayband::testing {
namespace {

using ControlProperties = ControlFixture;

TEST_F(ControlProperties, CreationMakesTheStripsAndSurfacesAndTheSettersRearrangeThem) {
  EXPECT_EQ(std::make_tuple(Toolbar().Align(), Toolbar().Visible(), SplitBar().Visible(),
                            SplitBar().GetMousePointer()),
            std::make_tuple(host::StripAlign::kBottom, true, false, host::MousePointer::kSizeNS));
  EXPECT_EQ(std::make_tuple(Core().ControlSurface().Height(), Core().ToolbarSurface().Width(),
                            Core().ToolbarSurface().Height(), Core().SplitterSurface().Height()),
            std::make_tuple(400, 200, 33, 7));
  EXPECT_EQ(std::make_pair(Core().MouseTimer()->Interval(), Core().AnimationTimer().Interval()),
            std::make_pair(0, 75));
  ResizePixels(250, 300);
  EXPECT_EQ(std::make_tuple(Core().ControlSurface().Width(), Core().AnimationTimer().Interval(),
                            SplitBar().Width()),  // the animation stops with AnimationEnabled
            std::make_tuple(250, 0, 250 * 15.0));
  const uint64_t passes = Passes();
  bar->SetToolbarOnTop(true);  // docked before the refresh
  EXPECT_EQ(Toolbar().Align(), host::StripAlign::kTop);
  EXPECT_EQ(Passes(), passes + 1);
  bar->SetLockSplitter(true);
  EXPECT_EQ(SplitBar().GetMousePointer(), host::MousePointer::kDefault);
  // Enabled reaches container controls inside the control only.
  auto container = AddChild("Container1", host::kContainerTypeName);
  container->SetContainer(site->hWnd());
  auto outside = AddChild("Container2", host::kContainerTypeName);  // on the form
  bar->SetEnabled(false);
  EXPECT_EQ(std::make_tuple(bar->Enabled(), container->Enabled(), outside->Enabled()),
            std::make_tuple(false, std::optional(false), std::optional(true)));
}

TEST_F(ControlProperties, TheAnimationTimerRefreshesFiveTimesThenStops) {
  Wayband fresh(*host.AddSite(form, "Wayband2", 0, 0, 3000, 6000));
  auto& core = core::CoreAccess::Of(fresh);
  const uint64_t before = core.State().CompletedFramePasses;
  loop.AdvanceClock(std::chrono::milliseconds(75 * 10));
  EXPECT_EQ(core.State().CompletedFramePasses, before + 5);
  EXPECT_EQ(core.State().AnimationStep, 0);
  EXPECT_EQ(core.AnimationTimer().Interval(), 0);
}

TEST_F(ControlProperties, FontsAndPicturesAreHeldByReferenceAndAssignedFontsCarryTheirBoldFlag) {
  auto given = std::make_shared<StdFont>();
  given->SetName("Verdana");
  given->SetWeight(600);  // semibold reads as bold
  bar->SetFont(given);
  EXPECT_EQ(std::make_tuple(bar->Font()->Name(), bar->Font()->Bold(), bar->Font() == given),
            std::make_tuple("Verdana", true, false));
  bar->SetSelectedFont(given);
  given->SetItalic(true);
  EXPECT_TRUE(bar->SelectedFont()->Italic());
  auto picture = Picture::FromImage(platform::Bitmap::Create(4, 4, 32));
  bar->SetBarPicture(picture);
  EXPECT_EQ(bar->BarPicture(), picture);
  EXPECT_EQ(picture->Width(), 106);  // 4 pixels in HIMETRIC
  // A control shown without a header font shares its own.
  bar->SetHeaderFont(nullptr);
  site->Extender().SetVisible(false);
  site->Show();
  EXPECT_EQ(bar->HeaderFont(), bar->Font());
  given->SetName("Georgia");
  bar->SetFont(given);
  EXPECT_EQ(bar->HeaderFont()->Name(), "Georgia");
}

using RedrawBatching = ControlFixture;

TEST_F(RedrawBatching, ChangesWithRedrawOffPaintNothingAndRedrawOnPaintsOnce) {
  AddPanels(3);
  bar->SetRedraw(false);
  host.Record().Clear();
  const uint64_t before = Passes();
  bar->SetHoverColor(0x123456);
  bar->SetHeaderForeColor(0x654321);
  bar->SetForeColor(0x0000FF);
  bar->SetEmptyPanelCaption("Nothing");
  bar->SetRightToLeft(true);
  bar->SetShowHeaderIcon(false);
  bar->SetCenter(true);
  bar->SetBackColor(0x00FF00);
  bar->SetToolbarOnTop(true);
  Panels().Item(1)->SetCaption("First");  // panels do not notify
  EXPECT_EQ(std::make_pair(Passes(), host.Record().propertyChanges.size()),
            std::make_pair(before, size_t{9}));
  Panels().Clear();  // nor does Clear refresh with Redraw off
  EXPECT_EQ(std::make_pair(Passes(), bar->Redraw()), std::make_pair(before, false));
  host.Record().Clear();
  bar->SetRedraw(true);
  EXPECT_EQ(std::make_tuple(Passes(), host.Record().CountPropertyChanges("Redraw"),
                            host.Record().CountPropertyChanges("BarsToShow")),  // re-applied
            std::make_tuple(before + 1, 1u, 1u));
  EXPECT_GE(host.Record().doEventsCalls, 1u);
  AddPanels(5);
  auto child = AddChild("Child");
  Panels().Item(2)->SetPanel(child);
  const uint64_t added = Passes();
  Panels().Clear();  // one repaint at the end
  EXPECT_EQ(std::make_tuple(Passes(), child->Visible(), bar->Redraw()),
            std::make_tuple(added + 1, false, true));
}

// Restores the process-wide desktop settings a test changes.
class SchemeFollowing : public ControlFixture {
 protected:
  ~SchemeFollowing() override { platform::SetCurrentDesktop(saved_); }
  render::SchemePalette Current() {
    render::SchemePalette palette;
    render::UpdateColorScheme(palette, site->hWnd());
    return palette;
  }
  platform::DesktopState saved_ = platform::CurrentDesktop().State();
};

TEST_F(SchemeFollowing, CreationBuildsThePaletteShowingRebuildsItAndAPollerReReadsItAlways) {
  const render::SchemePalette before = State().Palette;
  EXPECT_EQ(before, Current());
  platform::CurrentDesktop().SetSysColor(platform::COLOR_BTNFACE, 0x00A000);
  EXPECT_EQ(State().Palette, before);
  site->Extender().SetVisible(false);
  site->Show();
  EXPECT_EQ(State().Palette, Current());
  EXPECT_NE(State().Palette, before);
  // A polling control re-reads the scheme on every refresh, even with Redraw off.
  Core().MutableState().PollingNeeded = true;
  bar->SetRedraw(false);
  Core().MutableState().SplitterDrawn = true;
  platform::SetCurrentDesktop(*platform::FindDesktopPreset("High Contrast Black"));
  bar->SetCenter(true);
  EXPECT_EQ(State().Palette, Current());
  EXPECT_FALSE(State().SplitterDrawn);
}

}  // namespace
}  // namespace wayband::testing
