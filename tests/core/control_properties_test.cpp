// The control's properties: new-instance defaults, creation and first show, and the side
// effects of the setters that do more than store.
#include <gtest/gtest.h>

#include "control_fixture.h"

namespace wayband::testing {
namespace {

class ControlProperties : public ControlFixture {};

TEST_F(ControlProperties, ANewInstanceHasItsDefaults) {
  EXPECT_EQ(bar->BarsToShow(), 1);
  EXPECT_EQ(bar->HoverColor(), 0x8000000Fu);
  EXPECT_EQ(bar->HeaderForeColor(), 0x00FFFFFFu);
  EXPECT_EQ(bar->EmptyPanelCaption(), "Empty Panel");
  EXPECT_TRUE(bar->AutoHide());
  EXPECT_TRUE(bar->Redraw());
  EXPECT_TRUE(bar->ShowHeaderIcon());
  EXPECT_FALSE(bar->ToolbarOnTop());
  EXPECT_FALSE(bar->LockSplitter());
  EXPECT_FALSE(bar->Center());
  EXPECT_FALSE(bar->RightToLeft());
  EXPECT_EQ(bar->BackgroundPicture(), nullptr);
  EXPECT_EQ(bar->BackColor(), 0x8000000Fu);  // the host's defaults
  EXPECT_EQ(bar->ForeColor(), 0x80000012u);
  EXPECT_TRUE(bar->Enabled());
  EXPECT_EQ(bar->hwnd(), site->hWnd());
  EXPECT_EQ(State().BarPadding, 31);
  EXPECT_EQ(State().HoverIndex, 0);
  EXPECT_FALSE(bar->SelectedBar());
}

TEST_F(ControlProperties, FontsAreCopiesOfTheAmbientFontWithA12PointHeader) {
  const auto font = bar->Font();
  EXPECT_EQ(font->Name(), "DejaVu Sans");
  EXPECT_NE(font, site->AmbientFont());
  EXPECT_NE(bar->HeaderFont(), font);
  EXPECT_EQ(bar->HeaderFont()->Name(), "DejaVu Sans");
  EXPECT_DOUBLE_EQ(bar->HeaderFont()->Size(), 12);
  EXPECT_DOUBLE_EQ(bar->SelectedFont()->Size(), 9);
}

TEST_F(ControlProperties, CreationMakesTheStripsAndSurfaces) {
  EXPECT_EQ(Toolbar().Align(), host::StripAlign::kBottom);
  EXPECT_TRUE(Toolbar().Visible());
  EXPECT_FALSE(SplitBar().Visible());
  EXPECT_EQ(SplitBar().GetMousePointer(), host::MousePointer::kSizeNS);
  EXPECT_EQ(Core().ControlSurface().Width(), 200);
  EXPECT_EQ(Core().ControlSurface().Height(), 400);
  EXPECT_EQ(Core().ToolbarSurface().Width(), 200);
  EXPECT_EQ(Core().ToolbarSurface().Height(), 33);
  EXPECT_EQ(Core().SplitterSurface().Height(), 7);
  ASSERT_NE(Core().MouseTimer(), nullptr);
  EXPECT_EQ(Core().MouseTimer()->Interval(), 0);
  EXPECT_EQ(Core().AnimationTimer().Interval(), 75);
  ResizePixels(250, 300);
  EXPECT_EQ(Core().ControlSurface().Width(), 250);
  EXPECT_EQ(Core().AnimationTimer().Interval(), 0);  // set from AnimationEnabled
  EXPECT_DOUBLE_EQ(SplitBar().Width(), 250 * 15);
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

TEST_F(ControlProperties, ToolbarOnTopDocksTheToolbarBeforeTheRefresh) {
  uint64_t passes = Passes();
  bar->SetToolbarOnTop(true);
  EXPECT_EQ(Toolbar().Align(), host::StripAlign::kTop);
  EXPECT_DOUBLE_EQ(Toolbar().Top(), 0);
  EXPECT_EQ(Passes(), passes + 1);
}

TEST_F(ControlProperties, LockSplitterChoosesTheSplitterPointer) {
  bar->SetLockSplitter(true);
  EXPECT_EQ(SplitBar().GetMousePointer(), host::MousePointer::kDefault);
  bar->SetLockSplitter(false);
  EXPECT_EQ(SplitBar().GetMousePointer(), host::MousePointer::kSizeNS);
}

TEST_F(ControlProperties, EnabledReachesContainerControlsOnly) {
  auto container = AddChild("Container1", host::kContainerTypeName);
  auto other = AddChild("Check1", "CheckBox");
  other->SetEnabled(true);
  container->SetContainer(site->hWnd());
  auto outside = AddChild("Container2", host::kContainerTypeName);  // on the form
  bar->SetEnabled(false);
  EXPECT_FALSE(bar->Enabled());
  EXPECT_EQ(container->Enabled(), false);
  EXPECT_EQ(outside->Enabled(), true);
  bar->SetEnabled(true);
  EXPECT_EQ(container->Enabled(), true);
}

TEST_F(ControlProperties, AnAssignedFontCarriesItsBoldFlag) {
  auto given = std::make_shared<StdFont>();
  given->SetName("Verdana");
  given->SetWeight(600);  // semibold reads as bold
  bar->SetFont(given);
  EXPECT_EQ(bar->Font()->Name(), "Verdana");
  EXPECT_TRUE(bar->Font()->Bold());
  EXPECT_NE(bar->Font(), given);
}

TEST_F(ControlProperties, AShownControlWithoutHeaderFontSharesItsOwnFont) {
  bar->SetHeaderFont(nullptr);
  site->Extender().SetVisible(false);
  site->Show();
  EXPECT_EQ(bar->HeaderFont(), bar->Font());
  auto given = std::make_shared<StdFont>();
  given->SetName("Georgia");
  bar->SetFont(given);
  EXPECT_EQ(bar->HeaderFont()->Name(), "Georgia");
}

TEST_F(ControlProperties, PicturesAndFontsAreHeldByReference) {
  auto font = std::make_shared<StdFont>();
  bar->SetSelectedFont(font);
  font->SetItalic(true);
  EXPECT_TRUE(bar->SelectedFont()->Italic());
  auto picture = Picture::FromImage(platform::Bitmap::Create(4, 4, 32));
  bar->SetBarPicture(picture);
  EXPECT_EQ(bar->BarPicture(), picture);
  EXPECT_EQ(picture->Width(), 106);  // 4 pixels in HIMETRIC
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
  EXPECT_EQ(clicked, "P2");
  EXPECT_TRUE(ended);
  const auto& events = host.Record().events;
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[0].name, "BarClick");
  EXPECT_EQ(events[0].dispid, 2);
  EXPECT_EQ((*events[0].args[0].Get<Variant::PanelRef>())->Key(), "P2");
  EXPECT_EQ(events[1].dispid, 4);
  EXPECT_EQ(events[1].args[0], Variant(true));
  EXPECT_EQ(events[2].name, "ShowChevronMenu");
  EXPECT_TRUE(events[2].args.empty());
}

}  // namespace
}  // namespace wayband::testing
