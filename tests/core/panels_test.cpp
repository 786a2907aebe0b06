// The panel collection: what Add accepts as Key and KeyBefore, how Item and Remove resolve
// numbers, numeric strings and case-sensitive keys, which panel stays selected through
// adds, removes, moves and hiding, and handles that never dangle once their panel or
// control is gone (also when the host destroys the control while it calls out).
#include <gtest/gtest.h>

#include "control_fixture.h"
#include "wayband/error.h"

namespace wayband::testing {
namespace {

using Strings = std::vector<std::string>;
using PanelKeys = ControlFixture;

TEST_F(PanelKeys, NumericDuplicateAndObjectKeysAddNothingAndKeysAreCaseSensitive) {
  for (const Variant& key : {Variant(5), Variant("5"), Variant(" 2.5 "), Variant(true),
                             Variant(std::make_shared<StdFont>())}) {
    EXPECT_FALSE(Panels().Add(key)) << key.ToText().value_or("object");
  }
  ASSERT_TRUE(Panels().Add("a", {}, "lower"));
  ASSERT_TRUE(Panels().Add("A", {}, "upper"));
  EXPECT_FALSE(Panels().Add("a"));
  EXPECT_EQ(Panels().Count(), 2);
  EXPECT_EQ(Panels().Item("a")->Caption(), "lower");
  EXPECT_EQ(Panels().Item("A")->Caption(), "upper");
  EXPECT_FALSE(Panels().Item("MAIL"));
}

TEST_F(PanelKeys, GeneratedKeysFollowIdsThatAreNeverReusedNorCheckedAgainstKeysInUse) {
  for (int i = 0; i < 5; ++i)
    Panels().Add();
  EXPECT_EQ(Panels().Item(5)->Key(), "C5");
  Panels().Remove(5);
  EXPECT_EQ(Panels().Add()->Key(), "C6");
  Panels().Add("C8");
  const auto generated = Panels().Add();
  EXPECT_EQ(generated->Key(), "C8");
  EXPECT_EQ(generated->Index(), 7);
  EXPECT_EQ(Panels().Item("C8")->Index(), 6);  // the first match
}

TEST_F(PanelKeys, KeyBeforeBelowOneInsertsFirstBeyondCountAppendsAndNeedsPanelsWhenNumeric) {
  EXPECT_FALSE(Panels().Add("a", 1));
  EXPECT_FALSE(Panels().Add("a", 0));
  EXPECT_FALSE(Panels().Add("a", std::make_shared<StdFont>()));
  Panels().Add("a", "b");  // a string that matches nothing appends
  Panels().Add("b");
  Panels().Add("x", 0);
  Panels().Add("y", -3);
  Panels().Add("z", 99);
  Panels().Add("w", "no such key");
  Panels().Add("v", "b");
  Panels().Add("u", "2");  // numeric string: position 2
  EXPECT_EQ(Keys(), (Strings{"y", "u", "x", "a", "v", "b", "z", "w"}));
}

TEST_F(PanelKeys, ItemAndRemoveTakeNumbersAndNumericStringsAsIndicesAndIgnoreTheRest) {
  AddPanels(3);
  EXPECT_EQ(Panels().Item("2")->Key(), "P2");
  EXPECT_EQ(Panels().Item(2.5)->Key(), "P2");  // half to even
  EXPECT_EQ(Panels().Item(int16_t{3})->Key(), "P3");
  // Out of range, not convertible, an object; empty is the number 0.
  for (const Variant& index : {Variant(0), Variant(4), Variant(-1), Variant(1e12),
                               Variant(std::make_shared<StdFont>()), Variant()}) {
    EXPECT_FALSE(Panels().Item(index)) << index.ToText().value_or("object");
    Panels().Remove(index);
  }
  Panels().Remove("P9");
  EXPECT_EQ(Panels().Count(), 3);
  Panels().Remove("2");
  EXPECT_EQ(Keys(), (Strings{"P1", "P3"}));
  Panels().Remove("P3");
  EXPECT_EQ(Keys(), (Strings{"P1"}));
}

TEST_F(PanelKeys, ItemOnAnEmptyCollectionRaisesError9) {
  try {
    Panels().Item("a");
    FAIL() << "no error raised";
  } catch (const AutomationError& error) {
    EXPECT_EQ(error.Number(), 9);
  }
  Panels().Add("a");
  Panels().Remove("a");
  EXPECT_THROW(Panels().Item(1), AutomationError);
}

class Selection : public ControlFixture {
 protected:
  int32_t SelectedIndex() { return State().panels.SelectedIndex(); }
};

TEST_F(Selection, TheFirstPanelAddedIsSelectedAndRemovingKeepsTheSamePanelWherePossible) {
  EXPECT_FALSE(bar->SelectedBar());
  AddPanels(5);
  EXPECT_EQ(SelectedKey(), "P1");
  EXPECT_FALSE(Panels().Item(2)->Selected());
  Panels().Item("P3")->SetSelected(true);
  Panels().Remove("P1");  // before the selection
  EXPECT_EQ(SelectedIndex(), 2);
  EXPECT_EQ(SelectedKey(), "P3");
  Panels().Remove("P5");  // after it
  EXPECT_EQ(SelectedKey(), "P3");
  Panels().Remove("P3");  // the selected middle one: the one moving into its place
  EXPECT_EQ(SelectedKey(), "P4");
  Panels().Remove("P4");  // the selected last one: the new last
  EXPECT_EQ(SelectedKey(), "P2");
  Panels().Remove("P2");
  EXPECT_EQ(SelectedIndex(), 0);
  EXPECT_FALSE(bar->SelectedBar());
}

TEST_F(Selection, HidingOrRemovingTheSelectedPanelSelectsTheFirstVisibleOne) {
  AddPanels(3);
  Panels().Item("P2")->SetSelected(true);
  Panels().Item("P1")->SetVisible(false);
  EXPECT_EQ(SelectedKey(), "P2");
  Panels().Item("P2")->SetVisible(false);
  EXPECT_EQ(SelectedKey(), "P3");
  Panels().Item("P3")->SetVisible(false);
  EXPECT_EQ(SelectedIndex(), 0);
  Panels().Clear();
  AddPanels(3);
  Panels().Item("P1")->SetVisible(false);
  Panels().Item("P3")->SetSelected(true);
  Panels().Item("P2")->SetVisible(false);
  Panels().Remove("P3");  // P2 (hidden) moves into the selection and is replaced
  EXPECT_EQ(SelectedIndex(), 0);
}

TEST_F(Selection, MovingTheSelectedPanelLeavesTheSelectionWithThePosition) {
  AddPanels(3);
  Panels().Item("P1")->SetIndex(3);
  EXPECT_EQ(SelectedIndex(), 1);
  EXPECT_EQ(SelectedKey(), "P2");
  EXPECT_EQ(Keys(), (Strings{"P2", "P3", "P1"}));
  Panels().Item("P1")->SetIndex(1);
  const uint64_t before = Passes();
  Panels().Item("P2")->SetIndex(7);  // out of range: nothing moves, the control refreshes
  EXPECT_EQ(Keys(), (Strings{"P1", "P2", "P3"}));
  EXPECT_EQ(Passes(), before + 1);
}

TEST_F(Selection, SelectedBarIgnoresHiddenDisabledAndMissingPanelsButSelectedDoesNot) {
  AddPanels(3);
  auto hidden = Panels().Item("P2");
  hidden->SetVisible(false);
  auto disabled = Panels().Item("P3");
  disabled->SetEnabled(false);
  for (const std::optional<ShortcutPanel>& refused : {hidden, disabled, {}}) {
    bar->SetSelectedBar(refused);
    EXPECT_EQ(SelectedKey(), "P1");
  }
  disabled->SetEnabled(true);
  bar->SetSelectedBar(disabled);
  EXPECT_EQ(SelectedKey(), "P3");
  hidden->SetSelected(false);  // assigning False selects too, hidden or not
  EXPECT_EQ(SelectedKey(), "P2");
}

class HandleLifetime : public ControlFixture {
 protected:
  static void ExpectEmpty(ShortcutPanel& panel) {
    EXPECT_EQ(panel.Caption(), "");
    EXPECT_EQ(panel.Key(), "");
    EXPECT_EQ(panel.Index(), 0);
    EXPECT_EQ(panel.BackColor1(), 0u);
    EXPECT_FALSE(panel.Visible() || panel.Enabled() || panel.Selected());
    EXPECT_EQ(panel.Panel(), nullptr);
  }
  static void WriteEverything(ShortcutPanel& panel) {
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
};

TEST_F(HandleLifetime, HandlesOfOnePanelAgreeAndOnceItIsRemovedReadEmptyAndIgnoreWrites) {
  AddPanels(2);
  auto first = *Panels().Item("P2");
  auto second = *Panels().Item(2);
  first.SetCaption("Renamed");
  EXPECT_EQ(second.Caption(), "Renamed");
  auto removed = *Panels().Item("P1");
  Panels().Remove("P1");
  EXPECT_EQ(second.Index(), 1);
  ExpectEmpty(removed);
  const uint64_t before = Passes();
  WriteEverything(removed);
  EXPECT_EQ(Passes(), before);
  EXPECT_EQ(Keys(), (Strings{"P2"}));
  EXPECT_TRUE(second.Selected());
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
