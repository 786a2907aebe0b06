// The control's properties: new-instance defaults, creation and first show, the setters
// that do more than store, events, Redraw batching (what refreshes, what only notifies) and
// the palette following the desktop's colour scheme.
#include <gtest/gtest.h>

#include <tuple>

#include "control_fixture.h"
#include "platform/desktop_settings.h"
#include "render/scheme/scheme_update.h"

namespace wayband::testing {
namespace {

using ControlProperties = ControlFixture;

TEST_F(ControlProperties, ANewInstanceHasItsDefaultsAndFontsCopiedFromTheAmbientFont) {
  EXPECT_EQ(std::make_tuple(bar->BarsToShow(), bar->HoverColor(), bar->HeaderForeColor(),
                            bar->EmptyPanelCaption(), bar->BackColor(), bar->ForeColor()),
            std::make_tuple(1, 0x8000000Fu, 0x00FFFFFFu, "Empty Panel", 0x8000000Fu, 0x80000012u));
  EXPECT_TRUE(bar->AutoHide() && bar->Redraw() && bar->ShowHeaderIcon() && bar->Enabled());
  EXPECT_FALSE(bar->ToolbarOnTop() || bar->LockSplitter() || bar->Center() || bar->RightToLeft());
  EXPECT_EQ(State().BarPadding, 31);
  const auto font = bar->Font();
  EXPECT_EQ(font->Name(), "DejaVu Sans");
  EXPECT_NE(font, site->AmbientFont());
  EXPECT_NE(bar->HeaderFont(), font);
  EXPECT_EQ(bar->HeaderFont()->Name(), "DejaVu Sans");
  EXPECT_DOUBLE_EQ(bar->HeaderFont()->Size(), 12);
  EXPECT_DOUBLE_EQ(bar->SelectedFont()->Size(), 9);
}

TEST_F(ControlProperties, CreationMakesTheStripsAndSurfacesAndTheSettersRearrangeThem) {
  EXPECT_EQ(std::make_tuple(Toolbar().Align(), Toolbar().Visible(), SplitBar().Visible(),
                            SplitBar().GetMousePointer()),
            std::make_tuple(host::StripAlign::kBottom, true, false, host::MousePointer::kSizeNS));
  EXPECT_EQ(std::make_tuple(Core().ControlSurface().Height(), Core().ToolbarSurface().Width(),
                            Core().ToolbarSurface().Height(), Core().SplitterSurface().Height()),
            std::make_tuple(400, 200, 33, 7));
  EXPECT_EQ(Core().MouseTimer()->Interval(), 0);
  EXPECT_EQ(Core().AnimationTimer().Interval(), 75);
  ResizePixels(250, 300);
  EXPECT_EQ(Core().ControlSurface().Width(), 250);
  EXPECT_EQ(Core().AnimationTimer().Interval(), 0);  // set from AnimationEnabled
  EXPECT_DOUBLE_EQ(SplitBar().Width(), 250 * 15);
  const uint64_t passes = Passes();
  bar->SetToolbarOnTop(true);  // docked before the refresh
  EXPECT_EQ(Toolbar().Align(), host::StripAlign::kTop);
  EXPECT_EQ(Passes(), passes + 1);
  bar->SetLockSplitter(true);
  EXPECT_EQ(SplitBar().GetMousePointer(), host::MousePointer::kDefault);
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

TEST_F(ControlProperties, EnabledReachesContainerControlsInsideTheControlOnly) {
  auto container = AddChild("Container1", host::kContainerTypeName);
  container->SetContainer(site->hWnd());
  auto outside = AddChild("Container2", host::kContainerTypeName);  // on the form
  bar->SetEnabled(false);
  EXPECT_FALSE(bar->Enabled());
  EXPECT_EQ(container->Enabled(), false);
  EXPECT_EQ(outside->Enabled(), true);
  bar->SetEnabled(true);
  EXPECT_EQ(container->Enabled(), true);
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

TEST_F(ControlProperties, EventsReachHandlersAndTheHostRecord) {
  AddPanels(2);
  std::string clicked;
  bar->BarClick.Connect([&](ShortcutPanel& panel) { clicked = panel.Key(); });
  bool ended = false;
  bar->PanelResize.Connect([&](bool& bEnd) { ended = bEnd; });
  Core().RaisePanelEvent(core::PanelEvent::kBarClick, 2);
  Core().RaisePanelResize(true);
  Core().RaiseShowChevronMenu();
  EXPECT_EQ(std::make_tuple(clicked, ended), std::make_tuple("P2", true));
  const auto& e = host.Record().events;
  ASSERT_EQ(e.size(), 3u);
  EXPECT_EQ(std::make_tuple(e[0].name, e[0].dispid, e[1].dispid, e[2].name, e[2].args.size()),
            std::make_tuple("BarClick", 2, 4, "ShowChevronMenu", 0u));
  EXPECT_EQ((*e[0].args[0].Get<Variant::PanelRef>())->Key(), "P2");
  EXPECT_EQ(e[1].args[0], Variant(true));
}

using RedrawBatching = ControlFixture;

TEST_F(RedrawBatching, ChangesWithRedrawOffPaintNothingAndRedrawOnPaintsOnce) {
  AddPanels(3);
  bar->SetRedraw(false);
  host.Record().Clear();
  const uint64_t before = Passes();
  bar->SetHoverColor(0x123456);
  bar->SetRightToLeft(true);
  bar->SetShowHeaderIcon(false);
  bar->SetCenter(true);
  bar->SetEmptyPanelCaption("Nothing");
  bar->SetBackColor(0x00FF00);
  bar->SetToolbarOnTop(true);
  Panels().Item(1)->SetCaption("First");
  Panels().Item(1)->SetTag("data");  // tags and tool tips only store, with Redraw on too
  EXPECT_EQ(Passes(), before);
  EXPECT_EQ(host.Record().propertyChanges.size(), 7u);  // the panel's changes do not notify
  bar->SetRedraw(true);
  EXPECT_EQ(Passes(), before + 1);
  EXPECT_EQ(host.Record().CountPropertyChanges("Redraw"), 1u);
  EXPECT_EQ(host.Record().CountPropertyChanges("BarsToShow"), 1u);  // re-applied
  EXPECT_GE(host.Record().doEventsCalls, 1u);
  auto panel = Panels().Item(1);
  panel->SetTag("more");
  panel->SetToolTipText("tip");
  EXPECT_EQ(Passes(), before + 1);
  EXPECT_EQ(panel->Tag(), "more");
  EXPECT_EQ(panel->ToolTipText(), "tip");
  panel->SetCaption("Caption");
  panel->SetBackColor1(0x112233);
  EXPECT_EQ(Passes(), before + 3);
}

TEST_F(RedrawBatching, RedrawOnRefreshesOnceEvenWhenTheStoredCountIsNegative) {
  AddPanels(2);
  ResizePixels(200, 60);  // 60 / 33 - 3 rounds to -1: the stored count goes negative
  bar->SetAutoHide(false);
  bar->SetBarsToShow(2);
  ASSERT_EQ(bar->BarsToShow(), -1);
  bar->SetRedraw(false);
  const uint64_t before = Passes();
  bar->SetRedraw(true);
  EXPECT_EQ(Passes(), before + 1);
}

TEST_F(RedrawBatching, ClearRepaintsOnceAtTheEndOrNotAtAllWithRedrawOff) {
  AddPanels(5);
  auto child = AddChild("Child");
  Panels().Item(2)->SetPanel(child);
  const uint64_t before = Passes();
  Panels().Clear();
  EXPECT_EQ(Panels().Count(), 0);
  EXPECT_EQ(Passes(), before + 1);
  EXPECT_TRUE(bar->Redraw());
  EXPECT_FALSE(child->Visible());
  AddPanels(2);
  bar->SetRedraw(false);
  const uint64_t off = Passes();
  Panels().Clear();
  EXPECT_EQ(Passes(), off);
  EXPECT_FALSE(bar->Redraw());
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
  void TurnButtonFacesGreen() {
    platform::CurrentDesktop().SetSysColor(platform::COLOR_BTNFACE, 0x00A000);
  }
  platform::DesktopState saved_ = platform::CurrentDesktop().State();
};

TEST_F(SchemeFollowing, CreationBuildsThePaletteAndShowingTheControlRebuildsIt) {
  const render::SchemePalette before = State().Palette;
  EXPECT_EQ(before, Current());
  EXPECT_NE(before[render::Slot::BarTop], 0u);
  TurnButtonFacesGreen();
  EXPECT_EQ(State().Palette, before);
  site->Extender().SetVisible(false);
  site->Show();
  EXPECT_EQ(State().Palette, Current());
  EXPECT_NE(State().Palette, before);
}

TEST_F(SchemeFollowing, APollingControlReReadsTheSchemeOnEveryRefreshEvenWithRedrawOff) {
  Core().MutableState().PollingNeeded = true;
  bar->SetRedraw(false);
  Core().MutableState().SplitterDrawn = true;
  TurnButtonFacesGreen();
  bar->SetCenter(true);
  EXPECT_EQ(State().Palette, Current());
  EXPECT_FALSE(State().SplitterDrawn);
}

}  // namespace
}  // namespace wayband::testing
