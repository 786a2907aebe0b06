// Panel and collection handles never dangle: once their panel or control is gone they read
// empty values and ignore writes, also when the host destroys the control while the
// control is calling out to it.
#include <gtest/gtest.h>

#include "control_fixture.h"

namespace wayband::testing {
namespace {

class HandleLifetime : public ControlFixture {};

void ExpectEmpty(ShortcutPanel& panel) {
  EXPECT_EQ(panel.Caption(), "");
  EXPECT_EQ(panel.Key(), "");
  EXPECT_EQ(panel.Index(), 0);
  EXPECT_EQ(panel.BackColor1(), 0u);
  EXPECT_FALSE(panel.Visible());
  EXPECT_FALSE(panel.Enabled());
  EXPECT_FALSE(panel.Selected());
  EXPECT_EQ(panel.Panel(), nullptr);
}

void WriteEverything(ShortcutPanel& panel) {
  panel.SetCaption("x");
  panel.SetBackColor1(1);
  panel.SetIconKey("k");
  panel.SetIndex(1);
  panel.SetSelected(true);
  panel.SetTag("t");
  panel.SetVisible(false);
  panel.SetEnabled(false);
  panel.SetPanel(nullptr);
}

TEST_F(HandleLifetime, AHandleOfARemovedPanelReadsEmptyAndIgnoresWrites) {
  AddPanels(2);
  auto removed = *Panels().Item("P1");
  Panels().Remove("P1");
  ExpectEmpty(removed);
  const uint64_t before = Passes();
  WriteEverything(removed);
  EXPECT_EQ(Passes(), before);
  EXPECT_EQ(Panels().Item(1)->Caption(), "Panel 2");
  EXPECT_TRUE(Panels().Item(1)->Selected());
}

TEST_F(HandleLifetime, TwoHandlesOfOnePanelBehaveAlike) {
  AddPanels(2);
  auto first = *Panels().Item("P2");
  auto second = *Panels().Item(2);
  first.SetCaption("Renamed");
  EXPECT_EQ(second.Caption(), "Renamed");
  first.SetIndex(1);
  EXPECT_EQ(second.Index(), 1);
}

TEST_F(HandleLifetime, HandlesOutliveTheirControl) {
  AddPanels(2);
  auto panel = *Panels().Item(1);
  auto panels = Panels();
  auto selected = bar->SelectedBar();
  bar.reset();
  ExpectEmpty(panel);
  ExpectEmpty(*selected);
  WriteEverything(panel);
  EXPECT_EQ(panels.Count(), 0);
  EXPECT_FALSE(panels.Add("new"));
  EXPECT_FALSE(panels.Item(1));  // no error 9 from a collection whose control is gone
  panels.Remove(1);
  panels.Clear();
}

TEST_F(HandleLifetime, TheCollectionChecksThatTheControlWindowStillExists) {
  AddPanels(1);
  auto panels = Panels();
  host.Windows().DestroyWindow(site->hWnd());
  EXPECT_EQ(panels.Count(), 0);
  EXPECT_FALSE(panels.Item(1));
}

TEST_F(HandleLifetime, TheHostMayDestroyTheControlWhileAddLetsItProcessMessages) {
  AddPanels(1);
  loop.PostTask([this] { bar.reset(); });
  auto added = Panels().Add("late");
  ASSERT_TRUE(added);  // Add still returns its handle
  EXPECT_EQ(bar, nullptr);
  ExpectEmpty(*added);
}

TEST_F(HandleLifetime, TheHostMayDestroyTheControlInsideAnEventHandler) {
  AddPanels(2);
  int calls = 0;
  bar->BarClick.Connect([&](ShortcutPanel& panel) {
    ++calls;
    EXPECT_EQ(panel.Key(), "P2");
    bar.reset();
  });
  auto core = core::CoreAccess::Shared(*bar);
  core->RaisePanelEvent(core::PanelEvent::kBarClick, 2);
  EXPECT_EQ(calls, 1);
  EXPECT_FALSE(core->Alive());
  EXPECT_TRUE(host.Record().events.empty());  // the host had the control destroyed first
}

}  // namespace
}  // namespace wayband::testing
