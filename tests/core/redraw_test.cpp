// Redraw batching: what runs a refresh, what only notifies, and that switching Redraw back
// on refreshes exactly once.
#include <gtest/gtest.h>

#include "control_fixture.h"

namespace wayband::testing {
namespace {

class RedrawBatching : public ControlFixture {
 protected:
  headless::HostRecord& Record() { return host.Record(); }
};

TEST_F(RedrawBatching, TenChangesWithRedrawOffPaintNothingAndRedrawOnPaintsOnce) {
  AddPanels(3);
  bar->SetRedraw(false);
  Record().Clear();
  const uint64_t before = Passes();
  bar->SetHoverColor(0x123456);
  bar->SetHeaderForeColor(0x654321);
  bar->SetCenter(true);
  bar->SetRightToLeft(true);
  bar->SetShowHeaderIcon(false);
  bar->SetEmptyPanelCaption("Nothing");
  bar->SetBackColor(0x00FF00);
  bar->SetForeColor(0x0000FF);
  bar->SetToolbarOnTop(true);
  Panels().Item(1)->SetCaption("First");
  EXPECT_EQ(Passes(), before);
  EXPECT_EQ(Record().propertyChanges.size(), 9u);  // the panel caption does not notify

  bar->SetRedraw(true);
  EXPECT_EQ(Passes(), before + 1);
  EXPECT_EQ(Record().CountPropertyChanges("Redraw"), 1u);
  EXPECT_EQ(Record().CountPropertyChanges("BarsToShow"), 1u);  // re-applied
  EXPECT_GE(Record().doEventsCalls, 1u);
}

TEST_F(RedrawBatching, RedrawOnRefreshesOnceEvenWhenTheStoredCountIsNegative) {
  AddPanels(2);
  ResizePixels(200, 60);  // 60 / 33 - 3 rounds to -1: the stored count goes negative
  bar->SetAutoHide(false);
  bar->SetBarsToShow(2);
  EXPECT_EQ(bar->BarsToShow(), -1);
  bar->SetRedraw(false);
  const uint64_t before = Passes();
  bar->SetRedraw(true);
  EXPECT_EQ(Passes(), before + 1);
}

TEST_F(RedrawBatching, ClearRepaintsOnceAtTheEnd) {
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

TEST_F(RedrawBatching, TagAndToolTipTextOnlyStore) {
  AddPanels(1);
  auto panel = Panels().Item(1);
  const uint64_t before = Passes();
  panel->SetTag("data");
  panel->SetToolTipText("tip");
  EXPECT_EQ(Passes(), before);
  EXPECT_EQ(panel->Tag(), "data");
  EXPECT_EQ(panel->ToolTipText(), "tip");
  panel->SetCaption("Caption");
  panel->SetBackColor1(0x112233);
  EXPECT_EQ(Passes(), before + 2);
}

TEST_F(RedrawBatching, EverySetterNotifiesItsOwnName) {
  struct Case {
    const char* name;
    std::function<void(Wayband&)> set;
  };
  const std::vector<Case> cases = {
      {"BackColor", [](Wayband& w) { w.SetBackColor(1); }},
      {"HoverColor", [](Wayband& w) { w.SetHoverColor(1); }},
      {"BackgroundPicture", [](Wayband& w) { w.SetBackgroundPicture(nullptr); }},
      {"BarPicture", [](Wayband& w) { w.SetBarPicture(nullptr); }},
      {"BarHoverPicture", [](Wayband& w) { w.SetBarHoverPicture(nullptr); }},
      {"BarSelectedPicture", [](Wayband& w) { w.SetBarSelectedPicture(nullptr); }},
      {"BarPressedPicture", [](Wayband& w) { w.SetBarPressedPicture(nullptr); }},
      {"ToolbarPicture", [](Wayband& w) { w.SetToolbarPicture(nullptr); }},
      {"HeaderPicture", [](Wayband& w) { w.SetHeaderPicture(nullptr); }},
      {"ShowHeaderIcon", [](Wayband& w) { w.SetShowHeaderIcon(false); }},
      {"ToolbarOnTop", [](Wayband& w) { w.SetToolbarOnTop(true); }},
      {"LockSplitter", [](Wayband& w) { w.SetLockSplitter(true); }},
      {"Center", [](Wayband& w) { w.SetCenter(true); }},
      {"AutoHide", [](Wayband& w) { w.SetAutoHide(false); }},
      {"Enabled", [](Wayband& w) { w.SetEnabled(false); }},
      {"Font", [](Wayband& w) { w.SetFont(std::make_shared<StdFont>()); }},
      {"SelectedFont", [](Wayband& w) { w.SetSelectedFont(nullptr); }},
      {"HeaderFont", [](Wayband& w) { w.SetHeaderFont(nullptr); }},
      {"ForeColor", [](Wayband& w) { w.SetForeColor(1); }},
      {"HeaderForeColor", [](Wayband& w) { w.SetHeaderForeColor(1); }},
      {"Redraw", [](Wayband& w) { w.SetRedraw(false); }},
      {"RightToLeft", [](Wayband& w) { w.SetRightToLeft(true); }},
      {"EmptyPanelCaption", [](Wayband& w) { w.SetEmptyPanelCaption(""); }},
      {"BarsToShow", [](Wayband& w) { w.SetBarsToShow(1); }},
  };
  for (const Case& c : cases) {
    Record().Clear();
    c.set(*bar);
    ASSERT_FALSE(Record().propertyChanges.empty()) << c.name;
    EXPECT_EQ(Record().propertyChanges.front().name, c.name);
    bar->SetRedraw(true);
  }
}

}  // namespace
}  // namespace wayband::testing
